#include "WelcomeCheck.h"

#include "engine/SolitaireGame.h"

namespace murvane::app {

bool performWelcomeCheck(SolitaireGame& game, const ShowWelcomeWindow& showWindow)
{
    if (game.settings().hasSeenWelcome())
        return false;
    // Stored before the window shows, so a quit while it is open counts.
    game.settings().setHasSeenWelcome(true);
    if (showWindow)
        showWindow(symbolName(game.settings().menuBarIcon()));
    return true;
}

} // namespace murvane::app
