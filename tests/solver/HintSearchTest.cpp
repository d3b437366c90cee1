// The hint search: a line it returns must play out to a won game under the
// rules, "lost" only after every position was searched, and never a claim
// beyond its budget.
#include "SolverTestSupport.h"
#include "solver/DealNumbers.h"
#include "solver/HintLine.h"
#include "solver/HintSearch.h"
#include "solver/HintState.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>

namespace murvane::solver {
namespace {

using testing::card;
using testing::pile;
using Verdict = HintResult::Verdict;

HintPosition hintPosition(const testing::Position& p, int drawCount = 1, std::optional<int> recycles = {})
{
    return {p.tableau, p.stock, p.waste, p.foundation, drawCount, recycles};
}

// Plays the line move by move, each checked against the rules.
::testing::AssertionResult linePlaysToWin(HintPosition p, const std::vector<HintMove>& line)
{
    for (std::size_t i = 0; i < line.size(); ++i)
        if (!applyHintMove(p, line[i]))
            return ::testing::AssertionFailure() << "move " << i << " of " << line.size() << " is not legal";
    for (int n : p.foundation)
        if (n != kRanksPerSuit)
            return ::testing::AssertionFailure() << "the line ends before the game is won";
    return ::testing::AssertionSuccess();
}

// Nothing can move: every top is a heart, no column is empty and the
// aces lie buried. The King of Diamonds in the stock is the only play.
HintPosition deadPosition()
{
    testing::Position p;
    p.tableau = {pile("AS 2S 3S 4S 5S 6S KH*"), pile("7S 8S 9S TS JS QS QH*"), pile("KS AH 2H JH*"),
                 pile("3H TH*"), pile("4H 9H*"), pile("5H 8H*"), pile("6H 7H*")};
    p.stock = pile("KD");
    p.foundation = {0, 0, 12, 13};
    return hintPosition(p);
}

// Won only by taking hearts and clubs back down from their foundations to
// build a red 3 for the Two of Spades, which deal verification never tries.
testing::Position needsFoundationCards()
{
    testing::Position p;
    p.tableau[0] = pile("3S 4S 5S 6S 7S 8S 9S TS JS QS KS AS 2S*");
    p.foundation = {0, 13, 13, 13};
    return p;
}

TEST(HintSearch, ProvesOnlyWhatItSearched)
{
    const HintResult dead = findHint(deadPosition());
    EXPECT_EQ(dead.verdict, Verdict::provedLost);
    EXPECT_GT(dead.nodes, 1);
    EXPECT_TRUE(dead.line.empty());

    const HintResult cut = findHint(deadPosition(), {1, 1});
    EXPECT_EQ(cut.verdict, Verdict::budgetSpent);

    HintPosition broken = deadPosition();
    broken.stock.push_back(card("KH")); // a card twice
    EXPECT_EQ(findHint(broken).verdict, Verdict::budgetSpent);

    std::atomic<bool> stop{true};
    std::mt19937_64 random(7);
    const HintResult stopped = findHint(hintPosition(testing::randomDeal(random)), {1 << 20, 1 << 20}, &stop);
    EXPECT_TRUE(stopped.verdict == Verdict::stopped || stopped.verdict == Verdict::winningLine);
}

TEST(HintSearch, TakesCardsBackFromTheFoundation)
{
    const testing::Position p = needsFoundationCards();
    EXPECT_FALSE(testing::solvePosition(p).isWinnable);
    const HintResult hint = findHint(hintPosition(p));
    ASSERT_EQ(hint.verdict, Verdict::winningLine);
    EXPECT_EQ(hint.line.front().kind, HintMove::Kind::foundationToColumn);
    EXPECT_TRUE(linePlaysToWin(hintPosition(p), hint.line));
}

// Random deals under every rule set: a found line plays out, and a deal the
// verification search wins always gets a line (never "lost", never "no line").
TEST(HintSearch, AgreesWithDealVerification)
{
    struct Case {
        int drawCount;
        std::optional<int> recycles;
    };
    const Case cases[] = {{1, std::nullopt}, {3, std::nullopt}, {1, 0}, {3, 2}};
    std::mt19937_64 random(2024);
    int lines = 0;
    for (const Case& c : cases) {
        for (int deal = 0; deal < 12; ++deal) {
            const testing::Position p = testing::randomDeal(random);
            const HintPosition hp = hintPosition(p, c.drawCount, c.recycles);
            const HintResult hint = findHint(hp, {kDefaultMaxNodes, 2000});
            const bool verified = testing::solvePosition(p, {c.drawCount, 10000, c.recycles}).isWinnable;
            SCOPED_TRACE(::testing::Message() << "draw " << c.drawCount << " deal " << deal);
            if (verified) {
                EXPECT_NE(hint.verdict, Verdict::provedLost);
                EXPECT_EQ(hint.verdict, Verdict::winningLine);
            }
            if (hint.verdict == Verdict::winningLine) {
                ++lines;
                EXPECT_TRUE(linePlaysToWin(hp, hint.line));
            }
        }
    }
    EXPECT_GT(lines, 0);
}

// Lines go forward: no move straight back, nothing taken down from the
// foundation that the win does without, and far shorter than the search's
// own path. Each rule set's deals are verified as the game verifies them.
TEST(HintSearch, LinesFromVerifiedDealsGoForward)
{
    struct Case {
        int drawCount;
        std::optional<int> recycles;
        int verifiedWithDraw;
    };
    const Case cases[] = {{1, std::nullopt, 3}, {3, std::nullopt, 3}, {1, 0, 1}, {3, 2, 3}};
    std::mt19937_64 random(77);
    for (const Case& c : cases) {
        for (int found = 0; found < 6;) {
            const testing::Position p = testing::randomDeal(random);
            if (!testing::solvePosition(p, {c.verifiedWithDraw, kDefaultMaxNodes, c.recycles}).isWinnable)
                continue;
            ++found;
            SCOPED_TRACE(::testing::Message() << "draw " << c.drawCount << " deal " << found);
            const HintPosition hp = hintPosition(p, c.drawCount, c.recycles);
            const HintResult hint = findHint(hp);
            ASSERT_EQ(hint.verdict, Verdict::winningLine);
            EXPECT_TRUE(linePlaysToWin(hp, hint.line));
            EXPECT_LT(hint.line.size(), 200u);
            HintPosition at = hp;
            for (std::size_t i = 0; i + 1 < hint.line.size(); ++i) {
                EXPECT_NE(hint.line[i].kind, HintMove::Kind::foundationToColumn) << "move " << i;
                EXPECT_FALSE(isReversal(at, hint.line[i], hint.line[i + 1])) << "move " << i;
                applyHintMove(at, hint.line[i]);
            }
        }
    }
}

// What counts as a move straight back: the same card or run returned to
// the pile it just left, or a card sent home and straight back down.
TEST(HintSearch, NamesMovesStraightBack)
{
    testing::Position p;
    p.tableau = {pile("TD 9S*"), pile("TH*"), pile("JS*"), {}, {}, {}, {}};
    p.stock = pile("TS QS KS JH QH KH JD QD KD");
    p.foundation = {8, 9, 9, 13};
    const HintPosition hp = hintPosition(p);
    using K = HintMove::Kind;
    const HintMove nineOver{K::columnToColumn, 0, 1, 1, 0}, nineBack{K::columnToColumn, 1, 1, 0, 0},
        nineHome{K::columnToFoundation, 0, 0, 0, 0}, nineDown{K::foundationToColumn, 0, 0, 1, 0},
        nineHomeFromOne{K::columnToFoundation, 1, 0, 0, 0}, tenOver{K::columnToColumn, 0, 0, 2, 0};
    struct Case {
        HintMove first, second;
        bool reversal;
    } const cases[] = {
        {nineOver, nineBack, true},          // back onto the Ten it turned up
        {nineHome, nineDown, true},          // home and straight back down
        {nineOver, nineHomeFromOne, false},  // on, then home: forward
        {nineOver, tenOver, false},          // another card
        {nineBack, nineOver, false},         // not legal from here
    };
    for (const Case& c : cases)
        EXPECT_EQ(isReversal(hp, c.first, c.second), c.reversal)
            << int(c.first.kind) << " then " << int(c.second.kind);
}

// The key of a position: every difference the search would see changes it;
// the faces of stock and waste cards (always down and up) do not.
TEST(HintSearch, PositionKeySeesEveryDifference)
{
    testing::Position p;
    p.tableau = {pile("AS 2S*"), pile("3S*"), {}, {}, {}, {}, {}};
    p.stock = pile("4S 5S");
    p.waste = pile("6S");
    p.foundation = {0, 13, 13, 13};
    const HintPosition base = hintPosition(p, 1, 2);
    struct Case {
        const char* change;
        void (*apply)(HintPosition&);
        bool sameKey;
    } const cases[] = {
        {"nothing", [](HintPosition&) {}, true},
        {"stock and waste faces",
         [](HintPosition& h) {
             h.stock[0].isFaceUp = !h.stock[0].isFaceUp;
             h.waste[0].isFaceUp = !h.waste[0].isFaceUp;
         },
         true},
        {"a column card turned up", [](HintPosition& h) { h.tableau[0][0].isFaceUp = true; }, false},
        {"a card on to the next column",
         [](HintPosition& h) {
             h.tableau[1].insert(h.tableau[1].begin(), h.tableau[0].back());
             h.tableau[0].pop_back();
         },
         false},
        {"the stock's top to the waste",
         [](HintPosition& h) {
             h.waste.push_back(h.stock.back());
             h.stock.pop_back();
         },
         false},
        {"the stock in another order", [](HintPosition& h) { std::swap(h.stock[0], h.stock[1]); }, false},
        {"a foundation count", [](HintPosition& h) { h.foundation[0] = 1; }, false},
        {"the draw count", [](HintPosition& h) { h.drawCount = 3; }, false},
        {"fewer passes left", [](HintPosition& h) { h.recyclesLeft = 1; }, false},
        {"unlimited passes", [](HintPosition& h) { h.recyclesLeft.reset(); }, false},
    };
    for (const Case& c : cases) {
        HintPosition changed = base;
        c.apply(changed);
        EXPECT_EQ(positionKey(changed) == positionKey(base), c.sameKey) << c.change;
    }
}

// How often a line moves `card` from one column to another, and how often a
// card lands back on a face-up card it left.
struct Wandering {
    int moved = 0;
    int returns = 0;
};
Wandering wandering(HintPosition p, const std::vector<HintMove>& line, const SolverCard& card)
{
    Wandering w;
    std::map<int, std::vector<int>> left; // card index: the face-up cards it left
    auto index = [](const SolverCard& c) { return c.suitIndex * kRanksPerSuit + c.rank - 1; };
    for (const HintMove& m : line) {
        if (m.kind == HintMove::Kind::columnToColumn) {
            const auto& from = p.tableau[std::size_t(m.fromColumn)];
            const auto& to = p.tableau[std::size_t(m.toColumn)];
            const int moving = index(from[std::size_t(m.startIndex)]);
            w.moved += moving == index(card);
            if (!to.empty()) {
                const auto& l = left[moving];
                w.returns += std::count(l.begin(), l.end(), index(to.back())) > 0;
            }
            if (m.startIndex > 0 && from[std::size_t(m.startIndex - 1)].isFaceUp)
                left[moving].push_back(index(from[std::size_t(m.startIndex - 1)]));
        }
        if (!applyHintMove(p, m))
            break;
    }
    return w;
}

// A run moved away from a face-up card and back again, a card played onto
// it meanwhile. Cutting the two moves of the run alone strands that card and
// cutting the card's move leaves a card face down, so the trip goes only as
// a whole: the card played onto the run follows it to where it stayed.
// Spades to the Ten, hearts to the Six, diamonds and clubs to the Eight.
testing::Position runAwayAndBack()
{
    testing::Position p;
    p.tableau = {pile("JS* TD* 9C*"), pile("JC*"), pile("KS*"), pile("QS*"), pile("KD* QC* JD*"), pile("9D 8H*"),
                 pile("KC* QD*")};
    p.stock = pile("KH QH JH TH 9H TC 7H");
    p.foundation = {10, 6, 8, 8};
    return p;
}

// The Nine of Clubs leaves the Ten of Diamonds so that the Nine of Spades
// can lie there while the Eight under it turns up and goes home: the Nine
// of Clubs cannot stay, only its way back can go.
// Spades and clubs to the Seven, hearts and diamonds to the Nine.
testing::Position twinNeedsTheTen()
{
    testing::Position p;
    p.tableau = {pile("JS* TD* 9C*"), pile("TH*"), pile("KS*"), pile("QS*"), pile("KD* QC* JH*"), pile("8S 9S*"),
                 pile("KC* QD*")};
    p.stock = pile("KH QH JD JC TC TS 8C");
    p.foundation = {7, 9, 9, 7};
    return p;
}

std::vector<HintMove> lineOf(std::initializer_list<const char*> steps)
{
    // "c F S T": column F from index S to column T; "h F S": column F home
    // (suit S); "w S": the waste home (suit S); "d": draw.
    std::vector<HintMove> line;
    for (std::string_view step : steps) {
        const auto n = [&](std::size_t i) { return step[i] - '0'; };
        using K = HintMove::Kind;
        switch (step[0]) {
        case 'c': line.push_back({K::columnToColumn, n(2), n(4), n(6), 0}); break;
        case 'h': line.push_back({K::columnToFoundation, n(2), 0, 0, n(4)}); break;
        case 'w': line.push_back({K::wasteToFoundation, 0, 0, 0, n(2)}); break;
        default: line.push_back({K::draw}); break;
        }
    }
    return line;
}

// Round trips in a found line: cut when the rest still wins, kept otherwise;
// every line still plays out to the win.
TEST(HintSearch, CutsRoundTripsTheWinDoesWithout)
{
    const struct Case {
        const char* name;
        testing::Position position;
        std::vector<HintMove> line;
        const char* wanderer;
        int movedAfter;
    } cases[] = {
        {"run away and back", runAwayAndBack(),
         lineOf({"c 0 1 1", "c 5 1 1", "h 5 2", "d", "w 1", "h 1 1", "c 1 1 0", "h 0 3", "d", "w 3", "h 0 2", "h 0 0",
                 "h 3 0", "h 2 0", "h 4 2", "h 1 3", "h 4 3", "h 6 2", "h 6 3", "h 4 2", "d", "w 1", "d", "w 1", "d",
                 "w 1", "d", "w 1", "d", "w 1"}),
         "TD", 0},
        {"the twin needs the Ten", twinNeedsTheTen(),
         lineOf({"c 0 2 1", "c 5 1 0", "h 5 0", "h 0 0", "c 1 1 0", "d", "w 3", "h 0 3", "d", "w 0", "d", "w 3", "d",
                 "w 3", "h 0 2", "h 0 0", "h 3 0", "h 2 0", "h 1 1", "h 4 1", "h 4 3", "d", "w 2", "h 6 2", "h 6 3",
                 "h 4 2", "d", "w 1", "d", "w 1"}),
         "9C", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HintPosition hp = hintPosition(c.position);
        ASSERT_TRUE(linePlaysToWin(hp, c.line));
        EXPECT_EQ(wandering(hp, c.line, card(c.wanderer)).returns, 1);
        const std::vector<HintMove> cut = hint::shorten(hint::toState(hp), c.line, nullptr);
        EXPECT_TRUE(linePlaysToWin(hp, cut));
        const Wandering after = wandering(hp, cut, card(c.wanderer));
        EXPECT_EQ(after.returns, 0);
        EXPECT_EQ(after.moved, c.movedAfter);
    }
}

// Positions players reach, with what the hint must answer: easy wins the
// search once missed (it tried every sideways run before the stock), and
// proved losses. Every line plays out to the win.
TEST(HintSearch, SettlesPositionsPlayersReach)
{
    testing::Position sidewaysFirst; // reached by random moves, drawing three
    sidewaysFirst.tableau = {pile("QC* JH*"), pile("9C JC*"), pile("4C* 3D* 2C*"), pile("QH 3S 8H* 7S*"),
                             pile("8D TS 7H* 6S*"), pile("AC QD 5H 6D 5S QS* JD* TC* 9H*"), pile("JS TD 7C 6C*")};
    sidewaysFirst.stock = pile("4D 3C 5C KD KC");
    sidewaysFirst.waste = pile("AD 9D KH 8C 5D TH 7D 9S KS 2S 6H 4H 8S 2D 4S");
    sidewaysFirst.foundation = {1, 3, 0, 0};
    const struct Case {
        const char* name;
        HintPosition position;
        Verdict verdict;
    } cases[] = {
        {"sideways runs before the stock", hintPosition(sidewaysFirst, 3), Verdict::winningLine},
        {"run away and back", hintPosition(runAwayAndBack()), Verdict::winningLine},
        {"nothing moves but one draw", deadPosition(), Verdict::provedLost},
        {"one pass left, used", [] {
             HintPosition p = deadPosition();
             p.recyclesLeft = 0;
             return p;
         }(), Verdict::provedLost},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HintResult hint = findHint(c.position);
        EXPECT_EQ(hint.verdict, c.verdict);
        if (hint.verdict == Verdict::winningLine)
            EXPECT_TRUE(linePlaysToWin(c.position, hint.line));
    }
}

// Deal 4242 with a draw of one, hints followed from the first move: no run
// goes from one Jack to the other and back.
TEST(HintSearch, FollowedDealSendsNoCardBack)
{
    const NumberedDeal deal = findNumberedDeal(4242, DealRules::unlimited());
    const DealLayout layout = dealLayout(deal.deck);
    const HintPosition start{layout.tableau, layout.stock, {}, {0, 0, 0, 0}, 1, std::nullopt};
    const HintResult hint = findHint(start);
    ASSERT_EQ(hint.verdict, Verdict::winningLine);
    EXPECT_TRUE(linePlaysToWin(start, hint.line));
    EXPECT_EQ(wandering(start, hint.line, card("TD")).returns, 0);
}

TEST(HintSearch, RejectsIllegalMoves)
{
    HintPosition p = deadPosition();
    const HintPosition before = p;
    EXPECT_FALSE(applyHintMove(p, {HintMove::Kind::columnToColumn, 0, 6, 1, 0}));
    EXPECT_FALSE(applyHintMove(p, {HintMove::Kind::recycle}));
    EXPECT_EQ(p.tableau[0].size(), before.tableau[0].size());
    EXPECT_TRUE(applyHintMove(p, {HintMove::Kind::draw}));
    EXPECT_TRUE(p.stock.empty());
    EXPECT_EQ(p.waste.size(), 1u);
}

} // namespace
} // namespace murvane::solver
