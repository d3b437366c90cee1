// The layers the board shows over its piles: the abandon-game dialog and the
// modal screens, and how Escape peels them off.
#include "board/SolitaireView.h"

#include "board/BoardSurface.h"
#include "board/GameSolvedOverlay.h"
#include "board/PileView.h"
#include "engine/SolitaireGame.h"
#include "platform/Localization.h"
#include "screens/ConfirmationDialog.h"
#include "screens/ModalScreenView.h"

#include <QApplication>

namespace murvane {

bool SolitaireView::dismissTopmostLayer()
{
    if (isConfirmingNewDeal_) {
        cancelNewDeal();
        return true;
    }
    if (!game_.isShowingScreen())
        return false;
    // A screen's own dialog goes before the screen.
    if (screens::ModalScreenView* screen = screen_) {
        if (screen->isConfirmingReset()) {
            screen->setConfirmingReset(false);
            return true;
        }
        if (screen->hasPendingRulesChange()) {
            screen->clearPendingRulesChange();
            return true;
        }
    }
    dismissScreen();
    return true;
}

// --- New deal and the abandon-game dialog --------------------------------------

void SolitaireView::requestNewDeal()
{
    if (game_.isShowingScreen() || isConfirmingNewDeal_)
        return;
    // A fresh or already won deal is replaced silently; only abandoning a
    // game in progress breaks the streak, so only that asks.
    if (!game_.newDealBreaksStreak()) {
        game_.newDeal();
        return;
    }
    setConfirmingNewDeal(true);
}

void SolitaireView::confirmNewDeal()
{
    if (!isConfirmingNewDeal_)
        return;
    setConfirmingNewDeal(false);
    game_.newDeal();
}

void SolitaireView::cancelNewDeal()
{
    setConfirmingNewDeal(false);
}

void SolitaireView::setConfirmingNewDeal(bool value)
{
    if (isConfirmingNewDeal_ == value)
        return;
    isConfirmingNewDeal_ = value;
    if (value) {
        abandonDrag();
        auto* dialog = new screens::ConfirmationDialog(
            boardScale(),
            {localizedString(QStringLiteral("Abandon this game?")),
             localizedString(QStringLiteral("Starting a new deal now will reset your win streak.")),
             QStringLiteral("abandonGameDialog"), localizedString(QStringLiteral("Cancel")),
             QStringLiteral("cancelNewDealButton"), localizedString(QStringLiteral("New Deal")),
             QStringLiteral("confirmNewDealButton")},
            surface_);
        connect(dialog, &screens::ConfirmationDialog::cancelled, this, &SolitaireView::cancelNewDeal);
        connect(dialog, &screens::ConfirmationDialog::confirmed, this, &SolitaireView::confirmNewDeal);
        newDealDialog_ = dialog;
        dialog->setGeometry(surface_->rect());
        dialog->raise();
        dialog->show();
        dialog->setFocus(Qt::OtherFocusReason);
    } else if (newDealDialog_) {
        newDealDialog_->hide();
        newDealDialog_->deleteLater(); // we may be inside one of its signals
        newDealDialog_ = nullptr;
        if (focusedSlot_ && !game_.isShowingScreen())
            pileView(*focusedSlot_)->setFocus(Qt::OtherFocusReason);
    }
    Q_EMIT isConfirmingNewDealChanged();
}

// --- Screens -------------------------------------------------------------------

void SolitaireView::presentScreen(ModalScreen screen)
{
    if (isConfirmingNewDeal_ || game_.isShowingScreen())
        return;
    presentedScreen_ = screen;
    game_.setIsShowingScreen(true);
}

void SolitaireView::dismissScreen()
{
    game_.setIsShowingScreen(false);
}

void SolitaireView::updateSolvedOverlay()
{
    // Screens have no backdrop of their own; the win card must not show
    // through one.
    const bool shown = game_.hasWon() && !game_.isShowingScreen();
    QWidget* focused = QApplication::focusWidget();
    const bool hadFocus = focused && overlay_->isAncestorOf(focused);
    overlay_->setVisible(shown);
    // "Play Again" pressed from the keyboard: the new deal is played from
    // the piles, not from whatever the focus chain offers next.
    if (!shown && hadFocus && !game_.isShowingScreen()) {
        const BoardFocus slot = focusedSlot_.value_or(BoardFocus::stock());
        focusedSlot_.reset();
        setFocusedSlot(slot);
    }
}

void SolitaireView::updateScreenState()
{
    updateSolvedOverlay();
    if (game_.isShowingScreen()) {
        if (screen_)
            return;
        // The board underneath takes no input and is not drawn.
        abandonDrag();
        setFocusedSlot(std::nullopt);
        setShowKeyboardFocus(false);
        surface_->hide();
        auto* screen = new screens::ModalScreenView(game_, presentedScreen_, boardScale(), this);
        screen->setObjectName(QStringLiteral("modalScreen"));
        connect(screen, &screens::ModalScreenView::closeRequested, this, &SolitaireView::dismissScreen);
        screen->setGeometry(rect());
        screen_ = screen;
        screen->raise();
        screen->show();
        screen->setFocus(Qt::OtherFocusReason);
    } else {
        if (screen_) {
            screen_->hide();
            screen_->deleteLater();
            screen_ = nullptr;
        }
        surface_->show();
        setShowKeyboardFocus(false);
        focusedSlot_.reset();
        setFocusedSlot(BoardFocus::stock());
    }
}

} // namespace murvane
