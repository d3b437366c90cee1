// The layers the board shows over its piles: the abandon-game dialog and the
// modal screens, and how Escape peels them off.
#include "board/SolitaireView.h"

#include "board/BoardSurface.h"
#include "board/GameSolvedOverlay.h"
#include "board/HintLayer.h"
#include "board/PileView.h"
#include "engine/SolitaireGame.h"
#include "text/Localization.h"
#include "screens/ConfirmationDialog.h"
#include "screens/GameWords.h"
#include "screens/ModalScreenView.h"

#include <QApplication>
#include <QPushButton>
#include <QClipboard>
#include <QGuiApplication>

#include <utility>

namespace murvane {

bool SolitaireView::dismissTopmostLayer()
{
    switch (layer_) {
    case board::BoardLayer::board:
        return false;
    case board::BoardLayer::newDealDialog:
        cancelNewDeal();
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

// --- New deal and the abandon-game dialog --------------------------------------

void SolitaireView::requestNewDeal()
{
    if (!takesInput(board::InputChannel::openLayer))
        return;
    // A fresh or already won deal is replaced silently; only abandoning a
    // game in progress breaks the streak, so only that asks.
    if (!game_.session().newDealBreaksStreak()) {
        game_.session().newDeal();
        return;
    }
    setConfirmingNewDeal(true);
}

void SolitaireView::confirmNewDeal()
{
    if (layer_ != board::BoardLayer::newDealDialog || playDealDialog_)
        return;
    const std::optional<DealRequest> chosen = std::exchange(pendingDeal_, std::nullopt);
    setConfirmingNewDeal(false);
    if (chosen)
        game_.session().playDeal(*chosen);
    else
        game_.session().newDeal();
}

void SolitaireView::cancelNewDeal()
{
    pendingDeal_.reset();
    setConfirmingNewDeal(false);
}

// --- Play Deal, Restart Deal, Copy Deal Code -----------------------------------

void SolitaireView::requestPlayDeal()
{
    if (!takesInput(board::InputChannel::openLayer))
        return;
    layer_ = board::BoardLayer::newDealDialog;
    abandonDrag();
    auto* dialog = new screens::PlayDealDialog(boardScale(), surface_);
    connect(dialog, &screens::PlayDealDialog::cancelled, this, &SolitaireView::cancelNewDeal);
    connect(dialog, &screens::PlayDealDialog::chosen, this, &SolitaireView::dealChosen);
    playDealDialog_ = dialog;
    dialog->setGeometry(surface_->rect());
    dialog->raise();
    dialog->show();
    dialog->setFocus(Qt::OtherFocusReason);
    Q_EMIT isConfirmingNewDealChanged();
}

void SolitaireView::dealChosen(const DealRequest& request)
{
    if (playDealDialog_) {
        playDealDialog_->hide();
        playDealDialog_->deleteLater(); // we are inside its signal
        playDealDialog_ = nullptr;
    }
    if (!game_.session().newDealBreaksStreak()) {
        setConfirmingNewDeal(false);
        game_.session().playDeal(request);
        return;
    }
    // The same question New Deal asks, on the same layer.
    pendingDeal_ = request;
    layer_ = board::BoardLayer::board;
    setConfirmingNewDeal(true);
}

void SolitaireView::requestRestartDeal()
{
    // Like undo: one undo step, taken only when the board takes input.
    if (!takesInput(board::InputChannel::undoRedo) || !game_.session().canRestartDeal())
        return;
    game_.session().restartDeal(drag_);
}

void SolitaireView::copyDealCode()
{
    const QString line = dealShareLine(game_.session().origin(), game_.settings().drawMode().count(),
                                       game_.settings().scoringMode() == ScoringMode::vegas, game_.settings().passesAllowed());
    if (!dealCode(game_.session().origin()).isEmpty())
        QGuiApplication::clipboard()->setText(line);
}

void SolitaireView::setConfirmingNewDeal(bool value)
{
    if (isConfirmingNewDeal() == value)
        return;
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
        layer_ = board::BoardLayer::newDealDialog;
        dialog->setGeometry(surface_->rect());
        dialog->raise();
        dialog->show();
        dialog->setFocus(Qt::OtherFocusReason);
    } else {
        for (QWidget* dialog : {static_cast<QWidget*>(newDealDialog_), static_cast<QWidget*>(playDealDialog_)}) {
            if (!dialog)
                continue;
            dialog->hide();
            dialog->deleteLater(); // we may be inside one of its signals
        }
        newDealDialog_ = nullptr;
        playDealDialog_ = nullptr;
        layer_ = board::BoardLayer::board;
        if (focusedSlot_)
            focusBoard(*focusedSlot_);
    }
    Q_EMIT isConfirmingNewDealChanged();
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
        layer_ = board::BoardLayer::screen;
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
            layer_ = board::BoardLayer::board;
        surface_->show();
        setShowKeyboardFocus(false);
        updateSolvedOverlay();
        focusBoard(BoardFocus::stock());
    }
}

} // namespace murvane
