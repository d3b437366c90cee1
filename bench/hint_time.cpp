// The hint against the exact all-moves search it replaced (old: that search
// alone, 15,000 positions, its line as found), on the same positions in one
// run, per rule set:
//  - first hints on verified deals: how often no line is found, line length,
//    foundation-to-column moves and immediate reversals per line;
//  - following the hints to the win (as the game does, along the line kept
//    between hints): reversals and hints undoing the previous hint;
//  - mid-game positions (a verified deal part-way along its line, then a few
//    random legal moves): of those a 1,000,000-position search wins, how
//    often no line is found, and whether "lost" is ever said of one;
//  - latency p50/p99 on all of them against deal verification's search
//    (10,000 positions) on the same positions.
#include "solver_bench_support.h"
#include "solver/HintSearch.h"
#include "solver/Solver.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string_view>
#include <vector>

using namespace murvane::solver;

namespace {

struct RuleSet {
    const char* name;
    int drawCount;                   // as played
    std::optional<int> recyclesLeft; // none: unlimited passes
    DealRules verification;          // as the deal was verified
};
const RuleSet kRuleSets[] = {
    {"standard-draw1", 1, std::nullopt, DealRules::unlimited()},
    {"standard-draw3", 3, std::nullopt, DealRules::unlimited()},
    {"vegas-draw1", 1, 0, DealRules::drawOneLimited()},
    {"vegas-draw3", 3, 2, DealRules::drawThreeLimited()},
};
constexpr std::int64_t kOldBudget = 15000;
constexpr std::int64_t kProofNodes = 1000000;

struct Options {
    int deals = 1000;    // verified deals per rule set, first hint
    int follow = 200;    // of them, followed to the win
    int positions = 500; // mid-game positions per rule set
    bool unverified = false; // deals as shuffled, winnable or not: the slowest answers
};

void usage(std::FILE* out)
{
    std::fprintf(out, "usage: hint_time [--deals N] [--follow N] [--positions N] [--unverified]\n"
                      "  old (all-moves search, %lld positions) against new (budget %lld + %lld) per rule set:\n"
                      "  first hints on N verified deals (default 1000), N of them followed to the win\n"
                      "  (default 200), N mid-game positions (default 500) checked by a %lld-position search;\n"
                      "  --unverified: deals as shuffled, winnable or not\n",
                 static_cast<long long>(kOldBudget), static_cast<long long>(kHintBudget.lineNodes),
                 static_cast<long long>(kHintBudget.proofNodes), static_cast<long long>(kProofNodes));
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
        if (arg == "--unverified") {
            o.unverified = true;
            continue;
        }
        int* target = arg == "--deals" ? &o.deals : arg == "--follow" ? &o.follow : arg == "--positions" ? &o.positions : nullptr;
        if (!target || i + 1 >= argc) {
            std::fprintf(stderr, "hint_time: %s '%s'\n", target ? "missing value for" : "unknown option", argv[i]);
            return std::nullopt;
        }
        const std::string_view value = argv[++i];
        const auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), *target);
        if (ec != std::errc{} || ptr != value.data() + value.size() || *target < 0) {
            std::fprintf(stderr, "hint_time: bad value '%s' for %s\n", argv[i], argv[i - 1]);
            return std::nullopt;
        }
    }
    o.follow = std::min(o.follow, o.deals);
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
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(q * double(v.size())))];
}

template <class F>
double timed(F&& f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

struct LineFigures {
    int lines = 0;
    long long moves = 0;
    std::size_t longest = 0;
    long long foundationToColumn = 0;
    long long reversals = 0;
    void add(const HintPosition& start, const std::vector<HintMove>& line)
    {
        ++lines;
        moves += static_cast<long long>(line.size());
        longest = std::max(longest, line.size());
        HintPosition p = start;
        for (std::size_t i = 0; i < line.size(); ++i) {
            foundationToColumn += line[i].kind == HintMove::Kind::foundationToColumn;
            if (i + 1 < line.size())
                reversals += isReversal(p, line[i], line[i + 1]);
            applyHintMove(p, line[i]);
        }
    }
    void print(const char* who) const
    {
        const double n = std::max(1, lines);
        std::printf("    %s: %d lines, average %.1f moves (longest %zu), foundation-to-column %.2f, reversals %.2f per line\n",
                    who, lines, double(moves) / n, longest, double(foundationToColumn) / n, double(reversals) / n);
    }
};

// Follows the hints to the win as the game does: each hint is the next move
// of the line kept from the last search, which must stay legal; counts the
// hints that undo the hint before.
struct Following {
    int games = 0, won = 0, undoing = 0;
    void follow(HintPosition p, const std::vector<HintMove>& line)
    {
        ++games;
        HintPosition before = p; // the position before the previous hint
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (i > 0 && isReversal(before, line[i - 1], line[i]))
                ++undoing;
            before = p;
            if (!applyHintMove(p, line[i]))
                return;
        }
        won += std::all_of(p.foundation.begin(), p.foundation.end(), [](int n) { return n == kRanksPerSuit; });
    }
};

} // namespace

int main(int argc, char** argv)
{
    const auto options = parseOptions(argc, argv);
    if (!options) {
        usage(stderr);
        return 2;
    }
    using V = HintResult::Verdict;
    std::printf("old: all-moves search, %lld positions; new: hint (line %lld, proof %lld); proof of winnable: %lld\n",
                static_cast<long long>(kOldBudget), static_cast<long long>(kHintBudget.lineNodes),
                static_cast<long long>(kHintBudget.proofNodes), static_cast<long long>(kProofNodes));
    for (const RuleSet& rules : kRuleSets) {
        std::mt19937_64 shuffle(20240601);
        std::mt19937_64 rng(0x51A7E);
        std::vector<double> oldMs, newMs, verifyMs;
        int oldNoLine = 0, newNoLine = 0;
        LineFigures oldLines, newLines;
        Following oldFollow, newFollow;
        std::vector<HintPosition> midGame;
        auto timeAll = [&](const HintPosition& p, HintResult& o, HintResult& n) {
            verifyMs.push_back(timed([&] { solve(p.tableau, p.stock, p.waste, p.foundation, p.drawCount, kDefaultMaxNodes, p.recyclesLeft); }));
            oldMs.push_back(timed([&] { o = searchAllMoves(p, kOldBudget); }));
            newMs.push_back(timed([&] { n = findHint(p); }));
        };
        for (int d = 0; d < options->deals; ++d) {
            // Verified deals: shuffled until one is proved winnable, however many that takes.
            const DealLayout layout = dealLayout(
                options->unverified
                    ? bench::shuffledDeck(shuffle)
                    : firstWinnableShuffle(rules.verification, [&shuffle](int) { return bench::shuffledDeck(shuffle); },
                                           kDefaultMaxNodes, std::numeric_limits<int>::max())
                          .deck);
            const HintPosition start{layout.tableau, layout.stock, {}, {0, 0, 0, 0}, rules.drawCount, rules.recyclesLeft};
            HintResult o, n;
            timeAll(start, o, n);
            oldNoLine += o.verdict != V::winningLine;
            newNoLine += n.verdict != V::winningLine;
            if (o.verdict == V::winningLine)
                oldLines.add(start, o.line);
            if (n.verdict == V::winningLine) {
                newLines.add(start, n.line);
                if (d < options->follow) {
                    newFollow.follow(start, n.line);
                    if (o.verdict == V::winningLine)
                        oldFollow.follow(start, o.line);
                }
                if (d < options->positions) {
                    // Part-way along the line, then a few moves of the player's own.
                    HintPosition p = start;
                    const std::size_t along = std::uniform_int_distribution<std::size_t>(0, n.line.size() * 7 / 10)(rng);
                    for (std::size_t i = 0; i < along; ++i)
                        applyHintMove(p, n.line[i]);
                    for (int i = std::uniform_int_distribution<int>(0, 8)(rng); i > 0 && playRandomMove(p, rng); --i) {
                    }
                    midGame.push_back(p);
                }
            }
        }
        std::printf("%s, %d verified deals, first hint: no line found old %d (%.1f %%), new %d (%.1f %%)\n", rules.name,
                    options->deals, oldNoLine, 100.0 * oldNoLine / std::max(1, options->deals), newNoLine,
                    100.0 * newNoLine / std::max(1, options->deals));
        oldLines.print("old");
        newLines.print("new");
        std::printf("    followed to the win on %d deals: old won %d/%d, hints undoing the one before %d; new won %d/%d, %d\n",
                    options->follow, oldFollow.won, oldFollow.games, oldFollow.undoing, newFollow.won, newFollow.games,
                    newFollow.undoing);
        int winnable = 0, oldMissed = 0, newMissed = 0, oldWrongLost = 0, newWrongLost = 0, newLost = 0, oldLost = 0;
        for (const HintPosition& p : midGame) {
            HintResult o, n;
            timeAll(p, o, n);
            oldLost += o.verdict == V::provedLost;
            newLost += n.verdict == V::provedLost;
            // A line is its own proof of a win, and so is the large search.
            const bool provedByLarge
                = solve(p.tableau, p.stock, p.waste, p.foundation, p.drawCount, kProofNodes, p.recyclesLeft).isWinnable;
            const bool wins = provedByLarge || n.verdict == V::winningLine || o.verdict == V::winningLine;
            winnable += provedByLarge;
            oldMissed += provedByLarge && o.verdict != V::winningLine;
            newMissed += provedByLarge && n.verdict != V::winningLine;
            oldWrongLost += wins && o.verdict == V::provedLost;
            newWrongLost += wins && n.verdict == V::provedLost;
        }
        std::printf("    %zu mid-game positions, %d won by the large search: no line found old %d (%.1f %%), new %d (%.2f %%);"
                    " \"lost\" said old %d, new %d, wrongly old %d, new %d\n",
                    midGame.size(), winnable, oldMissed, 100.0 * oldMissed / std::max(1, winnable), newMissed,
                    100.0 * newMissed / std::max(1, winnable), oldLost, newLost, oldWrongLost, newWrongLost);
        const double verifyP99 = std::max(1e-6, percentile(verifyMs, 0.99));
        std::printf("    latency over %zu positions: old p50 %.2f p99 %.1f ms (%.1fx verification), new p50 %.2f p99 %.1f ms"
                    " (%.1fx); verification p50 %.2f p99 %.2f ms\n",
                    newMs.size(), percentile(oldMs, 0.5), percentile(oldMs, 0.99), percentile(oldMs, 0.99) / verifyP99,
                    percentile(newMs, 0.5), percentile(newMs, 0.99), percentile(newMs, 0.99) / verifyP99,
                    percentile(verifyMs, 0.5), verifyP99);
        std::fflush(stdout);
    }
    return 0;
}
