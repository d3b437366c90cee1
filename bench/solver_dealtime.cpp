// Time to find a verified deal on the synchronous path, per rule set: shuffle
// from std::random_device (Fisher-Yates), deal, solve with 10000 nodes, up to
// 500 shuffles, as a new game does when no prepared deal is waiting.
//
//   solver_dealtime [--seconds S] [--trials N] [RULES...]
//
// Runs each rule set for up to N trials or S seconds (default 20 s, 2000
// trials) and prints the median, 90th and 99th percentile and maximum time,
// the mean number of shuffles, and the share of trials left unverified.

#include "solver_bench_support.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace murvane::solver;
using Clock = std::chrono::steady_clock;

double percentile(const std::vector<double>& sorted, double p)
{
    if (sorted.empty())
        return 0;
    const auto index = static_cast<std::size_t>(std::ceil(p * static_cast<double>(sorted.size()))) - 1;
    return sorted[std::min(index, sorted.size() - 1)];
}

} // namespace

int main(int argc, char** argv)
{
    double seconds = 20;
    long trials = 2000;
    std::vector<NamedRules> rules;
    constexpr const char* kUsage = "usage: solver_dealtime [--seconds S] [--trials N] [RULES...]\n";
    auto refuse = [&](const char* why, std::string_view what) {
        std::fprintf(stderr, "solver_dealtime: %s %.*s\n%s", why, int(what.size()), what.data(), kUsage);
        return 2;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::printf("%s  Times finding a verified deal per rule set, until S seconds (default 20)\n"
                        "  or N trials (default 2000) per rule set; RULES as in dealtool.\n",
                        kUsage);
            return 0;
        }
        if (arg == "--seconds" || arg == "--trials") {
            if (i + 1 >= argc)
                return refuse("missing value for", arg);
            const std::string_view value = argv[++i];
            const char* end = value.data() + value.size();
            bool ok = false;
            if (arg == "--seconds") {
                char* stop = nullptr;
                const std::string text(value);
                seconds = std::strtod(text.c_str(), &stop);
                ok = !text.empty() && *stop == '\0' && seconds > 0;
            } else {
                const auto [ptr, ec] = std::from_chars(value.data(), end, trials);
                ok = ec == std::errc{} && ptr == end && trials > 0;
            }
            if (!ok)
                return refuse("bad value", value);
        } else if (const auto named = rulesNamed(arg)) {
            rules.push_back(*named);
        } else {
            return refuse("unknown argument", arg);
        }
    }
    if (rules.empty())
        rules.assign(kNamedRules.begin(), kNamedRules.end());

    std::random_device device;
    std::printf("%-14s %7s %9s %9s %9s %9s %9s %9s %11s %17s %12s\n", "rules", "trials", "median", "p90", "p99",
                "max", "mean", "shuffles", "unverified", "verified/shuffle", "positions/s");
    for (const NamedRules& r : rules) {
        std::vector<double> times;
        long shuffles = 0;
        long unverified = 0;
        std::int64_t nodes = 0;
        const auto begin = Clock::now();
        while (static_cast<long>(times.size()) < trials
               && std::chrono::duration<double>(Clock::now() - begin).count() < seconds) {
            const auto start = Clock::now();
            const bench::VerifiedDeal found = bench::findVerifiedDeal(r, device);
            times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            shuffles += found.attempts;
            unverified += found.isVerified ? 0 : 1;
            nodes += found.nodes;
        }
        const double total = std::chrono::duration<double>(Clock::now() - begin).count();
        double sum = 0;
        for (const double t : times)
            sum += t;
        std::vector<double> sorted = times;
        std::sort(sorted.begin(), sorted.end());
        const double n = static_cast<double>(sorted.size());
        // Share of single shuffles that verify, and what it predicts for 500 in a row failing.
        const double perShuffle = static_cast<double>(sorted.size() - static_cast<std::size_t>(unverified))
            / static_cast<double>(std::max(shuffles, 1L));
        std::printf("%-14.*s %7zu %7.1fms %7.1fms %7.1fms %7.1fms %7.1fms %9.1f %10.3f%% %16.2f%% %11.2fM\n",
                    static_cast<int>(r.name.size()), r.name.data(), sorted.size(), percentile(sorted, 0.5),
                    percentile(sorted, 0.9), percentile(sorted, 0.99), sorted.empty() ? 0.0 : sorted.back(),
                    n > 0 ? sum / n : 0.0, n > 0 ? static_cast<double>(shuffles) / n : 0.0,
                    n > 0 ? 100.0 * static_cast<double>(unverified) / n : 0.0, 100.0 * perShuffle,
                    static_cast<double>(nodes) / total / 1e6);
        std::printf("%-14s expected unverified after %d shuffles at %.2f%% per shuffle: %.2g%%\n", "",
                    kDealAttempts, 100.0 * perShuffle, 100.0 * std::pow(1.0 - perShuffle, kDealAttempts));
        std::fflush(stdout);
    }
    return 0;
}
