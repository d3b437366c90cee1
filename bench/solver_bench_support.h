#pragma once
// Shared by the solver benchmarks and tools: shuffles from a standard engine,
// the fixed deal set and the synchronous "find a verified deal" loop as the
// game runs it.

#include "solver/Deals.h"
#include "solver/SolverSearch.h"

#include <cstdint>
#include <random>
#include <vector>

namespace murvane::solver::bench {

// shuffleDeck's draws from a standard engine, taken as the tools have always
// taken them, so that a tool's seed keeps giving the same deals. Never for
// numbered deals: standard distributions differ between library
// implementations.
template <class Engine>
class EngineDraws {
public:
    explicit EngineDraws(Engine& engine) : engine_(engine) {}
    std::uint32_t below(std::uint32_t bound)
    {
        return static_cast<std::uint32_t>(std::uniform_int_distribution<int>(0, static_cast<int>(bound) - 1)(engine_));
    }

private:
    Engine& engine_;
};

template <class Engine>
Deck shuffledDeck(Engine& engine)
{
    Deck deck = orderedDeck();
    EngineDraws<Engine> draws(engine);
    shuffleDeck(deck, draws);
    return deck;
}

// Deals from a fixed seed, so that every run measures the same work.
inline std::vector<DealLayout> fixedDeals(int count, std::uint64_t seed = 20240601)
{
    std::mt19937_64 random(seed);
    std::vector<DealLayout> deals;
    deals.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        deals.push_back(dealLayout(shuffledDeck(random)));
    return deals;
}

// Shuffles from the given engine until the solver proves a deal winnable or
// the attempts run out; `nodes` sums the search over all attempts.
template <class Engine>
VerifiedShuffle findVerifiedDeal(const DealRules& rules, Engine& engine, int maxAttempts = kDealAttempts,
                                 std::int64_t maxNodes = kDefaultMaxNodes)
{
    return firstWinnableShuffle(
        rules, [&engine](int) { return shuffledDeck(engine); }, maxNodes, maxAttempts);
}

} // namespace murvane::solver::bench
