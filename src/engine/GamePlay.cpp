// Play's observed state, scoring and the win.

#include "engine/GamePlay.h"

#include "engine/GameSettings.h"
#include "engine/GameStatistics.h"

#include <QTimer>

#include <algorithm>

namespace murvane {

GamePlay::GamePlay(const GameSettings& settings, GameStatistics& statistics, DealLedger& ledger, QObject* parent)
    : QObject(parent)
    , settings_(settings)
    , statistics_(statistics)
    , ledger_(ledger)
    , autoCompleteTimer_(new QTimer(this))
{
    autoCompleteTimer_->setTimerType(Qt::PreciseTimer);
    autoCompleteTimer_->setInterval(kAutoCompleteIntervalMs);
    connect(autoCompleteTimer_, &QTimer::timeout, this, &GamePlay::autoCompleteTick);
}

// Every assignment asks for a save, changed or not; observers hear only of
// real changes.
template <typename T>
void GamePlay::assign(T& member, const T& value, void (GamePlay::*changed)())
{
    if (!(member == value)) {
        member = value;
        Q_EMIT(this->*changed)();
    }
    stateWritten();
}

void GamePlay::setStock(const Pile& value) { assign(stock_, value, &GamePlay::stockChanged); }
void GamePlay::setWaste(const Pile& value) { assign(waste_, value, &GamePlay::wasteChanged); }
void GamePlay::setFoundations(const Foundations& value) { assign(foundations_, value, &GamePlay::foundationsChanged); }
void GamePlay::setTableau(const Tableau& value) { assign(tableau_, value, &GamePlay::tableauChanged); }
void GamePlay::setHasWon(bool value) { assign(hasWon_, value, &GamePlay::hasWonChanged); }
void GamePlay::setIsAutoCompleting(bool value) { assign(isAutoCompleting_, value, &GamePlay::isAutoCompletingChanged); }
void GamePlay::setScore(std::int64_t value) { assign(score_, value, &GamePlay::scoreChanged); }
void GamePlay::setRedealsUsed(std::int64_t value) { assign(redealsUsed_, value, &GamePlay::redealsUsedChanged); }

void GamePlay::stateWritten()
{
    if (onStateWritten_)
        onStateWritten_();
}

void GamePlay::bumpUndoCount(std::int64_t& count, void (GamePlay::*changed)())
{
    ++count;
    Q_EMIT(this->*changed)();
}

void GamePlay::reportPiles(MoveRecord::Kind kind)
{
    MoveRecord record;
    record.kind = kind;
    report(record);
}

void GamePlay::report(const MoveRecord& change)
{
    ledger_.positionChanged(change.kind);
    Q_EMIT pilesChanged(change);
}

void GamePlay::clearHistory()
{
    if (history_.isEmpty())
        return;
    history_.clear();
    Q_EMIT historyChanged();
}

bool GamePlay::hasAutoCompleteTask() const
{
    return autoCompleteTimer_->isActive();
}

void GamePlay::markDealStarted()
{
    if (ledger_.hasStartedDeal())
        return;
    ledger_.startDeal();
    stateWritten();
}

void GamePlay::checkForWin()
{
    std::int64_t home = 0;
    for (const Pile& pile : foundations_)
        home += pile.size();
    if (home != kDeckSize)
        return;
    setHasWon(true);
    ledger_.dealWon(score_);
}

// --- Scoring -----------------------------------------------------------------------

void GamePlay::scoreFoundationMove()
{
    if (settings_.scoringMode() == ScoringMode::standard) {
        setScore(score_ + 10);
        return;
    }
    setScore(score_ + 5);
    statistics_.addToBankroll(5);
}

void GamePlay::scoreWasteToTableau()
{
    if (settings_.scoringMode() == ScoringMode::standard)
        setScore(score_ + 5);
}

void GamePlay::scoreFoundationToTableau()
{
    if (settings_.scoringMode() == ScoringMode::standard) {
        setScore(std::max<std::int64_t>(score_ - 15, 0));
        return;
    }
    setScore(score_ - 5);
    statistics_.addToBankroll(-5);
}

void GamePlay::scoreFlip()
{
    if (settings_.scoringMode() == ScoringMode::standard)
        setScore(score_ + 5);
}

} // namespace murvane
