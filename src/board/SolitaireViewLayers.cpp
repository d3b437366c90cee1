// The layers the board shows over its piles: the abandon-game and Play Deal
// dialogs and the modal screens, and how Escape peels them off.
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
    switch (layer_) {
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

void SolitaireView::setLayer(board::BoardLayer layer)
{
    if (layer_ == layer)
        return;
    layer_ = layer;
    Q_EMIT layerChanged();
}

// --- New deal, Play Deal and the abandon-game dialog ---------------------------

void SolitaireView::requestNewDeal()
{
    if (takesInput(board::InputChannel::openLayer))
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
        setLayer(board::BoardLayer::abandonDialog);
        return;
    }
    setLayer(board::BoardLayer::board);
    if (focusedSlot_)
        focusBoard(*focusedSlot_);
}

void SolitaireView::requestPlayDeal()
{
    if (!takesInput(board::InputChannel::openLayer))
        return;
    abandonDrag();
    auto* dialog = new screens::PlayDealDialog(boardScale(), this);
    connect(dialog, &screens::PlayDealDialog::cancelled, this, &SolitaireView::discardPlayDealDialog);
    connect(dialog, &screens::PlayDealDialog::chosen, this, &SolitaireView::dealChosen);
    playDealDialog_ = dialog;
    setLayer(board::BoardLayer::playDealDialog);
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
    if (layer_ != board::BoardLayer::playDealDialog)
        return; // the abandon question took its place
    setLayer(board::BoardLayer::board);
    if (focusedSlot_)
        focusBoard(*focusedSlot_);
}

void SolitaireView::dealChosen(const DealRequest& request)
{
    // The same question New Deal asks, put up before this dialog goes, so
    // the keyboard passes straight from one to the other.
    abandon_->request([this, request] { game_.session().playDeal(request); });
    discardPlayDealDialog();
}

void SolitaireView::closeDialogs()
{
    abandon_->cancel();
    discardPlayDealDialog();
}

// --- Restart Deal, Copy Deal Code, Play Again ----------------------------------

void SolitaireView::requestRestartDeal()
{
    if (canRestartDeal())
        game_.session().restartDeal(drag_);
}

void SolitaireView::copyDealCode()
{
    if (!canCopyDealCode())
        return;
    QGuiApplication::clipboard()->setText(dealShareLine(game_.session().origin(), game_.settings().drawMode().count(),
                                                        game_.settings().scoringMode() == ScoringMode::vegas,
                                                        game_.settings().passesAllowed()));
}

void SolitaireView::requestPlayAgain()
{
    if (takesInput(board::InputChannel::playAgain))
        game_.session().newDeal();
}

void SolitaireView::focusBoard(const BoardFocus& pile)
{
    if (overlay_ && overlay_->isVisibleTo(this)) {
        overlay_->playAgainButton()->setFocus(Qt::OtherFocusReason);
        return;
    }
    focusedSlot_.reset();
    setFocusedSlot(pile);
}

// --- Screens -------------------------------------------------------------------

void SolitaireView::presentScreen(ModalScreen screen)
{
    if (!takesInput(board::InputChannel::openLayer))
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
        overlay_ = new board::GameSolvedOverlay(*this, this);
        connect(overlay_, &board::GameSolvedOverlay::playAgainRequested, this, &SolitaireView::requestPlayAgain);
        overlay_->hide();
        overlay_->stackUnder(hint_);
        hint_->stackUnder(overlay_);
        overlay_->applyScale(geometry_.scale(), appearance());
    }
    if (shown == overlay_->isVisibleTo(this))
        return;
    QWidget* focused = QApplication::focusWidget();
    const bool hadFocus = focused && overlay_->isAncestorOf(focused);
    overlay_->setVisible(shown);
    if (layer_ != board::BoardLayer::board || game_.isShowingScreen())
        return; // what covers the board hands the keyboard back when it goes
    // The keyboard follows the card: "Play Again" while it shows (a screen
    // reader reads it out), then the stock once it has gone.
    if (shown)
        overlay_->playAgainButton()->setFocus(Qt::OtherFocusReason);
    else if (hadFocus || !focusedSlot_)
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
        setFocusedSlot(std::nullopt);
        setShowKeyboardFocus(false);
        surface_->hide();
        auto* screen = new screens::ModalScreenView(game_, presentedScreen_, boardScale(), this);
        screen->setObjectName(QStringLiteral("modalScreen"));
        connect(screen, &screens::ModalScreenView::closeRequested, this, &SolitaireView::dismissScreen);
        screen->setGeometry(rect());
        screen_ = screen;
        setLayer(board::BoardLayer::screen);
        screen->raise();
        screen->show();
        screen->setFocus(Qt::OtherFocusReason);
    } else {
        if (screen_) {
            screen_->hide();
            screen_->deleteLater();
            screen_ = nullptr;
        }
        if (layer_ == board::BoardLayer::screen)
            setLayer(board::BoardLayer::board);
        surface_->show();
        setShowKeyboardFocus(false);
        updateSolvedOverlay();
        focusBoard(BoardFocus::stock());
    }
}

} // namespace murvane
