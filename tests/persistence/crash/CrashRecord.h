#pragma once
// What the crash-test writer stores for sequence number n, and how the test
// tells which n a store holds. Every key carries n, so a store mixing two
// writes (a torn or half-applied flush) shows up as keys that disagree.

#include "../SavedGameTestSupport.h"

#include "persistence/SettingsKeys.h"
#include "persistence/SettingsStore.h"

#include <optional>

namespace murvane::crashtest {

struct IntegerKey {
    const QString& key;
    std::int64_t factor;
    std::int64_t offset;
};

inline const IntegerKey kIntegerKeys[] = {
    {keys::dealsCount, 1, 0}, {keys::solvedCount, 2, 1}, {keys::currentStreak, 3, -2},
    {keys::bestStreak, -5, 7}, {keys::bestScore, 1000, 0}, {keys::vegasBankroll, -52, -100},
};

inline QString themeFor(std::int64_t n)
{
    // Varying length, so a file cut short cannot pass for a complete one.
    return QStringLiteral("theme-%1-").arg(n) + QString(int(n % 40), QLatin1Char('x'));
}

inline SavedGame gameFor(std::int64_t n)
{
    SavedGame game = testing::sampleGame();
    game.score = n;
    game.redealsUsed = n % 5;
    game.wasAutoCompleting = n % 2 == 0;
    if (n % 3 == 0)
        game.passesAllowed = 3;
    return game;
}

inline void writeRecord(SettingsStore& store, std::int64_t n)
{
    for (const IntegerKey& k : kIntegerKeys)
        store.setInteger(k.key, n * k.factor + k.offset);
    store.setBool(keys::hasSeenWelcome, n % 2 == 1);
    store.setBool(keys::unlimitedRedeals, n % 3 != 0);
    store.setString(keys::cardTheme, themeFor(n));
    store.setString(keys::scoringMode, n % 2 ? QStringLiteral("Vegas") : QStringLiteral("Standard"));
    store.setData(keys::savedGame, encodeSavedGame(gameFor(n)));
}

// The sequence number the store holds, or a description of what is wrong.
struct Verdict {
    std::optional<std::int64_t> sequence;
    QString problem;
};

inline Verdict readRecord(const SettingsStore& store)
{
    if (!store.hasObjectForKey(keys::dealsCount))
        return {0, {}}; // nothing written yet
    const std::int64_t n = store.integerForKey(keys::dealsCount);
    auto fail = [](const QString& why) { return Verdict{std::nullopt, why}; };
    for (const IntegerKey& k : kIntegerKeys) {
        if (store.integerForKey(k.key) != n * k.factor + k.offset)
            return fail(k.key + QStringLiteral(" disagrees with sequence %1").arg(n));
    }
    if (store.boolForKey(keys::hasSeenWelcome) != (n % 2 == 1)
        || store.boolForKey(keys::unlimitedRedeals) != (n % 3 != 0))
        return fail(QStringLiteral("a Boolean disagrees with sequence %1").arg(n));
    if (store.stringForKey(keys::cardTheme) != themeFor(n)
        || store.stringForKey(keys::scoringMode) != (n % 2 ? "Vegas" : "Standard"))
        return fail(QStringLiteral("a string disagrees with sequence %1").arg(n));
    const auto data = store.dataForKey(keys::savedGame);
    const auto game = data ? decodeSavedGame(*data) : std::nullopt;
    if (!game || !isConsistentPosition(*game) || *game != gameFor(n))
        return fail(QStringLiteral("the saved game is not the one of sequence %1").arg(n));
    return {n, {}};
}

} // namespace murvane::crashtest
