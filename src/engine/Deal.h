#pragma once
// New deals as values: a laid-out deal, the rules it was verified under, and
// the shuffle and verified search behind them. Safe to use from any thread.

#include "cards/Card.h"
#include "solver/Deals.h"

#include <QHash>

#include <atomic>
#include <cstdint>
#include <optional>

namespace murvane {

// The rules a deal is verified and played under; the cache key of prepared deals.
using DealRules = solver::DealRules;

} // namespace murvane

namespace murvane::solver {
// Found by argument-dependent lookup, so it lives beside the type.
inline size_t qHash(const DealRules& r, size_t seed = 0)
{
    return ::qHash(r.drawCount * 1000 + (r.maxRecycles ? *r.maxRecycles : 999), seed);
}
} // namespace murvane::solver

namespace murvane {

struct Layout {
    Tableau tableau;
    Pile stock;
};

// A laid-out deal ready to install.
struct Deal {
    Tableau tableau;
    Pile stock;
    std::int64_t attempts = 0; // shuffles made to find it, 1...500
    bool isVerified = false;
};

// A deck laid out as the game deals it, with new cards.
Layout layoutOf(const solver::Deck& deck);
// One uniform shuffle from the operating system's random source.
solver::Deck shuffledDeck();
// The same, laid out: column c gets c + 1 cards, its top one face
// up; the rest is the stock.
Layout makeShuffledDeal();
// Up to 500 shuffles, each checked within the node budget; the last one is
// used unverified when none passes.
Deal findVerifiedDeal(const DealRules& rules, const std::atomic<bool>* cancelled = nullptr);

} // namespace murvane
