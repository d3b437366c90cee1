#include "board/BoardPalette.h"

#include "graphics/CardGeometry.h"
#include "graphics/PaintUtil.h"
#include "graphics/RenderCache.h"

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
    namespace gfx = graphics;
    const qreal dpr = gfx::clampDevicePixelRatio(gfx::detail::painterDevicePixelRatio(painter));
    const gfx::RenderKey key{.element = gfx::RenderElement::glass,
                             .variant = prominent ? 1 : 0,
                             .scale = gfx::keyMilli(radius),
                             .ratio = gfx::keyMilli(dpr),
                             .flags = gfx::appearanceBits(a),
                             .extent = gfx::keyMilli(rect.size())};
    const QPixmap glass = gfx::RenderCache::get<QPixmap>(key, [&] {
        return gfx::detail::layer(rect.size(), dpr, [&](QPainter& p) {
            p.setRenderHint(QPainter::Antialiasing);
            const QColor fill = prominent ? accentColor(a) : a.dark ? QColor(255, 255, 255, 22) : QColor(255, 255, 255, 170);
            const QColor edge = a.dark ? QColor(255, 255, 255, a.increasedContrast ? 110 : 40)
                                       : QColor(0, 0, 0, a.increasedContrast ? 110 : 28);
            const QPainterPath path =
                gfx::detail::continuousRoundedRect(QRectF(QPointF(0, 0), rect.size()).adjusted(0.5, 0.5, -0.5, -0.5), radius);
            p.fillPath(path, fill);
            p.setPen(QPen(edge, 1));
            p.drawPath(path);
        });
    });
    gfx::detail::drawLayer(painter, rect.topLeft(), glass);
}

void paintSoftShadow(QPainter& painter, const QRectF& rect, qreal radius, qreal blur, QPointF offset, qreal opacity)
{
    const qreal dpr = graphics::detail::painterDevicePixelRatio(painter);
    const qreal margin = blur * 2;
    const QImage shadow = graphics::detail::shadowImage(rect.size(), radius, blur, opacity, margin, dpr);
    painter.drawImage(rect.topLeft() + offset - QPointF(margin, margin), shadow);
}

} // namespace murvane::board
