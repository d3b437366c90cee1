// Deal lines for the developer tools: strict parsing, formatting, and the
// layout the game deals from a shuffled deck.

#include "SolverTestSupport.h"

#include "solver/DealText.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

namespace murvane::solver {
namespace {

std::string orderedLine()
{
    return formatDealLine(orderedDeck());
}

TEST(DealText, CardTokens)
{
    const auto queen = parseCardToken("QH");
    ASSERT_TRUE(queen);
    EXPECT_EQ(queen->suitIndex, 1);
    EXPECT_EQ(queen->rank, 12);
    EXPECT_EQ(parseCardToken("TC")->rank, 10);
    EXPECT_EQ(parseCardToken("AS")->rank, 1);
    EXPECT_EQ(parseCardToken("KD")->suitIndex, 2);
    for (const char* bad : {"", "Q", "QHH", "qh", "Qh", "10H", "1S", "XS", "QX", " Q", "Q ", "\tQ"})
        EXPECT_FALSE(parseCardToken(bad)) << '"' << bad << '"';
    EXPECT_EQ(cardToken(SolverCard{3, 10, false}), "TC");
}

TEST(DealText, AcceptsAWellFormedLineAndFormatsItBack)
{
    const std::string line = orderedLine();
    EXPECT_EQ(line.substr(0, 12), "AS 2S 3S 4S ");
    EXPECT_EQ(line.size(), 52u * 3 - 1);
    const DealParse parsed = parseDealLine(line);
    ASSERT_TRUE(parsed.deck) << parsed.error;
    EXPECT_TRUE(parsed.error.empty());
    EXPECT_EQ(formatDealLine(*parsed.deck), line);

    std::mt19937_64 random(3);
    for (int i = 0; i < 20; ++i) {
        const Deck deck = testing::shuffledDeck(random);
        const DealParse again = parseDealLine(formatDealLine(deck));
        ASSERT_TRUE(again.deck);
        EXPECT_EQ(formatDealLine(*again.deck), formatDealLine(deck));
    }
}

TEST(DealText, RejectsMalformedLines)
{
    const std::string good = orderedLine();
    std::string duplicate = good;
    duplicate.replace(good.size() - 2, 2, "AS"); // the last King of clubs becomes a second Ace of spades
    std::string badToken = good;
    badToken.replace(3, 2, "1S");
    std::string lower = good;
    lower[0] = 'a';
    std::string doubled = good;
    doubled.insert(2, " ");
    std::string tabbed = good;
    tabbed[2] = '\t';
    const std::string missing = good.substr(0, good.size() - 3); // 51 cards
    const std::string extraCard = good + " AS";

    const std::vector<std::pair<std::string, std::string>> cases{
        {"", "empty line"},
        {missing, "51 cards"},
        {extraCard, "53 cards"},
        {duplicate, "duplicate"},
        {badToken, "bad token"},
        {lower, "lower-case rank"},
        {doubled, "double space"},
        {tabbed, "tab separator"},
        {" " + good, "leading space"},
        {good + " ", "trailing space"},
        {good + "x", "trailing junk glued to the last card"},
        {good + " junk", "trailing word"},
        {good + "\r", "carriage return"},
        {std::string(good).replace(0, 2, "A\0", 2), "NUL byte"},
        {good.substr(0, 1), "one character"},
    };
    for (const auto& [line, what] : cases) {
        const DealParse parsed = parseDealLine(line);
        EXPECT_FALSE(parsed.deck) << what;
        EXPECT_FALSE(parsed.error.empty()) << what;
    }
}

TEST(DealText, DealsColumnByColumnFromTheEndOfTheDeck)
{
    std::mt19937_64 random(11);
    const Deck deck = testing::shuffledDeck(random);
    const DealLayout layout = dealLayout(deck);

    // The first card dealt, column 0's only card, is the deck's last.
    ASSERT_EQ(layout.tableau[0].size(), 1u);
    EXPECT_EQ(cardToken(layout.tableau[0][0]), cardToken(deck[51]));
    // Column 1 takes the next two, in the order taken.
    EXPECT_EQ(cardToken(layout.tableau[1][0]), cardToken(deck[50]));
    EXPECT_EQ(cardToken(layout.tableau[1][1]), cardToken(deck[49]));
    // The stock is the first 24 cards in deck order; its top is the 25th from the end.
    ASSERT_EQ(layout.stock.size(), 24u);
    EXPECT_EQ(cardToken(layout.stock.back()), cardToken(deck[23]));
    EXPECT_EQ(cardToken(layout.stock.front()), cardToken(deck[0]));

    std::set<std::string> seen;
    for (std::size_t col = 0; col < 7; ++col) {
        ASSERT_EQ(layout.tableau[col].size(), col + 1);
        for (std::size_t i = 0; i <= col; ++i) {
            EXPECT_EQ(layout.tableau[col][i].isFaceUp, i == col) << "only the top is face up";
            seen.insert(cardToken(layout.tableau[col][i]));
        }
    }
    for (const SolverCard& c : layout.stock) {
        EXPECT_FALSE(c.isFaceUp);
        seen.insert(cardToken(c));
    }
    EXPECT_EQ(seen.size(), 52u);
}

TEST(DealText, ShuffleIsAPermutation)
{
    std::mt19937_64 random(17);
    const Deck deck = testing::shuffledDeck(random);
    std::set<std::string> seen;
    for (const SolverCard& c : deck)
        seen.insert(cardToken(c));
    EXPECT_EQ(seen.size(), 52u);
    EXPECT_NE(formatDealLine(deck), orderedLine());
}

TEST(DealText, RuleSetNames)
{
    ASSERT_TRUE(rulesNamed("unlimited"));
    EXPECT_EQ(rulesNamed("unlimited")->drawCount, 3);
    EXPECT_FALSE(rulesNamed("unlimited")->maxRecycles);
    EXPECT_EQ(rulesNamed("draw1-limited")->maxRecycles, 0);
    EXPECT_EQ(rulesNamed("draw1-limited")->drawCount, 1);
    EXPECT_EQ(rulesNamed("draw3-limited")->maxRecycles, 2);
    EXPECT_FALSE(rulesNamed("draw2"));
    EXPECT_FALSE(rulesNamed("Unlimited"));
    std::set<std::string_view> names;
    for (const DealRules& rules : kVerificationRules) {
        names.insert(rulesName(rules));
        EXPECT_EQ(rulesNamed(rulesName(rules)), rules) << rulesName(rules);
    }
    EXPECT_EQ(names.size(), kVerificationRules.size());
    EXPECT_EQ(rulesName(DealRules{1, std::nullopt}), "custom");
    EXPECT_FALSE(rulesNamed("custom"));
}

} // namespace
} // namespace murvane::solver
