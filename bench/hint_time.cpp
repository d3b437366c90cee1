// Time to answer a hint from mid-game positions, per rule set, against deal
// verification's search on the same positions in the same run. A position is
// a fixed deal after a seeded run of random legal moves, so it may be won,
// lost or undecided, as positions are when a player asks.
#include "solver_bench_support.h"
#include "solver/HintSearch.h"
#include "solver/Solver.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <optional>
#include <random>
#include <string_view>
#include <vector>

using namespace murvane::solver;

namespace {

struct RuleSet {
    const char* name;
    int drawCount;
    std::optional<int> recycles; // none: unlimited
};
constexpr RuleSet kRuleSets[] = {{"unlimited", 3, std::nullopt}, {"draw1-limited", 1, 0}, {"draw3-limited", 3, 2}};
constexpr int kVerificationBudget = 10000;

struct Options {
    std::int64_t budget = kHintNodeBudget;
    int positions = 1000;
    int movesIn = 20; // random legal moves played before asking
};

void usage(std::FILE* out)
{
    std::fprintf(out, "usage: hint_time [--budget N] [--positions N] [--moves N]\n"
                      "  times the hint search (default budget %lld) and deal verification's search\n"
                      "  (10000) on N mid-game positions per rule set (default 1000), each a fixed\n"
                      "  deal after --moves random legal moves (default 20)\n",
                 static_cast<long long>(kHintNodeBudget));
}

template <class Int>
bool parseNumber(std::string_view text, Int& value)
{
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc{} && ptr == text.data() + text.size() && value >= 0;
}

std::optional<Options> parseOptions(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            usage(stdout);
            std::exit(0);
        }
        const bool known = arg == "--budget" || arg == "--positions" || arg == "--moves";
        if (!known || i + 1 >= argc) {
            std::fprintf(stderr, "hint_time: %s '%s'\n", known ? "missing value for" : "unknown option", argv[i]);
            return std::nullopt;
        }
        const std::string_view value = argv[++i];
        const bool ok = arg == "--budget"      ? parseNumber(value, o.budget)
                        : arg == "--positions" ? parseNumber(value, o.positions) && o.positions > 0
                                               : parseNumber(value, o.movesIn);
        if (!ok) {
            std::fprintf(stderr, "hint_time: bad value '%s' for %s\n", argv[i], argv[i - 1]);
            return std::nullopt;
        }
    }
    return o;
}

// A random legal move: candidates of every kind are drawn at random and the
// first one the rules accept is played.
bool playRandomMove(HintPosition& p, std::mt19937_64& rng)
{
    std::uniform_int_distribution<int> kind(0, 6), column(0, kColumnCount - 1), suit(0, kSuitCount - 1),
        start(0, 19);
    for (int attempt = 0; attempt < 400; ++attempt) {
        HintMove m;
        m.kind = static_cast<HintMove::Kind>(kind(rng));
        m.fromColumn = column(rng);
        m.toColumn = column(rng);
        m.suitIndex = suit(rng);
        m.startIndex = start(rng);
        if (applyHintMove(p, m))
            return true;
    }
    return false;
}

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
    const auto options = parseOptions(argc, argv);
    if (!options) {
        usage(stderr);
        return 2;
    }
    const auto deals = bench::fixedDeals(options->positions);
    for (const RuleSet& rules : kRuleSets) {
        std::vector<double> hintMs, verifyMs;
        int wins = 0, lost = 0, spent = 0;
        std::mt19937_64 rng(0x51A7E);
        for (const DealLayout& d : deals) {
            HintPosition p{d.tableau, d.stock, {}, {0, 0, 0, 0}, rules.drawCount, rules.recycles};
            for (int i = 0; i < options->movesIn && playRandomMove(p, rng); ++i) {
            }
            auto start = std::chrono::steady_clock::now();
            solve(p.tableau, p.stock, p.waste, p.foundation, p.drawCount, kVerificationBudget, p.recyclesLeft);
            verifyMs.push_back(millisSince(start));
            start = std::chrono::steady_clock::now();
            const HintResult r = findHint(p, options->budget);
            hintMs.push_back(millisSince(start));
            wins += r.verdict == HintResult::Verdict::winningLine;
            lost += r.verdict == HintResult::Verdict::provedLost;
            spent += r.verdict == HintResult::Verdict::budgetSpent;
        }
        std::printf("%s, budget %lld, %zu positions after %d moves: hint p50 %.2f ms p99 %.1f ms max %.1f ms; "
                    "verification p50 %.2f ms p99 %.2f ms (hint p99 = %.1fx); line %d, lost %d, budget spent %d\n",
                    rules.name, static_cast<long long>(options->budget), deals.size(), options->movesIn,
                    percentile(hintMs, 0.5), percentile(hintMs, 0.99), percentile(hintMs, 1.0),
                    percentile(verifyMs, 0.5), percentile(verifyMs, 0.99),
                    percentile(hintMs, 0.99) / std::max(1e-6, percentile(verifyMs, 0.99)), wins, lost, spent);
    }
    return 0;
}
