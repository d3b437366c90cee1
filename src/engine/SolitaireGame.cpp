// Construction, observed state, settings write-through and statistics.

#include "engine/SolitaireGame.h"

#include "engine/DealWorkers.h"

#include <QTimer>

#include <algorithm>
#include <limits>

namespace murvane {

namespace {

// Counters and the bankroll come from the settings file and may hold anything;
// arithmetic on them saturates instead of overflowing.
std::int64_t addSaturating(std::int64_t a, std::int64_t b)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
    return sum;
}

} // namespace

SolitaireGame::SolitaireGame(SettingsStore& defaults, bool verifyDeals, QObject* parent)
    : QObject(parent)
    , defaults_(defaults)
    , verifyDeals_(verifyDeals)
{
    dealWorkers_ = makeDealWorkers();
    autoCompleteTimer_ = new QTimer(this);
    autoCompleteTimer_->setTimerType(Qt::PreciseTimer);
    autoCompleteTimer_->setInterval(kAutoCompleteIntervalMs);
    connect(autoCompleteTimer_, &QTimer::timeout, this, &SolitaireGame::autoCompleteTick);

    readSettings();
    ruleSetStats_ = new RuleSetStatistics(defaults_, this);
    if (restoreSavedGame())
        prepareUpcomingDeals();
    else
        newDeal();
}

SolitaireGame::~SolitaireGame()
{
    dealWorkers_.reset();
}

void SolitaireGame::readSettings()
{
    // Plain member assignments: reading must not write anything back.
    const SettingsStore& s = defaults_;
    dealsCount_ = readSetting(s, stored::dealsCount);
    solvedCount_ = readSetting(s, stored::solvedCount);
    currentStreak_ = readSetting(s, stored::currentStreak);
    bestStreak_ = readSetting(s, stored::bestStreak);
    bestScore_ = readSetting(s, stored::bestScore);
    vegasBankroll_ = readSetting(s, stored::vegasBankroll);
    unlimitedRedeals_ = readSetting(s, stored::unlimitedRedeals);
    showsCornerSuit_ = readSetting(s, stored::showsCornerSuit);
    tellsWhenLost_ = readSetting(s, stored::tellsWhenLost);
    hasSeenWelcome_ = readSetting(s, stored::hasSeenWelcome);
    drawMode_ = readSetting(s, stored::drawCount);
    cardTheme_ = readSetting(s, stored::cardTheme);
    boardSize_ = readSetting(s, stored::boardSize);
    scoringMode_ = readSetting(s, stored::scoringMode);
    menuBarIcon_ = readSetting(s, stored::menuBarIcon);
    autoCompleteMode_ = readSetting(s, stored::autoCompleteMode);
}

// --- Observed play state -----------------------------------------------------

// Every assignment schedules a save, changed or not; observers hear only of
// real changes.
template <typename T>
void SolitaireGame::assignPlayState(T& member, const T& value, void (SolitaireGame::*changed)())
{
    if (!(member == value)) {
        member = value;
        Q_EMIT(this->*changed)();
    }
    scheduleSave();
}

template <typename T>
bool SolitaireGame::assignSetting(T& member, const T& value, const StoredSetting<T>& setting,
                                  void (SolitaireGame::*changed)())
{
    const bool isChange = !(member == value);
    if (!isChange && setting.policy == WritePolicy::onChange)
        return false;
    member = value;
    writeSetting(defaults_, setting, value);
    if (isChange)
        Q_EMIT(this->*changed)();
    return isChange;
}

void SolitaireGame::setStock(const Pile& value)
{
    assignPlayState(stock_, value, &SolitaireGame::stockChanged);
}

void SolitaireGame::setWaste(const Pile& value)
{
    assignPlayState(waste_, value, &SolitaireGame::wasteChanged);
}

void SolitaireGame::setFoundations(const Foundations& value)
{
    assignPlayState(foundations_, value, &SolitaireGame::foundationsChanged);
}

void SolitaireGame::setTableau(const Tableau& value)
{
    assignPlayState(tableau_, value, &SolitaireGame::tableauChanged);
}

void SolitaireGame::setHasWon(bool value)
{
    assignPlayState(hasWon_, value, &SolitaireGame::hasWonChanged);
}

void SolitaireGame::setIsAutoCompleting(bool value)
{
    assignPlayState(isAutoCompleting_, value, &SolitaireGame::isAutoCompletingChanged);
}

void SolitaireGame::setScore(std::int64_t value)
{
    assignPlayState(score_, value, &SolitaireGame::scoreChanged);
}

void SolitaireGame::setRedealsUsed(std::int64_t value)
{
    assignPlayState(redealsUsed_, value, &SolitaireGame::redealsUsedChanged);
}

void SolitaireGame::setHistory(const QList<GameSnapshot>& history)
{
    const bool changed = !(history.isEmpty() && history_.isEmpty() && redoHistory_.isEmpty());
    history_ = history;
    // A replaced history (new deal, restore, reset) leaves nothing to redo.
    redoHistory_.clear();
    if (changed)
        Q_EMIT historyChanged();
}

void SolitaireGame::setHasStartedCurrentDeal(bool value)
{
    hasStartedCurrentDeal_ = value;
}

void SolitaireGame::setUndoCount(std::int64_t value)
{
    if (undoCount_ == value)
        return;
    undoCount_ = value;
    Q_EMIT undoCountChanged();
}

void SolitaireGame::setRedoCount(std::int64_t value)
{
    if (redoCount_ == value)
        return;
    redoCount_ = value;
    Q_EMIT redoCountChanged();
}

void SolitaireGame::reportPiles(MoveRecord::Kind kind)
{
    MoveRecord record;
    record.kind = kind;
    Q_EMIT pilesChanged(record);
}

void SolitaireGame::setIsShowingScreen(bool value)
{
    if (isShowingScreen_ == value)
        return;
    isShowingScreen_ = value;
    Q_EMIT isShowingScreenChanged();
}

bool SolitaireGame::hasAutoCompleteTask() const
{
    return autoCompleteTimer_->isActive();
}

// --- Settings ------------------------------------------------------------------

void SolitaireGame::setMenuBarIcon(MenuBarIconOption value)
{
    assignSetting(menuBarIcon_, value, stored::menuBarIcon, &SolitaireGame::menuBarIconChanged);
}

void SolitaireGame::setAutoCompleteMode(AutoCompleteMode value)
{
    assignSetting(autoCompleteMode_, value, stored::autoCompleteMode, &SolitaireGame::autoCompleteModeChanged);
}

void SolitaireGame::setBoardSize(BoardSize value)
{
    assignSetting(boardSize_, value, stored::boardSize, &SolitaireGame::boardSizeChanged);
}

void SolitaireGame::setCardTheme(CardBackTheme value)
{
    assignSetting(cardTheme_, value, stored::cardTheme, &SolitaireGame::cardThemeChanged);
}

// A rule change deals anew only where it changes the rules of the deal in
// play: the draw only under a pass limit (it sets the number of passes), the
// redeals only under Vegas. None of these depends on the setting it answers
// for, so it reads the same before and after the assignment.
bool SolitaireGame::ruleChangeDeals(RuleSetting setting) const
{
    switch (setting) {
    case RuleSetting::drawMode: return hasPassLimit();
    case RuleSetting::scoringMode: return true;
    case RuleSetting::unlimitedRedeals: return scoringMode_ == ScoringMode::vegas;
    }
    return true;
}

bool SolitaireGame::newDealBreaksStreak(std::optional<RuleSetting> change) const
{
    return hasStartedCurrentDeal_ && !gameHasBeenCreditedWin_ && (!change || ruleChangeDeals(*change));
}

void SolitaireGame::setDrawMode(DrawMode value)
{
    if (assignSetting(drawMode_, value, stored::drawCount, &SolitaireGame::drawModeChanged)
        && ruleChangeDeals(RuleSetting::drawMode))
        newDeal();
}

void SolitaireGame::setUnlimitedRedeals(bool value)
{
    if (assignSetting(unlimitedRedeals_, value, stored::unlimitedRedeals, &SolitaireGame::unlimitedRedealsChanged)
        && ruleChangeDeals(RuleSetting::unlimitedRedeals))
        newDeal();
}

void SolitaireGame::setScoringMode(ScoringMode value)
{
    if (assignSetting(scoringMode_, value, stored::scoringMode, &SolitaireGame::scoringModeChanged)
        && ruleChangeDeals(RuleSetting::scoringMode))
        newDeal();
}

void SolitaireGame::setShowsCornerSuit(bool value)
{
    assignSetting(showsCornerSuit_, value, stored::showsCornerSuit, &SolitaireGame::showsCornerSuitChanged);
}

void SolitaireGame::setTellsWhenLost(bool value)
{
    assignSetting(tellsWhenLost_, value, stored::tellsWhenLost, &SolitaireGame::tellsWhenLostChanged);
}

void SolitaireGame::setHasSeenWelcome(bool value)
{
    assignSetting(hasSeenWelcome_, value, stored::hasSeenWelcome, &SolitaireGame::hasSeenWelcomeChanged);
}

// --- Statistics ------------------------------------------------------------------

void SolitaireGame::setStatistic(Statistic which, std::int64_t value)
{
    struct Slot {
        std::int64_t SolitaireGame::*member;
        const StoredSetting<std::int64_t>* setting;
        void (SolitaireGame::*changed)();
    };
    static const Slot slots[] = {
        {&SolitaireGame::dealsCount_, &stored::dealsCount, &SolitaireGame::dealsCountChanged},
        {&SolitaireGame::solvedCount_, &stored::solvedCount, &SolitaireGame::solvedCountChanged},
        {&SolitaireGame::currentStreak_, &stored::currentStreak, &SolitaireGame::currentStreakChanged},
        {&SolitaireGame::bestStreak_, &stored::bestStreak, &SolitaireGame::bestStreakChanged},
        {&SolitaireGame::bestScore_, &stored::bestScore, &SolitaireGame::bestScoreChanged},
        {&SolitaireGame::vegasBankroll_, &stored::vegasBankroll, &SolitaireGame::vegasBankrollChanged},
    };
    const Slot& slot = slots[static_cast<int>(which)];
    assignSetting(this->*slot.member, value, *slot.setting, slot.changed);
}

void SolitaireGame::markDealStarted()
{
    if (hasStartedCurrentDeal_)
        return;
    setHasStartedCurrentDeal(true);
    scheduleSave();
    setStatistic(Statistic::deals, addSaturating(dealsCount_, 1));
    if (scoringMode_ == ScoringMode::vegas)
        setStatistic(Statistic::vegasBankroll,
                     std::max(addSaturating(vegasBankroll_, -kVegasAnte), kVegasBankrollFloor));
    origin_.openingBankroll = vegasBankroll_;
    dealRuleSet_ = RuleSetStatistics::ruleSetIndex(drawMode_, scoringMode_);
    ruleSetStats_->countPlayed(dealRuleSet_);
}

void SolitaireGame::checkForWin()
{
    std::int64_t home = 0;
    for (const Pile& pile : foundations_)
        home += pile.size();
    if (home != kDeckSize)
        return;
    setHasWon(true);
    if (gameHasBeenCreditedWin_)
        return;
    gameHasBeenCreditedWin_ = true;
    setStatistic(Statistic::solved, addSaturating(solvedCount_, 1));
    setStatistic(Statistic::currentStreak, addSaturating(currentStreak_, 1));
    if (bestStreak_ < currentStreak_)
        setStatistic(Statistic::bestStreak, currentStreak_);
    if (bestScore_ < score_)
        setStatistic(Statistic::bestScore, score_);
    ruleSetStats_->countWon(dealRuleSet_);
    ruleSetStats_->record(DealOutcome::won);
}

void SolitaireGame::resetStatistics()
{
    cancelAutoComplete();
    for (Statistic which : kAllStatistics)
        setStatistic(which, 0);
    origin_.openingBankroll = 0; // a restart cannot bring back what the reset cleared
    ruleSetStats_->reset();
    setHistory({});
}

// --- Scoring -----------------------------------------------------------------------

void SolitaireGame::scoreFoundationMove()
{
    if (scoringMode_ == ScoringMode::standard) {
        setScore(score_ + 10);
        return;
    }
    setScore(score_ + 5);
    setStatistic(Statistic::vegasBankroll, addSaturating(vegasBankroll_, 5));
}

void SolitaireGame::scoreWasteToTableau()
{
    if (scoringMode_ == ScoringMode::standard)
        setScore(score_ + 5);
}

void SolitaireGame::scoreFoundationToTableau()
{
    if (scoringMode_ == ScoringMode::standard) {
        setScore(std::max<std::int64_t>(score_ - 15, 0));
        return;
    }
    setScore(score_ - 5);
    setStatistic(Statistic::vegasBankroll, std::max(addSaturating(vegasBankroll_, -5), kVegasBankrollFloor));
}

void SolitaireGame::scoreFlip()
{
    if (scoringMode_ == ScoringMode::standard)
        setScore(score_ + 5);
}

} // namespace murvane
