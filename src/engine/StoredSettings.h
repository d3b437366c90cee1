#pragma once
// Every stored setting and statistic, declared once: its key, its type, the
// value a missing or unusable entry reads as, and when an assignment writes
// it. The game reads and writes them only through readSetting/writeSetting.

#include "cards/Settings.h"
#include "persistence/SettingsKeys.h"
#include "persistence/SettingsStore.h"

#include <cstdint>
#include <type_traits>

namespace murvane {

enum class WritePolicy {
    everyAssignment, // written even when the value is unchanged
    onChange,        // an unchanged value writes nothing (and triggers nothing)
};

template <typename T>
struct StoredSetting {
    const QString& key;
    T defaultValue;
    WritePolicy policy;
};

namespace stored {

using W = WritePolicy;
inline const StoredSetting<DrawMode> drawCount{keys::drawCount, DrawMode::one(), W::everyAssignment};
inline const StoredSetting<bool> unlimitedRedeals{keys::unlimitedRedeals, true, W::onChange};
inline const StoredSetting<bool> showsCornerSuit{keys::showsCornerSuit, false, W::onChange};
// Added later: a store without it reads as on.
inline const StoredSetting<bool> tellsWhenLost{keys::tellsWhenLost, true, W::onChange};
inline const StoredSetting<bool> hasSeenWelcome{keys::hasSeenWelcome, false, W::everyAssignment};
inline const StoredSetting<ScoringMode> scoringMode{keys::scoringMode, ScoringMode::standard, W::onChange};
inline const StoredSetting<BoardSize> boardSize{keys::boardSize, BoardSize::standard, W::everyAssignment};
inline const StoredSetting<AutoCompleteMode> autoCompleteMode{keys::autoCompleteMode, AutoCompleteMode::enabled,
                                                              W::everyAssignment};
inline const StoredSetting<MenuBarIconOption> menuBarIcon{keys::menuBarIcon, MenuBarIconOption::spade,
                                                          W::everyAssignment};
inline const StoredSetting<CardBackTheme> cardTheme{keys::cardTheme, CardBackTheme::onyx, W::everyAssignment};
inline const StoredSetting<std::int64_t> dealsCount{keys::dealsCount, 0, W::everyAssignment};
inline const StoredSetting<std::int64_t> solvedCount{keys::solvedCount, 0, W::everyAssignment};
inline const StoredSetting<std::int64_t> currentStreak{keys::currentStreak, 0, W::everyAssignment};
inline const StoredSetting<std::int64_t> bestStreak{keys::bestStreak, 0, W::everyAssignment};
inline const StoredSetting<std::int64_t> bestScore{keys::bestScore, 0, W::everyAssignment};
inline const StoredSetting<std::int64_t> vegasBankroll{keys::vegasBankroll, 0, W::everyAssignment};

// Per rule set, in the order of GameStatistics::ruleSetIndex: Draw 1
// Standard, Draw 3 Standard, Draw 1 Vegas, Draw 3 Vegas.
struct RuleSetCounters {
    StoredSetting<std::int64_t> played;
    StoredSetting<std::int64_t> won;
};
inline const RuleSetCounters ruleSetCounters[4] = {
    {{keys::draw1StandardPlayed, 0, W::everyAssignment}, {keys::draw1StandardWon, 0, W::everyAssignment}},
    {{keys::draw3StandardPlayed, 0, W::everyAssignment}, {keys::draw3StandardWon, 0, W::everyAssignment}},
    {{keys::draw1VegasPlayed, 0, W::everyAssignment}, {keys::draw1VegasWon, 0, W::everyAssignment}},
    {{keys::draw3VegasPlayed, 0, W::everyAssignment}, {keys::draw3VegasWon, 0, W::everyAssignment}},
};
inline const StoredSetting<QString> recentDeals{keys::recentDeals, QString(), W::everyAssignment};
// Added later: a store without it reads as off, the classic two colours.
inline const StoredSetting<bool> fourColourSuits{keys::fourColourSuits, false, W::onChange};
inline const StoredSetting<QString> dailyPlayedDays{keys::dailyPlayedDays, QString(), W::everyAssignment};
inline const StoredSetting<QString> dailyWonDays{keys::dailyWonDays, QString(), W::everyAssignment};
inline const StoredSetting<bool> showsTimeAndMoves{keys::showsTimeAndMoves, false, W::onChange};
// The best timed win per rule set, in the same order.
struct RuleSetRecords {
    StoredSetting<std::int64_t> fastestWinMs;
    StoredSetting<std::int64_t> fewestMoves;
};
inline const RuleSetRecords ruleSetRecords[4] = {
    {{keys::draw1StandardFastestWin, 0, W::everyAssignment}, {keys::draw1StandardFewestMoves, 0, W::everyAssignment}},
    {{keys::draw3StandardFastestWin, 0, W::everyAssignment}, {keys::draw3StandardFewestMoves, 0, W::everyAssignment}},
    {{keys::draw1VegasFastestWin, 0, W::everyAssignment}, {keys::draw1VegasFewestMoves, 0, W::everyAssignment}},
    {{keys::draw3VegasFastestWin, 0, W::everyAssignment}, {keys::draw3VegasFewestMoves, 0, W::everyAssignment}},
};

} // namespace stored

template <typename T>
T readSetting(const SettingsStore& store, const StoredSetting<T>& setting)
{
    if (!store.hasObjectForKey(setting.key))
        return setting.defaultValue;
    if constexpr (std::is_same_v<T, bool>) {
        return store.boolForKey(setting.key);
    } else if constexpr (std::is_same_v<T, std::int64_t>) {
        return store.integerForKey(setting.key);
    } else if constexpr (std::is_same_v<T, DrawMode>) {
        return DrawMode::fromCount(store.integerForKey(setting.key));
    } else if constexpr (std::is_same_v<T, QString>) {
        return store.stringForKey(setting.key).value_or(setting.defaultValue);
    } else {
        if (const auto raw = store.stringForKey(setting.key))
            if (const auto value = enumFromRaw<T>(*raw))
                return *value;
        return setting.defaultValue;
    }
}

template <typename T>
void writeSetting(SettingsStore& store, const StoredSetting<T>& setting, const T& value)
{
    if constexpr (std::is_same_v<T, bool>)
        store.setBool(setting.key, value);
    else if constexpr (std::is_same_v<T, std::int64_t>)
        store.setInteger(setting.key, value);
    else if constexpr (std::is_same_v<T, DrawMode>)
        store.setInteger(setting.key, value.count());
    else if constexpr (std::is_same_v<T, QString>)
        store.setString(setting.key, value);
    else
        store.setString(setting.key, rawValue(value));
}

} // namespace murvane
