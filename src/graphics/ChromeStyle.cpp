#include "graphics/ChromeStyle.h"

#include "graphics/CardGeometry.h"
#include "graphics/PaintUtil.h"
#include "graphics/RenderCache.h"

#include <QPainter>

namespace murvane::graphics {

qreal boardSizeFactor(BoardSize size)
{
    return size == BoardSize::large ? kLargeSizeFactor : 1.0;
}

namespace {

// Black in light, white in dark, at `alpha`.
QColor ink(const Appearance& a, int alpha)
{
    return a.dark ? QColor(255, 255, 255, alpha) : QColor(0, 0, 0, alpha);
}

// `over` laid on the opaque `base`.
QColor composited(const QColor& base, const QColor& over)
{
    const qreal f = over.alphaF();
    const auto mix = [f](int b, int o) { return qRound(b + (o - b) * f); };
    return QColor(mix(base.red(), over.red()), mix(base.green(), over.green()), mix(base.blue(), over.blue()));
}

} // namespace

QColor ChromePalette::background() const
{
    return dark() ? QColor(36, 36, 40) : QColor(236, 236, 240);
}

QColor ChromePalette::primary() const
{
    return primaryColor(appearance_);
}

QColor ChromePalette::secondary() const
{
    if (increasedContrast())
        return ink(appearance_, dark() ? 200 : 190);
    return secondaryLabelColor(appearance_);
}

QColor ChromePalette::accent() const
{
    if (increasedContrast())
        return dark() ? QColor(64, 156, 255) : QColor(0, 64, 221);
    return dark() ? QColor(10, 132, 255) : QColor(0, 122, 255);
}

QColor ChromePalette::accentText() const
{
    return QColor(Qt::white);
}

QColor ChromePalette::destructive() const
{
    return dark() ? QColor(255, 69, 58) : QColor(215, 0, 21);
}

QColor ChromePalette::focusRing() const
{
    return accent();
}

QColor ChromePalette::hint() const
{
    // Amber: far in hue from the blue focus ring, and dark enough in
    // increased contrast to stand out on a white card.
    if (increasedContrast())
        return dark() ? QColor(255, 196, 64) : QColor(178, 80, 0);
    return dark() ? QColor(255, 179, 64) : QColor(230, 134, 0);
}

QColor ChromePalette::divider() const
{
    return ink(appearance_, increasedContrast() ? 70 : 30);
}

QColor ChromePalette::groupFill() const
{
    return ink(appearance_, dark() ? 16 : 10);
}

QColor ChromePalette::groupBorder() const
{
    return ink(appearance_, increasedContrast() ? 80 : 18);
}

QColor ChromePalette::glassFill() const
{
    return dark() ? QColor(255, 255, 255, 22) : QColor(255, 255, 255, 170);
}

QColor ChromePalette::raisedFill() const
{
    return dark() ? QColor(48, 48, 54) : QColor(250, 250, 252);
}

QColor ChromePalette::edge() const
{
    if (increasedContrast())
        return ink(appearance_, 110);
    return ink(appearance_, dark() ? 40 : 28);
}

QColor ChromePalette::hoverTint() const
{
    return ink(appearance_, 14);
}

QColor ChromePalette::pressedTint() const
{
    return ink(appearance_, 36);
}

void paintGlass(QPainter& painter, const QRectF& rect, qreal radius, const Appearance& appearance, GlassLevel level)
{
    if (rect.isEmpty())
        return;
    const qreal dpr = clampDevicePixelRatio(detail::painterDevicePixelRatio(painter));
    const RenderKey key{.element = RenderElement::glass,
                        .variant = int(level),
                        .scale = keyMilli(radius),
                        .ratio = keyMilli(dpr),
                        .flags = appearanceBits(appearance),
                        .extent = keyMilli(rect.size())};
    const QPixmap glass = RenderCache::get<QPixmap>(key, [&] {
        return detail::layer(rect.size(), dpr, [&](QPainter& p) {
            p.setRenderHint(QPainter::Antialiasing);
            const ChromePalette palette(appearance);
            QColor fill = palette.glassFill();
            switch (level) {
            case GlassLevel::control:
                break;
            case GlassLevel::prominent:
                fill = palette.accent();
                break;
            case GlassLevel::header:
                // There is no blur, so what shows through is only ever the
                // panel: paint that mix opaque, and nothing else bleeds in.
                fill = composited(palette.background(), fill);
                break;
            case GlassLevel::card:
                fill = palette.raisedFill();
                break;
            }
            const QPainterPath path = detail::continuousRoundedRect(
                QRectF(QPointF(0, 0), rect.size()).adjusted(0.5, 0.5, -0.5, -0.5), radius);
            p.fillPath(path, fill);
            p.setPen(QPen(palette.edge(), 1));
            p.drawPath(path);
        });
    });
    detail::drawLayer(painter, rect.topLeft(), glass);
}

void paintSoftShadow(QPainter& painter, const QRectF& rect, qreal cornerRadius, qreal blur, QPointF offset,
                     qreal opacity)
{
    if (rect.isEmpty() || opacity <= 0)
        return;
    const qreal dpr = clampDevicePixelRatio(detail::painterDevicePixelRatio(painter));
    const qreal margin = 2 * blur;
    const RenderKey key{.element = RenderElement::shadow,
                        .variant = int(keyMilli(cornerRadius)),
                        .scale = keyMilli(blur),
                        .ratio = keyMilli(dpr),
                        .flags = quint32(keyMilli(opacity)),
                        .extent = keyMilli(rect.size()),
                        .name = QStringLiteral("soft")};
    const QImage shadow = RenderCache::get<QImage>(
        key, [&] { return detail::shadowImage(rect.size(), cornerRadius, blur, opacity, margin, dpr); });
    painter.drawImage(rect.topLeft() + offset - QPointF(margin, margin), shadow);
}

void paintFloatingShadow(QPainter& painter, const QRectF& rect, qreal scale)
{
    paintSoftShadow(painter, rect, ChromeMetrics::floatingCornerRadius * scale, ChromeMetrics::floatingShadowBlur * scale,
                    QPointF(0, ChromeMetrics::floatingShadowOffsetY * scale), ChromeMetrics::floatingShadowOpacity);
}

void paintFloatingCard(QPainter& painter, const QRectF& rect, qreal scale, const Appearance& appearance)
{
    paintFloatingShadow(painter, rect, scale);
    paintGlass(painter, rect, ChromeMetrics::floatingCornerRadius * scale, appearance, GlassLevel::card);
}

QRectF ChromeMetrics::headerRect(qreal scale)
{
    return QRectF(inset * scale, inset * scale, (panelWidth - 2 * inset) * scale, headerHeight * scale);
}

} // namespace murvane::graphics
