// The deal session: replacing, restarting and preparing deals, and deciding
// how each one ends.

#include "engine/DealSession.h"

#include "engine/DealWorkers.h"
#include "engine/HintFinder.h"

#include "solver/DealNumbers.h"

#include <algorithm>
#include <utility>

namespace murvane {

DealSession::DealSession(GameSettings& settings, GameStatistics& statistics, bool verifyDeals, QObject* parent)
    : QObject(parent)
    , settings_(settings)
    , statistics_(statistics)
    , verifyDeals_(verifyDeals)
{
    if (verifyDeals_)
        workers();
    connect(&settings_, &GameSettings::dealRulesChanged, this, &DealSession::newDeal);
    connect(&settings_, &GameSettings::showsTimeAndMovesChanged, this, &DealSession::switchClock);
    // A proof that arrives while the position it is about is still in play.
    connect(&lostWatcher_, &LostGameWatcher::gameLost, this, [this] {
        if (!watchQueued_)
            setLost(true);
    });
}

DealSession::~DealSession()
{
    dealWorkers_.reset();
}

DealWorkers& DealSession::workers()
{
    // What the threads finished is collected on the session's thread.
    if (!dealWorkers_)
        dealWorkers_ = std::make_unique<DealWorkers>([this] { collectFinished(); });
    return *dealWorkers_;
}

void DealSession::collectFinished()
{
    for (const auto& [rules, deal] : dealWorkers_->takeFinished())
        storePreparedDeal(rules, deal);
    if (!dealing_)
        return;
    if (std::optional<Deal> deal = dealWorkers_->takeNumbered()) {
        const DealRequest request = *std::exchange(dealing_, std::nullopt);
        replaceDeal(&request, &*deal);
        Q_EMIT isDealingChanged();
    } else if (!dealWorkers_->isFindingNumbered()) {
        setDealing(std::nullopt); // every check failed: the deal in progress stays
    }
}

void DealSession::setDealing(std::optional<DealRequest> request)
{
    const bool was = dealing_.has_value();
    dealing_ = std::move(request);
    if (was != dealing_.has_value())
        Q_EMIT isDealingChanged();
}

void DealSession::cancelDealing()
{
    if (!dealing_)
        return;
    dealWorkers_->cancelNumbered();
    setDealing(std::nullopt);
}

void DealSession::attach(GamePlay& play)
{
    play_ = &play;
    for (auto signal : {&GamePlay::hasWonChanged, &GamePlay::isAutoCompletingChanged})
        connect(play_, signal, this, &DealSession::watchPosition);
    connect(&settings_, &GameSettings::tellsWhenLostChanged, this, &DealSession::watchPosition);
    // At once, not after the turn: the time stops at the win itself.
    connect(play_, &GamePlay::hasWonChanged, this, &DealSession::refreshClock);
}

solver::HintPosition DealSession::position() const
{
    const std::optional<int> recycles = settings_.dealRules().maxRecycles;
    return hintPositionOf(play_->table(), settings_.drawMode().count(),
                          recycles ? std::optional<std::int64_t>(*recycles - play_->redealsUsed()) : std::nullopt);
}

bool DealSession::checksForLoss() const
{
    return settings_.tellsWhenLost() && play_->takesMoves() && isShown_;
}

void DealSession::setShown(bool shown)
{
    if (isShown_ == shown)
        return;
    isShown_ = shown;
    if (!shown)
        cancelDealing(); // nobody is waiting for it any more
    refreshClock();
    watchPosition();
}

void DealSession::positionChanged(MoveRecord::Kind kind)
{
    using K = MoveRecord::Kind;
    if (kind == K::undo || kind == K::redo || kind == K::deal)
        asksLostAgain_ = true;
    countClockStep(kind);
    watchPosition();
}

// Once per turn, after the last change: moves cost nothing more than a flag.
void DealSession::watchPosition()
{
    if (watchQueued_)
        return;
    watchQueued_ = true;
    QMetaObject::invokeMethod(this, [this] {
        watchQueued_ = false;
        const solver::HintPosition now = position();
        // A lost position stays lost going forward: only an undo, a redo or
        // a deal asks again.
        const bool asksAgain = std::exchange(asksLostAgain_, false);
        if (asksAgain || !isLost_) {
            const bool noMoveLeft = moves::hasNoMoveLeft(play_->table(), play_->canDrawFromStock());
            setLost(noMoveLeft || (asksAgain ? lostWatcher_.knownVerdict(now) == PositionVerdict::lost : isLost_));
        }
        lostWatcher_.positionChanged(now, checksForLoss());
    }, Qt::QueuedConnection);
}

void DealSession::setLost(bool lost)
{
    lost = lost && play_->takesMoves();
    if (isLost_ == lost)
        return;
    isLost_ = lost;
    refreshClock();
    Q_EMIT isLostChanged();
}

// --- Time and moves ---------------------------------------------------------------------

void DealSession::refreshClock()
{
    clock_.setRunning(settings_.showsTimeAndMoves() && clock_.moveCount() > 0 && isShown_ && !isLost_
                      && play_ && !play_->hasWon());
}

void DealSession::countClockStep(MoveRecord::Kind kind)
{
    using K = MoveRecord::Kind;
    // A flip only follows a move, and a deal is a reset, not a step.
    if (kind == K::flip || kind == K::deal)
        return;
    if (!settings_.showsTimeAndMoves()) {
        clock_.markPartial();
        return;
    }
    if (kind == K::undo && beforeRestart_) {
        const GamePlay& p = *play_;
        if (p.stock() == beforeRestart_->stock && p.waste() == beforeRestart_->waste
            && p.foundations() == beforeRestart_->foundations && p.tableau() == beforeRestart_->tableau)
            clock_.markPartial();
    }
    clock_.countStep();
    refreshClock();
    settleTimedWin();
}

// Off, nothing is counted or kept: a deal already under way can no longer
// be timed whole.
void DealSession::switchClock()
{
    if (!settings_.showsTimeAndMoves()) {
        const bool started = hasStartedDeal_ || clock_.moveCount() > 0;
        clock_.reset();
        if (started)
            clock_.markPartial();
    }
    refreshClock();
}

void DealSession::settleTimedWin()
{
    if (!std::exchange(timedWinDue_, false))
        return;
    statistics_.countTimedWin(dealRuleSet_, clock_.elapsedMs(), clock_.moveCount());
}

// --- The ledger ------------------------------------------------------------------------

void DealSession::startDeal()
{
    if (hasStartedDeal_)
        return;
    hasStartedDeal_ = true;
    dealRuleSet_ = GameStatistics::ruleSetIndex(settings_.drawMode(), settings_.scoringMode());
    statistics_.countDealStarted(dealRuleSet_);
    if (origin_.dailyDate)
        statistics_.countDailyPlayed(*origin_.dailyDate);
    if (settings_.scoringMode() == ScoringMode::vegas)
        statistics_.addToBankroll(-GamePlay::kVegasAnte);
    origin_.openingBankroll = statistics_.vegasBankroll();
}

void DealSession::dealWon(std::int64_t score)
{
    if (hasBeenCreditedWin_ || wasSolutionShown_)
        return;
    hasBeenCreditedWin_ = true;
    statistics_.countWin(dealRuleSet_, score);
    if (origin_.dailyDate)
        statistics_.countDailyWon(*origin_.dailyDate);
    if (settings_.showsTimeAndMoves() && clock_.isWhole()) {
        // A winning move reports itself after the win, and is counted then;
        // the end of an auto-complete run reports nothing more, so the turn's
        // end settles it.
        timedWinDue_ = true;
        QMetaObject::invokeMethod(this, &DealSession::settleTimedWin, Qt::QueuedConnection);
    }
}

void DealSession::markSolutionShown()
{
    if (wasSolutionShown_)
        return;
    wasSolutionShown_ = true;
    if (hasBeenCreditedWin_)
        return; // won before it was shown: that win stands, and is recorded
    // Decided here, before the move that may win it: that move must find
    // the deal shown.
    startDeal();
    statistics_.countEnded(DealOutcome::shown);
}

// --- The outcome -------------------------------------------------------------------------

bool DealSession::newDealBreaksStreak(std::optional<RuleSetting> change) const
{
    return hasStartedDeal_ && !hasBeenCreditedWin_ && !wasSolutionShown_ && (!change || settings_.changeDealsAnew(*change));
}

std::optional<DealOutcome> DealSession::outcomeIfReplaced()
{
    if (!hasStartedDeal_ || hasBeenCreditedWin_ || wasSolutionShown_)
        return std::nullopt;
    if (moves::hasNoMoveLeft(play_->table(), play_->canDrawFromStock()))
        return DealOutcome::lost;
    // The check's verdict. Where no check ran (the notice off, the board not
    // shown) it runs now; a check not yet answered counts as unknown, and
    // the deal as abandoned.
    std::optional<PositionVerdict> verdict;
    if (!checksForLoss())
        verdict = lostWatcher_.verdictNow(position());
    else if (!watchQueued_)
        verdict = lostWatcher_.latestVerdict();
    return verdict == PositionVerdict::lost ? DealOutcome::lost : DealOutcome::abandoned;
}

void DealSession::resetStatistics()
{
    play_->cancelAutoComplete();
    statistics_.reset();
    origin_.openingBankroll = 0; // a restart cannot bring back what the reset cleared
    play_->clearHistory();
}

// --- Replacing and restarting ----------------------------------------------------------

void DealSession::newDeal()
{
    replaceDeal(nullptr);
}

void DealSession::playDeal(const DealRequest& request)
{
    if (!request.number) {
        replaceDeal(&request);
        return;
    }
    // A number may take a few hundred shuffles to find its deal: the board
    // must go on meanwhile. Only without worker threads or an event loop to
    // hear back on is it found here.
    DealWorkers& w = workers();
    if (!w.findsNumberedAside()) {
        cancelDealing();
        const Layout found = layoutOf(solver::findNumberedDeal(*request.number, settings_.dealRules()).deck);
        const Deal deal{found.tableau, found.stock, 0, true};
        replaceDeal(&request, &deal);
        return;
    }
    w.findNumbered(*request.number, settings_.dealRules());
    setDealing(request);
}

std::int64_t DealSession::openingScore() const
{
    return settings_.scoringMode() == ScoringMode::vegas ? -GamePlay::kVegasAnte : 0;
}

void DealSession::replaceDeal(const DealRequest* request, const Deal* numbered)
{
    cancelDealing(); // the deal asked for last is the one laid
    play_->cancelAutoComplete();
    settleTimedWin();
    clock_.reset();
    beforeRestart_.reset();
    if (const std::optional<DealOutcome> outcome = outcomeIfReplaced())
        statistics_.countEnded(*outcome);
    hasStartedDeal_ = false;
    hasBeenCreditedWin_ = false;
    wasSolutionShown_ = false;
    if (request && request->number && numbered) {
        // Numbered deals are always verified: the number names the deal the
        // solver picks, so it must not depend on how the game was built.
        origin_ = DealOrigin{numbered->tableau, numbered->stock, request->number, 0};
        origin_.dailyDate = request->dailyDate;
    } else if (request && request->deck) {
        origin_ = dealtFrom(*request->deck);
    } else {
        Deal deal = dealCards();
        origin_ = DealOrigin{std::move(deal.tableau), std::move(deal.stock), std::nullopt, 0};
    }
    origin_.openingBankroll = statistics_.vegasBankroll();
    play_->lay(origin_.tableau, origin_.stock, openingScore());
}

bool DealSession::canRestartDeal() const
{
    if (!origin_.isKnown())
        return false;
    const GamePlay& p = *play_;
    return p.hasWon() || p.stock() != origin_.stock || p.tableau() != origin_.tableau || !p.waste().isEmpty()
        || std::any_of(p.foundations().begin(), p.foundations().end(), [](const Pile& f) { return !f.isEmpty(); })
        || p.score() != openingScore() || p.redealsUsed() != 0;
}

void DealSession::restartDeal(DragState& drag)
{
    if (!canRestartDeal())
        return;
    // The deal stays counted and a credited win stays credited, so playing
    // it again changes no statistic and winning it again credits nothing.
    // Vegas plays for money: another try costs the ante again, and what the
    // abandoned try earned stays in the bankroll (undo gives the ante back).
    std::int64_t bankroll = statistics_.vegasBankroll();
    if (settings_.scoringMode() == ScoringMode::vegas) {
        bankroll = GameStatistics::bankrollAfter(bankroll, -GamePlay::kVegasAnte);
        origin_.openingBankroll = bankroll;
    }
    // Another try from the start is timed from its own first step.
    settleTimedWin();
    clock_.reset();
    play_->returnTo(GameSnapshot{origin_.stock, {}, {}, origin_.tableau, openingScore(), bankroll, hasStartedDeal_, 0},
                    drag);
    beforeRestart_ = play_->history().undoSteps().last();
}

void DealSession::resume(const DealOrigin& origin, bool started, bool credited, bool solutionShown, int ruleSet)
{
    origin_ = origin;
    hasStartedDeal_ = started;
    hasBeenCreditedWin_ = credited;
    wasSolutionShown_ = solutionShown;
    dealRuleSet_ = ruleSet;
}

// --- Verified and prepared deals ----------------------------------------------------------

Deal DealSession::dealCards()
{
    if (!verifyDeals_) {
        Layout layout = makeShuffledDeal();
        return Deal{std::move(layout.tableau), std::move(layout.stock), 1, false};
    }
    const DealRules rules = settings_.dealRules();
    Deal deal;
    if (auto it = preparedDeals_.find(rules); it != preparedDeals_.end()) {
        deal = *it;
        preparedDeals_.erase(it);
    } else {
        // A preparation of these rules pauses meanwhile and still delivers
        // the next deal; a finished one is taken here.
        deal = dealWorkers_->findNow(rules);
        if (!dealWorkers_->isPreparing(rules))
            preparingRules_.remove(rules);
    }
    prepareUpcomingDeals();
    return deal;
}

void DealSession::prepareUpcomingDeals()
{
    if (!verifyDeals_)
        return;
    QList<DealRules> wanted{settings_.dealRules()};
    for (const DealRules& r : solver::kVerificationRules)
        if (!wanted.contains(r))
            wanted.append(r);
    QList<DealRules> kept;
    for (const DealRules& r : wanted)
        if (!preparedDeals_.contains(r) && !preparingRules_.contains(r))
            kept.append(r);
    if (kept.isEmpty())
        return;
    for (const DealRules& r : kept)
        preparingRules_.insert(r);
    dealWorkers_->prepare(kept);
}

void DealSession::storePreparedDeal(const DealRules& rules, const Deal& deal)
{
    preparingRules_.remove(rules);
    preparedDeals_.insert(rules, deal);
    Q_EMIT preparedDealStored();
}

} // namespace murvane
