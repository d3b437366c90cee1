// Saving and restoring the game in progress.
//   BM_Encode          baseline: the record to JSON
//   BM_Decode          JSON to the record, type-checked
//   BM_Restore         decode and validate, as at start-up
//   BM_CoalescedSave   one turn of a move: encode, store the record and a
//                      statistic, end the turn (one atomic file write)
//   BM_SavePerWrite    the same writes, each flushed on its own: what
//                      coalescing saves
// Report the save and restore figures as ratios to BM_Encode of the same run.

#include "persistence/QSettingsStore.h"
#include "persistence/SavedGame.h"
#include "persistence/SettingsKeys.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace murvane;

// A game a few moves into a deal: every pile kind holds cards.
SavedGame typicalGame()
{
    const QString suits[] = {QStringLiteral("\u2660"), QStringLiteral("\u2665"),
        QStringLiteral("\u2666"), QStringLiteral("\u2663")};
    QList<SavedCard> deck;
    for (std::int64_t rank = 13; rank >= 1; --rank) {
        for (const QString& suit : suits) {
            if (rank == 1 && suit == suits[0])
                continue; // on the foundation
            deck.append({suit, rank, false});
        }
    }
    SavedGame game;
    game.foundations = {{{suits[0], 1, true}}, {}, {}, {}};
    game.tableau.resize(7);
    // Columns of 1..7 cards with the top card face up; the order of the
    // remaining deck keeps each column's single face-up card valid.
    for (int column = 0; column < 7; ++column) {
        for (int k = 0; k <= column; ++k) {
            SavedCard card = deck.takeLast();
            card.isFaceUp = k == column;
            game.tableau[column].append(card);
        }
    }
    for (int i = 0; i < 3; ++i) {
        SavedCard card = deck.takeLast();
        card.isFaceUp = true;
        game.waste.append(card);
    }
    game.stock = deck;
    game.score = 15;
    game.hasStartedCurrentDeal = true;
    game.scoringMode = QStringLiteral("Standard");
    return game;
}

QCoreApplication& application()
{
    static int argc = 1;
    static char name[] = "persistence_bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

void BM_Encode(benchmark::State& state)
{
    const SavedGame game = typicalGame();
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeSavedGame(game));
    state.counters["bytes"] = double(encodeSavedGame(game).size());
}
BENCHMARK(BM_Encode)->Unit(benchmark::kMicrosecond);

void BM_Decode(benchmark::State& state)
{
    const QByteArray json = encodeSavedGame(typicalGame());
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeSavedGame(json));
}
BENCHMARK(BM_Decode)->Unit(benchmark::kMicrosecond);

void BM_Restore(benchmark::State& state)
{
    const QByteArray json = encodeSavedGame(typicalGame());
    if (!isConsistentPosition(*decodeSavedGame(json))) {
        state.SkipWithError("sample position is not consistent");
        return;
    }
    for (auto _ : state) {
        const auto game = decodeSavedGame(json);
        benchmark::DoNotOptimize(game && isConsistentPosition(*game));
    }
}
BENCHMARK(BM_Restore)->Unit(benchmark::kMicrosecond);

void BM_CoalescedSave(benchmark::State& state)
{
    application();
    QTemporaryDir dir;
    QSettingsStore store(dir.filePath(QStringLiteral("bench.conf")));
    SavedGame game = typicalGame();
    for (auto _ : state) {
        ++game.score; // a different record each turn, as in play
        store.setData(keys::savedGame, encodeSavedGame(game));
        store.setInteger(keys::dealsCount, game.score);
        QCoreApplication::processEvents(); // end of the turn
    }
    state.counters["flushes_per_turn"] =
        benchmark::Counter(double(store.flushCount()) / double(state.iterations()));
}
BENCHMARK(BM_CoalescedSave)->Unit(benchmark::kMicrosecond);

void BM_SavePerWrite(benchmark::State& state)
{
    application();
    QTemporaryDir dir;
    QSettingsStore store(dir.filePath(QStringLiteral("bench.conf")));
    SavedGame game = typicalGame();
    for (auto _ : state) {
        ++game.score;
        store.setData(keys::savedGame, encodeSavedGame(game));
        store.flush();
        store.setInteger(keys::dealsCount, game.score);
        store.flush();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SavePerWrite)->Unit(benchmark::kMicrosecond);

} // namespace
