#pragma once
// The one game object: piles, placement rules and moves, stock and passes,
// scoring, undo, best spot, drop resolution, auto-complete, statistics, deal
// preparation and the saved game. Lives on the main thread; views read its
// properties and call its operations, and never change cards themselves.

#include "cards/Card.h"
#include "engine/Deal.h"
#include "engine/DealOrigin.h"
#include "engine/DragState.h"
#include "engine/MoveChoice.h"
#include "engine/RuleSetStatistics.h"
#include "cards/Settings.h"
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
class SolitaireGameTestPeer;
struct SavedGame;

// The settings whose change may deal a new game.
enum class RuleSetting { drawMode, scoringMode, unlimitedRedeals };

class SolitaireGame : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool hasWon READ hasWon NOTIFY hasWonChanged)
    Q_PROPERTY(qint64 undoCount READ undoCount NOTIFY undoCountChanged)
    Q_PROPERTY(qint64 redoCount READ redoCount NOTIFY redoCountChanged)
    Q_PROPERTY(bool isAutoCompleting READ isAutoCompleting NOTIFY isAutoCompletingChanged)
    Q_PROPERTY(qint64 score READ score NOTIFY scoreChanged)
    Q_PROPERTY(qint64 redealsUsed READ redealsUsed NOTIFY redealsUsedChanged)
    Q_PROPERTY(bool isShowingScreen READ isShowingScreen WRITE setIsShowingScreen NOTIFY isShowingScreenChanged)
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
    static constexpr int kUndoLimit = 100;
    static constexpr int kDealAttempts = murvane::kDealAttempts;
    static constexpr std::int64_t kSolverNodeBudget = murvane::kSolverNodeBudget;
    static constexpr int kAutoCompleteIntervalMs = 75;
    static constexpr int kAutoCompleteAnimationMs = 80;
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
    bool isAutoCompleting() const { return isAutoCompleting_; }
    // The board copies the desktop's setting here; auto-complete steps are
    // then reported as not animated.
    void setReduceMotionEnabled(bool value) { reduceMotionEnabled_ = value; }
    std::int64_t score() const { return score_; }
    std::int64_t redealsUsed() const { return redealsUsed_; }

    // --- Settings (written through to the store) --------------------------
    MenuBarIconOption menuBarIcon() const { return menuBarIcon_; }
    AutoCompleteMode autoCompleteMode() const { return autoCompleteMode_; }
    BoardSize boardSize() const { return boardSize_; }
    CardBackTheme cardTheme() const { return cardTheme_; }
    DrawMode drawMode() const { return drawMode_; }
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
    void setDrawMode(DrawMode value);
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
    // True when a new deal now would abandon the deal in progress and break
    // the winning streak; given a rule setting, the new deal its change would
    // bring (a change that deals nothing new abandons nothing). The board and
    // Preferences ask for confirmation first.
    bool newDealBreaksStreak(std::optional<RuleSetting> change = std::nullopt) const;

    // --- Moves ------------------------------------------------------------
    void newDeal();
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

    // --- Stock and passes -------------------------------------------------
    void drawFromStock(DragState& drag);
    bool canRecycleWaste() const; // a pass is left; does not look at the waste

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

    void resetStatistics(); // also the per-rule-set counters and the outcomes
    const RuleSetStatistics& ruleSetStatistics() const { return *ruleSetStats_; }
    // The rules new deals are verified under now.
    DealRules currentDealRules() const;
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
    // Writes a save the current turn scheduled at once (before quitting).
    void saveNowIfScheduled();

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
    void drawModeChanged();
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
    // Every change of the piles, once it is complete: a move, an
    // auto-complete step, a draw, a recycle, an undo, a redo, a new or
    // restored deal. The board announces it and flies auto-complete steps.
    void pilesChanged(const murvane::MoveRecord& change);
    // Emitted when a background preparation stored a deal (tests wait on it).
    void preparedDealStored();

private:
    friend class SolitaireGameTestPeer;

    // Observed only (the header bounces, tests count).
    std::int64_t undoCount() const { return undoCount_; }
    std::int64_t redoCount() const { return redoCount_; }
    bool hasPassLimit() const;
    std::int64_t passesAllowed() const { return drawMode_.passesAllowed(); }
    // Whether a stock click would draw or recycle anything now.
    bool canDrawFromStock() const;
    // Whether a change of this setting deals a new game.
    bool ruleChangeDeals(RuleSetting setting) const;

    bool hasAutoCompleteTask() const;
    void startAutoCompleteIfPossible();
    std::optional<AutoCompleteMove> nextAutoCompleteMove() const;
    // Applies one auto-complete move and reports it; none when no move is left.
    std::optional<MoveRecord> autoCompleteStep();
    void finishAutoCompleteStep();
    // The cards a move would carry, when the placement rules allow it.
    std::optional<Pile> playableCards(const DragSource& source, const MoveTarget& target) const;

    void dealCards();
    void prepareUpcomingDeals();
    void scheduleSave();
    void saveGame();
    SavedGame makeSavedGame() const;
    bool restoreSavedGame();

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
    // Reports a change of the piles that moved no single group (a draw
    // reports its cards itself).
    void reportPiles(MoveRecord::Kind kind);

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
    MenuBarIconOption menuBarIcon_ = stored::menuBarIcon.defaultValue;
    AutoCompleteMode autoCompleteMode_ = stored::autoCompleteMode.defaultValue;
    BoardSize boardSize_ = stored::boardSize.defaultValue;
    DrawMode drawMode_ = stored::drawCount.defaultValue;
    bool unlimitedRedeals_ = stored::unlimitedRedeals.defaultValue;
    bool hasSeenWelcome_ = stored::hasSeenWelcome.defaultValue;
    bool showsCornerSuit_ = stored::showsCornerSuit.defaultValue;
    bool tellsWhenLost_ = stored::tellsWhenLost.defaultValue;
    ScoringMode scoringMode_ = stored::scoringMode.defaultValue;
    CardBackTheme cardTheme_ = stored::cardTheme.defaultValue;
    std::int64_t dealsCount_ = stored::dealsCount.defaultValue;
    std::int64_t solvedCount_ = stored::solvedCount.defaultValue;
    std::int64_t currentStreak_ = stored::currentStreak.defaultValue;
    std::int64_t bestStreak_ = stored::bestStreak.defaultValue;
    std::int64_t bestScore_ = stored::bestScore.defaultValue;
    std::int64_t vegasBankroll_ = stored::vegasBankroll.defaultValue;
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

// The passes through the stock the deal in play allows; none without a limit.
std::optional<std::int64_t> passesAllowed(const SolitaireGame& game);
// The pass counter under a pass limit, "Pass 2/3", and as read aloud,
// "Pass 2 of 3"; none without a limit.
std::optional<QString> passText(const SolitaireGame& game);
std::optional<QString> passDescription(const SolitaireGame& game);

// Digit keys: the cards of the focused pile that fit the column, moved there
// when the board offers the move.
void moveFocusedPile(SolitaireGame& game, const BoardFocus& focus, int toColumn, DragState& drag);

} // namespace murvane
