#include "DealNumbers.h"

#include <algorithm>

namespace murvane::solver {

namespace {
// More significant digits than this are past the last number; the bound keeps
// the sum within 64 bits.
constexpr std::size_t kMaxDealNumberDigits = 12;
} // namespace

Deck numberedShuffle(std::uint32_t number, int attempt)
{
    DealRandom random((std::uint64_t(number) << 32) | std::uint32_t(attempt));
    Deck deck = orderedDeck();
    shuffleDeck(deck, random);
    return deck;
}

NumberedDeal findNumberedDeal(std::uint32_t number, const DealRules& rules, std::int64_t maxNodes, int attempts,
                              const std::atomic<bool>* stop)
{
    return firstWinnableShuffle(
        rules, [number](int attempt) { return numberedShuffle(number, attempt); }, maxNodes, attempts, stop);
}

std::optional<std::uint32_t> parseDealNumber(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    // Leading zeros do not count towards the bound.
    const std::size_t firstDigit = std::min(text.find_first_not_of('0'), text.size());
    if (text.size() - firstDigit > kMaxDealNumberDigits)
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
