// Engine hot paths on realistic positions. The baseline copies the 52 cards
// of a position once, which is the floor for any operation that snapshots.

#include "engine/SolitaireGame.h"
#include "engine/SolitaireGameTestPeer.h"
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
                    const auto targets = peer(*game).legalTargets(DragSource::tableau(c, i));
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
        n += peer(*m.game).legalTargets(DragSource::waste()).size();
        for (int f = 0; f < kFoundationCount; ++f)
            n += peer(*m.game).legalTargets(DragSource::foundation(f)).size();
        for (int c = 0; c < kColumnCount; ++c)
            for (int i = 0; i < m.game->tableau()[c].size(); ++i)
                n += peer(*m.game).legalTargets(DragSource::tableau(c, i)).size();
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
    // The first face-up card that really has somewhere to go, dealing and
    // drawing until there is one.
    std::optional<Card> card;
    for (int attempt = 0; attempt < 2000 && !card; ++attempt) {
        if (attempt % 20 == 0)
            m.game->newDeal();
        m.game->drawFromStock(m.drag);
        QList<Card> candidates = m.game->waste().isEmpty() ? QList<Card>{} : QList<Card>{m.game->waste().last()};
        for (const Pile& col : m.game->tableau())
            for (const Card& c : col)
                if (c.isFaceUp)
                    candidates.append(c);
        for (const Card& c : candidates) {
            const auto before = peer(*m.game).history().size();
            m.game->moveToBestSpot(c, m.drag);
            if (peer(*m.game).history().size() > before) {
                m.game->undo(m.drag);
                card = c;
                break;
            }
        }
    }
    if (!card) {
        state.SkipWithError("no card in this position can move");
        return;
    }
    for (auto _ : state) {
        m.game->moveToBestSpot(*card, m.drag);
        m.game->undo(m.drag);
    }
}
BENCHMARK(BM_MoveToBestSpotAndUndo);

// New Deal replacing a started deal: the streak rule, the shuffle and the
// bookkeeping around it (no solver: an unverified game).
void BM_NewDealAfterAMove(benchmark::State& state)
{
    Midgame m;
    for (auto _ : state) {
        m.game->drawFromStock(m.drag);
        m.game->newDeal();
    }
}
BENCHMARK(BM_NewDealAfterAMove);

void BM_MakeShuffledDeal(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(makeShuffledDeal());
}
BENCHMARK(BM_MakeShuffledDeal);

} // namespace
