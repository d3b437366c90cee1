#pragma once
// The hint search before mid-game positions were measured (bench only).
#include "solver/HintSearch.h"
#include "solver/HintState.h"

namespace murvane::solver::old_hint {

HintResult findHint(const HintPosition& position, const HintBudget& budget, const std::atomic<bool>* stop = nullptr);
HintResult searchAllMoves(const HintPosition& position, std::int64_t maxNodes, const std::atomic<bool>* stop = nullptr);
// Every legal move, in the order the old search tried them.
void legalMovesInOldOrder(const hint::State& s, std::vector<HintMove>& out);

} // namespace murvane::solver::old_hint
