// The chrome's palette and glass, shared by the board and the screens.

#include "graphics/ChromeStyle.h"
#include "graphics/RenderCache.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

using namespace murvane;
using namespace murvane::graphics;

namespace {

const Appearance kLooks[] = {{false, false}, {true, false}, {false, true}, {true, true}};

double distance(const QColor& a, const QColor& b)
{
    return std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
}

QImage glassImage(const Appearance& look, GlassLevel level, const QColor& behind)
{
    QImage image(60, 30, QImage::Format_ARGB32_Premultiplied);
    image.fill(behind);
    QPainter p(&image);
    paintGlass(p, QRectF(0, 0, 60, 30), 12, look, level);
    return image;
}

} // namespace

TEST(ChromePalette, TheHintNeverReadsAsTheFocusRingAndContrastStrengthens)
{
    for (const Appearance& look : kLooks) {
        const ChromePalette palette(look);
        EXPECT_GT(distance(palette.hint(), palette.focusRing()), 150) << look.dark << look.increasedContrast;
        EXPECT_GT(distance(palette.hint(), palette.background()), 100) << look.dark << look.increasedContrast;
        EXPECT_EQ(palette.primary().alpha(), 255);
        if (!look.increasedContrast) {
            // Increased contrast moves the accent, the dimmed text and the
            // hairlines further from the background.
            const ChromePalette strong({look.dark, true});
            EXPECT_NE(strong.accent(), palette.accent());
            EXPECT_GT(strong.secondary().alpha(), palette.secondary().alpha());
            EXPECT_GT(strong.edge().alpha(), palette.edge().alpha());
            EXPECT_GT(strong.divider().alpha(), palette.divider().alpha());
        }
    }
}

TEST(ChromeGlass, HeaderAndCardsAreOpaqueAndEachGlassRendersOnce)
{
    for (const Appearance& look : kLooks) {
        RenderCache::clear();
        const ChromePalette palette(look);
        // The header bar is the control glass as it looks over the panel,
        // but opaque: a stripe behind it changes nothing.
        const QImage overPanel = glassImage(look, GlassLevel::control, palette.background());
        for (GlassLevel level : {GlassLevel::header, GlassLevel::card}) {
            const QImage overBlack = glassImage(look, level, Qt::black);
            const QImage overWhite = glassImage(look, level, Qt::white);
            EXPECT_EQ(overBlack.pixel(30, 15), overWhite.pixel(30, 15)) << int(level);
        }
        const QColor header = glassImage(look, GlassLevel::header, Qt::black).pixelColor(30, 15);
        EXPECT_LE(distance(header, overPanel.pixelColor(30, 15)), 2) << look.dark;
        EXPECT_EQ(RenderCache::renderCount(RenderElement::glass), 3) << "one render per level, size and look";
    }
    RenderCache::clear();
}
