// Auto-complete: a timer-driven run of single moves once nothing is hidden.

#include "engine/GamePlay.h"

#include "engine/GameSettings.h"

#include <QTimer>

#include <utility>

namespace murvane {

void GamePlay::cancelAutoComplete()
{
    autoCompleteTimer_->stop();
    setIsAutoCompleting(false);
}

void GamePlay::startAutoCompleteIfPossible()
{
    if (settings_.autoCompleteMode() != AutoCompleteMode::enabled || !takesMoves() || !stock_.isEmpty())
        return;
    for (const Pile& col : tableau_)
        for (const Card& card : col)
            if (!card.isFaceUp)
                return;
    if (!moves::nextAutoCompleteMove(table()))
        return;
    markDealStarted();
    pushUndoSnapshot(); // the whole run is one undo step
    setIsAutoCompleting(true);
    autoCompleteTimer_->start();
}

// A step is a bare checked transfer: no snapshot (the run is one undo step),
// no flip, no win check. It bypasses move(), which refuses to act during a run.
std::optional<MoveRecord> GamePlay::autoCompleteStep()
{
    const auto next = moves::nextAutoCompleteMove(table());
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

void GamePlay::finishAutoCompleteStep()
{
    if (const auto step = autoCompleteStep()) {
        report(*step);
        return;
    }
    autoCompleteTimer_->stop();
    setIsAutoCompleting(false);
    checkForWin();
}

void GamePlay::autoCompleteTick()
{
    if (!isAutoCompleting_) {
        autoCompleteTimer_->stop();
        return;
    }
    finishAutoCompleteStep();
}

} // namespace murvane
