#include "DealNumbers.h"

#include <algorithm>

namespace murvane::solver {

namespace {
// Digits of kLastDealNumber; more than this is out of range whatever they are
// (and the value could no longer overflow before the check).
constexpr std::size_t kLongestDealNumber = 10;
} // namespace

Deck numberedShuffle(std::uint32_t number, int attempt)
{
    DealRandom random((std::uint64_t(number) << 32) | std::uint32_t(attempt));
    Deck deck = orderedDeck();
    shuffleDeck(deck, random);
    return deck;
}

SolveResult checkNumberedShuffle(std::uint32_t number, int attempt, const DealRules& rules,
                                 const std::atomic<bool>* stop)
{
    return numbered::v1::solveDealt(numberedShuffle(number, attempt), rules, stop);
}

NumberedDeal findNumberedDeal(std::uint32_t number, const DealRules& rules, const std::atomic<bool>* stop)
{
    NumberedDeal found;
    for (int attempt = 1; attempt <= kNumberedAttempts; ++attempt) {
        const SolveResult r = checkNumberedShuffle(number, attempt, rules, stop);
        found.attempt = attempt;
        found.nodes += r.nodes;
        found.isVerified = r.isWinnable;
        if (r.stopped) {
            found.stopped = true;
            return found;
        }
        if (r.isWinnable)
            break;
    }
    found.deck = numberedShuffle(number, found.attempt);
    return found;
}

std::int64_t daysFromCivil(std::int64_t year, int month, int day)
{
    // Years start in March, so the leap day ends a year.
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

std::uint32_t dailyDealNumber(int year, int month, int day)
{
    DealRandom random(std::uint64_t(daysFromCivil(year, month, day)));
    constexpr std::uint64_t kNumbers = std::uint64_t(kLastDealNumber) - kFirstDealNumber + 1;
    return kFirstDealNumber + std::uint32_t(random.next() % kNumbers);
}

std::optional<std::uint32_t> parseDealNumber(std::string_view text)
{
    // Leading zeros do not count towards the length, so they may run on.
    const std::size_t significant = std::min(text.find_first_not_of('0'), text.size());
    if (text.empty() || text.size() - significant > kLongestDealNumber)
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + std::uint64_t(c - '0');
    }
    if (value < kFirstDealNumber || value > kLastDealNumber)
        return std::nullopt;
    return std::uint32_t(value);
}

} // namespace murvane::solver
