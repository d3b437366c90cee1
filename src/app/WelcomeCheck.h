#pragma once
// The first-run check: a user who has never been greeted is marked as
// greeted (stored at once, so quitting with the window still open counts),
// then the welcome window is shown with the current menu-bar symbol.

#include <QString>

#include <functional>

namespace murvane {
class SolitaireGame;
}

namespace murvane::app {

// Shows the welcome window for the given menu-bar symbol name.
using ShowWelcomeWindow = std::function<void(const QString& iconName)>;

// Returns true when the user was greeted now.
bool performWelcomeCheck(SolitaireGame& game, const ShowWelcomeWindow& showWindow);

} // namespace murvane::app
