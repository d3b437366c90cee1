#include "cards/Card.h"
#include "graphics/CardBackView.h"
#include "graphics/CardView.h"
#include "graphics/DeckArt.h"
#include "graphics/EmptySlotView.h"
#include "graphics/PaintUtil.h"
#include "graphics/RenderCache.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace murvane;
using namespace murvane::graphics;

namespace {

// Renders into an image of the card's frame (plus a margin) at a ratio.
QImage render(QSizeF logical, qreal dpr, const std::function<void(QPainter&)>& paint,
              QColor background = Qt::transparent)
{
    QImage image(QSize(int(std::ceil(logical.width() * dpr)), int(std::ceil(logical.height() * dpr))),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(background);
    QPainter p(&image);
    paint(p);
    return image;
}

QImage renderFace(const Card& card, Appearance look, qreal scale = 2, bool cornerSuit = false, bool cached = true,
                  SuitColours colours = SuitColours::two)
{
    const CardView view{look, card, scale, cornerSuit, colours};
    return render(view.size(), 1, [&](QPainter& p) { view.paint(p, QPointF(0, 0), cached); });
}

QImage renderBack(CardBackTheme theme, qreal scale = 1, Appearance look = {})
{
    const CardBackView view{look, theme, scale};
    return render(view.size(), 1, [&](QPainter& p) { view.paintUncached(p, QPointF(0, 0)); });
}

int colorDistance(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

// Pixels within `tolerance` of `color` (opaque pixels only).
int countNear(const QImage& image, QColor color, int tolerance = 12)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.alpha() == 255 && colorDistance(c, color) <= tolerance;
        }
    return n;
}

} // namespace

TEST(CardViewRender, SuitsUseTheirColourInEachAppearance)
{
    const QColor lightRed = QColor::fromRgbF(0.8f, 0.07f, 0.07f);
    const QColor darkRed = redSuitColor({true, false});
    const QColor blue(82, 56, 192), darkGreen(93, 171, 154);
    constexpr SuitColours two = SuitColours::two, four = SuitColours::four;
    const struct { Suit suit; bool dark; QColor ink; QColor absent; SuitColours colours; } cases[] = {
        {Suit::hearts, false, lightRed, darkRed, two},
        {Suit::diamonds, true, darkRed, lightRed, two},
        {Suit::spades, false, Qt::black, lightRed, two},
        {Suit::clubs, true, Qt::white, darkRed, two},
        {Suit::hearts, false, lightRed, blue, four},
        {Suit::diamonds, false, blue, lightRed, four},
        {Suit::spades, true, Qt::white, darkGreen, four},
        {Suit::clubs, true, darkGreen, Qt::white, four},
    };
    for (const auto& c : cases) {
        const QImage face = renderFace(Card::make(c.suit, 7, true), {c.dark, false}, 2, false, true, c.colours);
        const bool isFour = c.colours == four;
        // The pip alone covers hundreds of pixels at scale 2.
        EXPECT_GT(countNear(face, c.ink), 200) << suitIndex(c.suit) << " dark " << c.dark << " four " << isFour;
        EXPECT_EQ(countNear(face, c.absent, 6), 0) << suitIndex(c.suit) << " dark " << c.dark << " four " << isFour;
    }
}

TEST(CardViewRender, BodyFollowsTheAppearance)
{
    const Card card = Card::make(Suit::spades, 1, true);
    const QImage light = renderFace(card, {false, false});
    const QImage dark = renderFace(card, {true, false});
    // A point on the body away from the corner and the pip.
    const QPoint body(70, 100);
    EXPECT_EQ(light.pixelColor(body), QColor(Qt::white));
    EXPECT_LE(colorDistance(dark.pixelColor(body), controlBackgroundColor({true, false})), 3);
}

TEST(CardViewRender, IncreasedContrastDarkensTheBorder)
{
    const Card card = Card::make(Suit::clubs, 5, true);
    // The middle of the left edge lies on the 1-point border.
    const QPoint edge(0, 64);
    const QColor normal = renderFace(card, {false, false}).pixelColor(edge);
    const QColor strong = renderFace(card, {false, true}).pixelColor(edge);
    EXPECT_LT(strong.lightness() + 20, normal.lightness());
}

TEST(CardViewRender, CornerSuitAddsInkAndCacheMatchesDirectPainting)
{
    const Card ten = Card::make(Suit::clubs, 10, true);
    const QImage plain = renderFace(ten, {}, 2, false);
    const QImage withSuit = renderFace(ten, {}, 2, true);
    EXPECT_NE(plain, withSuit);
    EXPECT_EQ(renderFace(ten, {}, 2, true, false), withSuit);
}

// Faces whose ink the four colours keep look the same either way; the others
// are cached apart, so flipping the switch never shows a face of the other kind.
TEST(CardViewRender, FourColourFacesAreCachedApartFromTwoColourOnes)
{
    for (const Appearance look : {Appearance{false, false}, Appearance{true, false}}) {
        for (Suit s : kAllSuits) {
            const Card card = Card::make(s, 10, true);
            const QImage two = renderFace(card, look, 2, true, true, SuitColours::two);
            const QImage four = renderFace(card, look, 2, true, true, SuitColours::four);
            const bool keepsInk = s == Suit::spades || s == Suit::hearts;
            EXPECT_EQ(two == four, keepsInk) << suitIndex(s) << " dark " << look.dark;
            EXPECT_EQ(renderFace(card, look, 2, true, false, SuitColours::four), four) << suitIndex(s);
            EXPECT_EQ(renderFace(card, look, 2, true, false, SuitColours::two), two) << suitIndex(s);
        }
    }
}

TEST(CardViewRender, GlyphsAreRealAndDistinct)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    const QFontMetricsF fm(font);
    for (Suit s : kAllSuits)
        EXPECT_TRUE(fm.inFontUcs4(suitSymbol(s).toUcs4().front())) << suitIndex(s);
    std::vector<QImage> pips;
    for (Suit s : kAllSuits)
        pips.push_back(renderFace(Card::make(s, 3, true), {}));
    for (size_t i = 0; i < pips.size(); ++i)
        for (size_t j = i + 1; j < pips.size(); ++j)
            EXPECT_NE(pips[i], pips[j]) << i << " vs " << j;
}

TEST(CardViewRender, AccessibilityLabels)
{
    EXPECT_EQ(CardView({{}, Card::make(Suit::hearts, 12, true)}).accessibilityLabel(), "Queen of Hearts");
    EXPECT_EQ(CardView({{}, Card::make(Suit::clubs, 7, true)}).accessibilityLabel(), "7 of Clubs");
    EXPECT_EQ(CardView({{}, Card::make(Suit::hearts, 12, false)}).accessibilityLabel(), "Face down card");
    EXPECT_EQ(CardBackView({{}, CardBackTheme::blueprint}).accessibilityLabel(), "Card Back, Theme: Blueprint");
    EXPECT_EQ(EmptySlotView({{}, "A", 1, "Foundation 1, empty"}).accessibilityLabel(), "Foundation 1, empty");
}

TEST(EmptySlotRender, ContrastStrengthensOutlineAndLabel)
{
    auto slot = [](bool contrast, const QString& label) {
        const EmptySlotView view{{false, contrast}, label, 2, {}};
        return render(view.size(), 1, [&](QPainter& p) { view.paint(p, QPointF(0, 0)); }, Qt::white);
    };
    const QImage normal = slot(false, "A"), strong = slot(true, "A");
    EXPECT_LT(strong.pixelColor(0, 64).lightness() + 20, normal.pixelColor(0, 64).lightness());
    // The label is drawn: the middle differs from an unlabelled slot.
    EXPECT_NE(slot(false, "A"), slot(false, ""));
    int darkestNormal = 255, darkestStrong = 255;
    for (int y = 50; y < 78; ++y)
        for (int x = 30; x < 58; ++x) {
            darkestNormal = std::min(darkestNormal, normal.pixelColor(x, y).lightness());
            darkestStrong = std::min(darkestStrong, strong.pixelColor(x, y).lightness());
        }
    EXPECT_LT(darkestStrong, darkestNormal);
}

TEST(CardShadow, BlurDeviationIsHalfTheRadius)
{
    // Across a straight edge the alpha rises by the blur kernel itself, so
    // the spread of its steps is the kernel's deviation (in device pixels).
    const struct { qreal blur, dpr; } cases[] = {{2, 1}, {2.36, 1}, {3, 1}, {2, 2}, {2.36, 2}, {4, 1}, {8, 1}};
    for (const auto& c : cases) {
        const qreal margin = 12;
        const QImage shadow = detail::shadowImage(QSizeF(60, 60), 0, c.blur, 1, margin, c.dpr);
        const int y = shadow.height() / 2;
        double sum = 0, mean = 0, square = 0;
        int previous = 0;
        for (int x = 0; x < shadow.width() / 2; ++x) {
            const int a = qAlpha(shadow.pixel(x, y));
            const double step = a - previous;
            previous = a;
            sum += step;
            mean += step * x;
            square += step * x * x;
        }
        ASSERT_GT(sum, 250) << c.blur << " @" << c.dpr;
        mean /= sum;
        const double measured = std::sqrt(square / sum - mean * mean);
        const double wanted = c.blur / 2 * c.dpr;
        EXPECT_NEAR(measured, wanted, 0.16 * wanted) << "blur " << c.blur << " @" << c.dpr;
    }
}

TEST(CardBackRender, EveryBackLooksDifferent)
{
    std::vector<QImage> backs;
    for (CardBackTheme t : EnumCases<CardBackTheme>::all)
        backs.push_back(renderBack(t));
    for (size_t i = 0; i < backs.size(); ++i)
        for (size_t j = i + 1; j < backs.size(); ++j)
            EXPECT_NE(backs[i], backs[j]) << rawValue(CardBackTheme(i)).toStdString() << " vs "
                                          << rawValue(CardBackTheme(j)).toStdString();
}

TEST(CardBackRender, InnerFrameIsDrawn)
{
    // At scale 4 the inner frame's left side runs down x = 18; the art beside
    // it is plain gradient, so the frame shows as a lighter line.
    for (CardBackTheme t : {CardBackTheme::solidAmber, CardBackTheme::onyx, CardBackTheme::neon}) {
        const QImage back = renderBack(t, 4);
        const BackMetrics m = backMetrics(4);
        const int x = int(m.innerFrameRect.left());
        const int y = int(m.innerFrameRect.center().y());
        EXPECT_GT(back.pixelColor(x, y).lightness(), back.pixelColor(x + 4, y).lightness() + 15)
            << rawValue(t).toStdString();
    }
}

TEST(CardBackRender, SeasonalSymbolIsDrawnInTheCentre)
{
    const QImage winter = renderBack(CardBackTheme::winter, 2);
    EXPECT_GT(winter.pixelColor(44, 64).lightness(), 200); // the snowflake's hub
    const QImage classic = renderBack(CardBackTheme::classic, 2);
    EXPECT_LT(classic.pixelColor(44, 64).lightness(), 120);
}

TEST(CardBackRender, BlueprintConstructionLinesAreOpaqueWhite)
{
    // The horizontal centre line runs through design point (30, 98), clear of
    // the compass circles; at scale 4 and ratio 2 it is about four pixels wide.
    const CardBackView view{{}, CardBackTheme::blueprint, 4};
    const QImage back = render(view.size(), 2, [&](QPainter& p) { view.paintUncached(p, QPointF(0, 0)); });
    const QPointF at = DeckArt::designTransform(backMetrics(4).artRect).map(QPointF(30, 98)) * 2;
    const QColor c = back.pixelColor(int(at.x()), int(at.y()));
    EXPECT_GE(c.red(), 250);
    EXPECT_GE(c.green(), 250);
    EXPECT_GE(c.blue(), 250);
}

TEST(RenderCacheTest, BacksRenderOncePerThemeScaleAndRatio)
{
    RenderCache::clear();
    QImage target(200, 200, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::transparent);
    QPainter p(&target);
    const CardBackView neon{{}, CardBackTheme::neon, 1.18};
    for (int i = 0; i < 24; ++i)
        neon.paint(p, QPointF(10, 10 + i));
    EXPECT_EQ(RenderCache::renderCount(RenderElement::back), 1);
    CardBackView{{}, CardBackTheme::ocean, 1.18}.paint(p, QPointF(10, 10));
    CardBackView{{}, CardBackTheme::neon, 1.0}.paint(p, QPointF(10, 10));
    neon.paint(p, QPointF(10, 10));
    EXPECT_EQ(RenderCache::renderCount(RenderElement::back), 3);
    EXPECT_EQ(RenderCache::count(RenderElement::back), 3);
    // A different ratio is its own entry.
    EXPECT_EQ(backPixmap(neon, 2).devicePixelRatio(), 2);
    EXPECT_EQ(RenderCache::renderCount(RenderElement::back), 4);
}

TEST(CardBackRender, BadScalesAndRatiosDrawWithinTheFrame)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double scale : {0.0, -1.0, 0.5, 1.0, 1.18, 2.7, 4.0, 50.0, nan})
        for (double dpr : {0.75, 1.0, 2.0, 3.5}) {
            const qreal s = clampScale(scale);
            const QSizeF frame(44 * s, 64 * s);
            const qreal margin = shadowMargin(s);
            const QSizeF canvas(frame.width() + 2 * margin, frame.height() + 2 * margin);
            const QImage back = render(canvas, dpr, [&](QPainter& p) {
                CardBackView{{}, CardBackTheme::pixelRetro, scale}.paint(p, QPointF(margin, margin));
            });
            const QImage face = render(canvas, dpr, [&](QPainter& p) {
                CardView{{}, Card::make(Suit::hearts, 10, true), scale, true}.paint(p, QPointF(margin, margin));
            });
            // The centre of the frame is opaque card; the canvas corner is
            // untouched by body or shadow.
            const QPoint centre(back.width() / 2, back.height() / 2);
            EXPECT_EQ(back.pixelColor(centre).alpha(), 255) << scale << " @" << dpr;
            EXPECT_EQ(face.pixelColor(centre).alpha(), 255) << scale << " @" << dpr;
            EXPECT_EQ(back.pixelColor(0, 0).alpha(), 0) << scale << " @" << dpr;
            EXPECT_EQ(face.pixelColor(0, 0).alpha(), 0) << scale << " @" << dpr;
        }
}
