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

// A step is a bare checked transfer: no snapshot (the run is one undo step),
// no flip, no win check. It bypasses move(), which refuses to act during a run.
std::optional<MoveRecord> SolitaireGame::autoCompleteStep()
{
    const auto next = nextAutoCompleteMove();
    if (!next)
        return std::nullopt;
    const Move chosen = next->toMove(tableau_);
    std::optional<Pile> moving = playableCards(chosen.source, chosen.target);
    if (!moving)
        return std::nullopt;
    MoveRecord record = transfer(chosen.source, chosen.target, std::move(*moving));
    record.kind = MoveRecord::Kind::autoCompleteStep;
    record.animated = !reduceMotionEnabled_;
    return record;
}

void SolitaireGame::finishAutoCompleteStep()
{
    if (const auto step = autoCompleteStep()) {
        Q_EMIT pilesChanged(*step);
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
