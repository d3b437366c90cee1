// Time to find a verified deal on the synchronous path, per rule set, as a
// new game does when no prepared deal is waiting: shuffle, deal, solve with
// 10000 nodes, up to 500 shuffles. Two ways, alternating trial by trial so
// both see the same machine load:
//   serial  - one thread, shuffles from std::random_device (the baseline);
//   workers - the game's own path (DealWorkers::findNow), every core;
//   numbered - Play Deal with a number: the number's own shuffles in order,
//              one thread, as the game deals it (numbers 1, 2, 3, ...).
//
//   solver_dealtime [--seconds S] [--trials N] [--quit] [RULES...]
//
// Runs each rule set for up to N trials of each way or S seconds (default
// 40 s, 2000 trials) and prints the median, 90th and 99th percentile and
// maximum time, the mean number of shuffles, and the share of trials left
// unverified. --quit also times tearing the workers down mid-preparation.

#include "solver_bench_support.h"

#include "engine/DealWorkers.h"
#include "solver/DealNumbers.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
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

struct Samples {
    std::vector<double> times;
    long shuffles = 0;
    long unverified = 0;
    std::int64_t nodes = 0; // serial only
    double busy = 0;        // seconds spent in trials

    void add(double ms, long attempts, bool verified)
    {
        times.push_back(ms);
        shuffles += attempts;
        unverified += verified ? 0 : 1;
        busy += ms / 1000;
    }
    void print(std::string_view rules, std::string_view way, const Samples* baseline) const
    {
        std::vector<double> sorted = times;
        std::sort(sorted.begin(), sorted.end());
        const double n = static_cast<double>(std::max<std::size_t>(sorted.size(), 1));
        double sum = 0;
        for (const double t : sorted)
            sum += t;
        std::printf("%-14.*s %-8.*s %6zu %7.1fms %7.1fms %7.1fms %7.1fms %7.1fms %9.1f %10.3f%%",
                    static_cast<int>(rules.size()), rules.data(), static_cast<int>(way.size()), way.data(),
                    sorted.size(), percentile(sorted, 0.5), percentile(sorted, 0.9), percentile(sorted, 0.99),
                    sorted.empty() ? 0.0 : sorted.back(), sum / n, static_cast<double>(shuffles) / n,
                    100.0 * static_cast<double>(unverified) / n);
        if (baseline) {
            std::vector<double> base = baseline->times;
            std::sort(base.begin(), base.end());
            std::printf("   p50 x%.2f  p99 x%.2f", percentile(sorted, 0.5) / percentile(base, 0.5),
                        percentile(sorted, 0.99) / percentile(base, 0.99));
        } else if (busy > 0) {
            std::printf("   %.2fM positions/s", static_cast<double>(nodes) / busy / 1e6);
        }
        std::printf("\n");
    }
};

// Quit while a preparation runs: how long tearing the workers down takes.
void timeQuit(int rounds)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        auto workers = std::make_unique<murvane::DealWorkers>(std::function<void()>{});
        workers->prepare({murvane::DealRules::drawOneLimited(), murvane::DealRules::drawThreeLimited(),
                          murvane::DealRules::unlimited()});
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + i % 7));
        const auto start = Clock::now();
        workers.reset();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("quit mid-preparation (%d rounds): median %.2f ms, p99 %.2f ms, max %.2f ms\n", rounds,
                percentile(times, 0.5), percentile(times, 0.99), times.back());
}

} // namespace

int main(int argc, char** argv)
{
    double seconds = 40;
    long trials = 2000;
    bool quit = false;
    std::vector<DealRules> rules;
    constexpr const char* kUsage = "usage: solver_dealtime [--seconds S] [--trials N] [--quit] [RULES...]\n";
    auto refuse = [&](const char* why, std::string_view what) {
        std::fprintf(stderr, "solver_dealtime: %s %.*s\n%s", why, int(what.size()), what.data(), kUsage);
        return 2;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::printf("%s  Times finding a verified deal per rule set, one thread against the game's\n"
                        "  workers, until S seconds (default 40) or N trials (default 2000) per rule set;\n"
                        "  --quit also times quitting mid-preparation; RULES as in dealtool.\n",
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
        } else if (arg == "--quit") {
            quit = true;
        } else if (const auto named = rulesNamed(arg)) {
            rules.push_back(*named);
        } else {
            return refuse("unknown argument", arg);
        }
    }
    if (rules.empty())
        rules.assign(kVerificationRules.begin(), kVerificationRules.end());

    QCoreApplication application(argc, argv);
    std::random_device device;
    murvane::DealWorkers workers({}); // nothing queued: every findNow() searches from scratch
    std::printf("%d cores; %d helper threads besides the caller\n", std::thread::hardware_concurrency(),
                murvane::DealWorkers::defaultHelperCount());
    std::printf("%-14s %-8s %6s %9s %9s %9s %9s %9s %9s %11s\n", "rules", "way", "trials", "median", "p90", "p99",
                "max", "mean", "shuffles", "unverified");
    for (const DealRules& r : rules) {
        const std::string_view name = rulesName(r);
        const murvane::DealRules dealRules{r.drawCount, r.maxRecycles ? std::optional<std::int64_t>(*r.maxRecycles)
                                                                      : std::nullopt};
        Samples serial;
        Samples parallel;
        Samples numbered;
        std::uint32_t number = 0;
        const auto begin = Clock::now();
        while (static_cast<long>(serial.times.size()) < trials
               && std::chrono::duration<double>(Clock::now() - begin).count() < seconds) {
            auto start = Clock::now();
            const VerifiedShuffle found = bench::findVerifiedDeal(r, device);
            serial.add(std::chrono::duration<double, std::milli>(Clock::now() - start).count(), found.attempt,
                       found.isVerified);
            serial.nodes += found.nodes;

            start = Clock::now();
            const murvane::Deal deal = workers.findNow(dealRules);
            parallel.add(std::chrono::duration<double, std::milli>(Clock::now() - start).count(),
                         static_cast<long>(deal.attempts), deal.isVerified);

            start = Clock::now();
            const NumberedDeal byNumber = findNumberedDeal(++number, r);
            numbered.add(std::chrono::duration<double, std::milli>(Clock::now() - start).count(), byNumber.attempt,
                         byNumber.isVerified);
        }
        serial.print(name, "serial", nullptr);
        parallel.print(name, "workers", &serial);
        numbered.print(name, "numbered", &serial);
        const double perShuffle = static_cast<double>(serial.times.size() + parallel.times.size()
                                                      - static_cast<std::size_t>(serial.unverified + parallel.unverified))
            / static_cast<double>(std::max(serial.shuffles + parallel.shuffles, 1L));
        std::printf("%-14s verified per shuffle %.2f%%; expected unverified after %d shuffles: %.2g%%\n", "",
                    100.0 * perShuffle, kDealAttempts, 100.0 * std::pow(1.0 - perShuffle, kDealAttempts));
        std::fflush(stdout);
    }
    if (quit)
        timeQuit(50);
    return 0;
}
