// lost_check_cost: the CPU time the lost-game check spends per move, over
// deals played along the hint and deals played carelessly.
//
//   lost_check_cost [--deals N] [--moves N] [--seed S] [RULES]
//
// RULES: unlimited (default), draw1-limited or draw3-limited. Every deal
// comes from the seed and lasts at most the given number of moves, 200
// unless told: once following the hint (its first move; a random legal move
// where it finds no line), once with a random legal move every time. After each move
// the check answers for the new position exactly as it does when a deal is
// replaced with no check having run (LostGameWatcher::verdictNow: its kept
// verdicts first, else a search within its budget), timed in this thread's
// CPU time. That is the whole check for every position, as if the player
// waited after each move; a player who moves on sooner cuts checks short.
// Prints p50 and p99 per move, the mean per move, the total per deal and how
// often the kept verdicts answered.

#include "engine/LostGameWatcher.h"

#include "solver/DealNumbers.h"
#include "solver/HintSearch.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <random>
#include <string>
#include <vector>

using namespace murvane;
using solver::HintMove;
using solver::HintPosition;

namespace {

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Every move the rules allow here, found by trying each one.
std::vector<HintMove> legalMoves(const HintPosition& p)
{
    using K = HintMove::Kind;
    std::vector<HintMove> candidates{{K::draw}, {K::recycle}};
    for (int s = 0; s < 4; ++s) {
        candidates.push_back({K::wasteToFoundation, 0, 0, 0, s});
        for (int c = 0; c < 7; ++c) {
            candidates.push_back({K::columnToFoundation, c, 0, 0, s});
            candidates.push_back({K::foundationToColumn, 0, 0, c, s});
        }
    }
    for (int c = 0; c < 7; ++c) {
        candidates.push_back({K::wasteToColumn, 0, 0, c});
        for (int i = 0; i < int(p.tableau[std::size_t(c)].size()); ++i)
            for (int to = 0; to < 7; ++to)
                if (to != c)
                    candidates.push_back({K::columnToColumn, c, i, to});
    }
    std::vector<HintMove> legal;
    for (const HintMove& m : candidates) {
        HintPosition copy = p;
        if (solver::applyHintMove(copy, m))
            legal.push_back(m);
    }
    return legal;
}

bool isWon(const HintPosition& p)
{
    return std::all_of(p.foundation.begin(), p.foundation.end(), [](int n) { return n == 13; });
}

struct Tally {
    std::vector<double> perMove;
    std::vector<double> perDeal;
    long answeredByKept = 0;
    long lost = 0, winnable = 0, unknown = 0;
};

void print(const char* name, Tally t)
{
    std::sort(t.perMove.begin(), t.perMove.end());
    const auto at = [&t](double q) {
        return t.perMove.empty() ? 0.0 : t.perMove[std::min(t.perMove.size() - 1, std::size_t(q * double(t.perMove.size())))];
    };
    double sum = 0;
    for (double v : t.perMove)
        sum += v;
    double dealSum = 0;
    for (double v : t.perDeal)
        dealSum += v;
    std::sort(t.perDeal.begin(), t.perDeal.end());
    const std::size_t moves = t.perMove.size();
    std::printf("%-9s %6zu moves  per move p50 %7.3f  p99 %7.2f  mean %6.3f ms  per deal mean %7.1f  max %7.1f ms  "
                "kept verdicts %5.1f%%  (lost %ld, winnable %ld, unknown %ld)\n",
                name, moves, at(0.5), at(0.99), moves ? sum / double(moves) : 0.0,
                t.perDeal.empty() ? 0.0 : dealSum / double(t.perDeal.size()), t.perDeal.empty() ? 0.0 : t.perDeal.back(),
                moves ? 100.0 * double(t.answeredByKept) / double(moves) : 0.0, t.lost, t.winnable, t.unknown);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int deals = 100;
    int maxMoves = 200;
    unsigned seed = 7;
    solver::DealRules rules = solver::DealRules::unlimited();
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if ((a == "--deals" || a == "--moves" || a == "--seed") && i + 1 < argc) {
            const long v = std::strtol(argv[++i], nullptr, 10);
            if (a == "--deals")
                deals = int(v);
            else if (a == "--moves")
                maxMoves = int(v);
            else
                seed = unsigned(v);
        } else if (const auto named = solver::rulesNamed(a)) {
            rules = *named;
        } else {
            std::fprintf(stderr, "usage: lost_check_cost [--deals N] [--moves N] [--seed S] [RULES]\n");
            return 2;
        }
    }
    std::printf("rules %s, %d deals, up to %d moves each, seed %u; CPU time of this thread\n",
                std::string(solver::rulesName(rules)).c_str(), deals, maxMoves, seed);
    Tally tallies[2];
    for (int mode = 0; mode < 2; ++mode) {
        const bool followsHint = mode == 0;
        std::mt19937 random(seed);
        for (int d = 0; d < deals; ++d) {
            const solver::DealLayout dealt = solver::dealLayout(solver::numberedShuffle(seed, d + 1));
            HintPosition p;
            p.tableau = dealt.tableau;
            p.stock = dealt.stock;
            p.drawCount = rules.drawCount;
            p.recyclesLeft = rules.maxRecycles;
            LostGameWatcher watcher; // its kept verdicts last for one deal, as in the game
            Tally& t = tallies[mode];
            double dealMs = 0;
            for (int m = 0; m < maxMoves && !isWon(p); ++m) {
                std::optional<HintMove> next;
                if (followsHint) {
                    const solver::HintResult hint = solver::findHint(p);
                    if (hint.verdict == solver::HintResult::Verdict::winningLine && !hint.line.empty())
                        next = hint.line.front();
                }
                if (!next) {
                    const std::vector<HintMove> legal = legalMoves(p);
                    if (legal.empty())
                        break;
                    next = legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(random)];
                }
                solver::applyHintMove(p, *next);
                const bool kept = watcher.knownVerdict(p).has_value();
                const double start = threadCpuMs();
                const PositionVerdict verdict = watcher.verdictNow(p);
                const double spent = threadCpuMs() - start;
                t.perMove.push_back(spent);
                dealMs += spent;
                t.answeredByKept += kept;
                (verdict == PositionVerdict::lost ? t.lost : verdict == PositionVerdict::winnable ? t.winnable : t.unknown)++;
            }
            t.perDeal.push_back(dealMs);
        }
        print(followsHint ? "hint" : "careless", tallies[mode]);
        std::fflush(stdout);
    }
    return 0;
}
