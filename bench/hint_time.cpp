// Time to answer a hint from a fresh deal (the hardest place to ask), per
// rule set, against deal verification's search on the same deals in the
// same run. Usage: hint_time [budget] [deals]
#include "solver_bench_support.h"
#include "solver/HintSearch.h"
#include "solver/Solver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace murvane::solver;

namespace {

double percentile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(q * double(v.size())))];
}

double millisSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    const std::int64_t budget = argc > 1 ? std::atoll(argv[1]) : kHintNodeBudget;
    const int count = argc > 2 ? std::atoi(argv[2]) : 200;
    const auto deals = bench::fixedDeals(count);
    for (const int drawCount : {1, 3}) {
        std::vector<double> hintMs, verifyMs;
        int wins = 0, lost = 0, spent = 0;
        for (const DealLayout& d : deals) {
            auto start = std::chrono::steady_clock::now();
            solve(d.tableau, d.stock, {}, {0, 0, 0, 0}, drawCount, 10000, std::nullopt);
            verifyMs.push_back(millisSince(start));
            start = std::chrono::steady_clock::now();
            const HintResult r = findHint({d.tableau, d.stock, {}, {0, 0, 0, 0}, drawCount, std::nullopt}, budget);
            hintMs.push_back(millisSince(start));
            wins += r.verdict == HintResult::Verdict::winningLine;
            lost += r.verdict == HintResult::Verdict::provedLost;
            spent += r.verdict == HintResult::Verdict::budgetSpent;
        }
        std::printf("draw %d, budget %lld, %d deals: hint p50 %.1f ms p99 %.1f ms max %.1f ms; "
                    "verification p99 %.2f ms (hint p99 = %.0fx); line %d, lost %d, budget spent %d\n",
                    drawCount, static_cast<long long>(budget), count, percentile(hintMs, 0.5),
                    percentile(hintMs, 0.99), percentile(hintMs, 1.0), percentile(verifyMs, 0.99),
                    percentile(hintMs, 0.99) / std::max(1e-6, percentile(verifyMs, 0.99)), wins, lost, spent);
    }
    return 0;
}
