#pragma once
// New deals as values: a laid-out deal, the rules it was verified under, and
// the shuffle and verified search behind them. Safe to use from any thread.

#include "cards/Card.h"
#include "solver/DealText.h"

#include <QHash>

#include <atomic>
#include <cstdint>
#include <optional>

namespace murvane {

// The solver's own limits, so a deal found here is the one the deal tools
// and numbered deals find for the same shuffle.
inline constexpr int kDealAttempts = solver::kDealAttempts;                 // shuffles tried per deal
inline constexpr std::int64_t kSolverNodeBudget = solver::kDefaultMaxNodes; // positions per check

// The cache key of prepared deals: the rules a deal was verified under.
struct DealRules {
    std::int64_t drawCount = 3;
    std::optional<std::int64_t> maxRecycles; // none = unlimited
    friend bool operator==(const DealRules&, const DealRules&) = default;

    static DealRules unlimited() { return {3, std::nullopt}; }
    static DealRules drawOneLimited() { return {1, 0}; }
    static DealRules drawThreeLimited() { return {3, 2}; }
};
inline size_t qHash(const DealRules& r, size_t seed = 0)
{
    return ::qHash(r.drawCount * 1000 + (r.maxRecycles ? *r.maxRecycles : 999), seed);
}

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

// One uniform shuffle, laid out: column c gets c + 1 cards, its top one face
// up; the rest is the stock.
Layout makeShuffledDeal();
// Up to 500 shuffles, each checked within the node budget; the last one is
// used unverified when none passes.
Deal findVerifiedDeal(const DealRules& rules, const std::atomic<bool>* cancelled = nullptr);

} // namespace murvane
