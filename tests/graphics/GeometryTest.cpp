#include "cards/Settings.h"
#include "graphics/CardBackStyle.h"
#include "graphics/CardGeometry.h"
#include "graphics/DeckArt.h"
#include "graphics/Emblems.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

using namespace murvane;
using namespace murvane::graphics;

TEST(CardGeometry, FaceAtScaleOneAndAHalf)
{
    const CardMetrics plain = cardMetrics(1.5, false);
    EXPECT_DOUBLE_EQ(plain.size.width(), 66);
    EXPECT_DOUBLE_EQ(plain.size.height(), 96);
    EXPECT_DOUBLE_EQ(plain.cornerRadius, 7.5);
    EXPECT_DOUBLE_EQ(plain.rankFontSize, 18);
    EXPECT_DOUBLE_EQ(plain.pipFontSize, 39);
    EXPECT_DOUBLE_EQ(plain.cornerPadding, 6);
    EXPECT_DOUBLE_EQ(plain.shadowBlur, 3);
    // Hairlines and the shadow's drop do not grow with the board.
    EXPECT_DOUBLE_EQ(plain.borderWidth, 1);
    EXPECT_DOUBLE_EQ(plain.shadowOffsetY, 1);
    const CardMetrics withSuit = cardMetrics(1.5, true);
    EXPECT_DOUBLE_EQ(withSuit.rankFontSize, 16.5);
    EXPECT_DOUBLE_EQ(withSuit.cornerSuitFontSize, 15);
    EXPECT_DOUBLE_EQ(slotMetrics(1.5).outlineWidth, 1.5);
    EXPECT_DOUBLE_EQ(slotMetrics(1.5).labelFontSize, 15);
}

TEST(CardGeometry, BackAtScaleTwo)
{
    const BackMetrics m = backMetrics(2);
    EXPECT_EQ(m.size, QSizeF(88, 128));
    EXPECT_EQ(m.artRect, QRectF(3, 3, 82, 122));
    EXPECT_DOUBLE_EQ(m.artClipRadius, 8.5);
    EXPECT_EQ(m.innerFrameRect, QRectF(9, 9, 70, 110));
    EXPECT_DOUBLE_EQ(m.innerFrameRadius, 6);
    EXPECT_DOUBLE_EQ(m.innerFrameWidth, 1);
    EXPECT_DOUBLE_EQ(m.pixelCell, 5);
}

TEST(CardGeometry, OutOfRangeScalesAreClamped)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct { double in, out; } cases[] = {
        {1.18, 1.18}, {0.5, 0.5}, {4, 4}, {0.2, 0.5}, {9, 4}, {0, 1}, {-2, 1}, {nan, 1}, {inf, 1}, {-inf, 1},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(clampScale(c.in), c.out) << c.in;
        EXPECT_DOUBLE_EQ(cardMetrics(c.in).size.width(), 44 * c.out) << c.in;
    }
    EXPECT_DOUBLE_EQ(clampDevicePixelRatio(nan), 1);
    EXPECT_DOUBLE_EQ(clampDevicePixelRatio(100), kMaxDevicePixelRatio);
}

namespace {
void expectColor(const QColor& c, double r, double g, double b, const char* what)
{
    EXPECT_NEAR(c.redF(), r, 0.001) << what;
    EXPECT_NEAR(c.greenF(), g, 0.001) << what;
    EXPECT_NEAR(c.blueF(), b, 0.001) << what;
}
} // namespace

TEST(CardBackStyle, SolidGradientsDeriveFromTheirBase)
{
    const auto amber = gradientStyle(CardBackTheme::solidAmber);
    ASSERT_TRUE(amber);
    expectColor(amber->top, 0.9241, 0.686, 0.2063, "amber top");
    expectColor(amber->bottom, 0.6396, 0.4502, 0.0686, "amber bottom");
    const auto summer = gradientStyle(CardBackTheme::summer);
    ASSERT_TRUE(summer);
    expectColor(summer->top, 1.0, 0.72, 0.0, "summer top");
    EXPECT_EQ(summer->symbol, "sun.max.fill");
    EXPECT_DOUBLE_EQ(summer->symbolOpacity, 0.9);
}

TEST(CardBackStyle, FamiliesCoverEveryTheme)
{
    int gradients = 0, illustrated = 0;
    for (CardBackTheme t : EnumCases<CardBackTheme>::all) {
        const ArtFamily f = artFamily(t);
        const bool isGradient = f == ArtFamily::gradient || f == ArtFamily::solidGradient ||
                                f == ArtFamily::gradientWithSymbol;
        EXPECT_EQ(isGradient, gradientStyle(t).has_value()) << rawValue(t).toStdString();
        EXPECT_EQ(f == ArtFamily::illustrated, DeckArt::isIllustrated(t)) << rawValue(t).toStdString();
        gradients += isGradient;
        illustrated += f == ArtFamily::illustrated;
    }
    EXPECT_EQ(gradients, 15);
    EXPECT_EQ(illustrated, 8);
}

TEST(CardBackStyle, EveryThemeNameRoundTrips)
{
    std::set<QString> names;
    for (CardBackTheme t : EnumCases<CardBackTheme>::all) {
        const QString name = rawValue(t);
        EXPECT_FALSE(name.isEmpty());
        names.insert(name);
        EXPECT_EQ(enumFromRaw<CardBackTheme>(name), t) << name.toStdString();
    }
    EXPECT_EQ(names.size(), 27u);
    EXPECT_EQ(enumFromRaw<CardBackTheme>("Neon Arcade"), CardBackTheme::neon);
    EXPECT_FALSE(enumFromRaw<CardBackTheme>("neon arcade"));
}

TEST(DeckArtGeometry, DesignSpaceIsScaledByHeightAndCentred)
{
    const QTransform t = DeckArt::designTransform(QRectF(3, 3, 82, 122));
    const qreal s = 122.0 / 196;
    EXPECT_NEAR(t.m11(), s, 1e-12);
    EXPECT_NEAR(t.m22(), s, 1e-12);
    const QPointF topMiddle = t.map(QPointF(70, 0));
    EXPECT_NEAR(topMiddle.x(), 3 + 41, 1e-9);
    EXPECT_NEAR(topMiddle.y(), 3, 1e-9);
}

TEST(Emblems, LimeWedgeScalesWithTheBack)
{
    const LimeWedgeGeometry one = limeWedgeGeometry(1);
    EXPECT_DOUBLE_EQ(one.rindRadius, 8);
    EXPECT_DOUBLE_EQ(one.rindStroke, 1.3);
    const LimeWedgeGeometry two = limeWedgeGeometry(2);
    EXPECT_DOUBLE_EQ(two.rindRadius, 16);
    EXPECT_DOUBLE_EQ(two.rindStroke, 2.6);
    EXPECT_EQ(two.canvas, QSizeF(36, 36));
    EXPECT_EQ(two.centre, QPointF(12.6, 18));
    EXPECT_NEAR(two.segmentRadius, 11.68, 1e-9);
    // Four 31.25-degree slices, 13.75-degree gaps, mirrored about the axis.
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(two.segments[i].second - two.segments[i].first, 31.25, 1e-9);
        EXPECT_NEAR(two.segments[i].first, -two.segments[3 - i].second, 1e-9);
        if (i > 0) {
            EXPECT_NEAR(two.segments[i].first - two.segments[i - 1].second, 13.75, 1e-9);
        }
    }
}

TEST(Emblems, ToriiFillsItsSquareEdgeToEdge)
{
    for (qreal w : {18.0, 36.0, 21.24}) {
        const qreal u = w / 18;
        QRectF bounds;
        for (const QRectF& r : toriiRects(w))
            bounds = bounds.isNull() ? r : bounds.united(r);
        EXPECT_NEAR(bounds.left(), 0, 1e-9);
        EXPECT_NEAR(bounds.top(), 0, 1e-9);
        EXPECT_NEAR(bounds.right(), 18 * u, 1e-9);
        EXPECT_NEAR(bounds.bottom(), 18 * u, 1e-9);
    }
    // The pillars stand on their feet and reach up to the lintel.
    const auto r = toriiRects(18);
    EXPECT_DOUBLE_EQ(r[5].bottom(), r[7].top());
    EXPECT_DOUBLE_EQ(r[6].bottom(), r[8].top());
    EXPECT_DOUBLE_EQ(r[5].top(), r[0].bottom());
}

TEST(Emblems, PixelLogoCutsItsLowerRightCorner)
{
    const PixelLogoGeometry g = pixelLogoGeometry(36, 36);
    EXPECT_EQ(g.outline[2], QPointF(36, 0.82 * 36));
    EXPECT_EQ(g.outline[4], QPointF(0.84 * 36, 36));
    EXPECT_NEAR(g.inner.left(), 0.14 * 36, 1e-9);
    EXPECT_NEAR(g.inner.right(), 0.84 * 36 - 0.14 * 36, 1e-9);
}

TEST(Emblems, PixelPatternStartsOneCellOutside)
{
    const struct { qreal w, h, c; } cases[] = {{35, 55, 2.5}, {70, 110, 5}, {41.3, 64.1, 2.95}, {10, 10, 2.5}};
    for (const auto& k : cases) {
        const PixelPatternGrid g = pixelPatternGrid(k.w, k.h, k.c);
        EXPECT_DOUBLE_EQ(g.firstX, -k.c);
        EXPECT_DOUBLE_EQ(g.firstY, -k.c);
        // The last block starts at or before w + c and the next one would not.
        EXPECT_LE(g.lastX, k.w + k.c + 1e-9);
        EXPECT_GT(g.lastX + 2 * k.c, k.w + k.c);
        EXPECT_LE(g.lastY, k.h + k.c + 1e-9);
        EXPECT_GT(g.lastY + 2 * k.c, k.h + k.c);
        // So the far edges are covered too (no strip without cells).
        EXPECT_GE(g.lastX + 2 * k.c, k.w);
        EXPECT_GE(g.lastY + 2 * k.c, k.h);
    }
    // Exact multiples include the block at w + c.
    EXPECT_DOUBLE_EQ(pixelPatternGrid(10, 10, 2.5).lastX, 12.5);
}
