// Construction, observed state, settings write-through and statistics.

#include "engine/SolitaireGame.h"

#include "persistence/SettingsKeys.h"
#include "persistence/SettingsStore.h"

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

template <typename E>
E readEnum(const SettingsStore& store, const QString& key)
{
    if (auto raw = store.stringForKey(key))
        if (auto value = enumFromRaw<E>(*raw))
            return *value;
    return EnumCases<E>::all.front();
}

} // namespace

SolitaireGame::SolitaireGame(SettingsStore& defaults, bool verifyDeals, QObject* parent)
    : QObject(parent)
    , defaults_(defaults)
    , verifyDeals_(verifyDeals)
    , preparationCancelled_(std::make_shared<std::atomic<bool>>(false))
{
    autoCompleteTimer_ = new QTimer(this);
    autoCompleteTimer_->setTimerType(Qt::PreciseTimer);
    autoCompleteTimer_->setInterval(kAutoCompleteIntervalMs);
    connect(autoCompleteTimer_, &QTimer::timeout, this, &SolitaireGame::autoCompleteTick);

    readSettings();
    if (restoreSavedGame())
        prepareUpcomingDeals();
    else
        newDeal();
}

SolitaireGame::~SolitaireGame()
{
    preparationCancelled_->store(true);
}

void SolitaireGame::readSettings()
{
    // Plain member assignments: reading must not write anything back.
    const SettingsStore& s = defaults_;
    dealsCount_ = s.integerForKey(keys::dealsCount);
    solvedCount_ = s.integerForKey(keys::solvedCount);
    currentStreak_ = s.integerForKey(keys::currentStreak);
    bestStreak_ = s.integerForKey(keys::bestStreak);
    bestScore_ = s.integerForKey(keys::bestScore);
    vegasBankroll_ = s.integerForKey(keys::vegasBankroll);
    unlimitedRedeals_ = s.hasObjectForKey(keys::unlimitedRedeals) ? s.boolForKey(keys::unlimitedRedeals) : true;
    showsCornerSuit_ = s.boolForKey(keys::showsCornerSuit);
    hasSeenWelcome_ = s.boolForKey(keys::hasSeenWelcome);
    drawCount_ = s.integerForKey(keys::drawCount) == 3 ? 3 : 1;
    cardTheme_ = readEnum<CardBackTheme>(s, keys::cardTheme);
    boardSize_ = readEnum<BoardSize>(s, keys::boardSize);
    scoringMode_ = readEnum<ScoringMode>(s, keys::scoringMode);
    menuBarIcon_ = readEnum<MenuBarIconOption>(s, keys::menuBarIcon);
    autoCompleteMode_ = readEnum<AutoCompleteMode>(s, keys::autoCompleteMode);
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

void SolitaireGame::assignCounter(std::int64_t& member, std::int64_t value, const QString& key,
                                  void (SolitaireGame::*changed)())
{
    const bool isChange = member != value;
    member = value;
    defaults_.setInteger(key, value);
    if (isChange)
        Q_EMIT(this->*changed)();
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
    const bool changed = !(history.isEmpty() && history_.isEmpty());
    history_ = history;
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
    const bool changed = menuBarIcon_ != value;
    menuBarIcon_ = value;
    defaults_.setString(keys::menuBarIcon, rawValue(value));
    if (changed)
        Q_EMIT menuBarIconChanged();
}

void SolitaireGame::setAutoCompleteMode(AutoCompleteMode value)
{
    const bool changed = autoCompleteMode_ != value;
    autoCompleteMode_ = value;
    defaults_.setString(keys::autoCompleteMode, rawValue(value));
    if (changed)
        Q_EMIT autoCompleteModeChanged();
}

void SolitaireGame::setBoardSize(BoardSize value)
{
    const bool changed = boardSize_ != value;
    boardSize_ = value;
    defaults_.setString(keys::boardSize, rawValue(value));
    if (changed)
        Q_EMIT boardSizeChanged();
}

void SolitaireGame::setCardTheme(CardBackTheme value)
{
    const bool changed = cardTheme_ != value;
    cardTheme_ = value;
    defaults_.setString(keys::cardTheme, rawValue(value));
    if (changed)
        Q_EMIT cardThemeChanged();
}

void SolitaireGame::setDrawCount(std::int64_t value)
{
    value = value == 3 ? 3 : 1;
    const bool changed = drawCount_ != value;
    drawCount_ = value;
    defaults_.setInteger(keys::drawCount, value);
    if (!changed)
        return;
    Q_EMIT drawCountChanged();
    if (hasPassLimit())
        newDeal();
}

void SolitaireGame::setUnlimitedRedeals(bool value)
{
    if (unlimitedRedeals_ == value)
        return;
    unlimitedRedeals_ = value;
    defaults_.setBool(keys::unlimitedRedeals, value);
    Q_EMIT unlimitedRedealsChanged();
    if (scoringMode_ == ScoringMode::vegas)
        newDeal();
}

void SolitaireGame::setScoringMode(ScoringMode value)
{
    if (scoringMode_ == value)
        return;
    scoringMode_ = value;
    defaults_.setString(keys::scoringMode, rawValue(value));
    Q_EMIT scoringModeChanged();
    newDeal();
}

void SolitaireGame::setShowsCornerSuit(bool value)
{
    if (showsCornerSuit_ == value)
        return;
    showsCornerSuit_ = value;
    defaults_.setBool(keys::showsCornerSuit, value);
    Q_EMIT showsCornerSuitChanged();
}

void SolitaireGame::setHasSeenWelcome(bool value)
{
    const bool changed = hasSeenWelcome_ != value;
    hasSeenWelcome_ = value;
    defaults_.setBool(keys::hasSeenWelcome, value);
    if (changed)
        Q_EMIT hasSeenWelcomeChanged();
}

// --- Statistics ------------------------------------------------------------------

void SolitaireGame::setDealsCount(std::int64_t value)
{
    assignCounter(dealsCount_, value, keys::dealsCount, &SolitaireGame::dealsCountChanged);
}

void SolitaireGame::setSolvedCount(std::int64_t value)
{
    assignCounter(solvedCount_, value, keys::solvedCount, &SolitaireGame::solvedCountChanged);
}

void SolitaireGame::setCurrentStreak(std::int64_t value)
{
    assignCounter(currentStreak_, value, keys::currentStreak, &SolitaireGame::currentStreakChanged);
}

void SolitaireGame::setBestStreak(std::int64_t value)
{
    assignCounter(bestStreak_, value, keys::bestStreak, &SolitaireGame::bestStreakChanged);
}

void SolitaireGame::setBestScore(std::int64_t value)
{
    assignCounter(bestScore_, value, keys::bestScore, &SolitaireGame::bestScoreChanged);
}

void SolitaireGame::setVegasBankroll(std::int64_t value)
{
    assignCounter(vegasBankroll_, value, keys::vegasBankroll, &SolitaireGame::vegasBankrollChanged);
}

void SolitaireGame::markDealStarted()
{
    if (hasStartedCurrentDeal_)
        return;
    setHasStartedCurrentDeal(true);
    scheduleSave();
    setDealsCount(addSaturating(dealsCount_, 1));
    if (scoringMode_ == ScoringMode::vegas)
        setVegasBankroll(std::max(addSaturating(vegasBankroll_, -kVegasAnte), kVegasBankrollFloor));
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
    setSolvedCount(addSaturating(solvedCount_, 1));
    setCurrentStreak(addSaturating(currentStreak_, 1));
    if (bestStreak_ < currentStreak_)
        setBestStreak(currentStreak_);
    if (bestScore_ < score_)
        setBestScore(score_);
}

void SolitaireGame::resetStatistics()
{
    cancelAutoComplete();
    setDealsCount(0);
    setSolvedCount(0);
    setCurrentStreak(0);
    setBestStreak(0);
    setBestScore(0);
    setVegasBankroll(0);
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
    setVegasBankroll(addSaturating(vegasBankroll_, 5));
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
    setVegasBankroll(std::max(addSaturating(vegasBankroll_, -5), kVegasBankrollFloor));
}

void SolitaireGame::scoreFlip()
{
    if (scoringMode_ == ScoringMode::standard)
        setScore(score_ + 5);
}

} // namespace murvane
