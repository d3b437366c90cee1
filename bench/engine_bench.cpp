// Engine hot paths on realistic positions. The baseline copies the 52 cards
// of a position once, which is the floor for any operation that snapshots.

#include "engine/SolitaireGame.h"
#include "persistence/SettingsStore.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

using namespace murvane;

namespace {

void ensureApp()
{
    static int argc = 1;
    static char name[] = "engine_bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    (void)app;
}

// A game a few dozen random moves into its deal, so columns have runs.
struct Midgame {
    InMemorySettingsStore store;
    DragState drag;
    std::unique_ptr<SolitaireGame> game;
    Midgame()
    {
        ensureApp();
        store.setString(QStringLiteral("Murvane_AutoCompleteMode"), QStringLiteral("Disabled"));
        game = std::make_unique<SolitaireGame>(store, false);
        for (int step = 0; step < 120; ++step) {
            bool moved = false;
            for (int c = 0; c < kColumnCount && !moved; ++c)
                for (int i = 0; i < game->tableau()[c].size() && !moved; ++i) {
                    const auto targets = game->legalTargets(DragSource::tableau(c, i));
                    if (!targets.isEmpty()) {
                        game->moveIfLegal(DragSource::tableau(c, i), targets.first(), drag);
                        moved = true;
                    }
                }
            if (!moved)
                game->drawFromStock(drag);
        }
    }
};

void BM_BaselineCopyPosition(benchmark::State& state)
{
    Midgame m;
    for (auto _ : state) {
        GameSnapshot s{m.game->stock(), m.game->waste(), m.game->foundations(), m.game->tableau(), 0, 0, false, 0};
        for (Pile& p : s.tableau)
            p.detach();
        s.stock.detach();
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_BaselineCopyPosition);

void BM_LegalTargetsAllSources(benchmark::State& state)
{
    Midgame m;
    for (auto _ : state) {
        int n = 0;
        n += m.game->legalTargets(DragSource::waste()).size();
        for (int f = 0; f < kFoundationCount; ++f)
            n += m.game->legalTargets(DragSource::foundation(f)).size();
        for (int c = 0; c < kColumnCount; ++c)
            for (int i = 0; i < m.game->tableau()[c].size(); ++i)
                n += m.game->legalTargets(DragSource::tableau(c, i)).size();
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_LegalTargetsAllSources);

void BM_MoveAndUndo(benchmark::State& state)
{
    Midgame m;
    for (auto _ : state) {
        m.game->drawFromStock(m.drag);
        m.game->undo(m.drag);
    }
}
BENCHMARK(BM_MoveAndUndo);

void BM_MoveToBestSpotAndUndo(benchmark::State& state)
{
    Midgame m;
    // The top card of the first column that has somewhere to go.
    Card card = m.game->waste().isEmpty() ? m.game->tableau()[0].last() : m.game->waste().last();
    for (int c = 0; c < kColumnCount; ++c)
        if (!m.game->tableau()[c].isEmpty() && !m.game->legalTargets(DragSource::tableau(c, int(m.game->tableau()[c].size()) - 1)).isEmpty())
            card = m.game->tableau()[c].last();
    for (auto _ : state) {
        m.game->moveToBestSpot(card, m.drag);
        m.game->undo(m.drag);
    }
}
BENCHMARK(BM_MoveToBestSpotAndUndo);

void BM_MakeShuffledDeal(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(SolitaireGame::makeShuffledDeal());
}
BENCHMARK(BM_MakeShuffledDeal);

} // namespace
