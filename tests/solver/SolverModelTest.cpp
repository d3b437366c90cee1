// The solver's position model: card codes, move generation and ordering,
// apply/undo and the position hash.

#include "ReferenceSolver.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>

namespace murvane::solver {
namespace {

using testing::card;
using testing::move;
using testing::pile;
using testing::Position;
using testing::Rules;
using Kind = SolverMove::Kind;

TEST(SolverCardCode, PacksIndexAndFaceUpBit)
{
    EXPECT_EQ(cardCode(0, 1, false), 0);  // Ace of spades
    EXPECT_EQ(cardCode(1, 5, false), 17); // five of hearts
    EXPECT_EQ(cardCode(1, 5, true), 81);
    EXPECT_EQ(cardCode(3, 13, false), 51); // King of clubs
    EXPECT_EQ(codeSuit(81), 1);
    EXPECT_EQ(codeRankIndex(81), 4);
    EXPECT_TRUE(codeIsFaceUp(81));
    EXPECT_FALSE(codeIsRed(cardCode(0, 7, true)));
    EXPECT_TRUE(codeIsRed(cardCode(1, 7, true)));
    EXPECT_TRUE(codeIsRed(cardCode(2, 7, false)));
    EXPECT_FALSE(codeIsRed(cardCode(3, 7, false)));
}

TEST(SolverCardCode, OnlyTableauCodesKeepTheFaceUpBit)
{
    Position p;
    p.tableau[0] = pile("2C 5H*");
    p.stock = pile("AS*");
    p.waste = pile("KD*");
    SolverSearch s = testing::makeSearch(p);
    EXPECT_EQ(s.column(0).toVector(), (std::vector<CardCode>{40, 81})); // two of clubs, five of hearts
    EXPECT_EQ(s.stock().toVector(), (std::vector<CardCode>{0}));
    EXPECT_EQ(s.waste().toVector(), (std::vector<CardCode>{38}));
}

TEST(SolverMoves, KingAtTheBottomOfItsColumnNeverMovesToAnEmptyColumn)
{
    Position p;
    p.tableau[0] = pile("KS*");
    p.tableau[1] = pile("2C KH*");
    SolverSearch s = testing::makeSearch(p);
    std::vector<SolverMove> runs;
    for (const SolverMove& m : testing::generated(s))
        if (m.kind == Kind::tableauToTableau)
            runs.push_back(m);
    // Only the King above a face-down card moves, to each empty column, uncovering it.
    std::vector<SolverMove> expected;
    for (int k = 2; k < 7; ++k)
        expected.push_back(move(Kind::tableauToTableau, 1, 1, k, 1, 1));
    EXPECT_EQ(runs, expected);
}

TEST(SolverMoves, GenerationOrderAndBucketOrder)
{
    Position p;
    p.tableau[0] = pile("3D 6C*"); // 6C onto 7D uncovers 3D
    p.tableau[1] = pile("AS*");    // home
    p.tableau[2] = pile("8S*");
    p.tableau[3] = pile("7D*"); // onto 8S, nothing uncovered
    p.tableau[4] = pile("9H");
    p.tableau[5] = pile("TD");
    p.tableau[6] = pile("JD");
    p.waste = pile("7H"); // home on six hearts, or onto 8S
    p.stock = pile("2H");
    p.foundation = {0, 6, 0, 0};
    SolverSearch s = testing::makeSearch(p);

    const std::vector<SolverMove> generation{
        move(Kind::wasteToFoundation, 1, 0, 0, 0, 0),
        move(Kind::wasteToTableau, 2, 0, 0, 0, 2),
        move(Kind::tableauToTableau, 0, 1, 3, 1, 1),
        move(Kind::tableauToFoundation, 1, 0, 0, 0, 0),
        move(Kind::tableauToTableau, 3, 0, 2, 1, 3),
        move(Kind::draw, 1, 0, 0, 0, 4),
    };
    EXPECT_EQ(testing::generated(s), generation);

    const std::vector<SolverMove> byBucket{
        move(Kind::wasteToFoundation, 1, 0, 0, 0, 0),
        move(Kind::tableauToFoundation, 1, 0, 0, 0, 0),
        move(Kind::tableauToTableau, 0, 1, 3, 1, 1),
        move(Kind::wasteToTableau, 2, 0, 0, 0, 2),
        move(Kind::tableauToTableau, 3, 0, 2, 1, 3),
        move(Kind::draw, 1, 0, 0, 0, 4),
    };
    EXPECT_EQ(testing::ordered(s), byBucket);
}

TEST(SolverMoves, OrderingSortsOnlyFromItsStartAndKeepsTiesInPlace)
{
    Position p;
    p.tableau[0] = pile("KS*");
    p.tableau[1] = pile("QH*");
    p.tableau[2] = pile("QD*");
    p.waste = pile("JC");
    p.stock = pile("2C");
    SolverSearch s = testing::makeSearch(p);
    std::vector<SolverMove> moves = testing::generated(s);
    const std::size_t first = moves.size();
    const std::vector<SolverMove> again = testing::generated(s); // a second copy after the first
    moves.insert(moves.end(), again.begin(), again.end());
    testing::orderByBucket(moves, first);
    // The first copy is untouched, in generation order.
    EXPECT_EQ(moves[0], move(Kind::wasteToTableau, 1, 0, 0, 0, 2));
    EXPECT_EQ(moves[1], move(Kind::wasteToTableau, 2, 0, 0, 0, 2));
    // The second: the two red Queens onto the King (bucket 3), then the waste
    // moves (bucket 2) before them, each group in generation order.
    EXPECT_EQ(moves[first + 0], move(Kind::wasteToTableau, 1, 0, 0, 0, 2));
    EXPECT_EQ(moves[first + 1], move(Kind::wasteToTableau, 2, 0, 0, 0, 2));
    EXPECT_EQ(moves[first + 2], move(Kind::tableauToTableau, 1, 0, 0, 1, 3));
    EXPECT_EQ(moves[first + 3], move(Kind::tableauToTableau, 2, 0, 0, 1, 3));
    EXPECT_EQ(moves[first + 4], move(Kind::draw, 1, 0, 0, 0, 4));
}

TEST(SolverMoves, StockMoves)
{
    Position empty;
    SolverSearch none = testing::makeSearch(empty);
    EXPECT_TRUE(testing::generated(none).empty()) << "no waste, no stock: no stock move";

    Position two;
    two.stock = pile("2C 3C");
    SolverSearch draw3 = testing::makeSearch(two, Rules{3, 10, std::nullopt});
    EXPECT_EQ(testing::generated(draw3), (std::vector<SolverMove>{move(Kind::draw, 2, 0, 0, 0, 4)}));

    Position spent;
    spent.waste = pile("2C 3C");
    SolverSearch unlimited = testing::makeSearch(spent, Rules{1, 10, std::nullopt});
    EXPECT_EQ(testing::generated(unlimited), (std::vector<SolverMove>{move(Kind::recycle, 0, 0, 0, 0, 5)}));
    SolverSearch onePass = testing::makeSearch(spent, Rules{1, 10, 0});
    EXPECT_TRUE(testing::generated(onePass).empty()) << "no recycle with a limit of 0";
}

TEST(SolverMoves, EmptyWasteGivesNoWasteMoves)
{
    Position p;
    p.tableau[0] = pile("8S*");
    p.stock = pile("7H");
    SolverSearch s = testing::makeSearch(p);
    for (const SolverMove& m : testing::generated(s)) {
        EXPECT_NE(m.kind, Kind::wasteToFoundation);
        EXPECT_NE(m.kind, Kind::wasteToTableau);
    }
}

TEST(SolverApply, FoundationUndoRecreatesTheCardFromTheCount)
{
    Position p;
    p.tableau[0] = pile("2C 5H*");
    p.waste = pile("5D");
    p.foundation = {0, 4, 4, 0};
    SolverSearch s = testing::makeSearch(p);
    const testing::Snapshot before = testing::snapshot(s);

    const SolverMove home = move(Kind::tableauToFoundation, 0, 1, 0, 0, 0);
    const bool flipped = s.apply(home);
    EXPECT_TRUE(flipped);
    EXPECT_EQ(s.foundation()[1], 5);
    EXPECT_EQ(s.column(0).toVector(), (std::vector<CardCode>{40 | kFaceUpBit})); // two of clubs turned up
    s.undo(home, flipped);
    EXPECT_EQ(s.column(0).top(), 81) << "five of hearts, face up";
    EXPECT_EQ(testing::snapshot(s), before);

    const SolverMove wasteHome = move(Kind::wasteToFoundation, 2, 0, 0, 0, 0);
    EXPECT_FALSE(s.apply(wasteHome));
    EXPECT_TRUE(s.waste().empty());
    s.undo(wasteHome, false);
    EXPECT_EQ(s.waste().top(), 30) << "five of diamonds, without the face-up bit";
    EXPECT_EQ(testing::snapshot(s), before);
}

TEST(SolverHash, FaceUpBitsAndRecyclesAreHashed)
{
    Position down;
    down.tableau[0] = pile("2C 5H*");
    Position up = down;
    up.tableau[0] = pile("2C* 5H*");
    SolverSearch a = testing::makeSearch(down);
    SolverSearch b = testing::makeSearch(up);
    EXPECT_NE(a.positionHash(), b.positionHash());
    EXPECT_NE(a.positionKey(), b.positionKey());

    Position p;
    p.stock = pile("AS 2S");
    SolverSearch limited = testing::makeSearch(p, Rules{3, 10, 2});
    SolverSearch unlimited = testing::makeSearch(p, Rules{3, 10, std::nullopt});
    const std::uint64_t start = limited.positionHash();
    const PositionKey startKey = limited.positionKey();
    EXPECT_EQ(start, unlimited.positionHash()) << "the draw count and the limit are not hashed";
    for (SolverSearch* s : {&limited, &unlimited}) {
        s->apply(move(Kind::draw, 2, 0, 0, 0, 4));
        s->apply(move(Kind::recycle, 0, 0, 0, 0, 5));
    }
    EXPECT_EQ(limited.recycles(), 1);
    EXPECT_EQ(unlimited.recycles(), 0) << "recycles are counted only under a limit";
    EXPECT_NE(limited.positionHash(), start);
    EXPECT_EQ(unlimited.positionHash(), start);
    // The key tells positions apart exactly where the hash does.
    EXPECT_NE(limited.positionKey(), startKey);
    EXPECT_EQ(unlimited.positionKey(), startKey);
}

TEST(SolverHash, MatchesAPlainFnv1aOverThePositionBytes)
{
    // Column 0 holds the face-up five of hearts; everything else is empty.
    Position p;
    p.tableau[0] = pile("5H*");
    p.stock = pile("AS");
    p.waste = pile("KC");
    p.foundation = {0, 4, 0, 0};
    std::uint64_t h = 0xCBF29CE484222325ULL;
    const auto mix = [&h](std::uint64_t x) { h = (h ^ x) * 0x100000001B3ULL; };
    for (const std::uint64_t byte : {81, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 4, 0, 0, 0xFE, 0, 0xFD, 51})
        mix(byte);
    const std::uint64_t expected = (h ^ 0 ^ 0xFC) * 0x100000001B3ULL;
    SolverSearch s = testing::makeSearch(p);
    EXPECT_EQ(s.positionHash(), expected);
    EXPECT_EQ(s.recomputeHash(), expected);
}

// Random positions reached by play from random deals, with random rules.
struct Walk {
    explicit Walk(std::uint64_t seed) : random(seed) {}
    std::mt19937_64 random;
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
};

// A position no game reaches: cards dealt at random over all piles, face-up
// cards anywhere in the columns, random foundation counts. The rules still
// apply to it literally.
testing::Position unusualPosition(Walk& walk)
{
    const Deck deck = testing::shuffledDeck(walk.random);
    testing::Position p;
    const int kept = 20 + walk.pick(33);
    for (int i = 0; i < kept; ++i) {
        SolverCard c = deck[static_cast<std::size_t>(i)];
        const int where = walk.pick(10);
        if (where < 7) {
            c.isFaceUp = walk.pick(3) != 0;
            p.tableau[static_cast<std::size_t>(where)].push_back(c);
        } else if (where < 9) {
            p.stock.push_back(c);
        } else {
            p.waste.push_back(c);
        }
    }
    for (int& n : p.foundation)
        n = walk.pick(14);
    return p;
}

reference::Move asReference(const SolverMove& m)
{
    return {static_cast<int>(m.kind), m.a, m.b, m.c, m.d, m.bucket};
}

TEST(SolverApply, ApplyThenUndoRestoresEverythingOverLongRandomWalks)
{
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        Walk walk(seed);
        const Rules rules{1 + 2 * walk.pick(2), 1000, walk.pick(2) ? std::optional<int>(2) : std::nullopt};
        SolverSearch s = testing::makeSearch(seed % 3 ? testing::randomDeal(walk.random) : unusualPosition(walk), rules);
        std::vector<std::pair<SolverMove, bool>> path;
        std::vector<testing::Snapshot> before;
        for (int step = 0; step < 3000; ++step) {
            const std::vector<SolverMove> moves = testing::generated(s);
            const bool back = !path.empty() && (moves.empty() || walk.pick(3) == 0);
            if (back) {
                s.undo(path.back().first, path.back().second);
                path.pop_back();
                ASSERT_EQ(testing::snapshot(s), before.back()) << "seed " << seed << " step " << step;
                before.pop_back();
            } else if (!moves.empty()) {
                before.push_back(testing::snapshot(s));
                const SolverMove m = moves[static_cast<std::size_t>(walk.pick(static_cast<int>(moves.size())))];
                path.emplace_back(m, s.apply(m));
            } else {
                break;
            }
            ASSERT_EQ(s.positionHash(), s.recomputeHash()) << "seed " << seed << " step " << step;
            ASSERT_EQ(s.positionKey(), s.recomputeKey()) << "seed " << seed << " step " << step;
        }
        // Unwind completely: the deal comes back, hash and all.
        while (!path.empty()) {
            s.undo(path.back().first, path.back().second);
            path.pop_back();
            ASSERT_EQ(testing::snapshot(s), before.back());
            before.pop_back();
        }
    }
}

TEST(SolverMoves, AgreeWithThePlainRulesAndTheFusedGeneratorOnRandomPositions)
{
    for (std::uint64_t seed = 100; seed < 160; ++seed) {
        Walk walk(seed);
        const Rules rules{1 + 2 * walk.pick(2), 1000, walk.pick(2) ? std::optional<int>(1) : std::nullopt};
        SolverSearch s = testing::makeSearch(seed % 2 ? testing::randomDeal(walk.random) : unusualPosition(walk), rules);
        for (int step = 0; step < 300; ++step) {
            const std::vector<SolverMove> moves = testing::generated(s);
            // The plain second implementation, started from the same piles.
            const testing::Position here = testing::positionOf(s);
            reference::Search plain(here.tableau, here.stock, here.waste, here.foundation, rules.drawCount,
                                    rules.maxNodes, rules.maxRecycles);
            std::vector<reference::Move> expected = plain.movesOfPosition();
            std::vector<reference::Move> actual;
            for (const SolverMove& m : moves)
                actual.push_back(asReference(m));
            // The same bytes, except for the recycle count, which a fresh search starts at 0.
            if (s.recycles() == 0) {
                ASSERT_EQ(plain.hash(), s.positionHash()) << "seed " << seed << " step " << step;
                ASSERT_EQ(actual, expected) << "seed " << seed << " step " << step;
            }

            std::vector<SolverMove> fused;
            s.truncateMoves(0);
            s.generateOrderedMoves();
            for (int i = 0; i < s.moveCount(); ++i)
                fused.push_back(s.move(i));
            s.truncateMoves(0);
            ASSERT_EQ(fused, testing::ordered(s)) << "seed " << seed << " step " << step;

            if (moves.empty())
                break;
            s.apply(moves[static_cast<std::size_t>(walk.pick(static_cast<int>(moves.size())))]);
        }
    }
}

} // namespace
} // namespace murvane::solver
