// move_latency: how long a move takes to have all its events processed while
// the lost-game check runs beside busy programs, and how long quitting takes
// in the middle of a check.
//
//   move_latency [--seconds N] [--interval MS] [--busy N] [--quits N] [--seed S]
//
// Two busy loops (child processes) keep both cores occupied. The game, its
// lost-game watcher (notice on, wired as the board wires it) and a hint
// finder live on the main thread; every interval a card is moved (a move
// that makes progress if any, else mostly a draw; a new deal when stuck, won
// or some way in).
// A move's latency runs from the move to a low-priority event posted right
// after it, which is processed only after everything the move queued.
// Quitting is timed as the finder, the watcher and the game going away while
// a check and a hint search run. The same source builds against the tree
// from before the search thread (the engine then watched the game itself),
// so bench/move_latency.sh compares two builds in one run.
#include "engine/DragState.h"
#include "engine/HintFinder.h"
#include "engine/LostGameWatcher.h"
#include "engine/MoveChoice.h"
#include "engine/SolitaireGame.h"
#include "persistence/SettingsKeys.h"
#include "persistence/SettingsStore.h"


#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <csignal>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace murvane;
using Clock = std::chrono::steady_clock;

namespace {

struct Options {
    int seconds = 20;
    int intervalMs = 100;
    int busy = 2;
    int quits = 10;
    unsigned seed = 7;
};

bool parse(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        int* target = !std::strcmp(arg, "--seconds")    ? &o.seconds
                      : !std::strcmp(arg, "--interval") ? &o.intervalMs
                      : !std::strcmp(arg, "--busy")     ? &o.busy
                      : !std::strcmp(arg, "--quits")    ? &o.quits
                                                        : nullptr;
        if (!std::strcmp(arg, "--seed") && i + 1 < argc) {
            o.seed = unsigned(std::strtoul(argv[++i], nullptr, 10));
            continue;
        }
        if (!target || i + 1 >= argc) {
            std::fprintf(stderr,
                         "usage: move_latency [--seconds N] [--interval MS] [--busy N] [--quits N] [--seed S]\n");
            return false;
        }
        *target = std::atoi(argv[++i]);
    }
    return o.seconds > 0 && o.intervalMs > 0 && o.busy >= 0 && o.quits >= 0;
}

// Busy loops in child processes, started before any thread of ours; they
// die with the bench.
std::vector<pid_t> startBusyLoops(int count)
{
    std::vector<pid_t> children;
    for (int i = 0; i < count; ++i) {
        const pid_t pid = fork();
        if (pid == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            volatile unsigned long spin = 0;
            for (;;)
                spin = spin + 1;
        }
        if (pid > 0)
            children.push_back(pid);
    }
    return children;
}

void stopBusyLoops(const std::vector<pid_t>& children)
{
    for (pid_t pid : children)
        kill(pid, SIGKILL);
    for (pid_t pid : children)
        waitpid(pid, nullptr, 0);
}

// The game (its deal session watches for a lost game) and a hint finder,
// wired the way the board wires them.
struct Session {
    InMemorySettingsStore store;
    DragState drag;
    std::unique_ptr<SolitaireGame> game;
    std::unique_ptr<HintFinder> finder;

    Session()
    {
        store.setString(keys::autoCompleteMode, QStringLiteral("Disabled"));
        game = std::make_unique<SolitaireGame>(store, false);
        game->settings().setTellsWhenLost(true);
        game->session().setShown(true); // as the open panel's board does
        finder = std::make_unique<HintFinder>();
        for (auto signal : {&GamePlay::stockChanged, &GamePlay::wasteChanged, &GamePlay::foundationsChanged,
                            &GamePlay::tableauChanged})
            QObject::connect(&game->play(), signal, finder.get(), &HintFinder::positionChanged);
    }
    ~Session()
    {
        finder.reset();
        game.reset();
    }

    LostGameWatcher& watcher() { return game->session().lostWatcher(); }
    void requestHint() { finder->request(game->session().position(), game->play().table()); }
    // Threads of abandoned checks still running.
    int liveThreads() { return watcher().liveThreads(); }

    // One step of play, like a player making progress, so that most moves
    // reach a position not checked before: a card home or one that turns a
    // card up if there is one, else now and then another move, else a draw;
    // a new deal when won, stuck, or after kMovesPerDeal steps.
    static constexpr int kMovesPerDeal = 40;
    int stepsInDeal = 0;
    void play(std::mt19937& random)
    {
        if (game->play().hasWon() || ++stepsInDeal > kMovesPerDeal) {
            stepsInDeal = 0;
            game->session().newDeal();
            return;
        }
        const Table table = game->play().table();
        std::vector<Move> progress, other;
        auto consider = [&](const DragSource& source, bool turnsUp, bool wholeColumn) {
            for (int f = 0; f < kFoundationCount; ++f)
                if (moves::isPlayable(table, source, MoveTarget::foundation(f)))
                    progress.push_back({source, MoveTarget::foundation(f)});
            for (int c = 0; c < kColumnCount; ++c)
                if (moves::isPlayable(table, source, MoveTarget::tableau(c)) &&
                    !(wholeColumn && table.tableau[std::size_t(c)].isEmpty()))
                    (turnsUp ? progress : other).push_back({source, MoveTarget::tableau(c)});
        };
        if (!table.waste.isEmpty())
            consider(DragSource::waste(), false, false);
        for (int c = 0; c < kColumnCount; ++c) {
            const Pile& column = table.tableau[std::size_t(c)];
            for (int i = 0; i < int(column.size()); ++i)
                if (column[i].isFaceUp)
                    consider(DragSource::tableau(c, i), i > 0 && !column[i - 1].isFaceUp, i == 0);
        }
        const bool canDraw = !table.stock.isEmpty() || (!table.waste.isEmpty() && game->play().canRecycleWaste());
        if (!progress.empty()) {
            const Move& m = progress[random() % progress.size()];
            game->play().move(m.source, m.target);
        } else if (!other.empty() && (!canDraw || random() % 4 == 0)) {
            const Move& m = other[random() % other.size()];
            game->play().move(m.source, m.target);
        } else if (canDraw) {
            game->play().drawFromStock(drag);
        } else {
            stepsInDeal = 0;
            game->session().newDeal();
        }
    }
};

// Posted after a move at low priority: runs once everything the move queued
// (the watcher's check among it) has been processed.
class Probe : public QEvent {
public:
    static QEvent::Type type()
    {
        static const int t = QEvent::registerEventType();
        return QEvent::Type(t);
    }
    explicit Probe(Clock::time_point moved) : QEvent(type()), moved(moved) {}
    Clock::time_point moved;
};

class ProbeReceiver : public QObject {
public:
    std::vector<double> latenciesMs;
    bool event(QEvent* e) override
    {
        if (e->type() != Probe::type())
            return QObject::event(e);
        const auto done = Clock::now();
        latenciesMs.push_back(std::chrono::duration<double, std::milli>(done - static_cast<Probe*>(e)->moved).count());
        return true;
    }
};

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t index = std::min(values.size() - 1, std::size_t(p * double(values.size() - 1) + 0.5));
    return values[index];
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse(argc, argv, options))
        return 2;
    const std::vector<pid_t> busy = startBusyLoops(options.busy);
    int status = 0;
    {
        QCoreApplication app(argc, argv);
        std::mt19937 random(options.seed);

        // Moves at a steady pace, each timed to its events processed.
        ProbeReceiver probes;
        int peakThreads = 0;
        {
            Session session;
            QTimer pace;
            pace.setTimerType(Qt::PreciseTimer);
            pace.setInterval(options.intervalMs);
            QObject::connect(&pace, &QTimer::timeout, &app, [&] {
                const auto moved = Clock::now();
                session.play(random);
                QCoreApplication::postEvent(&probes, new Probe(moved), Qt::LowEventPriority);
                peakThreads = std::max(peakThreads, session.liveThreads());
            });
            QTimer::singleShot(options.seconds * 1000, &app, &QCoreApplication::quit);
            pace.start();
            app.exec();
            pace.stop();
        }
        QCoreApplication::processEvents();

        // Quitting mid-check: a move starts a check, a hint search runs too,
        // then everything goes away.
        std::vector<double> quitsMs;
        for (int q = 0; q < options.quits; ++q) {
            auto session = std::make_unique<Session>();
            for (int i = 0; i < 3; ++i)
                session->play(random);
            QElapsedTimer started;
            started.start();
            while (!session->watcher().isChecking() && started.elapsed() < 2000)
                QCoreApplication::processEvents();
            session->requestHint();
            const auto before = Clock::now();
            session.reset();
            quitsMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - before).count());
        }

        const std::vector<double>& l = probes.latenciesMs;
        const auto over1s = std::count_if(l.begin(), l.end(), [](double ms) { return ms > 1000; });
        const char* api = "new";
        std::printf("move_latency api=%s moves=%zu p50=%.2f p90=%.2f p99=%.2f max=%.2f over1s=%ld "
                    "quit_p50=%.2f quit_max=%.2f peak_threads=%d\n",
                    api, l.size(), percentile(l, 0.5), percentile(l, 0.9), percentile(l, 0.99),
                    l.empty() ? 0.0 : *std::max_element(l.begin(), l.end()), long(over1s), percentile(quitsMs, 0.5),
                    quitsMs.empty() ? 0.0 : *std::max_element(quitsMs.begin(), quitsMs.end()), peakThreads);
        status = l.empty() ? 1 : 0;
    }
    stopBusyLoops(busy);
    return status;
}
