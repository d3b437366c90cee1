// dealtool: runs the deal solver over deals given as text, for checking
// verdicts and node counts by hand or against another build.
//
//   dealtool [--budget N] [--generate N [--seed S]] [--summary] [RULES...]
//
// RULES: unlimited, draw1-limited, draw3-limited (default: all three, in
// this order). Without --generate, reads deal lines from standard input and
// prints "RULES VERDICT NODES" for each deal and rule set. With --generate N,
// shuffles N deals as the game does, prints each deal line followed by its
// results, and ends with a summary per rule set ("# ..." lines; --summary
// adds it when reading). Malformed lines are reported on standard error
// with their line number and skipped; the exit status is then 1.

#include "solver_bench_support.h"

#include "solver/DealText.h"
#include "solver/SolverSearch.h"

#include <chrono>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace murvane::solver;

struct Options {
    std::vector<DealRules> rules;
    std::int64_t budget = kDefaultMaxNodes;
    std::optional<std::int64_t> generate;
    std::optional<std::uint64_t> seed;
    bool summary = false;
};

struct Tally {
    std::int64_t deals = 0;
    std::int64_t verified = 0;
    std::int64_t nodes = 0;
    double seconds = 0;
};

void usage(std::FILE* out)
{
    std::fprintf(out,
                 "usage: dealtool [--budget N] [--generate N [--seed S]] [--summary] [RULES...]\n"
                 "  RULES: unlimited (draw 3, no recycle limit), draw1-limited (draw 1, 0 recycles),\n"
                 "         draw3-limited (draw 3, 2 recycles); default: all three\n"
                 "  reads one deal per line from standard input unless --generate is given:\n"
                 "  52 tokens (rank A23456789TJQK, suit SHDC) separated by single spaces,\n"
                 "  the shuffled deck from index 0 to 51\n"
                 "  prints RULES VERDICT NODES per deal and rule set; --budget sets the node\n"
                 "  budget (default %lld); --generate N shuffles N deals instead (--seed S\n"
                 "  for a repeatable set) and prints each with its results and a summary\n",
                 static_cast<long long>(kDefaultMaxNodes));
}

template <class Int>
bool parseNumber(std::string_view text, Int& value)
{
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc{} && ptr == end;
}

std::optional<Options> parseOptions(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const auto needValue = [&]() -> std::optional<std::string_view> {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "dealtool: %s needs a value\n", argv[i]);
                return std::nullopt;
            }
            return std::string_view(argv[++i]);
        };
        if (arg == "--help" || arg == "-h") {
            usage(stdout);
            std::exit(0);
        } else if (arg == "--budget") {
            const auto v = needValue();
            if (!v || !parseNumber(*v, o.budget) || o.budget < 0) {
                std::fprintf(stderr, "dealtool: bad budget\n");
                return std::nullopt;
            }
        } else if (arg == "--generate") {
            std::int64_t n = 0;
            const auto v = needValue();
            if (!v || !parseNumber(*v, n) || n < 0) {
                std::fprintf(stderr, "dealtool: bad deal count\n");
                return std::nullopt;
            }
            o.generate = n;
        } else if (arg == "--seed") {
            std::uint64_t s = 0;
            const auto v = needValue();
            if (!v || !parseNumber(*v, s)) {
                std::fprintf(stderr, "dealtool: bad seed\n");
                return std::nullopt;
            }
            o.seed = s;
        } else if (arg == "--summary") {
            o.summary = true;
        } else if (const auto rules = rulesNamed(arg)) {
            o.rules.push_back(*rules);
        } else {
            std::fprintf(stderr, "dealtool: unknown argument %s\n", argv[i]);
            usage(stderr);
            return std::nullopt;
        }
    }
    if (o.rules.empty())
        o.rules.assign(kVerificationRules.begin(), kVerificationRules.end());
    if (o.generate)
        o.summary = true;
    return o;
}

void runDeal(const Deck& deck, const Options& o, std::vector<Tally>& tallies)
{
    const DealLayout layout = dealLayout(deck);
    for (std::size_t r = 0; r < o.rules.size(); ++r) {
        const DealRules& rules = o.rules[r];
        const std::string_view name = rulesName(rules);
        std::int64_t nodes = 0;
        const auto start = std::chrono::steady_clock::now();
        const bool won = SolverSearch::isWinnable(layout.tableau, layout.stock, {}, {0, 0, 0, 0},
                                                  rules.drawCount, o.budget, rules.maxRecycles,
                                                  &nodes);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::printf("%.*s %d %lld\n", static_cast<int>(name.size()), name.data(),
                    won ? 1 : 0, static_cast<long long>(nodes));
        Tally& t = tallies[r];
        ++t.deals;
        t.verified += won ? 1 : 0;
        t.nodes += nodes;
        t.seconds += took.count();
    }
}

void printSummary(const Options& o, const std::vector<Tally>& tallies)
{
    for (std::size_t r = 0; r < o.rules.size(); ++r) {
        const Tally& t = tallies[r];
        const double n = t.deals > 0 ? static_cast<double>(t.deals) : 1.0;
        const std::string_view name = rulesName(o.rules[r]);
        std::printf("# %.*s: %lld/%lld verified (%.1f%%), %.3f ms per deal, %.0f nodes per deal, "
                    "%.2f M positions/s\n",
                    static_cast<int>(name.size()), name.data(),
                    static_cast<long long>(t.verified), static_cast<long long>(t.deals),
                    100.0 * static_cast<double>(t.verified) / n, 1000.0 * t.seconds / n,
                    static_cast<double>(t.nodes) / n,
                    t.seconds > 0 ? static_cast<double>(t.nodes) / t.seconds / 1e6 : 0.0);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options)
        return 2;
    const Options& o = *options;
    std::vector<Tally> tallies(o.rules.size());
    int status = 0;

    if (o.generate) {
        std::random_device device;
        std::mt19937_64 seeded(o.seed.value_or(0));
        for (std::int64_t n = 0; n < *o.generate; ++n) {
            const Deck deck = o.seed ? bench::shuffledDeck(seeded) : bench::shuffledDeck(device);
            std::printf("%s\n", formatDealLine(deck).c_str());
            runDeal(deck, o, tallies);
        }
    } else {
        std::string line;
        long long lineNumber = 0;
        while (std::getline(std::cin, line)) {
            ++lineNumber;
            if (!line.empty() && line.back() == '\r') // tolerate CRLF files
                line.pop_back();
            const DealParse parsed = parseDealLine(line);
            if (!parsed.deck) {
                std::fprintf(stderr, "dealtool: line %lld: %s; skipped\n", lineNumber,
                             parsed.error.c_str());
                status = 1;
                continue;
            }
            runDeal(*parsed.deck, o, tallies);
        }
    }
    std::fflush(stdout);
    if (o.summary)
        printSummary(o, tallies);
    return status;
}
