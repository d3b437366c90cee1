// Card painting costs. Baseline: filling a card-sized rounded rectangle,
// the least any card could cost, measured in the same run. The board case
// paints 28 faces and 24 backs at scale 1.18 into a 2x target, as a full
// board repaint does, at whole-point or at the board's fractional positions.

#include "cards/Card.h"
#include "graphics/CardBackView.h"
#include "graphics/CardView.h"
#include "graphics/RenderCache.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <benchmark/benchmark.h>

#include <memory>

using namespace murvane;
using namespace murvane::graphics;

namespace {

constexpr qreal kBoardScale = 1.18;
constexpr qreal kRatio = 2;

QGuiApplication& app()
{
    static int argc = 1;
    static char name[] = "graphics_bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication instance(argc, argv);
    return instance;
}

// A board-sized 2x target (375 x 700 points).
struct Target {
    QImage image{QSize(750, 1400), QImage::Format_ARGB32_Premultiplied};
    QPainter painter;
    Target()
    {
        app();
        image.setDevicePixelRatio(kRatio);
        image.fill(Qt::darkGreen);
        painter.begin(&image);
    }
};

void BM_Baseline_RoundedRectFill(benchmark::State& state)
{
    Target t;
    t.painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, 44 * kBoardScale, 64 * kBoardScale), 5 * kBoardScale, 5 * kBoardScale);
    for (auto _ : state) {
        t.painter.fillPath(path.translated(20, 20), Qt::white);
    }
}
BENCHMARK(BM_Baseline_RoundedRectFill);

void BM_Face(benchmark::State& state)
{
    Target t;
    const bool cached = state.range(0) != 0;
    const CardView view{{}, Card::make(Suit::hearts, 12, true), kBoardScale, true};
    view.paint(t.painter, QPointF(20, 20), cached); // warm
    for (auto _ : state)
        view.paint(t.painter, QPointF(20, 20), cached);
    state.SetLabel(cached ? "cached" : "direct");
}
BENCHMARK(BM_Face)->Arg(0)->Arg(1);

void BM_BackCached(benchmark::State& state)
{
    Target t;
    const CardBackView view{{}, static_cast<CardBackTheme>(state.range(0)), kBoardScale};
    view.paint(t.painter, QPointF(20, 20));
    for (auto _ : state)
        view.paint(t.painter, QPointF(20, 20));
    state.SetLabel(rawValue(view.theme).toStdString());
}
BENCHMARK(BM_BackCached)->Arg(int(CardBackTheme::onyx))->Arg(int(CardBackTheme::ocean));

// Uncached: the whole flattened layer as the cache renders it (shadow,
// body, art) for every theme.
void BM_BackUncached(benchmark::State& state)
{
    app();
    const CardBackView view{{}, static_cast<CardBackTheme>(state.range(0)), kBoardScale};
    for (auto _ : state) {
        RenderCache::clear(RenderElement::back); // the shared shadow stays, as it would on the board
        benchmark::DoNotOptimize(backPixmap(view, kRatio));
    }
    state.SetLabel(rawValue(view.theme).toStdString());
}
BENCHMARK(BM_BackUncached)->DenseRange(0, 26);

void BM_FullBoard(benchmark::State& state)
{
    Target t;
    const bool cachedFaces = state.range(0) != 0;
    std::vector<Card> deck;
    for (Suit s : kAllSuits)
        for (int r = 1; r <= 13; ++r)
            deck.push_back(Card::make(s, r, true));
    const CardBackView back{{}, CardBackTheme::cherryInk, kBoardScale};
    // Whole points, or the fractional positions of the scaled board.
    const qreal step = state.range(1) != 0 ? kBoardScale : 1;
    auto paintBoard = [&] {
        // 24 backs: the stock and the face-down column cards; 28 faces.
        for (int i = 0; i < 24; ++i)
            back.paint(t.painter, QPointF(10 + (i % 7) * 50, 100 + (i / 7) * 24) * step);
        for (int i = 0; i < 28; ++i)
            CardView{{}, deck[size_t(i * 13 % 52)], kBoardScale, false}.paint(
                t.painter, QPointF(10 + (i % 7) * 50, 200 + (i / 7) * 24) * step, cachedFaces);
    };
    paintBoard();
    for (auto _ : state)
        paintBoard();
    state.SetLabel(std::string(cachedFaces ? "faces cached" : "faces direct") +
                   (step != 1 ? ", board positions" : ""));
}
BENCHMARK(BM_FullBoard)->Args({0, 0})->Args({1, 0})->Args({1, 1})->Unit(benchmark::kMicrosecond);

} // namespace
