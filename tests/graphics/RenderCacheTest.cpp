// The shared render cache: its byte budget and eviction order, and the
// blits that leave out what a later card hides.

#include "cards/Card.h"
#include "graphics/CardBackView.h"
#include "graphics/CardView.h"
#include "graphics/PaintUtil.h"
#include "graphics/RenderCache.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

using namespace murvane;
using namespace murvane::graphics;

TEST(RenderCacheTest, EvictsTheLeastRecentlyUsedWithinItsBudget)
{
    RenderCache::clear();
    // Each entry takes about a sixteenth of the budget.
    const int side = int(std::sqrt(double(RenderCache::kMaxBytes) / 16 / 4));
    auto key = [](int i) { return RenderKey{.element = RenderElement::glass, .variant = i}; };
    auto make = [&] {
        QPixmap p(side, side);
        p.fill(Qt::red);
        return p;
    };
    for (int i = 0; i < 10; ++i)
        RenderCache::get<QPixmap>(key(i), make);
    ASSERT_NE(RenderCache::find<QPixmap>(key(0)), nullptr); // used again: now the newest
    for (int i = 10; i < 20; ++i)
        RenderCache::get<QPixmap>(key(i), make);

    EXPECT_LE(RenderCache::bytes(), RenderCache::kMaxBytes);
    EXPECT_EQ(RenderCache::renderCount(RenderElement::glass), 20);
    EXPECT_NE(RenderCache::find<QPixmap>(key(0)), nullptr);
    EXPECT_EQ(RenderCache::find<QPixmap>(key(1)), nullptr) << "the oldest goes first";
    EXPECT_NE(RenderCache::find<QPixmap>(key(19)), nullptr);
    // A key holds one kind of element; asking for another is a miss.
    EXPECT_EQ(RenderCache::find<QImage>(key(19)), nullptr);
    // Dropping one kind keeps the others.
    detail::cardShadow(1, 1);
    RenderCache::clear(RenderElement::glass);
    EXPECT_EQ(RenderCache::count(RenderElement::glass), 0);
    EXPECT_EQ(RenderCache::count(RenderElement::shadow), 1);
    RenderCache::clear();
    EXPECT_EQ(RenderCache::bytes(), 0);
}

TEST(RenderCacheTest, LeavingOutWhatTheNextCardHidesChangesNoPixel)
{
    for (const qreal scale : {1.0, 1.18, 1.94})
        for (const qreal dpr : {1.0, 2.0})
            for (const bool dark : {false, true}) {
                const Appearance look{dark, false};
                // A column fanned at fractional positions: two backs, then faces.
                const qreal step = 20 * scale;
                const QPointF origin(3.3, 2.7);
                auto frame = [&](int j) { return QRectF(origin + QPointF(0, j * step), CardView::size(scale)); };
                auto paintColumn = [&](bool leaveOutHidden) {
                    QImage image(QSize(80, 200) * scale * dpr, QImage::Format_ARGB32_Premultiplied);
                    image.setDevicePixelRatio(dpr);
                    image.fill(Qt::darkGreen);
                    QPainter p(&image);
                    for (int j = 0; j < 4; ++j) {
                        const QRectF covered = leaveOutHidden && j < 3 ? opaqueCardBody(frame(j + 1), scale) : QRectF();
                        if (j < 2)
                            CardBackView{look, CardBackTheme::ocean, scale}.paint(p, frame(j).topLeft(), covered);
                        else
                            CardView{look, Card::make(Suit::hearts, 12 - j, true), scale, true}.paint(
                                p, frame(j).topLeft(), covered);
                    }
                    return image;
                };
                EXPECT_EQ(paintColumn(true), paintColumn(false)) << scale << " @" << dpr << (dark ? " dark" : "");
            }
}
