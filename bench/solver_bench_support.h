#pragma once
// Shared by the solver benchmarks: the fixed deal set and the synchronous
// "find a verified deal" loop as the game runs it.

#include "solver/DealText.h"
#include "solver/SolverSearch.h"

#include <cstdint>
#include <random>
#include <vector>

namespace murvane::solver::bench {

// Deals from a fixed seed, so that every run measures the same work.
inline std::vector<DealLayout> fixedDeals(int count, std::uint64_t seed = 20240601)
{
    std::mt19937_64 random(seed);
    std::vector<DealLayout> deals;
    deals.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        Deck deck = orderedDeck();
        shuffleDeck(deck, random);
        deals.push_back(dealLayout(deck));
    }
    return deals;
}

struct VerifiedDeal {
    int attempts = 0;
    bool isVerified = false;
    std::int64_t nodes = 0; // summed over all attempts
};

// Shuffle (Fisher-Yates from the given source), deal and solve until a deal
// is proved winnable or the attempts run out.
template <class Random>
VerifiedDeal findVerifiedDeal(const NamedRules& rules, Random& random, int maxAttempts = kDealAttempts,
                              std::int64_t maxNodes = kDefaultMaxNodes)
{
    VerifiedDeal result;
    while (result.attempts < maxAttempts) {
        Deck deck = orderedDeck();
        shuffleDeck(deck, random);
        const DealLayout layout = dealLayout(deck);
        ++result.attempts;
        std::int64_t nodes = 0;
        result.isVerified = SolverSearch::isWinnable(layout.tableau, layout.stock, {}, {0, 0, 0, 0},
                                                     rules.drawCount, maxNodes, rules.maxRecycles, &nodes);
        result.nodes += nodes;
        if (result.isVerified)
            break;
    }
    return result;
}

} // namespace murvane::solver::bench
