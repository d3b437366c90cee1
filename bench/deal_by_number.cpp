// deal_by_number: time from Play to the numbered deal painted, per rule set,
// the old way (the deal found on the main thread, one shuffle after another)
// against the game's way (found on the deal threads while the board goes
// on), interleaved number by number in one run.
//
//   deal_by_number [FIRST [LAST]]      numbers FIRST...LAST (default 1...1000)
//
// Each deal is laid into a shown board and painted at once (repaint); the
// time runs from the request to the end of that paint. Prints p50, p99 and
// the maximum in milliseconds, and how many deal threads there are.

#include "board/SolitaireView.h"
#include "engine/DealWorkers.h"
#include "engine/SolitaireGame.h"
#include "persistence/SettingsStore.h"
#include "solver/DealNumbers.h"

#include <QApplication>
#include <QEventLoop>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace murvane;
using Clock = std::chrono::steady_clock;

namespace {

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct Summary {
    double p50, p99, max;
};

Summary summarise(std::vector<double> t)
{
    std::sort(t.begin(), t.end());
    const auto at = [&t](double q) { return t[std::min(t.size() - 1, std::size_t(q * double(t.size())))]; };
    return {at(0.50), at(0.99), t.back()};
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const long first = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1;
    const long last = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 1000;
    if (argc > 3 || first < 1 || last < first || last > long(solver::kLastDealNumber)) {
        std::fprintf(stderr, "usage: deal_by_number [FIRST [LAST]]\n");
        return 2;
    }
    std::printf("numbers %ld...%ld; deal threads: %d helpers + 1, main thread free\n", first, last,
                DealWorkers::defaultHelperCount());
    std::printf("%-14s %-10s %8s %8s %8s\n", "rules", "path", "p50 ms", "p99 ms", "max ms");
    struct Rules {
        const char* name;
        ScoringMode scoring;
        bool unlimited;
        int draw;
    };
    const Rules rules[] = {{"unlimited", ScoringMode::standard, true, 3},
                           {"draw1-limited", ScoringMode::vegas, false, 1},
                           {"draw3-limited", ScoringMode::vegas, false, 3}};
    for (const Rules& r : rules) {
        InMemorySettingsStore store;
        SolitaireGame game(store, true); // as the game runs: deals prepared ahead too
        game.settings().setScoringMode(r.scoring);
        game.settings().setUnlimitedRedeals(r.unlimited);
        game.settings().setDrawMode(DrawMode::fromCount(r.draw));
        SolitaireView view(game);
        view.show();
        app.processEvents();
        std::vector<double> old, now;
        for (long n = first; n <= last; ++n) {
            // The old way: found where it was asked for, then laid as a layout.
            auto start = Clock::now();
            const solver::NumberedDeal found = solver::findNumberedDeal(std::uint32_t(n), game.settings().dealRules());
            game.session().playDeal(DealRequest{std::nullopt, found.deck});
            view.repaint();
            old.push_back(ms(Clock::now() - start));
            app.processEvents();

            start = Clock::now();
            game.session().playDeal(DealRequest{std::uint32_t(n), std::nullopt});
            if (game.session().isDealing()) {
                QEventLoop wait;
                QObject::connect(&game.session(), &DealSession::isDealingChanged, &wait, &QEventLoop::quit);
                wait.exec();
            }
            view.repaint();
            now.push_back(ms(Clock::now() - start));
            if (game.session().origin().number != std::uint32_t(n)) {
                std::fprintf(stderr, "deal %ld was not laid\n", n);
                return 1;
            }
            app.processEvents();
        }
        for (const auto& [path, t] : {std::pair{"sequential", &old}, std::pair{"threads", &now}}) {
            const Summary s = summarise(*t);
            std::printf("%-14s %-10s %8.1f %8.1f %8.1f\n", r.name, path, s.p50, s.p99, s.max);
        }
        std::fflush(stdout);
    }
    return 0;
}
