#pragma once
// Shared fixture pieces: a game on an in-memory store and a host widget that
// stands in for the panel.

#include "engine/SolitaireGame.h"
#include "persistence/SettingsStore.h"

#include <QApplication>
#include <QWidget>

#include <memory>

namespace murvane::screens::test {

// Runs queued calls and deferred deletes.
inline void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

struct GameFixture {
    InMemorySettingsStore store;
    std::unique_ptr<SolitaireGame> game;
    QWidget panel;

    GameFixture() : game(std::make_unique<SolitaireGame>(store, false))
    {
        panel.resize(443, 700);
        panel.show();
    }
};

} // namespace murvane::screens::test
