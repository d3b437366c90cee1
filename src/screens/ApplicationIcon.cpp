#include "screens/ApplicationIcon.h"

#include "graphics/Symbols.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace murvane::screens {

namespace {

// The art is designed in a 100 x 100 box.
constexpr qreal kDesign = 100;

void paintCard(QPainter& p, const QRectF& card, qreal angle, const QBrush& face, const QColor& edge)
{
    p.save();
    p.translate(card.center());
    p.rotate(angle);
    const QRectF r(-card.width() / 2, -card.height() / 2, card.width(), card.height());
    // A soft drop shadow under each card.
    p.setPen(Qt::NoPen);
    for (int i = 3; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 18));
        p.drawRoundedRect(r.translated(0, 1.2 * i).adjusted(-0.6 * i, -0.6 * i, 0.6 * i, 0.6 * i), 6 + i, 6 + i);
    }
    p.setBrush(face);
    p.setPen(QPen(edge, 0.8));
    p.drawRoundedRect(r, 6, 6);
    p.restore();
}

} // namespace

void paintApplicationIcon(QPainter& painter, const QRectF& box)
{
    if (box.isEmpty())
        return;
    const qreal side = std::min(box.width(), box.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    painter.scale(side / kDesign, side / kDesign);

    // The felt tile.
    const QRectF tile(4, 4, 92, 92);
    QLinearGradient felt(tile.topLeft(), tile.bottomLeft());
    felt.setColorAt(0, QColor(46, 150, 92));
    felt.setColorAt(1, QColor(16, 88, 52));
    painter.setPen(Qt::NoPen);
    painter.setBrush(felt);
    painter.drawRoundedRect(tile, 21, 21);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 60), 1.2));
    painter.drawRoundedRect(tile.adjusted(0.6, 0.6, -0.6, -0.6), 20.4, 20.4);

    // The back card, tilted left: a blue back with a light inner frame.
    const QRectF card(0, 0, 40, 56);
    QLinearGradient back(0, 0, 0, 56);
    back.setColorAt(0, QColor(52, 104, 196));
    back.setColorAt(1, QColor(28, 60, 132));
    paintCard(painter, card.translated(22, 24), -14, back, QColor(255, 255, 255, 230));
    painter.save();
    painter.translate(card.translated(22, 24).center());
    painter.rotate(-14);
    painter.setPen(QPen(QColor(255, 255, 255, 150), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(-16, -24, 32, 48), 3.5, 3.5);
    painter.restore();

    // The front card, tilted right, with a large spade.
    const QRectF front = card.translated(38, 22);
    paintCard(painter, front, 10, QColor(252, 252, 250), QColor(0, 0, 0, 60));
    painter.save();
    painter.translate(front.center());
    painter.rotate(10);
    graphics::paintSymbol(painter, QStringLiteral("suit.spade.fill"), QRectF(-12, -12, 24, 24), QColor(24, 24, 28));
    graphics::paintSymbol(painter, QStringLiteral("suit.spade.fill"), QRectF(-16.5, -24.5, 7, 7), QColor(24, 24, 28));
    painter.restore();

    painter.restore();
}

QPixmap applicationIconPixmap(int logicalSize, qreal devicePixelRatio)
{
    const int size = std::max(1, logicalSize);
    const qreal dpr = devicePixelRatio > 0 && std::isfinite(devicePixelRatio) ? devicePixelRatio : 1;
    const int pixels = std::max(1, int(std::ceil(size * dpr)));
    QPixmap pixmap(pixels, pixels);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paintApplicationIcon(p, QRectF(0, 0, size, size));
    return pixmap;
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(applicationIconPixmap(size));
    return icon;
}

} // namespace murvane::screens
