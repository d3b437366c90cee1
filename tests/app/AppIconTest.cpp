// The installed icon files and the window icon are the program's own icon:
// every PNG is the painter's picture at its size, the scalable SVG renders the
// same, and the window icon offers and draws each of those sizes.
#include "graphics/AppIcon.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace {

const QString kIconDir = QStringLiteral(MURVANE_ICON_DIR);
const QString kId = QStringLiteral(MURVANE_APP_ID);

// Mean difference per channel, 0..255, over premultiplied pixels.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q))
                + std::abs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * x.width() * x.height());
}

} // namespace

TEST(AppIcon, InstalledFilesAreThePaintersPictureAtEverySize)
{
    QSvgRenderer svg(kIconDir + QStringLiteral("/scalable/apps/") + kId + QStringLiteral(".svg"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.defaultSize(), QSize(256, 256));
    const QIcon windowIcon = murvane::graphics::appIconSet();
    QList<QSize> offered;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        offered << QSize(size, size);
        EXPECT_EQ(windowIcon.pixmap(QSize(size, size), 1.0).toImage(), murvane::graphics::appIcon(size)) << size;
        const QImage png(kIconDir + QStringLiteral("/%1x%1/apps/").arg(size) + kId + QStringLiteral(".png"));
        ASSERT_EQ(png.size(), QSize(size, size)) << size;
        const QImage painted = murvane::graphics::appIcon(size);
        EXPECT_LT(meanDifference(png, painted), 0.5) << size;

        QImage fromSvg(size, size, QImage::Format_ARGB32_Premultiplied);
        fromSvg.fill(Qt::transparent);
        QPainter painter(&fromSvg);
        svg.render(&painter);
        painter.end();
        // The same rasteriser draws both, so only rounding may differ.
        EXPECT_LT(meanDifference(fromSvg, painted), 1.0) << size;
    }
    EXPECT_EQ(windowIcon.availableSizes(), offered);
    // Transparent corners, an opaque middle: a tile, not a square.
    const QImage big = murvane::graphics::appIcon(256);
    EXPECT_EQ(qAlpha(big.pixel(2, 2)), 0);
    EXPECT_EQ(qAlpha(big.pixel(128, 128)), 255);
}
