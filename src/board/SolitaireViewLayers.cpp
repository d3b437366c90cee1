// The layers the board shows over its piles: the abandon-game and Play Deal
// dialogs and the modal screens, how Escape peels them off, and where the
// keyboard focus goes as they come and go.
#include "board/SolitaireView.h"

#include "board/BoardSurface.h"
#include "board/GameSolvedOverlay.h"
#include "board/HintLayer.h"
#include "board/PileView.h"
#include "engine/SolitaireGame.h"
#include "text/Localization.h"
#include "screens/GameWords.h"
#include "screens/ModalScreenView.h"
#include "screens/PlayDealDialog.h"

#include <QApplication>
#include <QPushButton>
#include <QClipboard>
#include <QGuiApplication>

namespace murvane {

bool SolitaireView::dismissTopmostLayer()
{
    switch (state_->layer()) {
    case board::BoardLayer::board:
        return false;
    case board::BoardLayer::abandonDialog:
        cancelNewDeal();
        return true;
    case board::BoardLayer::playDealDialog:
        discardPlayDealDialog();
        return true;
    case board::BoardLayer::screen:
        break;
    }
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

// --- New deal, Play Deal and the abandon-game dialog ---------------------------

void SolitaireView::requestNewDeal()
{
    if (state_->takesInput(board::InputChannel::openLayer))
        abandon_->request([this] { game_.session().newDeal(); });
}

void SolitaireView::confirmNewDeal()
{
    abandon_->confirm();
}

void SolitaireView::cancelNewDeal()
{
    abandon_->cancel();
}

void SolitaireView::abandonAskingChanged(bool asking)
{
    if (asking) {
        abandonDrag();
        state_->setLayer(board::BoardLayer::abandonDialog);
        return;
    }
    state_->setLayer(board::BoardLayer::board);
    if (const auto slot = state_->focusedSlot())
        focusBoard(*slot);
}

void SolitaireView::requestPlayDeal()
{
    if (!state_->takesInput(board::InputChannel::openLayer))
        return;
    abandonDrag();
    auto* dialog = new screens::PlayDealDialog(state_->boardScale(), this);
    connect(dialog, &screens::PlayDealDialog::cancelled, this, &SolitaireView::discardPlayDealDialog);
    connect(dialog, &screens::PlayDealDialog::chosen, this, &SolitaireView::dealChosen);
    playDealDialog_ = dialog;
    state_->setLayer(board::BoardLayer::playDealDialog);
    dialog->raise();
    dialog->show();
    dialog->setFocus(Qt::OtherFocusReason);
}

void SolitaireView::discardPlayDealDialog()
{
    if (!playDealDialog_)
        return;
    playDealDialog_->hide();
    playDealDialog_->deleteLater(); // we may be inside its signal
    playDealDialog_ = nullptr;
    if (state_->layer() != board::BoardLayer::playDealDialog)
        return; // the abandon question took its place
    state_->setLayer(board::BoardLayer::board);
    if (const auto slot = state_->focusedSlot())
        focusBoard(*slot);
}

void SolitaireView::dealChosen(const DealRequest& request)
{
    // The same question New Deal asks, put up before this dialog goes, so
    // the keyboard passes straight from one to the other.
    abandon_->request([this, request] { game_.session().playDeal(request); });
    discardPlayDealDialog();
}

void SolitaireView::requestTodaysDeal()
{
    const QDate today = game_.today();
    if (!state_->takesInput(board::InputChannel::openLayer) || game_.isPlayingDailyDeal(today))
        return;
    // The day is fixed now: answering the question after midnight still
    // deals the day it was asked on.
    abandon_->request([this, request = dailyDealRequest(today)] { game_.session().playDeal(request); });
}

void SolitaireView::closeDialogs()
{
    abandon_->cancel();
    discardPlayDealDialog();
}

// --- Restart Deal, Copy Deal Code, Play Again ----------------------------------

void SolitaireView::requestRestartDeal()
{
    if (state_->canRestartDeal())
        game_.session().restartDeal(state_->dragState());
}

void SolitaireView::copyDealCode()
{
    if (!state_->canCopyDealCode())
        return;
    QGuiApplication::clipboard()->setText(dealShareLine(game_.session().origin(), game_.settings().drawMode().count(),
                                                        game_.settings().scoringMode() == ScoringMode::vegas,
                                                        game_.settings().passesAllowed()));
    hint_->showMessage(localizedString(QStringLiteral("Deal code copied")));
}

void SolitaireView::requestPlayAgain()
{
    if (state_->takesInput(board::InputChannel::playAgain))
        game_.session().newDeal();
}

// --- Keyboard focus ------------------------------------------------------------

void SolitaireView::focusedSlotChanged(const std::optional<BoardFocus>& previous)
{
    if (previous)
        pileView(*previous)->update();
    if (const auto slot = state_->focusedSlot())
        pileView(*slot)->update();
}

void SolitaireView::followFocusedSlot()
{
    if (const auto slot = state_->focusedSlot()) {
        board::PileView* pile = pileView(*slot);
        if (state_->layer() != board::BoardLayer::screen && pile->isVisible())
            pile->setFocus(Qt::OtherFocusReason);
    } else if (QWidget* focused = focusWidget(); focused && qobject_cast<board::PileView*>(focused)) {
        focused->clearFocus();
    }
}

void SolitaireView::platformFocusChanged(QWidget* now)
{
    // Focus leaving the panel (a menu popup, another window) keeps the pile;
    // focus moving to the header or the win card inside the board leaves no
    // pile focused, so no ring claims the keyboard there. The dialog and the
    // screens hand the focus back themselves.
    if (!now || !isAncestorOf(now) || qobject_cast<board::PileView*>(now))
        return;
    if (state_->layer() != board::BoardLayer::board)
        return; // includes the moment they close and the focus passes through
    state_->adoptFocusedSlot(std::nullopt);
}

void SolitaireView::focusBoard(const BoardFocus& pile)
{
    if (overlay_ && overlay_->isVisibleTo(this)) {
        overlay_->playAgainButton()->setFocus(Qt::OtherFocusReason);
        return;
    }
    state_->refocus(pile);
}

// --- Screens -------------------------------------------------------------------

void SolitaireView::presentScreen(ModalScreen screen)
{
    if (!state_->takesInput(board::InputChannel::openLayer))
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
    const bool shown = game_.play().hasWon() && !game_.isShowingScreen();
    if (!overlay_) {
        if (!shown)
            return;
        // Above the board's own layers, below any dialog or screen.
        overlay_ = new board::GameSolvedOverlay(*state_, this);
        connect(overlay_, &board::GameSolvedOverlay::playAgainRequested, this, &SolitaireView::requestPlayAgain);
        overlay_->hide();
        overlay_->stackUnder(hint_);
        hint_->stackUnder(overlay_);
        overlay_->applyScale(state_->boardScale(), appearance());
    }
    if (shown == overlay_->isVisibleTo(this))
        return;
    QWidget* focused = QApplication::focusWidget();
    const bool hadFocus = focused && overlay_->isAncestorOf(focused);
    overlay_->setVisible(shown);
    if (state_->layer() != board::BoardLayer::board || game_.isShowingScreen())
        return; // what covers the board hands the keyboard back when it goes
    // The keyboard follows the card: "Play Again" while it shows (a screen
    // reader reads it out), then the stock once it has gone.
    if (shown)
        overlay_->playAgainButton()->setFocus(Qt::OtherFocusReason);
    else if (hadFocus || !state_->focusedSlot())
        focusBoard(BoardFocus::stock());
}

void SolitaireView::updateScreenState()
{
    if (game_.isShowingScreen()) {
        updateSolvedOverlay();
        if (screen_)
            return;
        // The board underneath takes no input and is not drawn.
        abandonDrag();
        state_->setFocusedSlot(std::nullopt);
        state_->setShowKeyboardFocus(false);
        surface_->hide();
        auto* screen = new screens::ModalScreenView(game_, presentedScreen_, state_->boardScale(), this);
        screen->setObjectName(QStringLiteral("modalScreen"));
        connect(screen, &screens::ModalScreenView::closeRequested, this, &SolitaireView::dismissScreen);
        screen->setGeometry(rect());
        screen_ = screen;
        state_->setLayer(board::BoardLayer::screen);
        screen->raise();
        screen->show();
        screen->setFocus(Qt::OtherFocusReason);
    } else {
        if (screen_) {
            screen_->hide();
            screen_->deleteLater();
            screen_ = nullptr;
        }
        if (state_->layer() == board::BoardLayer::screen)
            state_->setLayer(board::BoardLayer::board);
        surface_->show();
        state_->setShowKeyboardFocus(false);
        updateSolvedOverlay();
        focusBoard(BoardFocus::stock());
    }
}

} // namespace murvane
