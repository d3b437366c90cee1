// The stock click, pass limits and the undo history.

#include "engine/GamePlay.h"

#include "engine/GameSettings.h"
#include "engine/GameStatistics.h"

#include <algorithm>

namespace murvane {

// --- Stock and passes -------------------------------------------------------------

bool GamePlay::canRecycleWaste() const
{
    const auto passes = settings_.passesAllowed();
    return !passes || redealsUsed_ + 1 < *passes;
}

bool GamePlay::canDrawFromStock() const
{
    return !hasWon_ && (!stock_.isEmpty() || (!waste_.isEmpty() && canRecycleWaste()));
}

void GamePlay::drawFromStock(DragState& drag)
{
    if (!canDrawFromStock())
        return;
    cancelAutoComplete();
    markDealStarted();
    drag.clear();
    pushUndoSnapshot();
    MoveRecord record;
    if (!stock_.isEmpty()) {
        Pile s = stock_;
        Pile w = waste_;
        const qsizetype n = std::min<qsizetype>(settings_.drawMode().count(), s.size());
        for (qsizetype i = 0; i < n; ++i) {
            Card card = s.takeLast();
            card.isFaceUp = true;
            w.append(card);
            record.cards.append(card);
        }
        record.kind = MoveRecord::Kind::draw;
        setStock(s);
        setWaste(w);
    } else {
        record.kind = MoveRecord::Kind::recycle;
        Pile s;
        s.reserve(waste_.size());
        for (auto it = waste_.crbegin(); it != waste_.crend(); ++it) {
            Card card = *it;
            card.isFaceUp = false;
            s.append(card);
        }
        setStock(s);
        setWaste({});
        setRedealsUsed(redealsUsed_ + 1);
        if (settings_.scoringMode() == ScoringMode::standard && settings_.drawMode() == DrawMode::one())
            setScore(std::max<std::int64_t>(score_ - 100, 0));
    }
    report(record);
    startAutoCompleteIfPossible();
}

// --- Undo and redo ---------------------------------------------------------------------

bool GamePlay::canUndo() const
{
    return !history_.undoSteps().isEmpty() && !isAutoCompleting_;
}

bool GamePlay::canRedo() const
{
    return !history_.redoSteps().isEmpty() && !isAutoCompleting_;
}

GameSnapshot GamePlay::snapshot() const
{
    return GameSnapshot{stock_, waste_, foundations_, tableau_, score_, statistics_.vegasBankroll(),
                        ledger_.hasStartedDeal(), redealsUsed_};
}

void GamePlay::pushUndoSnapshot()
{
    history_.push(snapshot());
    Q_EMIT historyChanged();
}

void GamePlay::setPosition(const GameSnapshot& snapshot)
{
    setStock(snapshot.stock);
    setWaste(snapshot.waste);
    setFoundations(snapshot.foundations);
    setTableau(snapshot.tableau);
    setScore(snapshot.score);
    setRedealsUsed(snapshot.redealsUsed);
}

// The snapshot carries the bankroll, so undo and redo move it back and forth
// exactly; it is written through like every bankroll change.
void GamePlay::restoreSnapshot(const GameSnapshot& snapshot, DragState& drag)
{
    drag.clear();
    setPosition(snapshot);
    statistics_.setVegasBankroll(snapshot.vegasBankroll);
    ledger_.restoreStarted(snapshot.hasStartedCurrentDeal);
}

void GamePlay::undo(DragState& drag)
{
    cancelAutoComplete();
    const std::optional<GameSnapshot> before = history_.undo(snapshot());
    if (!before)
        return;
    Q_EMIT historyChanged();
    restoreSnapshot(*before, drag);
    // Undoing a restart of a won deal goes back to the win; the ledger
    // credits a deal's win once.
    setHasWon(false);
    checkForWin();
    bumpUndoCount(undoCount_, &GamePlay::undoCountChanged);
    reportPiles(MoveRecord::Kind::undo);
}

void GamePlay::redo(DragState& drag)
{
    if (history_.redoSteps().isEmpty())
        return; // unlike undo, leaves a running auto-complete alone
    cancelAutoComplete();
    const std::optional<GameSnapshot> after = history_.redo(snapshot());
    Q_EMIT historyChanged();
    restoreSnapshot(*after, drag);
    // Winning positions come back won; the ledger keeps a win that was
    // already credited from counting again.
    setHasWon(false);
    checkForWin();
    bumpUndoCount(redoCount_, &GamePlay::redoCountChanged);
    reportPiles(MoveRecord::Kind::redo);
}

// --- For the deal session ------------------------------------------------------------

void GamePlay::lay(const Tableau& tableau, const Pile& stock, std::int64_t openingScore)
{
    cancelAutoComplete();
    setHasWon(false);
    setRedealsUsed(0);
    clearHistory();
    setScore(openingScore);
    setTableau(tableau);
    setStock(stock);
    setWaste({});
    setFoundations({});
    reportPiles(MoveRecord::Kind::deal);
}

void GamePlay::returnTo(const GameSnapshot& position, DragState& drag)
{
    cancelAutoComplete();
    pushUndoSnapshot();
    restoreSnapshot(position, drag);
    setHasWon(false);
    reportPiles(MoveRecord::Kind::deal);
}

void GamePlay::restore(const GameSnapshot& position, bool wasAutoCompleting)
{
    cancelAutoComplete();
    setPosition(position);
    setHasWon(false);
    clearHistory();
    reportPiles(MoveRecord::Kind::deal);
    if (wasAutoCompleting)
        startAutoCompleteIfPossible();
}

} // namespace murvane
