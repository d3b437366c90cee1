#pragma once
// One open of the game's panel, timed from open() to the content's first
// painted frame, then closed again with what it built let go. Shared by the
// panel benches so both time the same thing.

#include "app/PanelWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace murvane::bench {

// Milliseconds to the first paint, or about `boundMs` if none came.
inline double openUntilPainted(app::PanelWindow& panel, int boundMs)
{
    QElapsedTimer t;
    t.start();
    QEventLoop loop;
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(&panel, &app::PanelWindow::painted, &loop, &QEventLoop::quit);
    QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
    bound.start(boundMs);
    panel.open(std::nullopt, QPoint(640, 40));
    loop.exec();
    const double ms = t.nsecsElapsed() / 1e6;
    panel.closePanel();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return ms;
}

} // namespace murvane::bench
