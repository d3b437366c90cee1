#include "Solver.h"

#include "SolverSearch.h"

namespace murvane::solver {

SolveResult solve(const std::array<std::vector<SolverCard>, 7>& tableau,
                  const std::vector<SolverCard>& stock, const std::vector<SolverCard>& waste,
                  const std::array<int, 4>& foundation, int drawCount, std::int64_t maxNodes,
                  std::optional<int> maxRecycles, const std::atomic<bool>* stop)
{
    SolveResult r;
    r.isWinnable = SolverSearch::isWinnable(tableau, stock, waste, foundation, drawCount, maxNodes,
                                            maxRecycles, &r.nodes, stop, &r.stopped);
    return r;
}

} // namespace murvane::solver
