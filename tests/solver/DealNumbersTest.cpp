// Numbered deals and deal codes: the numbers must give the same deals on
// every machine and in every later version, and a code must give back its
// layout or be refused.

#include "PinnedDealNumbers.h"
#include "SolverTestSupport.h"

#include "solver/DealCode.h"
#include "solver/DealNumbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <random>
#include <set>
#include <string>
#include <thread>

namespace murvane::solver {
namespace {

// Never edit a row to make this pass: a number that now deals differently
// breaks every shared deal. Columns: number, rule set, shuffle that verified
// and whether it verified (the 500th is dealt unverified when none does), the deck from index 0 to 51.
struct GoldenDeal {
    std::uint32_t number;
    std::string_view rules;
    int attempt;
    bool isVerified;
    std::string_view deck;
};
constexpr GoldenDeal kGolden[] = {
    {1u, "unlimited", 5, true,
     "3D AH TD KC 2H 4D 9D 7C 6S 7H 6H 2S TH JD 7S QH 9C 4C 8C 9H 3S 5D 4S 8H KS 3H 3C KH JC QC 2D 7D 6D JS 5C 2C 6C KD 8S QD 4H JH 5H AC 8D TS 5S TC QS AD 9S AS"},
    {1u, "draw1-limited", 16, true,
     "4H KC KS 5D KH 6D 6H 5S 9C JC QH 3C QS 9D 9H 4C 3H 8D 4D 9S 7H 8H 2H JD JH TS 5C 7S 6C KD JS 2D AS 3D 7D TD TC AH 5H QC 7C 6S AC 3S 2C 8C QD TH 4S AD 8S 2S"},
    {1u, "draw3-limited", 15, true,
     "7C QD AD 3D AC AS 9C 5S 6H AH 2S KC JD 9D 9H 5H QH 8D QC 7H 7D KD TH 4C KS QS TC 2C 4H 3C 6C 3S KH JC 7S TD 2D 5D 4S 5C 4D 8S 2H JS JH 3H 6S 8H 9S TS 8C 6D"},
    {2u, "unlimited", 4, true,
     "9H 5C 7C KS 7H 2C KD TS QH 8C AD 4S QS 3D 9C 8H AH 6D 9D JH 2D AC 6H QC 4H 8D KH KC JD 3H 5H 4C JC QD JS TH AS 4D TD 3S 6C 2H TC 8S 2S 6S 5D 7S 9S 3C 7D 5S"},
    {2u, "draw1-limited", 6, true,
     "7S KD AS 4S QC JS 6D 8C 8S AD AC 9C 9S 7C TH 7H AH 6S 4H 6C 3S JC 3C TC QD 7D 5H 5S 2S 4C 5D JH KC KH 6H 4D 8D 8H QH 9D JD 5C 2D TD QS 9H 2H 2C 3D KS 3H TS"},
    {2u, "draw3-limited", 4, true,
     "9H 5C 7C KS 7H 2C KD TS QH 8C AD 4S QS 3D 9C 8H AH 6D 9D JH 2D AC 6H QC 4H 8D KH KC JD 3H 5H 4C JC QD JS TH AS 4D TD 3S 6C 2H TC 8S 2S 6S 5D 7S 9S 3C 7D 5S"},
    {3u, "unlimited", 2, true,
     "8C 2H AS KS JC 5S TC KH 8H TS 6S AH QS 4S 5H 4C 2D KC AD TD 7C 9H 8D 3D 5C QC TH 8S KD QD JS 6D 4D 6H 2S QH 4H 9D AC 6C 7H 9S 3H 3S 7S 3C JD 7D 9C 2C JH 5D"},
    {3u, "draw1-limited", 37, true,
     "2C AC 4D 8H QH JS JD KH TS 3H 9H 6S JH KS 3S 3D TC 2D 5C 5D 4C 6C KD 4S 9S 2S AH QC 3C 9C 5H 4H 7S 8D AD 7C QD AS 7H 7D KC 6H 9D 5S 8C JC 6D QS TD TH 8S 2H"},
    {3u, "draw3-limited", 9, true,
     "JD 8S 9S 2S KD 9C 8H 3D 5H TS AH 6D AS 6C 9D KH KC 2C TD QH 7S 6H 3H 4C 5D 7C AD 8D 6S QS 3S 7D KS 2H 9H 3C JH 8C QC 5S 4D AC TC 4S 4H JS TH 2D QD 5C JC 7H"},
    {42u, "unlimited", 3, true,
     "JS JH AS 4S 6C 4H KH QD 7S 2C 5H QS TH 9D 2H 3S AC KD 5D AD TC 8C 3C QC KS 2D 8S 2S TS 6D 3D 4C 6H 3H 7D JD 4D 9C JC TD 9S 6S 8H 5C 9H 7H 5S 8D 7C AH KC QH"},
    {42u, "draw1-limited", 78, true,
     "QS 8S 2C 2H 6H 2D 6C 4D 7H 3D TD 6D KC QD 5S JS 3S AC 9D JH 7D 9H 8H QH AS 4S 8C 5H 3C 8D TC 2S JD AD 6S 7S 9C TS 5C 3H TH 5D JC 9S 4H KH KS QC AH 7C KD 4C"},
    {42u, "draw3-limited", 3, true,
     "JS JH AS 4S 6C 4H KH QD 7S 2C 5H QS TH 9D 2H 3S AC KD 5D AD TC 8C 3C QC KS 2D 8S 2S TS 6D 3D 4C 6H 3H 7D JD 4D 9C JC TD 9S 6S 8H 5C 9H 7H 5S 8D 7C AH KC QH"},
    {4242u, "unlimited", 1, true,
     "TS 9C JH 4H 6H 5H AC 3H AH TC 2C QC 6C KH 8H 9S 2D KS 4D 7S 7H KC 2S 3C 6S QD AD 9H 7D QS 5D TD 8S KD 2H AS TH 4C 5S 3S 9D JD 4S 7C 3D 5C JC 8C QH 8D 6D JS"},
    {4242u, "draw1-limited", 18, true,
     "QS KC 2D 2C 4H 2S 8C AC TH 9C 8D TC 5C QD 3H TS 5S QH 7S JD 5D 8H QC 6H TD AH 9H KS 7H JH 9D 8S 7C 4D 4S 6C 6D JS AD 3C 4C JC 2H 7D 9S KH 5H 3S KD AS 3D 6S"},
    {4242u, "draw3-limited", 1, true,
     "TS 9C JH 4H 6H 5H AC 3H AH TC 2C QC 6C KH 8H 9S 2D KS 4D 7S 7H KC 2S 3C 6S QD AD 9H 7D QS 5D TD 8S KD 2H AS TH 4C 5S 3S 9D JD 4S 7C 3D 5C JC 8C QH 8D 6D JS"},
    {65536u, "unlimited", 4, true,
     "QS 6S 9C 5H AH 5S JH 6D KD 3C 2D KC TC AD 9H 3D 8S 4D 7D JD 2C 7C 4C 6H TD KS TH 8C QD 9S KH 6C JC 5C 8D 9D 3H 2H TS JS 4S 5D 2S AC 3S 4H QC 7H 8H AS 7S QH"},
    {65536u, "draw1-limited", 22, true,
     "QH 4S 4D 5S 8S 7D AS 7H KH QS 4H AH 9H 6C 2S KC TH JH JC 6D 9D 8C KS 3D 3H 9S TD QD 7S 4C 8H AD 3C 3S AC 7C 5C 8D 5D 2H KD 2C QC 5H 6H 9C JD 2D JS TS TC 6S"},
    {65536u, "draw3-limited", 12, true,
     "8D 5H KD 9S 6D 5D 2S 8S TC 4H TH 3H 2D AD 3S 6S 2H 4C 6C 7S 7C QS KS KH JD TD AC 8C 4S 8H 6H KC QC AS 2C 5C QD JH 7H 4D 3D 9C AH 7D TS 5S QH 9H JS 3C 9D JC"},
    {1000000u, "unlimited", 1, true,
     "2D 3S JC AC 9H KS 6C 6D 3C 7C 4H TC AD JD 8D TD 3H 3D 8C 5S 6H 4C KH 8H KC 4S 9C QD JH AH 6S QH 2S 2H AS 7D 5H 7S 5C 9S TS QC 5D KD JS 9D 2C QS TH 7H 8S 4D"},
    {1000000u, "draw1-limited", 4, true,
     "JD 9H 6D KH 9S 5C 7S 6C 8D 6S 2D 9C 5H 3C 5S TC 8S 4S TD QC TH 6H JH 3S JC 8H QH 4D 7D AD 7H 9D 2H AS KS QS AC TS JS 4C 7C KD AH 4H 5D 8C 3H QD KC 2S 2C 3D"},
    {1000000u, "draw3-limited", 1, true,
     "2D 3S JC AC 9H KS 6C 6D 3C 7C 4H TC AD JD 8D TD 3H 3D 8C 5S 6H 4C KH 8H KC 4S 9C QD JH AH 6S QH 2S 2H AS 7D 5H 7S 5C 9S TS QC 5D KD JS 9D 2C QS TH 7H 8S 4D"},
    {2147483647u, "unlimited", 7, true,
     "5D 4C JC 9C 5H AC 8H 6H QC TC 7H QS TH AD KC TS 6D KS 2S AH 6S KH 3H AS 4D 9D JS 7D 3D 6C 9H 7C 5C 9S QH 3S 4S JH 2H KD 4H TD QD 2C 8S JD 8C 2D 8D 3C 5S 7S"},
    {2147483647u, "draw1-limited", 16, true,
     "8H KC TC JC KD 9S 4D 6C JH 7H 3H AS 4S 9D 3C AC 2H 8C TD 2S QS 7C KS 2D 9H AH QH 4H 6H 3D 7S 5D 5H AD 7D 4C QD JS 2C 6S 6D 5S TH KH TS JD 5C 8S 9C 8D 3S QC"},
    {2147483647u, "draw3-limited", 16, true,
     "8H KC TC JC KD 9S 4D 6C JH 7H 3H AS 4S 9D 3C AC 2H 8C TD 2S QS 7C KS 2D 9H AH QH 4H 6H 3D 7S 5D 5H AD 7D 4C QD JS 2C 6S 6D 5S TH KH TS JD 5C 8S 9C 8D 3S QC"},
};

TEST(NumberedDeals, GoldenTable)
{
    ASSERT_GT(std::size(kGolden), 0u);
    for (const GoldenDeal& g : kGolden) {
        const NumberedDeal deal = findNumberedDeal(g.number, *rulesNamed(g.rules));
        EXPECT_EQ(formatDealLine(deal.deck), g.deck) << g.number << ' ' << g.rules;
        EXPECT_EQ(deal.attempt, g.attempt) << g.number << ' ' << g.rules;
        EXPECT_EQ(deal.isVerified, g.isVerified) << g.number << ' ' << g.rules;
    }
}

// Every number up to 1000, not just the golden rows: a change to the search
// behind numbered deals moves a few numbers in a hundred, which a handful of
// rows can miss. One case per rule set, so they run side by side.
class PinnedDealNumbers : public ::testing::TestWithParam<PinnedNumbers> {};

TEST_P(PinnedDealNumbers, EveryNumberUpTo1000DealsAsReleased)
{
    std::vector<int> pinned;
    for (std::string_view rest = GetParam().attempts; !rest.empty();) {
        const std::size_t comma = std::min(rest.find(','), rest.size());
        int attempt = 0;
        std::from_chars(rest.data(), rest.data() + comma, attempt);
        pinned.push_back(attempt);
        rest.remove_prefix(std::min(comma + 1, rest.size()));
    }
    ASSERT_EQ(pinned.size(), 1000u);
    const DealRules rules = *rulesNamed(GetParam().rules);
    std::vector<int> found(pinned.size());
    const auto work = [&](std::size_t first, std::size_t step) {
        for (std::size_t i = first; i < found.size(); i += step) {
            const NumberedDeal deal = findNumberedDeal(std::uint32_t(i + 1), rules);
            found[i] = deal.isVerified ? deal.attempt : -deal.attempt;
        }
    };
    const std::size_t threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> helpers;
    for (std::size_t t = 1; t < threads; ++t)
        helpers.emplace_back(work, t, threads);
    work(0, threads);
    for (std::thread& t : helpers)
        t.join();
    const auto moved = std::mismatch(found.begin(), found.end(), pinned.begin());
    EXPECT_TRUE(moved.first == found.end()) << "deal number " << (moved.first - found.begin()) + 1 << " under "
                                        << GetParam().rules << " now deals attempt " << *moved.first
                                        << ", released as " << *moved.second;
}

INSTANTIATE_TEST_SUITE_P(NumberedDeals, PinnedDealNumbers, ::testing::ValuesIn(kPinnedNumbers),
                         [](const ::testing::TestParamInfo<PinnedNumbers>& info) {
                             std::string name(info.param.rules);
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// The loop under every deal: shuffles tried in order until one is proved
// winnable, the search over all of them counted; when none is, the last one;
// a stop ends it at once.
TEST(NumberedDeals, FirstWinnableShuffle)
{
    const DealRules rules = DealRules::unlimited();
    std::vector<int> asked;
    std::int64_t nodes = 0;
    const auto shuffleFor = [&](int attempt) {
        asked.push_back(attempt);
        const Deck deck = numberedShuffle(1, attempt);
        const DealLayout layout = dealLayout(deck);
        nodes += solve(layout.tableau, layout.stock, {}, {0, 0, 0, 0}, rules.drawCount, kDefaultMaxNodes,
                       rules.maxRecycles)
                     .nodes;
        return deck;
    };
    const VerifiedShuffle found = firstWinnableShuffle(rules, shuffleFor);
    EXPECT_EQ(asked, (std::vector<int>{1, 2, 3, 4, 5})); // deal 1's fifth shuffle, as in the golden table
    EXPECT_TRUE(found.isVerified);
    EXPECT_EQ(found.attempt, 5);
    EXPECT_EQ(found.nodes, nodes);
    EXPECT_EQ(formatDealLine(found.deck), formatDealLine(numberedShuffle(1, 5)));

    asked.clear();
    nodes = 0;
    const VerifiedShuffle none = firstWinnableShuffle(rules, shuffleFor, kDefaultMaxNodes, 4);
    EXPECT_FALSE(none.isVerified);
    EXPECT_FALSE(none.stopped);
    EXPECT_EQ(none.attempt, 4);
    EXPECT_EQ(none.nodes, nodes);
    EXPECT_EQ(formatDealLine(none.deck), formatDealLine(numberedShuffle(1, 4)));

    const std::atomic<bool> stop{true};
    asked.clear();
    const VerifiedShuffle stopped = firstWinnableShuffle(rules, shuffleFor, kDefaultMaxNodes, kDealAttempts, &stop);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_FALSE(stopped.isVerified);
    EXPECT_EQ(asked.size(), 1u);
}

// The generator itself, against values worked out by hand from its
// definition, so a change to it shows here before it shows as deals.
TEST(NumberedDeals, GeneratorAndBoundedDraws)
{
    DealRandom zero(0);
    EXPECT_EQ(zero.next(), 0xE220A8397B1DCDAFull);
    EXPECT_EQ(zero.next(), 0x6E789E6AA1B965F4ull);
    DealRandom random(42);
    std::array<int, 7> counts{};
    for (int i = 0; i < 70000; ++i) {
        const std::uint32_t r = random.below(7);
        ASSERT_LT(r, 7u);
        ++counts[r];
    }
    for (int c : counts)
        EXPECT_NEAR(c, 10000, 500);
    EXPECT_EQ(DealRandom(5).below(1), 0u);
    // Every shuffle is a permutation, and different attempts differ.
    for (int attempt = 1; attempt <= 3; ++attempt) {
        const Deck deck = numberedShuffle(kLastDealNumber, attempt);
        EXPECT_TRUE(parseDealLine(formatDealLine(deck)).deck);
        EXPECT_NE(formatDealLine(deck), formatDealLine(numberedShuffle(kLastDealNumber, attempt + 1)));
    }
}

TEST(NumberedDeals, ParsesNumbersAsTyped)
{
    const struct {
        std::string_view text;
        std::optional<std::uint32_t> number;
    } cases[] = {
        {"1", 1u}, {"42", 42u}, {"0042", 42u}, {"2147483647", kLastDealNumber},
        {"000000000000042", 42u}, {"0000000000002147483647", kLastDealNumber}, {"000000000000000", std::nullopt},
        {"00000000000021474836470", std::nullopt},
        {"0000000000001", 1u}, {"00000000002147483647", kLastDealNumber}, {"0000000000000", std::nullopt},
        {"", std::nullopt}, {"0", std::nullopt}, {"-5", std::nullopt}, {"+5", std::nullopt},
        {"abc", std::nullopt}, {"2147483648", std::nullopt}, {"99999999999999999999", std::nullopt},
        {" 42", std::nullopt}, {"4.2", std::nullopt}, {"4 2", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseDealNumber(c.text), c.number) << '"' << c.text << '"';
}

// Today's Deal of each date, from an independent reference (Python's own
// calendar and SplitMix64 written out). Never edit a row: every player's deal
// of that day would change.
TEST(DailyDeals, GoldenDatesToNumbers)
{
    const struct {
        int year, month, day;
        std::int64_t daysSince1970;
        std::uint32_t number;
    } golden[] = {
        {1970, 1, 1, 0, 1063198246u},      {1969, 12, 31, -1, 1696075538u},   {2000, 2, 29, 11016, 690716497u},
        {2000, 3, 1, 11017, 1121238815u},  {2023, 12, 31, 19722, 425488089u}, {2024, 1, 1, 19723, 230124273u},
        {2024, 2, 28, 19781, 233350977u},  {2024, 2, 29, 19782, 1561260709u}, {2024, 3, 1, 19783, 150807335u},
        {2026, 12, 7, 20794, 1099116987u}, {2026, 12, 8, 20795, 1339959683u}, {2026, 12, 31, 20818, 1618151859u},
        {2027, 1, 1, 20819, 911379094u},   {2100, 3, 1, 47541, 172477999u},
    };
    for (const auto& g : golden) {
        EXPECT_EQ(daysFromCivil(g.year, g.month, g.day), g.daysSince1970) << g.year << '-' << g.month << '-' << g.day;
        EXPECT_EQ(dailyDealNumber(g.year, g.month, g.day), g.number) << g.year << '-' << g.month << '-' << g.day;
    }
}

// Walking the calendar day by day, across month ends, leap days and year
// ends: the day count steps by one, and every day's deal is a different one.
TEST(DailyDeals, EveryDayOfFourYearsHasItsOwnDeal)
{
    std::set<std::uint32_t> seen;
    std::int64_t expectedDays = daysFromCivil(2025, 1, 1);
    for (int year = 2025; year <= 2028; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const int length = month == 2 ? (year % 4 == 0 ? 29 : 28) : (month == 4 || month == 6 || month == 9 || month == 11) ? 30 : 31;
            for (int day = 1; day <= length; ++day, ++expectedDays) {
                ASSERT_EQ(daysFromCivil(year, month, day), expectedDays) << year << '-' << month << '-' << day;
                const std::uint32_t number = dailyDealNumber(year, month, day);
                EXPECT_GE(number, kFirstDealNumber);
                EXPECT_LE(number, kLastDealNumber);
                EXPECT_TRUE(seen.insert(number).second) << year << '-' << month << '-' << day;
            }
        }
    }
    EXPECT_EQ(seen.size(), 1461u);
}

TEST(DealCodes, RoundTripsAndShape)
{
    std::mt19937_64 random(11); // test data only; codes do not depend on it
    std::vector<Deck> decks{orderedDeck()};
    Deck reversed = orderedDeck();
    std::reverse(reversed.begin(), reversed.end()); // the largest rank, 52! - 1
    decks.push_back(reversed);
    for (int i = 0; i < 200; ++i)
        decks.push_back(testing::shuffledDeck(random));
    EXPECT_EQ(encodeDealCode(orderedDeck()).substr(0, 7), "000000-");
    for (const Deck& deck : decks) {
        const std::string code = encodeDealCode(deck);
        ASSERT_EQ(code.size(), 54u);
        EXPECT_EQ(code.find_first_not_of("0123456789ABCDEFGHJKMNPQRSTVWXYZ-"), std::string::npos) << code;
        const DealCodeParse back = parseDealCode(code);
        ASSERT_TRUE(back.deck) << code;
        EXPECT_EQ(formatDealLine(*back.deck), formatDealLine(deck));
        // As typed back: lower case, no dashes, spaces.
        std::string typed;
        for (char c : code)
            if (c != '-')
                typed += char(std::tolower(c));
        typed.insert(20, " ");
        EXPECT_EQ(formatDealLine(*parseDealCode(typed).deck), formatDealLine(deck));
        // The layout gives back its deck.
        EXPECT_EQ(formatDealLine(*deckOfLayout(dealLayout(deck))), formatDealLine(deck));
    }
}

TEST(DealCodes, RefusesEverySingleCharacterTypo)
{
    std::mt19937_64 random(5);
    const std::string alphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZIOU#";
    for (int sample = 0; sample < 20; ++sample) {
        const Deck deck = testing::shuffledDeck(random);
        const std::string code = encodeDealCode(deck);
        for (std::size_t at = 0; at < code.size(); ++at) {
            if (code[at] == '-')
                continue;
            for (char c : alphabet) {
                if (c == code[at])
                    continue;
                std::string typo = code;
                typo[at] = c;
                const DealCodeParse parsed = parseDealCode(typo);
                ASSERT_FALSE(parsed.deck) << typo;
                EXPECT_EQ(parsed.error, DealCodeError::mistyped) << typo;
            }
        }
        // A character left out or doubled is not the length of a code.
        EXPECT_EQ(parseDealCode(code.substr(1)).error, DealCodeError::notACode);
        EXPECT_EQ(parseDealCode(code + "7").error, DealCodeError::notACode);
    }
    for (std::string_view text : {"", "42", "abc", "4.2"})
        EXPECT_EQ(parseDealCode(text).error, DealCodeError::notACode) << text;
    // The right length and check, but past the last of the 52! orders.
    std::string tooLarge(kDealCodeDigits, 'Z');
    for (char c : std::string("0123456789ABCDEFGHJKMNPQRSTVWXYZ")) {
        const DealCodeParse parsed = parseDealCode(tooLarge + c);
        EXPECT_FALSE(parsed.deck);
        EXPECT_EQ(parsed.error, DealCodeError::mistyped);
    }
}

TEST(DealCodes, LayoutsThatWereNotDealtHaveNoDeck)
{
    const DealLayout good = dealLayout(orderedDeck());
    auto broken = [&](auto change) {
        DealLayout layout = good;
        change(layout);
        return deckOfLayout(layout).has_value();
    };
    EXPECT_TRUE(broken([](DealLayout&) {}));
    EXPECT_FALSE(broken([](DealLayout& l) { l.stock.pop_back(); }));
    EXPECT_FALSE(broken([](DealLayout& l) { l.stock[0].isFaceUp = true; }));
    EXPECT_FALSE(broken([](DealLayout& l) { l.tableau[3][0].isFaceUp = true; }));
    EXPECT_FALSE(broken([](DealLayout& l) { l.tableau[6].back().isFaceUp = false; }));
    EXPECT_FALSE(broken([](DealLayout& l) { l.tableau[2][1] = l.tableau[4][0]; }));
    EXPECT_FALSE(broken([](DealLayout& l) { l.tableau[1].push_back(l.stock.back()); l.stock.pop_back(); }));
}

} // namespace
} // namespace murvane::solver
