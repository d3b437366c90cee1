#include "engine/RuleSetStatistics.h"

#include "engine/StoredSettings.h"

#include <limits>

namespace murvane {

namespace {
std::int64_t plusOne(std::int64_t v)
{
    return v == std::numeric_limits<std::int64_t>::max() ? v : v + 1;
}
} // namespace

RuleSetStatistics::RuleSetStatistics(SettingsStore& store, QObject* parent) : QObject(parent), store_(store)
{
    for (int i = 0; i < kRuleSets; ++i)
        tallies_[std::size_t(i)] = {readSetting(store_, stored::ruleSetCounters[i].played),
                                    readSetting(store_, stored::ruleSetCounters[i].won)};
    // Anything but the three outcome letters is not ours and is skipped.
    for (QChar c : readSetting(store_, stored::recentDeals).right(kRecentLimit * 4)) {
        for (DealOutcome o : {DealOutcome::won, DealOutcome::lost, DealOutcome::abandoned})
            if (c == QLatin1Char(char(o)))
                recent_.append(o);
    }
    while (recent_.size() > kRecentLimit)
        recent_.removeFirst();
}

int RuleSetStatistics::ruleSetIndex(DrawMode draw, ScoringMode scoring)
{
    return (draw == DrawMode::three() ? 1 : 0) + (scoring == ScoringMode::vegas ? 2 : 0);
}

void RuleSetStatistics::countPlayed(int ruleSet)
{
    RuleSetTally& t = tallies_[std::size_t(ruleSet)];
    t.played = plusOne(t.played);
    writeSetting(store_, stored::ruleSetCounters[ruleSet].played, t.played);
    Q_EMIT changed();
}

void RuleSetStatistics::countWon(int ruleSet)
{
    RuleSetTally& t = tallies_[std::size_t(ruleSet)];
    t.won = plusOne(t.won);
    writeSetting(store_, stored::ruleSetCounters[ruleSet].won, t.won);
    Q_EMIT changed();
}

void RuleSetStatistics::record(DealOutcome outcome)
{
    recent_.append(outcome);
    if (recent_.size() > kRecentLimit)
        recent_.removeFirst();
    writeRecent();
    Q_EMIT changed();
}

void RuleSetStatistics::reset()
{
    for (int i = 0; i < kRuleSets; ++i) {
        tallies_[std::size_t(i)] = {};
        writeSetting(store_, stored::ruleSetCounters[i].played, std::int64_t(0));
        writeSetting(store_, stored::ruleSetCounters[i].won, std::int64_t(0));
    }
    recent_.clear();
    writeRecent();
    Q_EMIT changed();
}

void RuleSetStatistics::writeRecent()
{
    QString text;
    for (DealOutcome o : recent_)
        text += QLatin1Char(char(o));
    writeSetting(store_, stored::recentDeals, text);
}

} // namespace murvane
