#include "engine/GameStatistics.h"

#include "engine/StoredSettings.h"

#include <algorithm>
#include <limits>

namespace murvane {

namespace {

struct CounterSlot {
    const StoredSetting<std::int64_t>* setting;
    void (GameStatistics::*changed)();
};

// In the order of GameStatistics::Counter.
const CounterSlot kCounterSlots[] = {
    {&stored::dealsCount, &GameStatistics::dealsCountChanged},
    {&stored::solvedCount, &GameStatistics::solvedCountChanged},
    {&stored::currentStreak, &GameStatistics::currentStreakChanged},
    {&stored::bestStreak, &GameStatistics::bestStreakChanged},
    {&stored::bestScore, &GameStatistics::bestScoreChanged},
    {&stored::vegasBankroll, &GameStatistics::vegasBankrollChanged},
};

constexpr DealOutcome kOutcomes[] = {DealOutcome::won, DealOutcome::lost, DealOutcome::abandoned, DealOutcome::shown};

} // namespace

std::int64_t addSaturating(std::int64_t a, std::int64_t b)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
    return sum;
}

GameStatistics::GameStatistics(SettingsStore& store, QObject* parent) : QObject(parent), store_(store)
{
    for (int c = 0; c < kCounters; ++c)
        values_[std::size_t(c)] = readSetting(store_, *kCounterSlots[c].setting);
    for (int i = 0; i < kRuleSets; ++i)
        tallies_[std::size_t(i)] = {readSetting(store_, stored::ruleSetCounters[i].played),
                                    readSetting(store_, stored::ruleSetCounters[i].won)};
    for (int i = 0; i < kRuleSets; ++i) {
        // A record must have moves and no negative time; anything else is none.
        const TimedRecord r{readSetting(store_, stored::ruleSetRecords[i].fastestWinMs),
                            readSetting(store_, stored::ruleSetRecords[i].fewestMoves)};
        if (r.exists() && r.fastestWinMs >= 0)
            records_[std::size_t(i)] = r;
    }
    // Anything but the outcome letters is not ours and is skipped.
    for (QChar c : readSetting(store_, stored::recentDeals).right(kRecentLimit * 4))
        for (DealOutcome o : kOutcomes)
            if (c == QLatin1Char(char(o)))
                recent_.append(o);
    while (recent_.size() > kRecentLimit)
        recent_.removeFirst();
    daily_ = DailyRecord::fromStored(readSetting(store_, stored::dailyPlayedDays),
                                     readSetting(store_, stored::dailyWonDays));
}

// Every assignment writes through, changed or not; observers hear only of
// real changes.
void GameStatistics::set(Counter which, std::int64_t value)
{
    const CounterSlot& slot = kCounterSlots[which];
    const bool isChange = values_[std::size_t(which)] != value;
    values_[std::size_t(which)] = value;
    writeSetting(store_, *slot.setting, value);
    if (isChange)
        Q_EMIT(this->*slot.changed)();
}

void GameStatistics::setTally(int ruleSet, const RuleSetTally& tally)
{
    tallies_[std::size_t(ruleSet)] = tally;
    writeSetting(store_, stored::ruleSetCounters[ruleSet].played, tally.played);
    writeSetting(store_, stored::ruleSetCounters[ruleSet].won, tally.won);
}

void GameStatistics::setTimedRecord(int ruleSet, const TimedRecord& record)
{
    records_[std::size_t(ruleSet)] = record;
    writeSetting(store_, stored::ruleSetRecords[ruleSet].fastestWinMs, record.fastestWinMs);
    writeSetting(store_, stored::ruleSetRecords[ruleSet].fewestMoves, record.fewestMoves);
}

void GameStatistics::writeRecent()
{
    QString text;
    for (DealOutcome o : recent_)
        text += QLatin1Char(char(o));
    writeSetting(store_, stored::recentDeals, text);
}

void GameStatistics::record(DealOutcome outcome)
{
    recent_.append(outcome);
    if (recent_.size() > kRecentLimit)
        recent_.removeFirst();
    writeRecent();
    Q_EMIT changed();
}

int GameStatistics::ruleSetIndex(DrawMode draw, ScoringMode scoring)
{
    return (draw == DrawMode::three() ? 1 : 0) + (scoring == ScoringMode::vegas ? 2 : 0);
}

void GameStatistics::countDealStarted(int ruleSet)
{
    set(deals, addSaturating(dealsCount(), 1));
    RuleSetTally t = tally(ruleSet);
    t.played = addSaturating(t.played, 1);
    setTally(ruleSet, t);
    Q_EMIT changed();
}

void GameStatistics::countWin(int ruleSet, std::int64_t score)
{
    set(solved, addSaturating(solvedCount(), 1));
    set(currentStreakValue, addSaturating(currentStreak(), 1));
    if (bestStreak() < currentStreak())
        set(bestStreakValue, currentStreak());
    if (bestScore() < score)
        set(bestScoreValue, score);
    RuleSetTally t = tally(ruleSet);
    t.won = addSaturating(t.won, 1);
    setTally(ruleSet, t);
    record(DealOutcome::won);
}

void GameStatistics::countTimedWin(int ruleSet, std::int64_t elapsedMs, std::int64_t moves)
{
    if (moves < 1 || elapsedMs < 0)
        return;
    const TimedRecord was = timedRecord(ruleSet);
    const TimedRecord now = was.exists() ? TimedRecord{std::min(was.fastestWinMs, elapsedMs), std::min(was.fewestMoves, moves)}
                                         : TimedRecord{elapsedMs, moves};
    if (now == was)
        return;
    setTimedRecord(ruleSet, now);
    Q_EMIT changed();
}

void GameStatistics::countEnded(DealOutcome outcome)
{
    set(currentStreakValue, 0);
    record(outcome);
}

std::int64_t GameStatistics::bankrollAfter(std::int64_t from, std::int64_t delta)
{
    const std::int64_t sum = addSaturating(from, delta);
    return delta < 0 ? std::max(sum, kVegasBankrollFloor) : sum;
}

void GameStatistics::addToBankroll(std::int64_t delta)
{
    set(bankroll, bankrollAfter(vegasBankroll(), delta));
}

void GameStatistics::setVegasBankroll(std::int64_t value)
{
    set(bankroll, value);
}

void GameStatistics::writeDaily()
{
    writeSetting(store_, stored::dailyPlayedDays, daily_.playedText());
    writeSetting(store_, stored::dailyWonDays, daily_.wonText());
    Q_EMIT changed();
}

void GameStatistics::countDailyPlayed(const QDate& date)
{
    if (daily_.markPlayed(date))
        writeDaily();
}

void GameStatistics::countDailyWon(const QDate& date)
{
    if (daily_.markWon(date))
        writeDaily();
}

void GameStatistics::reset()
{
    for (int c = 0; c < kCounters; ++c)
        set(Counter(c), 0);
    for (int i = 0; i < kRuleSets; ++i) {
        setTally(i, {});
        // Written only where a record exists: a store that never had one
        // keeps no keys of it.
        if (timedRecord(i).exists())
            setTimedRecord(i, {});
    }
    recent_.clear();
    writeRecent();
    daily_ = {};
    writeDaily();
}

} // namespace murvane
