// Opens and closes the game's panel (the board built on each open, as the
// app does) a number of times, for profiling the open path on its own:
//   QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind
//       --toggle-collect='*warmOpen*' panel_opens [opens]
// The first open (cold fonts and render cache) is coldOpen, so the cost
// collected in warmOpen is that of a returning open. No deal preparation runs.
// Prints the render cache's bytes after the first open and after the last
// close, and the median wall time of an open (noisy on a busy machine).
#include "app/PanelWindow.h"
#include "board/SolitaireView.h"
#include "engine/SolitaireGame.h"
#include "graphics/RenderCache.h"
#include "persistence/SettingsStore.h"
#include "PanelOpen.h"
#include "ToolArguments.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace murvane;

namespace {

// Also notes what the render cache holds after it.
[[gnu::noinline]] double coldOpen(app::PanelWindow& panel, qsizetype& cacheBytes)
{
    const double ms = bench::openUntilPainted(panel, 20000);
    cacheBytes = graphics::RenderCache::bytes();
    return ms;
}
[[gnu::noinline]] double warmOpen(app::PanelWindow& panel) { return bench::openUntilPainted(panel, 20000); }

} // namespace

int main(int argc, char** argv)
{
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("opens"), QStringLiteral("Opens after the first (default 20)."),
                                 QStringLiteral("[opens]"));
    const QCommandLineOption keep(QStringLiteral("keep"), QStringLiteral("Keep the board while closed."));
    const QCommandLineOption empty(QStringLiteral("empty"),
                                   QStringLiteral("An empty widget of the board's size instead: the baseline."));
    parser.addOptions({keep, empty});
    if (const int status = bench::parseToolArguments(
            argc, argv, parser, QStringLiteral("Opens and closes the game's panel, for profiling the open path."), 0,
            1);
        status >= 0)
        return status;
    const int opens = std::max(1, parser.positionalArguments().value(0, QStringLiteral("20")).toInt());
    QApplication application(argc, argv);
    InMemorySettingsStore store;
    SolitaireGame game(store, false);
    const bool emptyContent = parser.isSet(empty);
    app::PanelWindow panel(
        app::PanelWindow::Style::popup,
        [&game, emptyContent](QWidget* parent) -> QWidget* {
            if (!emptyContent)
                return new SolitaireView(game, parent);
            auto* w = new QWidget(parent);
            w->setFixedSize(375, 486);
            w->setAutoFillBackground(true);
            return w;
        },
        parser.isSet(keep));
    qsizetype cacheAfterFirst = 0;
    const double first = coldOpen(panel, cacheAfterFirst);
    std::vector<double> ms;
    for (int i = 0; i < opens; ++i)
        ms.push_back(warmOpen(panel));
    std::sort(ms.begin(), ms.end());
    std::printf("first open %.2f ms, then median of %d %.2f ms; render cache %lld bytes after the first open, "
                "%lld after the last close\n",
                first, opens, ms[ms.size() / 2], static_cast<long long>(cacheAfterFirst),
                static_cast<long long>(graphics::RenderCache::bytes()));
    return 0;
}
