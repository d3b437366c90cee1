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

Solve::Solve(const std::array<std::vector<SolverCard>, 7>& tableau, const std::vector<SolverCard>& stock,
             const std::vector<SolverCard>& waste, const std::array<int, 4>& foundation, int drawCount,
             std::int64_t maxNodes, std::optional<int> maxRecycles)
{
    if (!SolverSearch::isValidPosition(tableau, stock, waste, foundation)) {
        answered_ = true; // not winnable, 0 nodes
        return;
    }
    search_ = std::make_unique<SolverSearch>(tableau, stock, waste, foundation, drawCount, maxNodes, maxRecycles);
    search_->prepareFastest();
}

Solve::~Solve() = default;

SolveResult Solve::run(const std::atomic<bool>* stop)
{
    if (answered_)
        return result_;
    search_->setStopFlag(stop);
    result_.isWinnable = search_->search();
    result_.nodes = search_->nodes();
    result_.stopped = search_->stopped();
    answered_ = !result_.stopped;
    if (answered_)
        search_.reset(); // its tables go back for the next search on this thread
    return result_;
}

} // namespace murvane::solver
