#include "graphics/AppIcon.h"

#include "graphics/DrawnIcon.h"
#include "graphics/Symbols.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace murvane::graphics {

namespace {

// Designed on a 256 grid. The tile leaves the margin icon themes expect, so
// the icon sits level with its neighbours in a launcher.
constexpr qreal kGrid = 256;
const QRectF kTile(16, 16, 224, 224);
constexpr qreal kTileRadius = 50;
const QSizeF kCard(104, 146);
constexpr qreal kCardRadius = 12;

const QColor kFeltTop(0x2f, 0x9e, 0x62);
const QColor kFeltBottom(0x13, 0x5e, 0x38);
const QColor kTileEdge(0x0b, 0x3d, 0x24);
const QColor kCardFace(0xfd, 0xfd, 0xfb);
const QColor kCardEdge(0x9a, 0xa3, 0xa0);
const QColor kBackTop(0xd2, 0x3f, 0x3a);
const QColor kBackBottom(0x9c, 0x1f, 0x24);
const QColor kInk(0x1d, 0x1d, 0x1f);

QPainterPath cardOutline(QPointF centre, qreal degrees)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(-kCard.width() / 2, -kCard.height() / 2), kCard), kCardRadius, kCardRadius);
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    return t.map(path);
}

} // namespace

void paintAppIcon(QPainter& painter, const QRectF& box)
{
    const qreal side = std::min(box.width(), box.height());
    if (!(side > 0))
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    painter.scale(side / kGrid, side / kGrid);

    QLinearGradient felt(kTile.topLeft(), kTile.bottomLeft());
    felt.setColorAt(0, kFeltTop);
    felt.setColorAt(1, kFeltBottom);
    painter.setPen(QPen(kTileEdge, 4));
    painter.setBrush(felt);
    painter.drawRoundedRect(kTile.adjusted(2, 2, -2, -2), kTileRadius, kTileRadius);

    // The card behind: a red back, tilted left.
    const QPainterPath back = cardOutline(QPointF(106, 132), -14);
    QLinearGradient backFill(back.boundingRect().topLeft(), back.boundingRect().bottomLeft());
    backFill.setColorAt(0, kBackTop);
    backFill.setColorAt(1, kBackBottom);
    painter.setPen(QPen(kCardFace, 7));
    painter.setBrush(backFill);
    painter.drawPath(back);

    // The card in front: a white face with a large spade, tilted right.
    const QPointF frontCentre(148, 130);
    const qreal frontAngle = 10;
    painter.setPen(QPen(kCardEdge, 3));
    painter.setBrush(kCardFace);
    painter.drawPath(cardOutline(frontCentre, frontAngle));
    painter.save();
    painter.translate(frontCentre);
    painter.rotate(frontAngle);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawPath(symbolPath(QStringLiteral("suit.spade.fill"), QRectF(-36, -40, 72, 80)));
    painter.restore();

    painter.restore();
}

QImage appIcon(int logicalSize, qreal devicePixelRatio)
{
    const int side = std::clamp(logicalSize, 1, 1024);
    const qreal dpr = std::isfinite(devicePixelRatio) ? std::clamp(devicePixelRatio, 0.5, 8.0) : 1.0;
    const int pixels = int(std::ceil(side * dpr));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(dpr);
    QPainter painter(&image);
    paintAppIcon(painter, QRectF(0, 0, side, side));
    return image;
}

QIcon appIconSet()
{
    // Window managers show the small sizes; only switchers and docks ask for
    // the large ones, and seldom.
    return drawnIcon(QStringLiteral("murvane-app-icon"), {16, 24, 32, 48, 64, 128, 256},
                     [](int side) { return QPixmap::fromImage(appIcon(side)); });
}

} // namespace murvane::graphics
