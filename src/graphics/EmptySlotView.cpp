#include "graphics/EmptySlotView.h"

#include "graphics/PaintUtil.h"

#include <QPainter>

namespace murvane::graphics {

void EmptySlotView::paint(QPainter& painter, QPointF topLeft) const
{
    const SlotMetrics m = slotMetrics(scale);
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

void EmptySlotView::paint(QPainter& painter, const QRectF& frame) const
{
    const QSizeF s = size();
    paint(painter, frame.center() - QPointF(s.width() / 2, s.height() / 2));
}

} // namespace murvane::graphics
