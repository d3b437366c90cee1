// Solver throughput on a fixed set of deals, per rule set, in positions
// (nodes counted by the search) per second, next to the plain reference
// search of the tests on the same deals (the same-run baseline).

#include "solver_bench_support.h"

#include "solver/DealText.h"
#include "solver/ReferenceSolver.h"

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

using namespace murvane::solver;

constexpr int kDealCount = 64;

const std::vector<DealLayout>& deals()
{
    static const std::vector<DealLayout> fixed = bench::fixedDeals(kDealCount);
    return fixed;
}

void BM_SolveFixedDeals(benchmark::State& state)
{
    const DealRules& rules = kVerificationRules[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(rulesName(rules)));
    std::int64_t nodes = 0;
    std::int64_t solves = 0;
    std::int64_t verified = 0;
    for (auto _ : state) {
        for (const DealLayout& deal : deals()) {
            std::int64_t n = 0;
            const bool won = SolverSearch::isWinnable(deal.tableau, deal.stock, {}, {0, 0, 0, 0}, rules.drawCount,
                                                      kDefaultMaxNodes, rules.maxRecycles, &n);
            benchmark::DoNotOptimize(won);
            nodes += n;
            verified += won ? 1 : 0;
            ++solves;
        }
    }
    state.counters["positions/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
    state.counters["nodes/solve"] = benchmark::Counter(static_cast<double>(nodes) / static_cast<double>(solves));
    state.counters["verified"] = benchmark::Counter(static_cast<double>(verified) / static_cast<double>(solves));
    state.counters["us/solve"] = benchmark::Counter(static_cast<double>(solves),
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert,
                                                    benchmark::Counter::OneK::kIs1000);
}
BENCHMARK(BM_SolveFixedDeals)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The plain reference search on the same deals: the baseline for the above.
void BM_ReferenceFixedDeals(benchmark::State& state)
{
    const DealRules& rules = kVerificationRules[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(rulesName(rules)));
    std::int64_t nodes = 0;
    for (auto _ : state) {
        for (const DealLayout& deal : deals()) {
            const SolveResult r = reference::solve(deal.tableau, deal.stock, {}, {0, 0, 0, 0}, rules.drawCount,
                                                   kDefaultMaxNodes, rules.maxRecycles);
            benchmark::DoNotOptimize(r);
            nodes += r.nodes;
        }
    }
    state.counters["positions/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReferenceFixedDeals)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Both searches over the deal set, alternately, each timed on this thread's
// CPU clock, and their answers compared: the ratio of their throughputs under the same conditions, which
// holds up on a busy machine better than either figure alone.
double threadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

void BM_SolverOverReference(benchmark::State& state)
{
    const DealRules& rules = kVerificationRules[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(rulesName(rules)));
    std::int64_t nodes = 0;
    std::int64_t mismatches = 0;
    double solverSeconds = 0;
    double referenceSeconds = 0;
    std::vector<SolveResult> answers(deals().size());
    for (auto _ : state) {
        // A pass of each, so that neither runs in caches the other filled.
        const double t0 = threadSeconds();
        for (std::size_t i = 0; i < deals().size(); ++i) {
            const DealLayout& deal = deals()[i];
            answers[i].isWinnable = SolverSearch::isWinnable(deal.tableau, deal.stock, {}, {0, 0, 0, 0},
                                                             rules.drawCount, kDefaultMaxNodes, rules.maxRecycles,
                                                             &answers[i].nodes);
        }
        const double t1 = threadSeconds();
        for (std::size_t i = 0; i < deals().size(); ++i) {
            const DealLayout& deal = deals()[i];
            const SolveResult r = reference::solve(deal.tableau, deal.stock, {}, {0, 0, 0, 0}, rules.drawCount,
                                                   kDefaultMaxNodes, rules.maxRecycles);
            nodes += r.nodes;
            mismatches += (answers[i].isWinnable != r.isWinnable || answers[i].nodes != r.nodes) ? 1 : 0;
        }
        const double t2 = threadSeconds();
        solverSeconds += t1 - t0;
        referenceSeconds += t2 - t1;
    }
    const double solverRate = static_cast<double>(nodes) / solverSeconds;
    const double referenceRate = static_cast<double>(nodes) / referenceSeconds;
    state.counters["positions/s"] = benchmark::Counter(solverRate);
    state.counters["reference/s"] = benchmark::Counter(referenceRate);
    state.counters["ratio"] = benchmark::Counter(solverRate / referenceRate);
    state.counters["mismatches"] = benchmark::Counter(static_cast<double>(mismatches));
}
BENCHMARK(BM_SolverOverReference)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(4);

// One deal end to end, the cost of a quick win (setup included).
void BM_SolveQuickWin(benchmark::State& state)
{
    const DealParse parsed = parseDealLine(
        "9D 7D 7C QD QS 6C 3S 8H 5D JS JH 8C QC 2S 6H AS TD JC AH 4S JD KS 8D 3D 3C 7S TH 2D 2C 4C TC 5H 9H 8S "
        "5S KC 6D 5C AD KD 4H TS 9S QH 6S KH AC 7H 9C 3H 2H 4D");
    const DealLayout deal = dealLayout(*parsed.deck);
    constexpr DealRules rules = DealRules::unlimited();
    std::int64_t nodes = 0;
    for (auto _ : state) {
        std::int64_t n = 0;
        benchmark::DoNotOptimize(SolverSearch::isWinnable(deal.tableau, deal.stock, {}, {0, 0, 0, 0}, rules.drawCount,
                                                          kDefaultMaxNodes, rules.maxRecycles, &n));
        nodes += n;
    }
    state.counters["positions/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SolveQuickWin)->Unit(benchmark::kMicrosecond);

} // namespace
