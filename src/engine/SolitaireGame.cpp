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

void SolitaireGame::setStock(const Pile& pile)
{
    if (stock_ != pile) {
        stock_ = pile;
        Q_EMIT stockChanged();
    }
    scheduleSave();
}

void SolitaireGame::setWaste(const Pile& pile)
{
    if (waste_ != pile) {
        waste_ = pile;
        Q_EMIT wasteChanged();
    }
    scheduleSave();
}

void SolitaireGame::setFoundations(const Foundations& piles)
{
    if (foundations_ != piles) {
        foundations_ = piles;
        Q_EMIT foundationsChanged();
    }
    scheduleSave();
}

void SolitaireGame::setTableau(const Tableau& columns)
{
    if (tableau_ != columns) {
        tableau_ = columns;
        Q_EMIT tableauChanged();
    }
    scheduleSave();
}

void SolitaireGame::setHasWon(bool value)
{
    if (hasWon_ != value) {
        hasWon_ = value;
        Q_EMIT hasWonChanged();
    }
    scheduleSave();
}

void SolitaireGame::setIsAutoCompleting(bool value)
{
    if (isAutoCompleting_ != value) {
        isAutoCompleting_ = value;
        Q_EMIT isAutoCompletingChanged();
    }
    scheduleSave();
}

void SolitaireGame::setScore(std::int64_t value)
{
    if (score_ != value) {
        score_ = value;
        Q_EMIT scoreChanged();
    }
    scheduleSave();
}

void SolitaireGame::setRedealsUsed(std::int64_t value)
{
    if (redealsUsed_ != value) {
        redealsUsed_ = value;
        Q_EMIT redealsUsedChanged();
    }
    scheduleSave();
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
    const bool changed = dealsCount_ != value;
    dealsCount_ = value;
    defaults_.setInteger(keys::dealsCount, value);
    if (changed)
        Q_EMIT dealsCountChanged();
}

void SolitaireGame::setSolvedCount(std::int64_t value)
{
    const bool changed = solvedCount_ != value;
    solvedCount_ = value;
    defaults_.setInteger(keys::solvedCount, value);
    if (changed)
        Q_EMIT solvedCountChanged();
}

void SolitaireGame::setCurrentStreak(std::int64_t value)
{
    const bool changed = currentStreak_ != value;
    currentStreak_ = value;
    defaults_.setInteger(keys::currentStreak, value);
    if (changed)
        Q_EMIT currentStreakChanged();
}

void SolitaireGame::setBestStreak(std::int64_t value)
{
    const bool changed = bestStreak_ != value;
    bestStreak_ = value;
    defaults_.setInteger(keys::bestStreak, value);
    if (changed)
        Q_EMIT bestStreakChanged();
}

void SolitaireGame::setBestScore(std::int64_t value)
{
    const bool changed = bestScore_ != value;
    bestScore_ = value;
    defaults_.setInteger(keys::bestScore, value);
    if (changed)
        Q_EMIT bestScoreChanged();
}

void SolitaireGame::setVegasBankroll(std::int64_t value)
{
    const bool changed = vegasBankroll_ != value;
    vegasBankroll_ = value;
    defaults_.setInteger(keys::vegasBankroll, value);
    if (changed)
        Q_EMIT vegasBankrollChanged();
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
