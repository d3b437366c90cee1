#pragma once
// The game's internals that tests and the bench tools look at or drive
// directly: the histories, the auto-complete timer, the deal cache and the
// saved game. The program itself never includes this.

#include "engine/SolitaireGame.h"

#include "persistence/SavedGame.h"

#include <QTimer>

namespace murvane {

class SolitaireGameTestPeer {
public:
    explicit SolitaireGameTestPeer(const SolitaireGame& game) : g_(const_cast<SolitaireGame&>(game)) {}

    const QList<GameSnapshot>& history() const { return g_.history_; }
    // The positions undo took back, newest last.
    const QList<GameSnapshot>& redoHistory() const { return g_.redoHistory_; }
    std::int64_t undoCount() const { return g_.undoCount(); }
    std::int64_t redoCount() const { return g_.redoCount(); }
    bool hasStartedCurrentDeal() const { return g_.hasStartedCurrentDeal_; }
    bool gameHasBeenCreditedWin() const { return g_.gameHasBeenCreditedWin_; }
    bool hasPassLimit() const { return g_.hasPassLimit(); }
    std::int64_t passesAllowed() const { return g_.passesAllowed(); }
    bool canDrawFromStock() const { return g_.canDrawFromStock(); }

    bool canPlaceOnTableau(const Card& card, int column) const
    {
        return moves::canPlaceOnTableau(g_.table(), card, column);
    }
    bool canPlaceOnFoundation(const Card& card, int pile) const
    {
        return moves::canPlaceOnFoundation(g_.table(), card, pile);
    }
    Pile cards(const DragSource& source) const { return moves::cardsFor(g_.table(), source); }
    QList<MoveTarget> legalTargets(const DragSource& source) const { return moves::legalTargets(g_.table(), source); }

    // The running task's timer; tests drive it through finishAutoCompleteStep().
    QTimer* autoCompleteTimer() const { return g_.autoCompleteTimer_; }
    bool hasAutoCompleteTask() const { return g_.hasAutoCompleteTask(); }
    std::optional<AutoCompleteMove> nextAutoCompleteMove() const { return g_.nextAutoCompleteMove(); }
    void finishAutoCompleteStep() { g_.finishAutoCompleteStep(); }
    void startAutoCompleteIfPossible() { g_.startAutoCompleteIfPossible(); }

    const QHash<DealRules, Deal>& preparedDeals() const { return g_.preparedDeals_; }
    const QSet<DealRules>& preparingRules() const { return g_.preparingRules_; }
    void prepareUpcomingDeals() { g_.prepareUpcomingDeals(); }

    bool saveIsScheduled() const { return g_.saveIsScheduled_; }
    void saveGame() { g_.saveGame(); }
    SavedGame makeSavedGame() const { return g_.makeSavedGame(); }
    bool restoreSavedGame() { return g_.restoreSavedGame(); }

private:
    SolitaireGame& g_;
};

inline SolitaireGameTestPeer peer(const SolitaireGame& game)
{
    return SolitaireGameTestPeer(game);
}

} // namespace murvane
