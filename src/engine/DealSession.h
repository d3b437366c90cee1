#pragma once
// The life of a deal: where it came from (a shuffle, a number, a code), how
// it is replaced (New Deal, Play Deal, a rule change) or restarted, the
// deals prepared ahead of time, and how each deal ends. The outcome of a
// deal is decided here, once, and credited to the statistics: every screen,
// announcement and counter asks this part. Lives on the main thread.

#include "engine/Deal.h"
#include "engine/DealClock.h"
#include "engine/DealOrigin.h"
#include "engine/GamePlay.h"
#include "engine/GameSettings.h"
#include "engine/GameStatistics.h"
#include "engine/LostGameWatcher.h"

#include <QHash>
#include <QObject>
#include <QSet>

#include <memory>
#include <optional>

namespace murvane {

class DealWorkers;

class DealSession : public QObject, public DealLedger {
    Q_OBJECT
public:
    // The settings and statistics must outlive the session. Deals nothing
    // until play is attached.
    DealSession(GameSettings& settings, GameStatistics& statistics, bool verifyDeals, QObject* parent = nullptr);
    ~DealSession() override;
    void attach(GamePlay& play);

    // --- Replacing the deal -------------------------------------------------
    void newDeal();
    // Replaces the deal in progress exactly as newDeal() does, with the
    // numbered deal (found under the current rules) or the exact layout asked for.
    // A numbered deal is found on the deal threads and laid when it arrives
    // (see isDealing()); a layout is laid at once.
    void playDeal(const DealRequest& request);
    // A deal played by number is being found; the deal in progress stays
    // until it is laid. Another deal asked for, a rule change or the board
    // going away cancels it, and the deal in progress then simply stays.
    bool isDealing() const { return dealing_.has_value(); }
    // True when a new deal now would abandon the deal in progress and break
    // the winning streak; given a rule setting, the new deal its change would
    // bring (a change that deals nothing new abandons nothing). The board and
    // Preferences ask for confirmation first.
    bool newDealBreaksStreak(std::optional<RuleSetting> change = std::nullopt) const;
    // Puts the deal back as dealt, in one undo step: score and passes as
    // right after the deal; under Vegas the ante is charged again and the
    // bankroll keeps what was earned; no statistic is counted. Nothing when
    // the deal is unknown or still as dealt.
    void restartDeal(DragState& drag);
    bool canRestartDeal() const;
    const DealOrigin& origin() const { return origin_; }

    // --- The outcome ------------------------------------------------------------
    // How the deal in progress ends if it is replaced now: lost when no move
    // is left or the lost-game check proved the position lost (where no check
    // ran, it runs here, within its budget), else abandoned;
    // none while it has not started, was won or was shown (its outcome is
    // recorded already, so replacing it records nothing).
    std::optional<DealOutcome> outcomeIfReplaced();
    // The position in play, as the searches take it.
    solver::HintPosition position() const;
    // Whether positions are checked for a loss now: the notice is on, the
    // game is still played and shown. A game nobody looks at spends nothing.
    bool checksForLoss() const;
    // The board came up or went away.
    void setShown(bool shown);
    // Checks each new position in the background while the lost-game notice
    // is on; its gameLost() is the notice's cue.
    LostGameWatcher& lostWatcher() { return lostWatcher_; }
    // The position in play can no longer be won: no move is left, or the
    // check proved it (while checks run). Every step forward from a lost
    // position stays lost; an undo, a redo or a new deal asks again.
    bool isLost() const { return isLost_; }
    bool hasBeenCreditedWin() const { return hasBeenCreditedWin_; }
    // The game is about to make a move of the deal's winning line itself
    // (Watch Solution): from then on the deal is shown, never won. Its
    // outcome is recorded at once, unless a win was credited before: the
    // deal counts as played, the streak ends and the last deals show it as
    // shown. Nothing takes that back, Restart Deal included; a new deal
    // starts unshown.
    void markSolutionShown();
    bool wasSolutionShown() const { return wasSolutionShown_; }
    // Zeroes every statistic; a restart cannot bring back the old bankroll,
    // nor can undo.
    void resetStatistics();

    // --- The ledger play reports to ----------------------------------------------
    void startDeal() override;
    bool hasStartedDeal() const override { return hasStartedDeal_; }
    void restoreStarted(bool started) override { hasStartedDeal_ = started; }
    void dealWon(std::int64_t score) override;
    void positionChanged(MoveRecord::Kind kind) override;

    // --- The saved game ------------------------------------------------------------
    // The rule set the deal was counted under.
    int ruleSetOfDeal() const { return dealRuleSet_; }
    // Takes up a saved deal whose position play has restored.
    void resume(const DealOrigin& origin, bool started, bool credited, bool solutionShown, int ruleSet);

    // --- Time and moves --------------------------------------------------------------
    // While "Show time and moves" is on: a draw, a recycle, a move, an
    // auto-complete step, an undo and a redo each count one; time runs from
    // the first counted step while the board is shown, the deal is neither
    // lost nor won. A new deal and Restart Deal reset it. A credited win
    // whose every step was counted enters the rule set's timed records.
    DealClock& clock() { return clock_; }
    const DealClock& clock() const { return clock_; }

    // --- Prepared deals ----------------------------------------------------------------
    // Queues a verified deal for each rule set not prepared or being prepared.
    void prepareUpcomingDeals();
    const QHash<DealRules, Deal>& preparedDeals() const { return preparedDeals_; }
    const QSet<DealRules>& preparingRules() const { return preparingRules_; }

Q_SIGNALS:
    // Emitted when a background preparation stored a deal (tests wait on it).
    void preparedDealStored();
    void isLostChanged();
    void isDealingChanged();

private:
    // numbered: the deal request->number names, when it was found already.
    void replaceDeal(const DealRequest* request, const Deal* numbered = nullptr);
    DealWorkers& workers(); // made on first use when deals are not verified
    void collectFinished();
    void setDealing(std::optional<DealRequest> request);
    void cancelDealing();
    Deal dealCards();
    std::int64_t openingScore() const;
    void storePreparedDeal(const DealRules& rules, const Deal& deal);

    GameSettings& settings_;
    GameStatistics& statistics_;
    GamePlay* play_ = nullptr;
    const bool verifyDeals_;
    DealOrigin origin_;
    bool hasStartedDeal_ = false;
    bool hasBeenCreditedWin_ = false;
    bool wasSolutionShown_ = false;
    int dealRuleSet_ = 0; // where the deal in progress was counted
    // Feeds the watcher the position after each change of the piles, or of
    // whether it should be checked at all.
    void watchPosition();
    void setLost(bool lost);

    // Starts or stops the clock as the rule above says; the one place that decides.
    void refreshClock();
    void countClockStep(MoveRecord::Kind kind);
    void switchClock();
    // Records a timed win once its last step has been counted.
    void settleTimedWin();

    DealClock clock_;
    bool timedWinDue_ = false;
    // The piles Restart Deal left: an undo back to them leaves the restarted
    // try, whose figures then no longer cover what is on the table.
    std::optional<GameSnapshot> beforeRestart_;
    LostGameWatcher lostWatcher_;
    bool watchQueued_ = false;
    bool isLost_ = false;
    bool asksLostAgain_ = false; // an undo, redo or deal since the last turn
    bool isShown_ = false;
    QHash<DealRules, Deal> preparedDeals_;
    QSet<DealRules> preparingRules_;
    // The deal threads; stopped and joined when the session goes away.
    std::unique_ptr<DealWorkers> dealWorkers_;
    std::optional<DealRequest> dealing_; // the numbered deal being found
};

} // namespace murvane
