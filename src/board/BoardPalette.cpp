#include "board/BoardPalette.h"

#include "graphics/PaintUtil.h"

#include <QPainter>

namespace murvane::board {

QColor boardBackground(const graphics::Appearance& a)
{
    return a.dark ? QColor(36, 36, 40) : QColor(236, 236, 240);
}

QColor accentColor(const graphics::Appearance& a)
{
    if (a.increasedContrast)
        return a.dark ? QColor(64, 156, 255) : QColor(0, 64, 221);
    return a.dark ? QColor(10, 132, 255) : QColor(0, 122, 255);
}

QColor primaryText(const graphics::Appearance& a)
{
    return graphics::primaryColor(a);
}

QColor secondaryText(const graphics::Appearance& a)
{
    return graphics::secondaryLabelColor(a);
}

void paintGlass(QPainter& painter, const QRectF& rect, qreal radius, const graphics::Appearance& a, bool prominent)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill;
    if (prominent)
        fill = accentColor(a);
    else
        fill = a.dark ? QColor(255, 255, 255, 22) : QColor(255, 255, 255, 170);
    QColor edge = a.dark ? QColor(255, 255, 255, a.increasedContrast ? 110 : 40)
                         : QColor(0, 0, 0, a.increasedContrast ? 110 : 28);
    const QPainterPath path = graphics::detail::continuousRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius);
    painter.fillPath(path, fill);
    painter.setPen(QPen(edge, 1));
    painter.drawPath(path);
    painter.restore();
}

void paintSoftShadow(QPainter& painter, const QRectF& rect, qreal radius, qreal blur, QPointF offset, qreal opacity)
{
    const qreal dpr = graphics::detail::painterDevicePixelRatio(painter);
    const qreal margin = blur * 2;
    const QImage shadow = graphics::detail::shadowImage(rect.size(), radius, blur, opacity, margin, dpr);
    painter.drawImage(rect.topLeft() + offset - QPointF(margin, margin), shadow);
}

} // namespace murvane::board
