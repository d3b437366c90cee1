#include "NumberedSolve.h"

#include "FrozenSearch.h"

namespace murvane::solver::numbered::v1 {

SolveResult solveDealt(const Deck& deck, const DealRules& rules, const std::atomic<bool>* stop)
{
    const DealLayout layout = dealLayout(deck);
    SolveResult r;
    r.isWinnable = SolverSearch::isWinnable(layout.tableau, layout.stock, {}, {0, 0, 0, 0}, rules.drawCount,
                                            kMaxNodes, rules.maxRecycles, &r.nodes, stop, &r.stopped);
    return r;
}

} // namespace murvane::solver::numbered::v1
