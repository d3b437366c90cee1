#include "DealNumbers.h"

namespace murvane::solver {

Deck numberedShuffle(std::uint32_t number, int attempt)
{
    DealRandom random((std::uint64_t(number) << 32) | std::uint32_t(attempt));
    Deck deck = orderedDeck();
    for (int i = 0; i < kDeckCards - 1; ++i) {
        const int j = int(random.below(std::uint32_t(kDeckCards - i)));
        if (j != 0)
            std::swap(deck[std::size_t(i)], deck[std::size_t(i + j)]);
    }
    return deck;
}

NumberedDeal findNumberedDeal(std::uint32_t number, int drawCount, std::optional<int> maxRecycles,
                              std::int64_t maxNodes, int attempts, const std::atomic<bool>* stop)
{
    NumberedDeal deal;
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        deal.deck = numberedShuffle(number, attempt);
        deal.attempt = attempt;
        const DealLayout layout = dealLayout(deal.deck);
        const SolveResult r = solve(layout.tableau, layout.stock, {}, {0, 0, 0, 0}, drawCount, maxNodes,
                                    maxRecycles, stop);
        deal.isVerified = r.isWinnable;
        if (r.stopped) {
            deal.stopped = true;
            return deal;
        }
        if (r.isWinnable)
            break;
    }
    return deal;
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
