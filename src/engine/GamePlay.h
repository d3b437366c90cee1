#pragma once
// Play: the piles, the one move path, the stock and its passes, scoring,
// undo and redo, and auto-complete. Knows nothing of where a deal came from
// or how it ends: the deal's bookkeeping (its start, its win) is reported to
// a DealLedger, and money goes to the statistics' bankroll. Lives on the
// main thread; views read its properties and call its operations, and never
// change cards themselves.

#include "cards/Card.h"
#include "engine/DragState.h"
#include "engine/MoveChoice.h"
#include "engine/UndoHistory.h"

#include <QHash>
#include <QObject>
#include <QRectF>

#include <cstdint>
#include <functional>
#include <optional>

class QTimer;

namespace murvane {

class GameSettings;
class GameStatistics;
class GamePlayTestPeer;

// What play reports about the deal it plays, to the part that owns the deal.
class DealLedger {
public:
    // The deal's first step (a move, a draw, an auto-complete run); later
    // calls for the same deal change nothing.
    virtual void startDeal() = 0;
    virtual bool hasStartedDeal() const = 0;
    // Undo and redo put back whether the deal had started.
    virtual void restoreStarted(bool started) = 0;
    // All 52 cards are home, with this score.
    virtual void dealWon(std::int64_t score) = 0;
    // The piles changed, and how (reported before observers hear of it).
    virtual void positionChanged(MoveRecord::Kind kind) = 0;

protected:
    ~DealLedger() = default;
};

class GamePlay : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool hasWon READ hasWon NOTIFY hasWonChanged)
    Q_PROPERTY(bool isAutoCompleting READ isAutoCompleting NOTIFY isAutoCompletingChanged)
    Q_PROPERTY(qint64 score READ score NOTIFY scoreChanged)
    Q_PROPERTY(qint64 redealsUsed READ redealsUsed NOTIFY redealsUsedChanged)

public:
    static constexpr int kAutoCompleteIntervalMs = 75;
    static constexpr int kAutoCompleteAnimationMs = 80;
    static constexpr std::int64_t kVegasAnte = 52;

    // The settings, statistics and ledger must outlive play.
    GamePlay(const GameSettings& settings, GameStatistics& statistics, DealLedger& ledger,
             QObject* parent = nullptr);

    // --- The position -----------------------------------------------------
    const Pile& stock() const { return stock_; }
    const Pile& waste() const { return waste_; }
    const Foundations& foundations() const { return foundations_; }
    const Tableau& tableau() const { return tableau_; }
    // The four piles as one read-only view, for the functions of MoveChoice.h.
    Table table() const { return {stock_, waste_, foundations_, tableau_}; }
    bool hasWon() const { return hasWon_; }
    bool isAutoCompleting() const { return isAutoCompleting_; }
    // Neither won nor auto-completing: a player's move may be made.
    bool takesMoves() const { return !hasWon_ && !isAutoCompleting_; }
    std::int64_t score() const { return score_; }
    std::int64_t redealsUsed() const { return redealsUsed_; }
    // The position with its score, bankroll, pass count and deal start.
    GameSnapshot snapshot() const;
    const UndoHistory& history() const { return history_; }

    // --- Moves ------------------------------------------------------------
    // The one move path. Does nothing (and gives nothing) while the game is
    // won or auto-completing, or when the placement rules refuse the move;
    // otherwise, in this order: marks the deal started, pushes an undo
    // snapshot, moves the cards, scores, turns up exposed column cards,
    // checks for a win, reports the change and considers auto-complete.
    // Every user operation that moves cards ends here.
    std::optional<MoveRecord> move(const DragSource& source, const MoveTarget& target);
    // Accessibility actions and digit keys: only targets the board offers.
    void moveIfLegal(const DragSource& source, const MoveTarget& target, DragState& drag);
    void moveToBestSpot(const Card& card, DragState& drag);
    void dropDraggedCards(const QHash<DropSlot, QRectF>& slotFrames, DragState& drag, QPointF point);
    void drawFromStock(DragState& drag);
    // Whether a stock click would draw or recycle anything now.
    bool canDrawFromStock() const;
    bool canRecycleWaste() const; // a pass is left; does not look at the waste

    // --- Undo ---------------------------------------------------------------
    void undo(DragState& drag);
    // Something to take back, and no auto-complete run in progress.
    bool canUndo() const;
    // Puts back the position the last undo took back, with its score,
    // bankroll and pass count; a won position shows as won again (the
    // ledger credits a deal's win once). Nothing to redo changes nothing.
    void redo(DragState& drag);
    bool canRedo() const;

    // --- For the deal session -----------------------------------------------
    // A new deal: these piles, nothing home, no history, no pass used.
    void lay(const Tableau& tableau, const Pile& stock, std::int64_t openingScore);
    // Back to a position in one undo step (Restart Deal).
    void returnTo(const GameSnapshot& position, DragState& drag);
    // A saved position: no history; auto-complete carries on if it ran.
    void restore(const GameSnapshot& position, bool wasAutoCompleting);
    void cancelAutoComplete();
    // Forgets every undo and redo step (statistics were reset).
    void clearHistory();
    // Called on every assignment of play state, changed or not: the game
    // saves after the turn. A plain call, as it runs for every card moved.
    void setOnStateWritten(std::function<void()> call) { onStateWritten_ = std::move(call); }
    // The board copies the desktop's setting here; auto-complete steps are
    // then reported as not animated.
    void setReduceMotionEnabled(bool value) { reduceMotionEnabled_ = value; }

Q_SIGNALS:
    void stockChanged();
    void wasteChanged();
    void foundationsChanged();
    void tableauChanged();
    void hasWonChanged();
    void isAutoCompletingChanged();
    void scoreChanged();
    void redealsUsedChanged();
    void historyChanged(); // the undo or the redo history
    void undoCountChanged(); // observed only: the header bounces
    void redoCountChanged();
    // Every change of the piles, once it is complete: a move, an
    // auto-complete step, a draw, a recycle, an undo, a redo, a new or
    // restored deal. The board announces it and flies auto-complete steps.
    void pilesChanged(const murvane::MoveRecord& change);

private:
    friend class GamePlayTestPeer;

    template <typename T>
    void assign(T& member, const T& value, void (GamePlay::*changed)());
    void setStock(const Pile& pile);
    void setWaste(const Pile& pile);
    void setFoundations(const Foundations& piles);
    void setTableau(const Tableau& columns);
    void setHasWon(bool value);
    void setIsAutoCompleting(bool value);
    void setScore(std::int64_t value);
    void setRedealsUsed(std::int64_t value);
    void stateWritten();
    void bumpUndoCount(std::int64_t& count, void (GamePlay::*changed)());
    // Reports a complete change of the piles, to the ledger and observers.
    void report(const MoveRecord& change);
    // The same for a change that moved no single group.
    void reportPiles(MoveRecord::Kind kind);

    void markDealStarted();
    void pushUndoSnapshot();
    void restoreSnapshot(const GameSnapshot& snapshot, DragState& drag);
    void setPosition(const GameSnapshot& snapshot);
    // The cards a move would carry, when the placement rules allow it.
    std::optional<Pile> playableCards(const DragSource& source, const MoveTarget& target) const;
    MoveRecord transfer(const DragSource& source, const MoveTarget& target, Pile moving);
    QList<int> flipExposedCards(); // the columns turned up
    void checkForWin();

    void scoreFoundationMove();
    void scoreWasteToTableau();
    void scoreFoundationToTableau();
    void scoreFlip();

    bool hasAutoCompleteTask() const;
    void startAutoCompleteIfPossible();
    // Applies one auto-complete move and reports it; none when no move is left.
    std::optional<MoveRecord> autoCompleteStep();
    void finishAutoCompleteStep();
    void autoCompleteTick();

    const GameSettings& settings_;
    GameStatistics& statistics_;
    DealLedger& ledger_;
    Pile stock_;
    Pile waste_;
    Foundations foundations_;
    Tableau tableau_;
    bool hasWon_ = false;
    bool isAutoCompleting_ = false;
    bool reduceMotionEnabled_ = false;
    std::int64_t score_ = 0;
    std::int64_t redealsUsed_ = 0;
    std::int64_t undoCount_ = 0;
    std::int64_t redoCount_ = 0;
    UndoHistory history_;
    QTimer* autoCompleteTimer_ = nullptr;
    std::function<void()> onStateWritten_;
};

// Digit keys: the cards of the focused pile that fit the column, moved there
// when the board offers the move.
void moveFocusedPile(GamePlay& play, const BoardFocus& focus, int toColumn, DragState& drag);

} // namespace murvane
