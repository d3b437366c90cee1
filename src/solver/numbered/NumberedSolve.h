#pragma once
// The check behind numbered deals, version 1: whether a dealt shuffle is
// proved winnable, exactly as numbered deals were released with. It runs on
// its own frozen copy of the solver (see FrozenSearch.h), so the game's own
// solver may get faster or smarter without moving a single numbered deal.
// The golden table and the pin of every number 1...1000 guard it.

#include "solver/Deals.h"

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace murvane::solver::numbered::v1 {

inline constexpr std::int64_t kMaxNodes = 10000; // positions per shuffle checked
inline constexpr int kAttempts = 500;            // shuffles tried per number

// The deck dealt as the game deals it, searched under `rules` within
// kMaxNodes from the empty waste and foundations. Safe on any thread; a
// true `stop` ends it within a few dozen positions (not winnable, stopped).
SolveResult solveDealt(const Deck& deck, const DealRules& rules, const std::atomic<bool>* stop = nullptr);

// The search tables this copy keeps per thread between solves (the game's
// releaseSpareTables and spareTableBytes include them).
void releaseSpareTables();
std::size_t spareTableBytes();

} // namespace murvane::solver::numbered::v1
