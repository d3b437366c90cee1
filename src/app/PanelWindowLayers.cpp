#include "PanelWindowLayers.h"

#include "board/SolitaireView.h"
#include "engine/SolitaireGame.h"
#include "screens/ModalScreenView.h"

namespace murvane::app {

bool dismissBoardLayer(QWidget* content)
{
    auto* board = qobject_cast<SolitaireView*>(content);
    if (!board)
        return false;
    if (board->isConfirmingNewDeal()) {
        board->cancelNewDeal();
        return true;
    }
    if (!board->game().isShowingScreen())
        return false;
    if (auto* screen = qobject_cast<screens::ModalScreenView*>(board->screenHost())) {
        if (screen->isConfirmingReset()) {
            screen->setConfirmingReset(false);
            return true;
        }
        if (screen->hasPendingRulesChange()) {
            screen->clearPendingRulesChange();
            return true;
        }
    }
    board->dismissScreen();
    return true;
}

} // namespace murvane::app
