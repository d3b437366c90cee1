// Engine hot paths on realistic positions. The baseline copies the 52 cards
// of a position once, which is the floor for any operation that snapshots.

#include "engine/SolitaireGame.h"
#include "engine/GamePlayTestPeer.h"
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
                for (int i = 0; i < game->play().tableau()[c].size() && !moved; ++i) {
                    const auto targets = moves::legalTargets(game->play().table(), DragSource::tableau(c, i));
                    if (!targets.isEmpty()) {
                        game->play().moveIfLegal(DragSource::tableau(c, i), targets.first(), drag);
                        moved = true;
                    }
                }
            if (!moved)
                game->play().drawFromStock(drag);
        }
    }
};

void BM_BaselineCopyPosition(benchmark::State& state)
{
    Midgame m;
    for (auto _ : state) {
        GameSnapshot s{m.game->play().stock(), m.game->play().waste(), m.game->play().foundations(), m.game->play().tableau(), 0, 0, false, 0};
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
        n += moves::legalTargets(m.game->play().table(), DragSource::waste()).size();
        for (int f = 0; f < kFoundationCount; ++f)
            n += moves::legalTargets(m.game->play().table(), DragSource::foundation(f)).size();
        for (int c = 0; c < kColumnCount; ++c)
            for (int i = 0; i < m.game->play().tableau()[c].size(); ++i)
                n += moves::legalTargets(m.game->play().table(), DragSource::tableau(c, i)).size();
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_LegalTargetsAllSources);

void BM_MoveAndUndo(benchmark::State& state)
{
    Midgame m;
    for (auto _ : state) {
        m.game->play().drawFromStock(m.drag);
        m.game->play().undo(m.drag);
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
            m.game->session().newDeal();
        m.game->play().drawFromStock(m.drag);
        QList<Card> candidates = m.game->play().waste().isEmpty() ? QList<Card>{} : QList<Card>{m.game->play().waste().last()};
        for (const Pile& col : m.game->play().tableau())
            for (const Card& c : col)
                if (c.isFaceUp)
                    candidates.append(c);
        for (const Card& c : candidates) {
            const auto before = m.game->play().history().undoSteps().size();
            m.game->play().moveToBestSpot(c, m.drag);
            if (m.game->play().history().undoSteps().size() > before) {
                m.game->play().undo(m.drag);
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
        m.game->play().moveToBestSpot(*card, m.drag);
        m.game->play().undo(m.drag);
    }
}
BENCHMARK(BM_MoveToBestSpotAndUndo);

// New Deal replacing a started deal: the streak rule, the shuffle and the
// bookkeeping around it (no solver: an unverified game).
void BM_NewDealAfterAMove(benchmark::State& state)
{
    Midgame m;
    for (auto _ : state) {
        m.game->play().drawFromStock(m.drag);
        m.game->session().newDeal();
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
