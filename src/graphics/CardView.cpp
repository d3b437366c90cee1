#include "graphics/CardView.h"

#include "graphics/PaintUtil.h"
#include "graphics/RenderCache.h"

#include <QPainter>
#include <QPixmap>

#include <cmath>

namespace murvane::graphics {

using detail::TextRun;
using detail::TextStyle;

QString suitSymbol(Suit suit)
{
    return rawValue(suit);
}

namespace {

void paintFace(QPainter& p, QPointF origin, const CardView& v, qreal dpr, bool withShadow)
{
    const CardMetrics m = cardMetrics(v.scale, v.showsCornerSuit);
    const QRectF frame(origin, m.size);
    if (withShadow) {
        const qreal margin = shadowMargin(m.scale);
        p.drawImage(origin + QPointF(-margin, -margin + m.shadowOffsetY), detail::cardShadow(m.scale, dpr));
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath body = detail::continuousRoundedRect(frame, m.cornerRadius);
    p.fillPath(body, controlBackgroundColor(v.appearance));
    p.strokePath(body, QPen(withOpacity(primaryColor(v.appearance), v.appearance.increasedContrast ? 0.5 : 0.2),
                            m.borderWidth));

    const QColor ink = suitColor(v.card.suit, v.appearance, v.suitColours);
    const QString suit = suitSymbol(v.card.suit);
    const qreal rank = std::clamp<qreal>(qreal(v.card.rank), 1, 13);
    const TextRun rankRun = detail::textRun(rankLabel(std::int64_t(rank)), TextStyle::rankBlack, m.rankFontSize);
    // The corner row: rank, then (optionally) the suit, vertically centred.
    qreal rowHeight = rankRun.height();
    TextRun suitRun;
    if (v.showsCornerSuit) {
        suitRun = detail::textRun(suit, TextStyle::suitBold, m.cornerSuitFontSize);
        rowHeight = std::max(rowHeight, suitRun.height());
    }
    const QPointF corner = origin + QPointF(m.cornerPadding, m.cornerPadding);
    p.fillPath(rankRun.path.translated(corner + QPointF(0, (rowHeight - rankRun.height()) / 2 + rankRun.ascent)), ink);
    if (v.showsCornerSuit) {
        const QPointF at = corner + QPointF(rankRun.advance + m.cornerSpacing,
                                            (rowHeight - suitRun.height()) / 2 + suitRun.ascent);
        p.fillPath(suitRun.path.translated(at), ink);
    }
    const TextRun pip = detail::textRun(suit, TextStyle::regular, m.pipFontSize);
    // Centre the glyph's ink, not its line box: suit glyphs sit high in
    // their line, and the pip should look centred on the card.
    const QRectF pipInk = pip.path.boundingRect();
    const QPointF pipAt(frame.center().x() - pip.advance / 2, frame.center().y() - pipInk.center().y());
    p.fillPath(pip.path.translated(pipAt), ink);
    p.restore();
}

QPixmap facePixmap(const CardView& v, qreal dpr)
{
    const CardMetrics m = cardMetrics(v.scale, v.showsCornerSuit);
    const int rank = int(std::clamp<std::int64_t>(v.card.rank, 1, 13));
    const RenderKey key{.element = RenderElement::face,
                        .variant = suitIndex(v.card.suit) * 16 + rank,
                        .scale = keyMilli(m.scale),
                        .ratio = keyMilli(dpr),
                        .flags = appearanceBits(v.appearance) | (v.showsCornerSuit ? 4u : 0u)
                                 | (v.suitColours == SuitColours::four ? 8u : 0u)};
    return RenderCache::get<QPixmap>(key, [&] {
        return detail::cardLayer(m.scale, dpr, [&](QPainter& p, QPointF at) { paintFace(p, at, v, dpr, true); });
    });
}

} // namespace

void CardView::paint(QPainter& painter, QPointF topLeft, bool cached) const
{
    if (cached)
        paint(painter, topLeft, QRectF());
    else
        paintFace(painter, topLeft, *this, clampDevicePixelRatio(detail::painterDevicePixelRatio(painter)), true);
}

void CardView::paint(QPainter& painter, QPointF topLeft, const QRectF& covered) const
{
    const qreal dpr = clampDevicePixelRatio(detail::painterDevicePixelRatio(painter));
    const qreal margin = shadowMargin(cardMetrics(scale).scale);
    detail::drawLayer(painter, topLeft - QPointF(margin, margin), facePixmap(*this, dpr), covered);
}

void CardView::prepare(qreal devicePixelRatio) const
{
    facePixmap(*this, clampDevicePixelRatio(devicePixelRatio));
}

void CardView::paint(QPainter& painter, const QRectF& frame, bool cached) const
{
    const QSizeF s = size();
    paint(painter, frame.center() - QPointF(s.width() / 2, s.height() / 2), cached);
}

} // namespace murvane::graphics
