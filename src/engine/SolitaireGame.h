#pragma once
// The one game object: piles, placement rules and moves, stock and passes,
// scoring, undo, best spot, drop resolution, auto-complete, statistics, deal
// preparation and the saved game. Lives on the main thread; views read its
// properties and call its operations, and never change cards themselves.

#include "engine/Card.h"
#include "engine/DealOrigin.h"
#include "engine/DragState.h"
#include "engine/MoveChoice.h"
#include "engine/RuleSetStatistics.h"
#include "engine/Settings.h"
#include "engine/StoredSettings.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QRectF>
#include <QSet>
#include <QString>

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>

class QTimer;

namespace murvane {

class DealWorkers;
class SettingsStore;
struct SavedGame;

// The cache key of prepared deals: the rules a deal was verified under.
struct DealRules {
    std::int64_t drawCount = 3;
    std::optional<std::int64_t> maxRecycles; // none = unlimited
    friend bool operator==(const DealRules&, const DealRules&) = default;

    static DealRules unlimited() { return {3, std::nullopt}; }
    static DealRules drawOneLimited() { return {1, 0}; }
    static DealRules drawThreeLimited() { return {3, 2}; }
};
inline size_t qHash(const DealRules& r, size_t seed = 0)
{
    return ::qHash(r.drawCount * 1000 + (r.maxRecycles ? *r.maxRecycles : 999), seed);
}

class SolitaireGame : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool hasWon READ hasWon NOTIFY hasWonChanged)
    Q_PROPERTY(qint64 undoCount READ undoCount NOTIFY undoCountChanged)
    Q_PROPERTY(qint64 redoCount READ redoCount NOTIFY redoCountChanged)
    Q_PROPERTY(bool isAutoCompleting READ isAutoCompleting NOTIFY isAutoCompletingChanged)
    Q_PROPERTY(qint64 score READ score NOTIFY scoreChanged)
    Q_PROPERTY(qint64 redealsUsed READ redealsUsed NOTIFY redealsUsedChanged)
    Q_PROPERTY(bool isShowingScreen READ isShowingScreen WRITE setIsShowingScreen NOTIFY isShowingScreenChanged)
    Q_PROPERTY(qint64 drawCount READ drawCount WRITE setDrawCount NOTIFY drawCountChanged)
    Q_PROPERTY(bool unlimitedRedeals READ unlimitedRedeals WRITE setUnlimitedRedeals NOTIFY unlimitedRedealsChanged)
    Q_PROPERTY(bool hasSeenWelcome READ hasSeenWelcome WRITE setHasSeenWelcome NOTIFY hasSeenWelcomeChanged)
    Q_PROPERTY(bool showsCornerSuit READ showsCornerSuit WRITE setShowsCornerSuit NOTIFY showsCornerSuitChanged)
    Q_PROPERTY(qint64 dealsCount READ dealsCount NOTIFY dealsCountChanged)
    Q_PROPERTY(qint64 solvedCount READ solvedCount NOTIFY solvedCountChanged)
    Q_PROPERTY(qint64 currentStreak READ currentStreak NOTIFY currentStreakChanged)
    Q_PROPERTY(qint64 bestStreak READ bestStreak NOTIFY bestStreakChanged)
    Q_PROPERTY(qint64 bestScore READ bestScore NOTIFY bestScoreChanged)
    Q_PROPERTY(qint64 vegasBankroll READ vegasBankroll NOTIFY vegasBankrollChanged)

public:
    // A laid-out deal ready to install.
    struct Deal {
        Tableau tableau;
        Pile stock;
        std::int64_t attempts = 0; // shuffles made to find it, 1...500
        bool isVerified = false;
    };
    struct Layout {
        Tableau tableau;
        Pile stock;
    };

    static constexpr int kUndoLimit = 100;
    static constexpr int kDealAttempts = 500;
    static constexpr std::int64_t kSolverNodeBudget = 10000;
    static constexpr int kAutoCompleteIntervalMs = 75;
    static constexpr int kAutoCompleteAnimationMs = 80;
    static constexpr qreal kDropTolerance = moves::kDropTolerance;
    static constexpr std::int64_t kVegasAnte = 52;
    static constexpr std::int64_t kVegasBankrollFloor = -100000;

    // Reads every setting and statistic from the store, then restores the
    // saved game or deals a new one, then prepares upcoming deals. The store
    // must outlive the game.
    SolitaireGame(SettingsStore& defaults, bool verifyDeals, QObject* parent = nullptr);
    ~SolitaireGame() override;

    // --- Piles and play state -------------------------------------------
    const Pile& stock() const { return stock_; }
    const Pile& waste() const { return waste_; }
    const Foundations& foundations() const { return foundations_; }
    const Tableau& tableau() const { return tableau_; }
    // The four piles as one read-only view, for the choice functions of
    // MoveChoice.h.
    Table table() const { return {stock_, waste_, foundations_, tableau_}; }
    bool isShowingScreen() const { return isShowingScreen_; }
    void setIsShowingScreen(bool value);
    bool hasWon() const { return hasWon_; }
    std::int64_t undoCount() const { return undoCount_; }
    // Redos performed since the object was created; like undoCount, only
    // observed (the board announces each redo).
    std::int64_t redoCount() const { return redoCount_; }
    bool isAutoCompleting() const { return isAutoCompleting_; }
    bool reduceMotionEnabled() const { return reduceMotionEnabled_; }
    void setReduceMotionEnabled(bool value) { reduceMotionEnabled_ = value; }
    std::int64_t score() const { return score_; }
    const QList<GameSnapshot>& history() const { return history_; }
    // The positions undo took back, newest last; emptied by every new undo
    // step (move, draw, auto-complete run) and whenever the history is
    // replaced (new deal, restore, statistics reset). Never saved.
    const QList<GameSnapshot>& redoHistory() const { return redoHistory_; }
    bool hasAutoCompleteTask() const;
    bool hasStartedCurrentDeal() const { return hasStartedCurrentDeal_; }
    bool gameHasBeenCreditedWin() const { return gameHasBeenCreditedWin_; }
    std::int64_t redealsUsed() const { return redealsUsed_; }
    bool verifyDeals() const { return verifyDeals_; }

    // --- Settings (written through to the store) --------------------------
    MenuBarIconOption menuBarIcon() const { return menuBarIcon_; }
    AutoCompleteMode autoCompleteMode() const { return autoCompleteMode_; }
    BoardSize boardSize() const { return boardSize_; }
    CardBackTheme cardTheme() const { return cardTheme_; }
    std::int64_t drawCount() const { return drawCount_.count(); }
    DrawMode drawMode() const { return drawCount_; }
    bool unlimitedRedeals() const { return unlimitedRedeals_; }
    bool hasSeenWelcome() const { return hasSeenWelcome_; }
    bool showsCornerSuit() const { return showsCornerSuit_; }
    bool tellsWhenLost() const { return tellsWhenLost_; } // the lost-game notice
    ScoringMode scoringMode() const { return scoringMode_; }
    // Each setter writes the store as its setting's write policy says
    // (StoredSettings.h); the rule settings may deal a new game.
    void setMenuBarIcon(MenuBarIconOption value);
    void setAutoCompleteMode(AutoCompleteMode value);
    void setBoardSize(BoardSize value);
    void setCardTheme(CardBackTheme value);
    void setDrawCount(std::int64_t value); // anything but 3 means Draw 1
    void setUnlimitedRedeals(bool value);
    void setHasSeenWelcome(bool value);
    void setShowsCornerSuit(bool value);
    void setTellsWhenLost(bool value);
    void setScoringMode(ScoringMode value);

    // --- Statistics (written through to the store) ------------------------
    std::int64_t dealsCount() const { return dealsCount_; }
    std::int64_t solvedCount() const { return solvedCount_; }
    std::int64_t currentStreak() const { return currentStreak_; }
    std::int64_t bestStreak() const { return bestStreak_; }
    std::int64_t bestScore() const { return bestScore_; }
    std::int64_t vegasBankroll() const { return vegasBankroll_; }
    // True when a new deal now would break the winning streak; the board and
    // Preferences ask for confirmation first.
    bool newDealBreaksStreak() const { return hasStartedCurrentDeal_ && !gameHasBeenCreditedWin_; }

    // --- Moves ------------------------------------------------------------
    void newDeal();
    bool canPlaceOnTableau(const Card& card, int column) const;
    bool canPlaceOnFoundation(const Card& card, int pile) const;
    Pile cards(const DragSource& source) const;
    QList<MoveTarget> legalTargets(const DragSource& source) const;
    // The one move path. Checks the placement rules (an illegal or
    // impossible move changes nothing and gives none), then in this order:
    // marks the deal started, pushes an undo snapshot, moves the cards,
    // scores, turns up exposed column cards, checks for a win and considers
    // auto-complete. Every user operation that moves cards ends here.
    std::optional<MoveRecord> move(const DragSource& source, const MoveTarget& target);
    void moveIfLegal(const DragSource& source, const MoveTarget& target, DragState& drag);
    void moveFocusedPile(const BoardFocus& focus, int toColumn, DragState& drag);

    // --- Stock and passes -------------------------------------------------
    void drawFromStock(DragState& drag);
    bool hasPassLimit() const;
    std::int64_t passesAllowed() const { return drawCount_.passesAllowed(); }
    bool canRecycleWaste() const; // a pass is left; does not look at the waste
    // Whether a stock click would draw or recycle anything now.
    bool canDrawFromStock() const;
    std::optional<QString> passText() const;        // "Pass 2/3"
    std::optional<QString> passDescription() const; // "Pass 2 of 3"

    // --- Undo ---------------------------------------------------------------
    void undo(DragState& drag);
    // The Undo button and its shortcut: something to take back, and no
    // auto-complete run in progress.
    bool canUndo() const;
    // Puts back the position the last undo took back, with its score,
    // bankroll and pass count; a won position shows as won again without a
    // second credit. Nothing to redo changes nothing.
    void redo(DragState& drag);
    // Something to redo, and no auto-complete run in progress.
    bool canRedo() const;

    // --- Best spot, drops, auto-complete --------------------------------------
    void moveToBestSpot(const Card& card, DragState& drag);
    void dropDraggedCards(const QHash<DropSlot, QRectF>& slotFrames, DragState& drag, QPointF point);
    void startAutoCompleteIfPossible();
    std::optional<AutoCompleteMove> nextAutoCompleteMove() const;
    bool performAutoCompleteStep();
    // Applies one auto-complete move and reports it; none when no move is left.
    std::optional<MoveRecord> autoCompleteStep();
    void finishAutoCompleteStep();
    bool isTopCard(const Card& card) const;
    // The running task's timer; tests drive it through finishAutoCompleteStep().
    QTimer* autoCompleteTimer() const { return autoCompleteTimer_; }

    // --- Statistics ---------------------------------------------------------
    void resetStatistics(); // also the per-rule-set counters and the outcomes
    const RuleSetStatistics& ruleSetStatistics() const { return *ruleSetStats_; }

    // --- Deals ----------------------------------------------------------------
    DealRules currentDealRules() const;
    static Layout makeShuffledDeal();
    // Up to 500 shuffles, each checked within the node budget; the last one is
    // used unverified when none passes. Safe to call from any thread.
    static Deal findVerifiedDeal(const DealRules& rules, const std::atomic<bool>* cancelled = nullptr);
    void dealCards();
    void prepareUpcomingDeals();
    // Replaces the deal in progress exactly as newDeal() does, with the
    // numbered deal (found under the current rules) or the exact layout asked for.
    void playDeal(const DealRequest& request);
    const DealOrigin& dealOrigin() const { return origin_; }
    // Puts the deal back as dealt, as if every step were undone, in one undo
    // step: score, bankroll (the ante stays charged once) and passes as right
    // after the deal; no statistic changes. Nothing when the deal is unknown
    // or still as dealt.
    void restartDeal(DragState& drag);
    bool canRestartDeal() const;
    const QHash<DealRules, Deal>& preparedDeals() const { return preparedDeals_; }
    const QSet<DealRules>& preparingRules() const { return preparingRules_; }

    // --- Saved game -------------------------------------------------------------
    void scheduleSave();
    void saveGame();
    SavedGame makeSavedGame() const;
    bool restoreSavedGame();
    bool saveIsScheduled() const { return saveIsScheduled_; }

protected:
    bool event(QEvent* e) override; // runs the scheduled save

Q_SIGNALS:
    void stockChanged();
    void wasteChanged();
    void foundationsChanged();
    void tableauChanged();
    void isShowingScreenChanged();
    void hasWonChanged();
    void undoCountChanged();
    void redoCountChanged();
    void isAutoCompletingChanged();
    void scoreChanged();
    void historyChanged(); // the undo or the redo history
    void redealsUsedChanged();
    void menuBarIconChanged();
    void autoCompleteModeChanged();
    void boardSizeChanged();
    void drawCountChanged();
    void unlimitedRedealsChanged();
    void hasSeenWelcomeChanged();
    void showsCornerSuitChanged();
    void tellsWhenLostChanged();
    void scoringModeChanged();
    void cardThemeChanged();
    void dealsCountChanged();
    void solvedCountChanged();
    void currentStreakChanged();
    void bestStreakChanged();
    void bestScoreChanged();
    void vegasBankrollChanged();
    // Emitted after each step of an auto-complete run with what it moved;
    // `animated` is false when reduce motion is on. The board flies the card
    // from the step's source to its target.
    void autoCompleteStepped(const murvane::MoveRecord& step, bool animated);
    // Emitted when a background preparation stored a deal (tests wait on it).
    void preparedDealStored();

private:
    // Assignments that notify on a real change and schedule a save.
    void setStock(const Pile& pile);
    void setWaste(const Pile& pile);
    void setFoundations(const Foundations& piles);
    void setTableau(const Tableau& columns);
    void setHasWon(bool value);
    void setIsAutoCompleting(bool value);
    void setScore(std::int64_t value);
    void setRedealsUsed(std::int64_t value);
    void setHistory(const QList<GameSnapshot>& history);
    void setHasStartedCurrentDeal(bool value);
    void setUndoCount(std::int64_t value);
    void setRedoCount(std::int64_t value);

    // The six counters, each written through on every assignment.
    enum class Statistic { deals, solved, currentStreak, bestStreak, bestScore, vegasBankroll };
    static constexpr Statistic kAllStatistics[] = {Statistic::deals,      Statistic::solved,
                                                   Statistic::currentStreak, Statistic::bestStreak,
                                                   Statistic::bestScore,  Statistic::vegasBankroll};
    void setStatistic(Statistic which, std::int64_t value);

    template <typename T>
    void assignPlayState(T& member, const T& value, void (SolitaireGame::*changed)());
    // Writes as the setting's policy says; true when the value changed.
    template <typename T>
    bool assignSetting(T& member, const T& value, const StoredSetting<T>& setting,
                       void (SolitaireGame::*changed)());
    void readSettings();
    void cancelAutoComplete();
    void markDealStarted();
    void pushUndoSnapshot();
    GameSnapshot currentSnapshot() const;
    void appendToHistory(const GameSnapshot& snapshot);
    void restoreSnapshot(const GameSnapshot& snapshot, DragState& drag);
    MoveRecord transfer(const DragSource& source, const MoveTarget& target, Pile moving);
    QList<int> flipExposedCards(); // the columns turned up
    void checkForWin();
    void autoCompleteTick();

    void scoreFoundationMove();
    void scoreWasteToTableau();
    void scoreFoundationToTableau();
    void scoreFlip();

    void replaceDeal(const DealRequest* request);
    bool hasNoMoveLeft() const;
    std::int64_t openingScore() const;
    void storePreparedDeal(const DealRules& rules, const Deal& deal);
    std::unique_ptr<DealWorkers> makeDealWorkers();

    Pile stock_;
    Pile waste_;
    Foundations foundations_;
    Tableau tableau_;
    bool isShowingScreen_ = false;
    bool hasWon_ = false;
    std::int64_t undoCount_ = 0;
    std::int64_t redoCount_ = 0;
    bool isAutoCompleting_ = false;
    bool reduceMotionEnabled_ = false;
    std::int64_t score_ = 0;
    QList<GameSnapshot> history_;
    QList<GameSnapshot> redoHistory_;
    QTimer* autoCompleteTimer_ = nullptr;
    bool hasStartedCurrentDeal_ = false;
    std::int64_t redealsUsed_ = 0;
    SettingsStore& defaults_;
    MenuBarIconOption menuBarIcon_ = MenuBarIconOption::spade;
    AutoCompleteMode autoCompleteMode_ = AutoCompleteMode::enabled;
    BoardSize boardSize_ = BoardSize::standard;
    DrawMode drawCount_ = DrawMode::one();
    bool unlimitedRedeals_ = true;
    bool hasSeenWelcome_ = false;
    bool showsCornerSuit_ = false;
    bool tellsWhenLost_ = true;
    ScoringMode scoringMode_ = ScoringMode::standard;
    CardBackTheme cardTheme_ = CardBackTheme::onyx;
    std::int64_t dealsCount_ = 0;
    std::int64_t solvedCount_ = 0;
    std::int64_t currentStreak_ = 0;
    std::int64_t bestStreak_ = 0;
    std::int64_t bestScore_ = 0;
    std::int64_t vegasBankroll_ = 0;
    bool gameHasBeenCreditedWin_ = false;
    const bool verifyDeals_;
    bool saveIsScheduled_ = false;
    bool isRestoring_ = false;
    DealOrigin origin_;
    RuleSetStatistics* ruleSetStats_ = nullptr;
    int dealRuleSet_ = 0; // where the deal in progress was counted
    QHash<DealRules, Deal> preparedDeals_;
    QSet<DealRules> preparingRules_;
    // The deal threads; stopped and joined when the game goes away.
    std::unique_ptr<DealWorkers> dealWorkers_;
};

} // namespace murvane
