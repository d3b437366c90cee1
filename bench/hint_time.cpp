// The hint before and after mid-game positions were measured (old: a copy of
// the earlier search in hint_old.cpp; new: findHint), on the same positions
// in one run, per rule set:
//  - first hints on verified deals: how often no line is found, line length,
//    foundation-to-column moves and immediate reversals per line;
//  - following the hints to the win (along the line kept between hints):
//    cards moved back to a pile they had left, and games in which one card
//    moved three or more times between the same two piles;
//  - positions players reach: by random play from a verified deal, and by a
//    careless player (a random move three times in ten, otherwise the new
//    hint's next move). Each is settled by a reference search (plain depth
//    first over whole positions as keys, every legal move, pass limits,
//    tried in the old order and in the new one: won within N positions when
//    either order wins within N; lost only when exhausted). Then: "no line"
//    on positions the reference wins within 15,000 positions and on any it
//    wins, and "lost" said of a position that can be won;
//  - latency p50/p99 on all of them against deal verification's search
//    (10,000 positions) on the same positions.
#include "hint_old.h"
#include "solver_bench_support.h"
#include "solver/HintSearch.h"
#include "solver/HintState.h"
#include "solver/Solver.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <unordered_set>
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
constexpr std::int64_t kEasyNodes = 15000; // the hint's own proof budget

struct Options {
    int deals = 1000;     // verified deals per rule set, first hint
    int follow = 400;     // of them, followed to the win
    int positions = 1000; // positions per rule set and kind (random play, careless player)
    std::int64_t reference = 300000; // the reference search's budget per order
    int watcher = 200; // positions per rule set and kind also checked as the lost-game check does
    bool unverified = false; // deals as shuffled, winnable or not: the slowest answers
    std::string_view rules;  // one rule set by name, or all
};

void usage(std::FILE* out)
{
    std::fprintf(out, "usage: hint_time [--deals N] [--follow N] [--positions N] [--reference N] [--watcher N] [--rules NAME]\n"
                      "                 [--unverified]\n"
                      "  old hint against new (budget %lld + %lld) per rule set: first hints on N verified\n"
                      "  deals (default 1000), N of them followed to the win (default 400), N positions\n"
                      "  from random play and N from a careless player (default 1000 each), settled by\n"
                      "  a reference search of N positions per move order (default 300000); the first N\n"
                      "  of each kind (default 200) also checked with the lost-game check's budget;\n"
                      "  --rules: one rule set only (standard-draw1, standard-draw3, vegas-draw1, vegas-draw3);\n"
                      "  --unverified: deals as shuffled, winnable or not\n",
                 static_cast<long long>(kHintBudget.lineNodes), static_cast<long long>(kHintBudget.proofNodes));
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
        if (arg == "--rules" && i + 1 < argc) {
            o.rules = argv[++i];
            continue;
        }
        int* target = arg == "--deals" ? &o.deals : arg == "--follow" ? &o.follow : arg == "--positions" ? &o.positions
                    : arg == "--watcher" ? &o.watcher : nullptr;
        long long reference = 0;
        if ((!target && arg != "--reference") || i + 1 >= argc) {
            std::fprintf(stderr, "hint_time: %s '%s'\n", target || arg == "--reference" ? "missing value for" : "unknown option", argv[i]);
            return std::nullopt;
        }
        const std::string_view value = argv[++i];
        const auto [ptr, ec] = target ? std::from_chars(value.data(), value.data() + value.size(), *target)
                                      : std::from_chars(value.data(), value.data() + value.size(), reference);
        if (ec != std::errc{} || ptr != value.data() + value.size() || (target ? *target < 0 : reference < 1)) {
            std::fprintf(stderr, "hint_time: bad value '%s' for %s\n", argv[i], argv[i - 1]);
            return std::nullopt;
        }
        if (!target)
            o.reference = reference;
    }
    o.follow = std::min(o.follow, o.deals);
    return o;
}

// A random legal move, each of them as likely.
bool playRandomMove(HintPosition& p, std::mt19937_64& rng)
{
    std::vector<HintMove> moves;
    hint::legalMoves(hint::toState(p), true, moves);
    if (moves.empty())
        return false;
    return applyHintMove(p, moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(rng)]);
}

bool isWonPosition(const HintPosition& p)
{
    return std::all_of(p.foundation.begin(), p.foundation.end(), [](int n) { return n == kRanksPerSuit; });
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

// The reference: depth first over whole positions (every byte of the
// position, columns in place), every legal move in the given order.
// Positions counted until the win, or nullopt; `exhausted` when every
// reachable position was searched without one.
using MoveOrder = void (*)(const hint::State&, std::vector<HintMove>&);
void newOrder(const hint::State& s, std::vector<HintMove>& out) { hint::legalMoves(s, true, out); }

std::optional<std::int64_t> referenceWin(const HintPosition& p, MoveOrder order, std::int64_t budget, bool& exhausted)
{
    exhausted = false;
    using hint::State;
    struct Frame {
        State state;
        std::size_t next, end;
    };
    auto keyOf = [](const State& s) { // every pile's cards in place, the foundation, the passes left
        std::string key;
        key.reserve(80);
        for (int c = 0; c < kColumnCount; ++c) {
            key.append(reinterpret_cast<const char*>(s.col[std::size_t(c)].data()), s.colLen[std::size_t(c)]);
            key.push_back(char(0xFF));
        }
        key.append(reinterpret_cast<const char*>(s.stock.data()), s.stockLen);
        key.push_back(char(0xFE));
        key.append(reinterpret_cast<const char*>(s.waste.data()), s.wasteLen);
        key.append(reinterpret_cast<const char*>(s.found.data()), kSuitCount);
        key.push_back(char(s.recyclesLeft));
        return key;
    };
    std::unordered_set<std::string> seen;
    std::vector<HintMove> moves;
    std::vector<Frame> path;
    State root = hint::toState(p);
    if (hint::isWon(root))
        return 0;
    order(root, moves);
    path.push_back({root, 0, moves.size()});
    seen.insert(keyOf(root));
    std::int64_t nodes = 1;
    while (!path.empty()) {
        Frame& top = path.back();
        if (top.next == top.end) {
            moves.resize(path.size() > 1 ? path[path.size() - 2].end : 0);
            path.pop_back();
            continue;
        }
        State child = top.state;
        hint::apply(child, moves[top.next++]);
        if (hint::isWon(child))
            return nodes;
        if (!seen.insert(keyOf(child)).second)
            continue;
        if (++nodes > budget)
            return std::nullopt;
        const std::size_t start = moves.size();
        order(child, moves);
        path.push_back({child, start, moves.size()});
    }
    exhausted = true;
    return std::nullopt;
}

struct Reference {
    std::optional<std::int64_t> winNodes; // the fewer of the two orders
    bool lost = false;
};

Reference settle(const HintPosition& p, std::int64_t budget)
{
    Reference r;
    bool exhausted = false;
    const auto fresh = referenceWin(p, newOrder, budget, exhausted);
    if (exhausted) {
        r.lost = true;
        return r;
    }
    const auto old = referenceWin(p, old_hint::legalMovesInOldOrder, fresh ? std::min(budget, *fresh) : budget, exhausted);
    r.lost = exhausted;
    r.winNodes = fresh && old ? std::min(*fresh, *old) : fresh ? fresh : old;
    return r;
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

// Follows the hints to the win as the game does, along the line kept from
// the first search. Counts, per card, moves back to a pile (a column, the
// foundation) it had left before, and games in which a card moved three or
// more times between the same two piles.
struct Following {
    int games = 0, won = 0, returns = 0, shuttling = 0;
    void follow(HintPosition p, const std::vector<HintMove>& line)
    {
        ++games;
        constexpr int kFoundationPile = kColumnCount, kWastePile = kColumnCount + 1;
        std::array<unsigned, kDeckSize> left{}; // piles each card has left, one bit each
        std::map<std::array<int, 3>, int> between; // card, lower pile, higher pile
        bool shuttled = false;
        for (const HintMove& m : line) {
            using K = HintMove::Kind;
            int card = -1, from = -1, to = -1;
            auto index = [](const SolverCard& c) { return c.suitIndex * kRanksPerSuit + c.rank - 1; };
            switch (m.kind) {
            case K::columnToColumn:
                if (std::size_t(m.startIndex) < p.tableau[std::size_t(m.fromColumn)].size())
                    card = index(p.tableau[std::size_t(m.fromColumn)][std::size_t(m.startIndex)]);
                from = m.fromColumn, to = m.toColumn;
                break;
            case K::columnToFoundation:
                if (!p.tableau[std::size_t(m.fromColumn)].empty())
                    card = index(p.tableau[std::size_t(m.fromColumn)].back());
                from = m.fromColumn, to = kFoundationPile;
                break;
            case K::wasteToColumn:
            case K::wasteToFoundation:
                if (!p.waste.empty())
                    card = index(p.waste.back());
                from = kWastePile, to = m.kind == K::wasteToColumn ? m.toColumn : kFoundationPile;
                break;
            case K::foundationToColumn:
                card = m.suitIndex * kRanksPerSuit + p.foundation[std::size_t(m.suitIndex)] - 1;
                from = kFoundationPile, to = m.toColumn;
                break;
            case K::draw:
            case K::recycle: break;
            }
            if (!applyHintMove(p, m))
                return;
            if (card < 0)
                continue;
            returns += (left[std::size_t(card)] >> to) & 1u;
            left[std::size_t(card)] |= 1u << from;
            shuttled = shuttled || ++between[{card, std::min(from, to), std::max(from, to)}] >= 3;
        }
        won += isWonPosition(p);
        shuttling += shuttled;
    }
    void print(const char* who) const
    {
        std::printf("    %s: won %d/%d; a card back to a pile it left %.2f per game; games with a card moved 3+ times"
                    " between two piles %d (%.1f per 400)\n",
                    who, won, games, double(returns) / std::max(1, games), shuttling,
                    400.0 * shuttling / std::max(1, games));
    }
};

// The old and new hints on positions of one kind, against the reference.
struct Settled {
    int positions = 0, refWon = 0, refEasy = 0, refLost = 0, unsettled = 0;
    struct Side {
        int noLine = 0, noLineEasy = 0, noLineWon = 0, lost = 0, wrongLost = 0;
    } old, now;
    void add(const Reference& ref, const HintResult& o, const HintResult& n)
    {
        using V = HintResult::Verdict;
        ++positions;
        const bool won = ref.winNodes || o.verdict == V::winningLine || n.verdict == V::winningLine;
        const bool easy = ref.winNodes && *ref.winNodes <= kEasyNodes;
        refWon += bool(ref.winNodes);
        refEasy += easy;
        refLost += ref.lost;
        unsettled += !ref.winNodes && !ref.lost;
        for (auto [side, r] : {std::pair{&old, &o}, std::pair{&now, &n}}) {
            const bool noLine = r->verdict == V::budgetSpent;
            side->noLine += noLine;
            side->noLineEasy += noLine && easy;
            side->noLineWon += noLine && ref.winNodes;
            side->lost += r->verdict == V::provedLost;
            side->wrongLost += r->verdict == V::provedLost && won;
        }
    }
    // The lost-game check's verdicts, old and new, on the same positions.
    int checked = 0, keptLost = 0, keptWinnable = 0, changed = 0, oldUnknown = 0, newUnknown = 0;
    void addCheck(const HintResult& o, const HintResult& n)
    {
        using V = HintResult::Verdict;
        ++checked;
        keptLost += o.verdict == V::provedLost && n.verdict == V::provedLost;
        keptWinnable += o.verdict == V::winningLine && n.verdict == V::winningLine;
        changed += o.verdict != V::budgetSpent && n.verdict != o.verdict;
        oldUnknown += o.verdict == V::budgetSpent;
        newUnknown += n.verdict == V::budgetSpent;
    }
    void print(const char* kind) const
    {
        std::printf("    %s, %d positions; reference: won %d (%d within %lld positions), lost %d, unsettled %d\n", kind,
                    positions, refWon, refEasy, static_cast<long long>(kEasyNodes), refLost, unsettled);
        for (auto [who, side] : {std::pair{"old", &old}, std::pair{"new", &now}})
            std::printf("      %s: \"no line\" %d, on easy wins %d, on any win %d; \"lost\" %d, wrongly %d\n", who,
                        side->noLine, side->noLineEasy, side->noLineWon, side->lost, side->wrongLost);
        std::printf("      lost-game check on %d: kept \"lost\" %d, \"winnable\" %d, verdicts changed %d;"
                    " \"unknown\" old %d, new %d\n",
                    checked, keptLost, keptWinnable, changed, oldUnknown, newUnknown);
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
    std::printf("old: the earlier hint; new: hint (line %lld, proof %lld); reference: %lld positions per move order\n",
                static_cast<long long>(kHintBudget.lineNodes), static_cast<long long>(kHintBudget.proofNodes),
                static_cast<long long>(options->reference));
    for (const RuleSet& rules : kRuleSets) {
        if (!options->rules.empty() && options->rules != rules.name)
            continue;
        std::mt19937_64 shuffle(20240601);
        std::mt19937_64 rng(0x51A7E);
        std::vector<double> oldMs, newMs, verifyMs;
        int oldNoLine = 0, newNoLine = 0;
        LineFigures oldLines, newLines;
        Following oldFollow, newFollow;
        Settled randomPlay, careless;
        auto timeAll = [&](const HintPosition& p, HintResult& o, HintResult& n) {
            verifyMs.push_back(timed([&] { solve(p.tableau, p.stock, p.waste, p.foundation, p.drawCount, kDefaultMaxNodes, p.recyclesLeft); }));
            oldMs.push_back(timed([&] { o = old_hint::findHint(p, kHintBudget); }));
            newMs.push_back(timed([&] { n = findHint(p); }));
        };
        auto judge = [&](Settled& kind, const HintPosition& p) {
            HintResult o, n;
            timeAll(p, o, n);
            const Reference ref = settle(p, options->reference);
            kind.add(ref, o, n);
            if (kind.checked < options->watcher) {
                constexpr HintBudget kWatcherBudget{100000, 100000}; // LostGameWatcher::kBudget
                kind.addCheck(old_hint::findHint(p, kWatcherBudget), findHint(p, kWatcherBudget));
            }
        };
        const int deals = std::max(options->deals, options->positions);
        for (int d = 0; d < deals; ++d) {
            // Verified deals: shuffled until one is proved winnable, however many that takes.
            const DealLayout layout = dealLayout(
                options->unverified
                    ? bench::shuffledDeck(shuffle)
                    : firstWinnableShuffle(rules.verification, [&shuffle](int) { return bench::shuffledDeck(shuffle); },
                                           kDefaultMaxNodes, std::numeric_limits<int>::max())
                          .deck);
            const HintPosition start{layout.tableau, layout.stock, {}, {0, 0, 0, 0}, rules.drawCount, rules.recyclesLeft};
            if (d < options->deals) {
                HintResult o, n;
                timeAll(start, o, n);
                oldNoLine += o.verdict != V::winningLine;
                newNoLine += n.verdict != V::winningLine;
                if (o.verdict == V::winningLine)
                    oldLines.add(start, o.line);
                if (n.verdict == V::winningLine)
                    newLines.add(start, n.line);
                if (d < options->follow) {
                    if (n.verdict == V::winningLine)
                        newFollow.follow(start, n.line);
                    if (o.verdict == V::winningLine)
                        oldFollow.follow(start, o.line);
                }
            }
            if (d >= options->positions)
                continue;
            // Random play: up to 150 random moves from the deal.
            HintPosition p = start;
            for (int i = std::uniform_int_distribution<int>(10, 150)(rng); i > 0 && playRandomMove(p, rng); --i) {
            }
            if (!isWonPosition(p))
                judge(randomPlay, p);
            // A careless player: the hint's next move, a random one three
            // times in ten, asking again after each; stops where the hint
            // has no line, or after up to 120 moves.
            p = start;
            std::vector<HintMove> line;
            std::size_t next = 0;
            for (int i = std::uniform_int_distribution<int>(1, 120)(rng); i > 0 && !isWonPosition(p); --i) {
                if (std::uniform_int_distribution<int>(0, 9)(rng) < 3) {
                    if (!playRandomMove(p, rng))
                        break;
                    line.clear();
                    continue;
                }
                if (next >= line.size()) {
                    const HintResult hint = findHint(p);
                    if (hint.verdict != V::winningLine || hint.line.empty())
                        break;
                    line = hint.line;
                    next = 0;
                }
                applyHintMove(p, line[next++]);
            }
            if (!isWonPosition(p))
                judge(careless, p);
        }
        std::printf("%s, %d verified deals, first hint: no line found old %d (%.1f %%), new %d (%.1f %%)\n", rules.name,
                    options->deals, oldNoLine, 100.0 * oldNoLine / std::max(1, options->deals), newNoLine,
                    100.0 * newNoLine / std::max(1, options->deals));
        oldLines.print("old");
        newLines.print("new");
        std::printf("    followed to the win on %d deals:\n", options->follow);
        oldFollow.print("old");
        newFollow.print("new");
        randomPlay.print("random play");
        careless.print("careless player");
        const double verifyP99 = std::max(1e-6, percentile(verifyMs, 0.99));
        std::printf("    latency over %zu positions: old p50 %.2f p99 %.1f max %.1f ms (%.1fx verification), new p50 %.2f"
                    " p99 %.1f max %.1f ms (%.1fx); verification p50 %.2f p99 %.2f ms\n",
                    newMs.size(), percentile(oldMs, 0.5), percentile(oldMs, 0.99), percentile(oldMs, 1.0),
                    percentile(oldMs, 0.99) / verifyP99, percentile(newMs, 0.5), percentile(newMs, 0.99),
                    percentile(newMs, 1.0), percentile(newMs, 0.99) / verifyP99, percentile(verifyMs, 0.5), verifyP99);
        std::fflush(stdout);
    }
    return 0;
}
