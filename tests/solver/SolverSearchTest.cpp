// The bounded search: its budget edge, its answers on small positions worked
// out by hand, pinned answers on real deals, and agreement with the plain
// second implementation on many positions.

#include "ReferenceSolver.h"
#include "SolverTestSupport.h"

#include <gtest/gtest.h>

#include <future>
#include <random>
#include <string>
#include <thread>

namespace murvane::solver {
namespace {

using testing::pile;
using testing::Position;
using testing::Rules;

void expectSolve(const Position& p, Rules r, bool winnable, std::int64_t nodes)
{
    const SolveResult result = testing::solvePosition(p, r);
    EXPECT_EQ(result.isWinnable, winnable);
    EXPECT_EQ(result.nodes, nodes);
}

// Spades home to the Jack, everything else home; the Queen and King of
// spades are left in the stock, the King on top.
Position twoSpadesInStock(const char* stock)
{
    Position p;
    p.stock = pile(stock);
    p.foundation = {11, 13, 13, 13};
    return p;
}

TEST(SolverSearch, SmallPositionsWorkedOutByHand)
{
    // Draw 1, stock QS KS: start (1); draw KS (2); KS to column 0 (3); draw
    // QS (4); QS home (5); KS home wins without a new visit.
    expectSolve(twoSpadesInStock("QS KS"), Rules{1, 10000, std::nullopt}, true, 5);
    expectSolve(twoSpadesInStock("QS KS"), Rules{1, 10000, 0}, true, 5);
    // Draw 3: start (1); draw both, QS on top (2); QS home (3); KS home wins.
    expectSolve(twoSpadesInStock("QS KS"), Rules{3, 10000, std::nullopt}, true, 3);
    // Draw 3, QS drawn first and so under KS: start (1); draw (2); KS to
    // column 0 (3); QS home (4); KS home from the column wins.
    expectSolve(twoSpadesInStock("KS QS"), Rules{3, 10000, std::nullopt}, true, 4);
}

TEST(SolverSearch, TheWinningMoveIsNotCountedAgainstTheBudget)
{
    // Same line as above: five positions are visited before the winning move.
    expectSolve(twoSpadesInStock("QS KS"), Rules{1, 5, std::nullopt}, true, 5);
    // With four, the fifth visit (QS home) runs over the budget.
    expectSolve(twoSpadesInStock("QS KS"), Rules{1, 4, std::nullopt}, false, 5);

    // One card from a win: the start is the only position visited.
    Position p;
    p.waste = pile("KS");
    p.foundation = {12, 13, 13, 13};
    expectSolve(p, Rules{1, 1, std::nullopt}, true, 1);
    expectSolve(p, Rules{1, 0, std::nullopt}, false, 1);
}

TEST(SolverSearch, BudgetEdges)
{
    std::mt19937_64 random(7);
    const Position deal = testing::randomDeal(random);
    // The starting position already exceeds a budget of 0.
    expectSolve(deal, Rules{3, 0, std::nullopt}, false, 1);
    expectSolve(deal, Rules{3, -5, std::nullopt}, false, 1);

    Position solved;
    solved.foundation = {13, 13, 13, 13};
    expectSolve(solved, Rules{1, 0, std::nullopt}, true, 0);

    // Nothing to do at all: the start is counted, its frame has no moves.
    Position stuck;
    expectSolve(stuck, Rules{1, 100, std::nullopt}, false, 1);
}

// Deal lines (the shuffled deck, index 0 to 51) with their answers for
// unlimited, Draw 1 limited and Draw 3 limited, each "verdict nodes".
struct PinnedDeal {
    const char* line;
    std::array<std::pair<bool, std::int64_t>, 3> answers;
};

const PinnedDeal kPinnedDeals[] = {
    {"2D 9H 7H TS KD KH JC 6H 5D KC TD 2S 4S 3D 2C JS 5C TH 3C 4C 3H 4D QD AS 9D 7D AH AC AD 7C 8C JH 3S TC 6D "
     "9S KS 6S QS 8S 5H 8H 6C 4H QH 7S JD 5S 2H QC 8D 9C",
     {{{true, 598}, {false, 10001}, {true, 1011}}}},
    {"6D 6H 5H 8S 8H 5D 2D 3C 4C QC 4H 4S 6S AD JD 7D TC 5S 3D QD 7C 9S 9H 5C AC JS TD 2C TH KC QH 2S AS KD 9C "
     "AH KH JC KS 8C 7H JH 4D QS 3S 9D 8D TS 6C 2H 7S 3H",
     {{{false, 222}, {false, 10001}, {false, 602}}}},
    {"9D 7D 7C QD QS 6C 3S 8H 5D JS JH 8C QC 2S 6H AS TD JC AH 4S JD KS 8D 3D 3C 7S TH 2D 2C 4C TC 5H 9H 8S 5S "
     "KC 6D 5C AD KD 4H TS 9S QH 6S KH AC 7H 9C 3H 2H 4D",
     {{{true, 220}, {true, 356}, {true, 220}}}},
    {"6H 5S 2S 7H AS 2D 6S TH TD QH 6C 4S AD JC 8S 3S 9S 4H JH 8C 3C QD 7D 7C 2C TS JS TC 2H 9H 5H 6D KH KC 9C "
     "8H KS 8D 4D JD 3H QC AC KD 7S AH 9D 3D QS 5D 5C 4C",
     {{{false, 10001}, {true, 4556}, {false, 10001}}}},
    {"2H 6C 4C 2C 4S 6D KD JC AD 7C TD 8S 6H TS KS 9H 3C 4D 9C JS 5H 3D 2D 5C TC 8D JD TH 9D 3S 7S 8C 8H 6S 7D "
     "QS KH AC 9S 5D 3H QD AS QH KC 7H QC 4H 2S AH JH 5S",
     {{{true, 610}, {true, 457}, {false, 10001}}}},
};

TEST(SolverSearch, PinnedDeals)
{
    for (const PinnedDeal& pinned : kPinnedDeals) {
        const DealParse parsed = parseDealLine(pinned.line);
        ASSERT_TRUE(parsed.deck) << parsed.error;
        const Position deal = testing::dealPosition(*parsed.deck);
        for (std::size_t r = 0; r < kVerificationRules.size(); ++r) {
            SCOPED_TRACE(std::string(rulesName(kVerificationRules[r])) + " " + pinned.line);
            const Rules rules{kVerificationRules[r].drawCount, kDefaultMaxNodes, kVerificationRules[r].maxRecycles};
            expectSolve(deal, rules, pinned.answers[r].first, pinned.answers[r].second);
        }
    }
}

TEST(SolverSearch, DeadDealCountsItsStockCycleByHand)
{
    // No column top fits anywhere and no card turned up in Draw 3 ever
    // plays: the start and the 8 draws of 3 are all there is (9); turning
    // the waste over leads back to the start. With 2 recycles allowed each
    // pass is a new set of positions: 3 passes of 9.
    const DealParse parsed = parseDealLine(
        "KH 3D AS 8D 6H 5S 9H KC 2S QC 6C 6D 2H KS 9C 9S TH QH 2D JD KD 7D 4H 3H JC 3S 6S JH 8C 4C TS 7C 5C "
        "4D AC AD 5H JS TC QD QS TD 2C AH 3C 8S 9D 8H 4S 7H 5D 7S");
    ASSERT_TRUE(parsed.deck);
    const Position deal = testing::dealPosition(*parsed.deck);
    expectSolve(deal, Rules{3, kDefaultMaxNodes, std::nullopt}, false, 9);
    expectSolve(deal, Rules{3, kDefaultMaxNodes, 2}, false, 27);
    expectSolve(deal, Rules{3, kDefaultMaxNodes, 0}, false, 9);
}

TEST(SolverSearch, SameDealSameAnswerAlsoOnSeveralThreads)
{
    std::mt19937_64 random(99);
    std::vector<Position> deals;
    for (int i = 0; i < 6; ++i)
        deals.push_back(testing::randomDeal(random));
    const auto solveAll = [&deals] {
        std::vector<SolveResult> results;
        for (const Position& p : deals)
            for (const DealRules& r : kVerificationRules)
                results.push_back(testing::solvePosition(p, Rules{r.drawCount, 3000, r.maxRecycles}));
        return results;
    };
    const std::vector<SolveResult> first = solveAll();
    auto other = std::async(std::launch::async, solveAll);
    const std::vector<SolveResult> again = solveAll();
    const std::vector<SolveResult> parallel = other.get();
    ASSERT_EQ(first.size(), again.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].isWinnable, again[i].isWinnable);
        EXPECT_EQ(first[i].nodes, again[i].nodes);
        EXPECT_EQ(first[i].isWinnable, parallel[i].isWinnable);
        EXPECT_EQ(first[i].nodes, parallel[i].nodes);
    }
}

TEST(SolverSearch, EntryPointsAgree)
{
    std::mt19937_64 random(5);
    const Position p = testing::randomDeal(random);
    std::int64_t nodes = -1;
    const bool won = SolverSearch::isWinnable(p.tableau, p.stock, p.waste, p.foundation, 1, 2000, 0, &nodes);
    const SolveResult result = testing::solvePosition(p, Rules{1, 2000, 0});
    EXPECT_EQ(won, result.isWinnable);
    EXPECT_EQ(nodes, result.nodes);
    // A draw count below one counts as one.
    const SolveResult zero = testing::solvePosition(p, Rules{0, 2000, 0});
    EXPECT_EQ(zero.isWinnable, result.isWinnable);
    EXPECT_EQ(zero.nodes, result.nodes);
}

TEST(SolverSearch, PilesThatCannotComeFromOneDeckAnswerNotWinnable)
{
    Position twice;
    twice.tableau[0] = pile("5H*");
    twice.stock = pile("5H");
    Position badRank;
    badRank.stock = {SolverCard{0, 14, false}};
    Position badSuit;
    badSuit.stock = {SolverCard{4, 1, false}};
    Position badCount;
    badCount.foundation = {0, 256, 0, 0};
    Position overfull; // more than a suit holds
    overfull.foundation = {0, 14, 0, 0};
    for (const Position& p : {twice, badRank, badSuit, badCount, overfull}) {
        expectSolve(p, Rules{}, false, 0);
        EXPECT_THROW(testing::makeSearch(p), std::invalid_argument);
    }
}

void expectSameAsReference(const Position& p, const Rules& r, const std::string& what)
{
    const SolveResult fast = testing::solvePosition(p, r);
    const SolveResult plain =
        reference::solve(p.tableau, p.stock, p.waste, p.foundation, r.drawCount, r.maxNodes, r.maxRecycles);
    EXPECT_EQ(fast.isWinnable, plain.isWinnable) << what;
    EXPECT_EQ(fast.nodes, plain.nodes) << what;
}

TEST(SolverSearch, ARunMovedBackOntoTheCardItUncoveredIsANewPosition)
{
    // 7C leaves 8H (turning it up) for 8D, and may come straight back onto
    // the now face-up 8H: that is not the position it came from.
    Position p;
    p.tableau[0] = pile("8H 7C*");
    p.tableau[1] = pile("8D*");
    p.tableau[2] = pile("KS*");
    // Start (1); 7C onto 8D turns 8H up (2); 7C back onto 8H (3); from there
    // 7C onto 8D again gives (2), seen; nothing else moves.
    expectSolve(p, Rules{1, 100, std::nullopt}, false, 3);
}

TEST(SolverSearch, AgreesWithThePlainImplementationOnRandomDeals)
{
    std::mt19937_64 random(2024);
    for (int d = 0; d < 24; ++d) {
        const Position deal = testing::randomDeal(random);
        for (const DealRules& r : kVerificationRules)
            for (const std::int64_t budget : {std::int64_t{10000}, std::int64_t{1234}})
                expectSameAsReference(deal, Rules{r.drawCount, budget, r.maxRecycles},
                                      "deal " + std::to_string(d) + " " + std::string(rulesName(r)) + " budget "
                                          + std::to_string(budget));
    }
}

TEST(SolverSearch, BatchedHashLookUpsAnswerAsOneAtATimeEvenWhenHashesClash)
{
    // Hashes cut down to a few bits make different positions share one all
    // the time. Looking hashes up in batches must then notice, start over
    // and still answer, node for node and ending on the same position, as
    // looking each up at once does. Mid-game positions bring wins in.
    std::mt19937_64 random(77);
    bool narrowingMattered = false;
    for (int d = 0; d < 16; ++d) {
        SolverSearch walk = testing::makeSearch(testing::randomDeal(random), Rules{1, 10, std::nullopt});
        for (int step = 0; step < d * 6; ++step) {
            const std::vector<SolverMove> sorted = testing::ordered(walk);
            if (sorted.empty())
                break;
            walk.apply(sorted.front());
        }
        const Position p = testing::positionOf(walk);
        for (const DealRules& named : kVerificationRules) {
            const Rules r{named.drawCount, 3000, named.maxRecycles};
            std::int64_t fullHashNodes = 0;
            for (const int bits : {64, 16, 11}) {
                const std::string what = "position " + std::to_string(d) + " " + std::string(rulesName(named)) + " "
                    + std::to_string(bits) + " bits";
                SolverSearch single = testing::makeSearch(p, r);
                SolverSearch batched = testing::makeSearch(p, r);
                single.narrowHashes(bits);
                batched.narrowHashes(bits);
                ASSERT_TRUE(batched.setBatchedHashing(true));
                const bool won = single.search();
                EXPECT_EQ(batched.search(), won) << what;
                EXPECT_EQ(batched.nodes(), single.nodes()) << what;
                EXPECT_EQ(batched.recomputeHash(), single.recomputeHash()) << what;
                if (bits == 64)
                    fullHashNodes = single.nodes();
                narrowingMattered |= single.nodes() != fullHashNodes;
            }
        }
    }
    EXPECT_TRUE(narrowingMattered) << "no hash clash changed a search";
    // The key set cannot promise to hold every key beyond its reserve.
    EXPECT_FALSE(testing::makeSearch(Position{}, Rules{1, SolverSearch::kReservedPositions + 1, std::nullopt})
                     .setBatchedHashing(true));
}

TEST(SolverSearch, AStoppedSearchCarriedOnAnswersAsOneNeverStopped)
{
    // Stopped at every poll and carried on each time, in batches or one hash
    // at a time, with clashing hashes too: the same answer, node count and
    // final position as a search left alone.
    std::mt19937_64 random(31);
    for (int d = 0; d < 6; ++d) {
        const Position p = testing::randomDeal(random);
        for (const DealRules& named : kVerificationRules) {
            const Rules r{named.drawCount, 4000, named.maxRecycles};
            for (const bool batched : {true, false}) {
                for (const int bits : {64, 11}) {
                    const std::string what = "deal " + std::to_string(d) + " " + std::string(rulesName(named))
                        + (batched ? " batched " : " single ") + std::to_string(bits) + " bits";
                    SolverSearch alone = testing::makeSearch(p, r);
                    SolverSearch stopped = testing::makeSearch(p, r);
                    for (SolverSearch* s : {&alone, &stopped}) {
                        s->narrowHashes(bits);
                        s->setBatchedHashing(batched);
                    }
                    const bool won = alone.search();
                    const std::atomic<bool> stop{true};
                    stopped.setStopFlag(&stop);
                    int stops = 0;
                    bool answer = stopped.search();
                    for (; stopped.stopped(); answer = stopped.search())
                        ++stops;
                    EXPECT_EQ(answer, won) << what;
                    EXPECT_EQ(stopped.nodes(), alone.nodes()) << what;
                    EXPECT_EQ(stopped.recomputeHash(), alone.recomputeHash()) << what;
                    EXPECT_GE(stops, (alone.nodes() - 1) / SolverSearch::kStopPollNodes) << what;
                }
            }
        }
    }

    // Carried on by another thread, as a deal check handed over is.
    const Position p = testing::randomDeal(random);
    const SolveResult alone = testing::solvePosition(p, Rules{3, 10000, std::nullopt});
    Solve solve(p.tableau, p.stock, p.waste, p.foundation, 3, 10000, std::nullopt);
    const std::atomic<bool> stop{true};
    EXPECT_TRUE(solve.run(&stop).stopped);
    const SolveResult carried = std::async(std::launch::async, [&solve] { return solve.run(); }).get();
    EXPECT_FALSE(carried.stopped);
    EXPECT_EQ(carried.isWinnable, alone.isWinnable);
    EXPECT_EQ(carried.nodes, alone.nodes);
}

TEST(SolverSearch, AgreesWithThePlainImplementationPastTheReservedSetSize)
{
    // A budget above 65536 makes the visited set grow during the search.
    const DealParse parsed = parseDealLine(kPinnedDeals[3].line);
    ASSERT_TRUE(parsed.deck);
    expectSameAsReference(testing::dealPosition(*parsed.deck), Rules{3, 80000, std::nullopt}, "large budget");
}

TEST(SolverSearch, AgreesWithThePlainImplementationFromMidGamePositions)
{
    // Play a random number of random moves, then solve from there: waste
    // cards, foundations and emptied columns all take part.
    std::mt19937_64 random(31337);
    for (int g = 0; g < 40; ++g) {
        const int draw = g % 2 ? 3 : 1;
        SolverSearch walk = testing::makeSearch(testing::randomDeal(random), Rules{draw, 10, std::nullopt});
        const int steps = std::uniform_int_distribution<int>(0, 120)(random);
        for (int step = 0; step < steps; ++step) {
            const std::vector<SolverMove> moves = testing::generated(walk);
            if (moves.empty())
                break;
            // Prefer progress so that foundations and empty columns show up.
            const std::vector<SolverMove> sorted = testing::ordered(walk);
            const bool greedy = std::uniform_int_distribution<int>(0, 1)(random) == 0;
            walk.apply(greedy ? sorted.front()
                              : moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random)]);
        }
        const Position p = testing::positionOf(walk);
        for (const DealRules& r : kVerificationRules)
            expectSameAsReference(p, Rules{draw, 2500, r.maxRecycles}, "game " + std::to_string(g));
    }
}

TEST(SolverSearch, AgreesWithThePlainImplementationOnUnusualPositions)
{
    // Positions no game reaches (face-up cards under face-down ones, runs
    // that do not alternate, foundations that do not match the piles): the
    // rules are applied to them literally all the same.
    std::mt19937_64 random(4242);
    for (int g = 0; g < 60; ++g) {
        const Deck deck = testing::shuffledDeck(random);
        Position p;
        const int kept = std::uniform_int_distribution<int>(10, 52)(random);
        for (int i = 0; i < kept; ++i) {
            SolverCard c = deck[static_cast<std::size_t>(i)];
            const int where = std::uniform_int_distribution<int>(0, 9)(random);
            if (where < 7) {
                c.isFaceUp = std::uniform_int_distribution<int>(0, 2)(random) != 0;
                p.tableau[static_cast<std::size_t>(where)].push_back(c);
            } else if (where < 9) {
                p.stock.push_back(c);
            } else {
                p.waste.push_back(c);
            }
        }
        for (int& n : p.foundation)
            n = std::uniform_int_distribution<int>(0, 13)(random);
        for (const DealRules& r : kVerificationRules)
            expectSameAsReference(p, Rules{r.drawCount, 1500, r.maxRecycles}, "position " + std::to_string(g));
    }
}

} // namespace
} // namespace murvane::solver
