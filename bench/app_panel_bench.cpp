// In-process figures of the shell in a real X session (run by app_bench.sh):
// start-up to first deal ready, tray click to panel painted with the board
// built on each open versus kept, against a popup holding an empty widget of
// the board's size, New Deal to board painted per rule set with and without a
// prepared deal, and timer events while idle with the panel closed.
//
//   app_panel_bench [new-deal presses per rule set, default 500]
#include "app/MurvaneSolitaireApp.h"
#include "app/PanelWindow.h"
#include "board/SolitaireView.h"
#include "engine/SolitaireGame.h"
#include "engine/GamePlayTestPeer.h"
#include "engine/SolitaireGame.h"
#include "persistence/SettingsStore.h"
#include "platform/PopupAccessibility.h"
#include "PanelOpen.h"
#include "ToolArguments.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMap>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

using namespace murvane;
using namespace murvane::app;

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Runs the loop until `done` fires or the bound passes.
template <typename Signal, typename Object>
bool waitFor(Object* object, Signal signal, int boundMs)
{
    // A timer object that dies with this scope: a stray single-shot would
    // fire later and spoil the idle count.
    QEventLoop loop;
    QTimer bound;
    bound.setSingleShot(true);
    QObject::connect(object, signal, &loop, &QEventLoop::quit);
    QObject::connect(&bound, &QTimer::timeout, &loop, &QEventLoop::quit);
    bound.start(boundMs);
    QElapsedTimer t;
    t.start();
    loop.exec();
    return t.elapsed() < boundMs;
}

// The median open of each panel over n rounds, one open of each per round, so
// a change in the machine's load falls on all of them alike.
std::vector<double> openToPaintedInTurn(const std::vector<PanelWindow*>& panels, int n)
{
    std::vector<std::vector<double>> samples(panels.size());
    for (int round = 0; round < n; ++round)
        for (std::size_t i = 0; i < panels.size(); ++i)
            samples[i].push_back(bench::openUntilPainted(*panels[i], 2000));
    std::vector<double> medians;
    for (const std::vector<double>& s : samples)
        medians.push_back(median(s));
    return medians;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto i = static_cast<std::size_t>(std::ceil(p * static_cast<double>(values.size()))) - 1;
    return values[std::min(i, values.size() - 1)];
}

// Tells when the board is on the screen after a change: start() posts a
// marker behind the repaint the change asked for (update requests are
// posted at low priority, the marker too, after them), so the marker
// arrives once the repaint has been painted and flushed. A marker that
// arrives before any paint is posted again.
class PaintWatcher : public QObject {
public:
    bool painted = false; // the repaint has happened
    bool done = false;    // ... and has been flushed
    double doneMs = 0;    // when, on the clock given to start()
    void start(const QElapsedTimer& clock)
    {
        clock_ = &clock;
        painted = false;
        done = false;
        postMarker();
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType())
            painted = true;
        return QObject::eventFilter(watched, event);
    }
    bool event(QEvent* event) override
    {
        if (event->type() != kMarker)
            return QObject::event(event);
        if (painted) {
            done = true;
            doneMs = clock_->nsecsElapsed() / 1e6;
        } else {
            postMarker();
        }
        return true;
    }

private:
    void postMarker() { QCoreApplication::postEvent(this, new QEvent(kMarker), Qt::LowEventPriority); }
    static inline const QEvent::Type kMarker = static_cast<QEvent::Type>(QEvent::registerEventType());
    const QElapsedTimer* clock_ = nullptr;
};

// New Deal pressed back to back with the board open, under each rule set;
// each press is classed by whether a prepared deal was waiting. Every fifth
// press first lets the preparation finish, so both kinds are sampled.
void newDealToPainted(MurvaneSolitaireApp& app, int presses)
{
    SolitaireGame& game = app.game();
    app.panel()->open(std::nullopt, QPoint(640, 40));
    waitFor(app.panel(), &PanelWindow::painted, 2000);
    // No sooner than a person could reach for the button: the board settles.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    PaintWatcher watcher;
    qApp->installEventFilter(&watcher);
    struct Setting {
        const char* name;
        bool limited;
        std::int64_t draw;
    };
    for (const Setting& setting : {Setting{"unlimited", false, 3}, Setting{"draw3-limited", true, 3},
                                   Setting{"draw1-limited", true, 1}}) {
        game.settings().setScoringMode(setting.limited ? ScoringMode::vegas : ScoringMode::standard);
        game.settings().setUnlimitedRedeals(!setting.limited);
        game.settings().setDrawMode(DrawMode::fromCount(setting.draw));
        const DealRules rules = game.settings().dealRules();
        std::vector<double> ready;
        std::vector<double> notReady;
        std::vector<double> notReadyDeal;  // of which inside newDeal()
        std::vector<double> notReadyPaint; // and from there to the paint
        QElapsedTimer total;
        total.start();
        for (int i = 0; static_cast<int>(notReady.size()) < presses && total.elapsed() < 120000; ++i) {
            if (i % 5 == 0) {
                QElapsedTimer wait;
                wait.start();
                while (!game.session().preparedDeals().contains(rules) && wait.elapsed() < 5000)
                    waitFor(&game.session(), &DealSession::preparedDealStored, 100);
            }
            QCoreApplication::processEvents(); // nothing left over from the last press
            const bool prepared = game.session().preparedDeals().contains(rules);
            QElapsedTimer t;
            t.start();
            game.session().newDeal();
            const double dealMs = t.nsecsElapsed() / 1e6;
            watcher.start(t);
            while (!watcher.done && t.elapsed() < 5000)
                QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (!watcher.done)
                std::printf("  press %d: no paint within 5 s (new deal took %.1f ms)\n", i, dealMs);
            const double paintedMs = watcher.done ? watcher.doneMs : t.nsecsElapsed() / 1e6;
            (prepared ? ready : notReady).push_back(paintedMs);
            if (!prepared) {
                notReadyDeal.push_back(dealMs);
                notReadyPaint.push_back(paintedMs - dealMs);
            }
        }
        std::printf("new deal to painted, %-13s  no prepared deal: n %zu p50 %.1f p90 %.1f p99 %.1f max %.1f ms"
                    " (in newDeal: p50 %.1f p99 %.1f; after it: p50 %.1f p99 %.1f);  prepared: n %zu p50 %.2f ms\n",
                    setting.name, notReady.size(), percentile(notReady, 0.5), percentile(notReady, 0.9),
                    percentile(notReady, 0.99), percentile(notReady, 1.0), percentile(notReadyDeal, 0.5),
                    percentile(notReadyDeal, 0.99), percentile(notReadyPaint, 0.5), percentile(notReadyPaint, 0.99),
                    ready.size(), percentile(ready, 0.5));
        std::fflush(stdout);
    }
    qApp->removeEventFilter(&watcher);
    app.panel()->closePanel();
    QCoreApplication::processEvents();
}

class TimerCounter : public QObject {
public:
    int count = 0;
    QMap<QString, int> byReceiver;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Timer) {
            ++count;
            ++byReceiver[QString::fromLatin1(watched->metaObject()->className()) + QLatin1Char(' ')
                         + watched->objectName()];
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("presses"),
                                 QStringLiteral("New Deal presses per rule set without a prepared deal (default 500)."),
                                 QStringLiteral("[presses]"));
    if (const int status = murvane::bench::parseToolArguments(
            argc, argv, parser,
            QStringLiteral("Start-up phases, tray click to panel painted, idle timer events, and New Deal to board "
                           "painted of the game."),
            0, 1);
        status >= 0)
        return status;
    const int presses = std::max(1, parser.positionalArguments().value(0, QStringLiteral("500")).toInt());
    installPopupAwareAccessibility();
    QApplication application(argc, argv);
    const double appObjectMs = sinceMain.nsecsElapsed() / 1e6;
    constexpr int kOpens = 41;

    MurvaneSolitaireApp::Options options;
    options.instanceKey = QStringLiteral("murvane-bench-%1").arg(QCoreApplication::applicationPid());
    options.openStore = [] { return std::make_unique<InMemorySettingsStore>(); };
    // Measured as a returning user: no welcome window in front of the panel.
    options.showWelcomeWindow = [](const QString&) {};
    MurvaneSolitaireApp app(options);
    QElapsedTimer t;
    t.start();
    app.start();
    const double startMs = t.nsecsElapsed() / 1e6;
    std::printf("start-up: QApplication %.1f ms; game, first deal and tray %.1f ms (from main %.1f ms)\n",
                appObjectMs, startMs, sinceMain.nsecsElapsed() / 1e6);

    // Let background deal preparation finish before timing anything else.
    QElapsedTimer prep;
    prep.start();
    while (!app.game().session().preparingRules().isEmpty() && prep.elapsed() < 20000)
        waitFor(&app.game().session(), &DealSession::preparedDealStored, 500);
    std::printf("background deal preparation done %.0f ms after start-up\n", prep.nsecsElapsed() / 1e6);

    // Baseline: a popup holding an empty widget of the board's size.
    PanelWindow empty(PanelWindow::Style::popup, [](QWidget* parent) {
        auto* w = new QWidget(parent);
        w->setFixedSize(375, 486);
        w->setAutoFillBackground(true);
        return w;
    }, false);
    auto boardPanel = [&app](bool keep) {
        return std::make_unique<PanelWindow>(
            PanelWindow::Style::popup, [&app](QWidget* parent) { return new SolitaireView(app.game(), parent); },
            keep);
    };
    // Built on each open and discarded on close (as shipped), then kept; and
    // the app's own panel, for the record (the first plus the text cap).
    const auto buildEach = boardPanel(false);
    const auto kept = boardPanel(true);
    const std::vector<double> ms = openToPaintedInTurn({&empty, buildEach.get(), kept.get(), app.panel()}, kOpens);
    const double baselineMs = ms[0], buildEachMs = ms[1], keptMs = ms[2], shippedMs = ms[3];
    std::printf("open to painted (median of %d, in turn): empty popup %.2f ms; board built on open %.2f ms (x%.2f); "
                "board kept %.2f ms (x%.2f); app's panel %.2f ms (x%.2f)\n",
                kOpens, baselineMs, buildEachMs, buildEachMs / baselineMs, keptMs, keptMs / baselineMs, shippedMs,
                shippedMs / baselineMs);

    // Idle with every panel closed: count timer events for 3 s.
    TimerCounter counter;
    application.installEventFilter(&counter);
    QEventLoop idle;
    QTimer::singleShot(3000, &idle, &QEventLoop::quit);
    idle.exec();
    application.removeEventFilter(&counter);
    std::printf("idle, panel closed: %d timer events in 3 s (1 is the measuring timer itself)\n", counter.count);
    for (auto it = counter.byReceiver.constBegin(); it != counter.byReceiver.constEnd(); ++it)
        std::printf("  %d to %s\n", it.value(), qPrintable(it.key()));

    newDealToPainted(app, presses);
    return 0;
}
