// The stock click, pass limits and the undo history.

#include "engine/SolitaireGame.h"

#include "text/Localization.h"

#include <algorithm>

namespace murvane {

// --- Stock and passes -------------------------------------------------------------

bool SolitaireGame::hasPassLimit() const
{
    return scoringMode_ == ScoringMode::vegas && !unlimitedRedeals_;
}

std::optional<std::int64_t> passesAllowed(const SolitaireGame& game)
{
    if (!game.currentDealRules().maxRecycles)
        return std::nullopt;
    return game.drawMode().passesAllowed();
}

bool SolitaireGame::canRecycleWaste() const
{
    return !hasPassLimit() || redealsUsed_ + 1 < passesAllowed();
}

bool SolitaireGame::canDrawFromStock() const
{
    return !hasWon_ && (!stock_.isEmpty() || (!waste_.isEmpty() && canRecycleWaste()));
}

std::optional<QString> passText(const SolitaireGame& game)
{
    const auto passes = passesAllowed(game);
    if (!passes)
        return std::nullopt;
    return localizedString(QStringLiteral("Pass %lld/%lld"), {std::min(*passes, game.redealsUsed() + 1), *passes});
}

std::optional<QString> passDescription(const SolitaireGame& game)
{
    const auto passes = passesAllowed(game);
    if (!passes)
        return std::nullopt;
    return localizedString(QStringLiteral("Pass %lld of %lld"), {std::min(*passes, game.redealsUsed() + 1), *passes});
}

void SolitaireGame::drawFromStock(DragState& drag)
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
        const qsizetype n = std::min<qsizetype>(drawMode_.count(), s.size());
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
        if (scoringMode_ == ScoringMode::standard && drawMode_ == DrawMode::one())
            setScore(std::max<std::int64_t>(score_ - 100, 0));
    }
    Q_EMIT pilesChanged(record);
    startAutoCompleteIfPossible();
}

// --- Undo and redo ---------------------------------------------------------------------

bool SolitaireGame::canUndo() const
{
    return !history_.isEmpty() && !isAutoCompleting_;
}

bool SolitaireGame::canRedo() const
{
    return !redoHistory_.isEmpty() && !isAutoCompleting_;
}

GameSnapshot SolitaireGame::currentSnapshot() const
{
    return GameSnapshot{stock_, waste_, foundations_, tableau_, score_, vegasBankroll_,
                        hasStartedCurrentDeal_, redealsUsed_};
}

void SolitaireGame::appendToHistory(const GameSnapshot& snapshot)
{
    history_.append(snapshot);
    if (history_.size() > kUndoLimit)
        history_.removeFirst();
    Q_EMIT historyChanged();
}

// A new step branches off: what undo took back can no longer be redone.
void SolitaireGame::pushUndoSnapshot()
{
    redoHistory_.clear();
    appendToHistory(currentSnapshot());
}

// The snapshot carries the bankroll, so undo and redo move it back and forth
// exactly; it is written through like every bankroll change.
void SolitaireGame::restoreSnapshot(const GameSnapshot& snapshot, DragState& drag)
{
    drag.clear();
    setStock(snapshot.stock);
    setWaste(snapshot.waste);
    setFoundations(snapshot.foundations);
    setTableau(snapshot.tableau);
    setScore(snapshot.score);
    setStatistic(Statistic::vegasBankroll, snapshot.vegasBankroll);
    setHasStartedCurrentDeal(snapshot.hasStartedCurrentDeal);
    setRedealsUsed(snapshot.redealsUsed);
}

void SolitaireGame::undo(DragState& drag)
{
    cancelAutoComplete();
    if (history_.isEmpty())
        return;
    const GameSnapshot snapshot = history_.takeLast();
    redoHistory_.append(currentSnapshot());
    Q_EMIT historyChanged();
    restoreSnapshot(snapshot, drag);
    setHasWon(false);
    setUndoCount(undoCount_ + 1);
    reportPiles(MoveRecord::Kind::undo);
}

void SolitaireGame::redo(DragState& drag)
{
    if (redoHistory_.isEmpty())
        return; // unlike undo, leaves a running auto-complete alone
    cancelAutoComplete();
    const GameSnapshot snapshot = redoHistory_.takeLast();
    appendToHistory(currentSnapshot());
    restoreSnapshot(snapshot, drag);
    // Winning positions come back won; the deal's credit flag keeps a win
    // that was already counted from counting again.
    setHasWon(false);
    checkForWin();
    setRedoCount(redoCount_ + 1);
    reportPiles(MoveRecord::Kind::redo);
}

} // namespace murvane
