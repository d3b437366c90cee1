// Auto-complete: a timer-driven run of single moves once nothing is hidden.

#include "engine/SolitaireGame.h"

#include <QTimer>

#include <utility>

namespace murvane {

void SolitaireGame::cancelAutoComplete()
{
    autoCompleteTimer_->stop();
    setIsAutoCompleting(false);
}

void SolitaireGame::startAutoCompleteIfPossible()
{
    if (autoCompleteMode_ != AutoCompleteMode::enabled || hasWon_ || isAutoCompleting_ || !stock_.isEmpty())
        return;
    for (const Pile& col : tableau_)
        for (const Card& card : col)
            if (!card.isFaceUp)
                return;
    if (!nextAutoCompleteMove())
        return;
    markDealStarted();
    pushUndoSnapshot(); // the whole run is one undo step
    setIsAutoCompleting(true);
    autoCompleteTimer_->start();
}

std::optional<AutoCompleteMove> SolitaireGame::nextAutoCompleteMove() const
{
    return moves::nextAutoCompleteMove(table());
}

// A step is a bare transfer: no snapshot, no flip, no win check.
std::optional<MoveRecord> SolitaireGame::autoCompleteStep()
{
    const auto next = nextAutoCompleteMove();
    if (!next)
        return std::nullopt;
    const Move chosen = next->toMove(tableau_);
    Pile moving = moves::cardsFor(table(), chosen.source);
    if (!moves::isPlayable(table(), chosen.source, moving, chosen.target))
        return std::nullopt;
    return transfer(chosen.source, chosen.target, std::move(moving));
}

bool SolitaireGame::performAutoCompleteStep()
{
    return autoCompleteStep().has_value();
}

void SolitaireGame::finishAutoCompleteStep()
{
    if (const auto step = autoCompleteStep()) {
        Q_EMIT autoCompleteStepped(*step, !reduceMotionEnabled_);
        return;
    }
    autoCompleteTimer_->stop();
    setIsAutoCompleting(false);
    checkForWin();
}

void SolitaireGame::autoCompleteTick()
{
    if (!isAutoCompleting_) {
        autoCompleteTimer_->stop();
        return;
    }
    finishAutoCompleteStep();
}

} // namespace murvane
