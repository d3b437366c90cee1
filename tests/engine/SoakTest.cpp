// Long random sequences of every user operation, with the table invariants
// checked after each one. Seeded, so a failure can be replayed.

#include "support/Positions.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <random>

using namespace murvane;
using namespace murvane::testing;

namespace {

// A plausible board geometry for drops: foundations on top, columns below.
QHash<DropSlot, QRectF> boardFrames()
{
    QHash<DropSlot, QRectF> f;
    for (int i = 0; i < 4; ++i)
        f.insert(DropSlot::foundation(i), QRectF(150 + i * 50, 40, 44, 64));
    for (int i = 0; i < 7; ++i)
        f.insert(DropSlot::tableau(i), QRectF(5 + i * 52, 120, 44, 64));
    return f;
}

DragSource randomSource(const SolitaireGame& game, std::mt19937& rng)
{
    switch (rng() % 3) {
    case 0:
        return DragSource::waste();
    case 1:
        return DragSource::foundation(int(rng() % 5) - (rng() % 8 == 0 ? 1 : 0));
    default: {
        const int col = int(rng() % 8);
        const int size = col < kColumnCount ? int(game.play().tableau()[col].size()) : 0;
        return DragSource::tableau(col, size > 0 ? int(rng() % (size + 1)) : 0);
    }
    }
}

const Card* randomCard(const SolitaireGame& game, std::mt19937& rng)
{
    QList<const Card*> all;
    for (const Card& c : game.play().waste())
        all.append(&c);
    for (const Pile& p : game.play().foundations())
        for (const Card& c : p)
            all.append(&c);
    for (const Pile& p : game.play().tableau())
        for (const Card& c : p)
            all.append(&c);
    return all.isEmpty() ? nullptr : all[int(rng() % all.size())];
}

} // namespace

TEST(SoakTest, RandomOperationsKeepEveryInvariant)
{
    const QHash<DropSlot, QRectF> frames = boardFrames();
    for (unsigned seed = 1; seed <= 6; ++seed) {
        std::mt19937 rng(seed);
        InMemorySettingsStore store;
        DragState drag;
        SolitaireGame game(store, false);
        for (int step = 0; step < 4000; ++step) {
            const unsigned op = rng() % 100;
            if (op < 25) {
                game.play().drawFromStock(drag);
            } else if (op < 45) {
                const DragSource source = randomSource(game, rng);
                const auto targets = moves::legalTargets(game.play().table(), source);
                if (!targets.isEmpty())
                    game.play().moveIfLegal(source, targets[int(rng() % targets.size())], drag);
            } else if (op < 60) {
                if (const Card* card = randomCard(game, rng))
                    game.play().moveToBestSpot(Card(*card), drag);
            } else if (op < 72) {
                drag.setDragSource(randomSource(game, rng));
                game.play().dropDraggedCards(frames, drag, QPointF(rng() % 420, rng() % 400));
            } else if (op < 80) {
                moveFocusedPile(game.play(), BoardFocus::tableau(int(rng() % 7)), int(rng() % 7), drag);
            } else if (op < 90) {
                game.play().undo(drag);
            } else if (op < 92) {
                if (game.play().isAutoCompleting())
                    peer(game.play()).finishAutoCompleteStep();
            } else if (op < 94) {
                game.session().newDeal();
            } else if (op < 96) {
                game.settings().setDrawMode(DrawMode::fromCount(rng() % 2 ? 3 : 1));
            } else if (op < 97) {
                game.settings().setScoringMode(rng() % 2 ? ScoringMode::vegas : ScoringMode::standard);
            } else if (op < 98) {
                game.settings().setUnlimitedRedeals(rng() % 2);
            } else if (op < 99) {
                game.settings().setAutoCompleteMode(rng() % 2 ? AutoCompleteMode::enabled : AutoCompleteMode::disabled);
            } else {
                game.session().resetStatistics();
            }
            // Let pending saves run now and then, as the event loop would.
            if (step % 50 == 0)
                QCoreApplication::processEvents();
            ASSERT_TRUE(invariantsHold(game)) << "seed " << seed << " step " << step;
            ASSERT_LE(game.play().history().undoSteps().size(), UndoHistory::kLimit);
            ASSERT_GE(game.statistics().vegasBankroll(), GameStatistics::kVegasBankrollFloor);
            if (game.settings().scoringMode() == ScoringMode::standard) {
                ASSERT_GE(game.play().score(), 0);
            }
        }
    }
}
