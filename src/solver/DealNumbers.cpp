#include "DealNumbers.h"

namespace murvane::solver {

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
    if (text.empty() || text.size() > 12)
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
