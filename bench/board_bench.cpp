// Full repaint of the board at the large size and device pixel ratio 2, and
// the repaint after one move, against painting an empty widget of the same
// size into the same image.

#include "board/PileView.h"
#include "board/SolitaireView.h"
#include "engine/SolitaireGame.h"
#include "persistence/SettingsKeys.h"
#include "persistence/SettingsStore.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

using namespace murvane;

namespace {

QApplication* ensureApp()
{
    static int argc = 1;
    static char name[] = "board_bench";
    static char* argv[] = {name, nullptr};
    if (!qApp) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
    }
    return static_cast<QApplication*>(qApp);
}

struct LargeBoard {
    InMemorySettingsStore store;
    std::unique_ptr<SolitaireGame> game;
    std::unique_ptr<SolitaireView> view;
    LargeBoard()
    {
        ensureApp();
        store.setString(keys::boardSize, QStringLiteral("Large"));
        store.setInteger(keys::drawCount, 3);
        game = std::make_unique<SolitaireGame>(store, false);
        // Turn up a few waste cards so every kind of pile paints something.
        for (int i = 0; i < 3; ++i)
            game->play().drawFromStock(*new DragState(game.get()));
        view = std::make_unique<SolitaireView>(*game);
        view->show();
    }
};

QImage target(QSize size)
{
    QImage image(size * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    return image;
}

void BM_EmptyWidgetRepaint(benchmark::State& state)
{
    ensureApp();
    LargeBoard board; // same size as the board
    QWidget empty;
    empty.setFixedSize(board.view->sizeHint());
    empty.setAutoFillBackground(true);
    QImage image = target(empty.size());
    for (auto _ : state) {
        empty.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_EmptyWidgetRepaint)->Unit(benchmark::kMicrosecond);

void BM_BoardFullRepaint(benchmark::State& state)
{
    LargeBoard board;
    QImage image = target(board.view->size());
    board.view->render(&image); // fills the card back cache once
    for (auto _ : state) {
        board.view->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_BoardFullRepaint)->Unit(benchmark::kMicrosecond);

// After one card moves (a column's top card to a foundation), only those two
// piles' rectangles are repainted.
void BM_BoardOneMoveRepaint(benchmark::State& state)
{
    LargeBoard board;
    QImage image = target(board.view->size());
    board.view->render(&image);
    QRegion changed;
    for (const BoardFocus& pile : {BoardFocus::tableau(3), BoardFocus::foundation(0)})
        changed += board.view->pileView(pile)->geometry();
    for (auto _ : state) {
        board.view->render(&image, changed.boundingRect().topLeft(), changed);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_BoardOneMoveRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
