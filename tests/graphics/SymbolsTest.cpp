#include "graphics/Symbols.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace murvane::graphics;

namespace {

const char* const kUsedNames[] = {
    "suit.spade.fill", "suit.heart.fill", "suit.diamond.fill", "suit.club.fill",
    "rectangle.portrait.on.rectangle.portrait.angled", "rectangle.portrait.on.rectangle.portrait.angled.fill",
    "arrow.uturn.backward", "chevron.down", "chevron.up.chevron.down", "checkmark", "xmark", "camera.macro",
    "sun.max.fill", "leaf.fill", "snowflake", "menubar.rectangle", "rectangle.stack.fill", "hand.tap.fill",
    "arrow.triangle.2.circlepath", "dollarsign.circle.fill", "bolt.fill", "wifi", "battery.100percent",
};

int inkPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) > 128;
    return n;
}

} // namespace

TEST(Symbols, EveryNameTheProgramUsesDrawsInsideItsBox)
{
    for (const char* name : kUsedNames) {
        EXPECT_TRUE(hasSymbol(name)) << name;
        const QImage image = symbolPixmap(name, Qt::black, 32, 2).toImage();
        EXPECT_EQ(image.size(), QSize(64, 64)) << name;
        const int ink = inkPixels(image);
        EXPECT_GT(ink, 64 * 64 / 20) << name;  // clearly visible
        EXPECT_LT(ink, 64 * 64 * 9 / 10) << name; // not a filled box
        const QRectF bounds = symbolPath(name, QRectF(10, 10, 24, 24)).boundingRect();
        EXPECT_TRUE(QRectF(9.5, 9.5, 25, 25).contains(bounds)) << name;
    }
    EXPECT_EQ(symbolNames().size(), int(std::size(kUsedNames)));
}

TEST(Symbols, UnknownNamesDrawNothing)
{
    for (const char* name : {"", "suit.spade", "no.such.symbol", "SUIT.SPADE.FILL"}) {
        EXPECT_FALSE(hasSymbol(name)) << name;
        EXPECT_TRUE(symbolPath(name, QRectF(0, 0, 20, 20)).isEmpty());
        EXPECT_EQ(inkPixels(symbolPixmap(name, Qt::black, 20).toImage()), 0) << name;
    }
    // Degenerate sizes and boxes are harmless too.
    EXPECT_EQ(symbolPixmap("wifi", Qt::black, -5, 0).width(), 1);
    QImage image(8, 8, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintSymbol(p, "wifi", QRectF(2, 2, 0, 0), Qt::black);
    paintSymbol(p, "wifi", QRectF(2, 2, -4, 3), Qt::black);
    p.end();
    EXPECT_EQ(inkPixels(image), 0);
}

TEST(Symbols, TintAndSuitShapes)
{
    const QImage red = symbolPixmap("suit.heart.fill", QColor(200, 0, 0), 24).toImage();
    EXPECT_EQ(QColor(red.pixel(12, 12)), QColor(200, 0, 0));
    std::vector<QImage> suits;
    for (const char* name : {"suit.spade.fill", "suit.heart.fill", "suit.diamond.fill", "suit.club.fill"})
        suits.push_back(symbolPixmap(name, Qt::black, 24).toImage());
    for (size_t i = 0; i < suits.size(); ++i)
        for (size_t j = i + 1; j < suits.size(); ++j)
            EXPECT_NE(suits[i], suits[j]);
    // The halo rims the symbol in its own colour, outside the fill.
    const QImage haloed = symbolPixmap("suit.diamond.fill", Qt::black, 24, 1, Qt::white).toImage();
    EXPECT_GT(inkPixels(haloed), inkPixels(suits[2]));
}
