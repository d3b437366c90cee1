#include "graphics/EmptySlotView.h"

#include "graphics/PaintUtil.h"
#include "graphics/RenderCache.h"

#include <QPainter>

namespace murvane::graphics {

namespace {

void paintSlot(QPainter& painter, const EmptySlotView& v, QPointF topLeft)
{
    const Appearance& appearance = v.appearance;
    const QString& label = v.label;
    const SlotMetrics m = slotMetrics(v.scale);
    const QRectF frame(topLeft, m.size);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor primary = primaryColor(appearance);
    painter.fillPath(detail::continuousRoundedRect(frame, m.cornerRadius), withOpacity(primary, m.fillOpacity));
    // The outline lies inside the edge: stroke a shape inset by half a line.
    const qreal half = m.outlineWidth / 2;
    painter.strokePath(detail::continuousRoundedRect(frame.adjusted(half, half, -half, -half), m.cornerRadius - half),
                       QPen(withOpacity(primary, appearance.increasedContrast ? 0.5 : 0.2), m.outlineWidth));
    if (!label.isEmpty()) {
        const detail::TextRun run = detail::textRun(label, detail::TextStyle::labelBold, m.labelFontSize);
        const QColor ink = appearance.increasedContrast ? withOpacity(primary, 0.6)
                                                        : withOpacity(secondaryLabelColor(appearance), 0.5);
        const QPointF at(frame.center().x() - run.advance / 2, frame.center().y() - run.height() / 2 + run.ascent);
        painter.fillPath(run.path.translated(at), ink);
    }
    painter.restore();
}

} // namespace

void EmptySlotView::paint(QPainter& painter, QPointF topLeft) const
{
    const qreal dpr = clampDevicePixelRatio(detail::painterDevicePixelRatio(painter));
    const SlotMetrics m = slotMetrics(scale);
    const RenderKey key{.element = RenderElement::slot,
                        .scale = keyMilli(m.cornerRadius / 5),
                        .ratio = keyMilli(dpr),
                        .flags = appearanceBits(appearance),
                        .name = label};
    const QPixmap pixmap = RenderCache::get<QPixmap>(key, [&] {
        return detail::layer(m.size, dpr, [&](QPainter& p) { paintSlot(p, *this, QPointF(0, 0)); });
    });
    detail::drawLayer(painter, topLeft, pixmap);
}

void EmptySlotView::paint(QPainter& painter, const QRectF& frame) const
{
    const QSizeF s = size();
    paint(painter, frame.center() - QPointF(s.width() / 2, s.height() / 2));
}

} // namespace murvane::graphics
