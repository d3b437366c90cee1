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
