#include "graphics/CardBackView.h"

#include "graphics/DeckArt.h"
#include "graphics/Emblems.h"
#include "graphics/PaintUtil.h"
#include "graphics/RenderCache.h"
#include "graphics/Symbols.h"
#include "text/Localization.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace murvane::graphics {

namespace {

void strokeInnerFrame(QPainter& p, const BackMetrics& m, const QColor& color)
{
    p.strokePath(detail::continuousRoundedRect(m.innerFrameRect, m.innerFrameRadius), QPen(color, m.innerFrameWidth));
}

QRectF centredSquare(const QRectF& area, qreal side)
{
    return QRectF(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
}

QLinearGradient diagonal(const QRectF& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// The theme art inside the back's art rectangle (already clipped).
void paintArt(QPainter& p, const CardBackView& v, const BackMetrics& m)
{
    const QRectF art = m.artRect;
    const qreal s = m.cornerRadius / 5; // the clamped scale
    const QPainterPath artShape = detail::continuousRoundedRect(art, 5 * s);
    const QColor white50 = QColor::fromRgbF(1, 1, 1, 0.5f);
    switch (artFamily(v.theme)) {
    case ArtFamily::gradient:
    case ArtFamily::solidGradient:
    case ArtFamily::gradientWithSymbol: {
        const GradientStyle style = *gradientStyle(v.theme);
        p.fillPath(artShape, diagonal(art, style.top, style.bottom));
        strokeInnerFrame(p, m, white50);
        if (!style.symbol.isEmpty())
            paintSymbol(p, style.symbol, centredSquare(art, m.symbolSize),
                        QColor::fromRgbF(1, 1, 1, float(style.symbolOpacity)));
        break;
    }
    case ArtFamily::emblem: {
        const bool lime = v.theme == CardBackTheme::citrus;
        p.fillPath(artShape, lime ? QColor::fromRgbF(0.541f, 0.639f, 0.239f) : QColor::fromRgbF(0.788f, 0.761f, 0.694f));
        strokeInnerFrame(p, m, white50);
        const QPointF origin = centredSquare(art, emblemCanvasSize(s)).topLeft();
        if (lime)
            paintLimeWedge(p, origin, s);
        else
            paintTorii(p, origin, s);
        break;
    }
    case ArtFamily::emblemOnGradient:
        p.fillPath(artShape, diagonal(art, v.deepPurple, QColor::fromRgbF(0.15f, 0.11f, 0.22f)));
        strokeInnerFrame(p, m, white50);
        paintPixelLogo(p, centredSquare(art, emblemCanvasSize(s)).topLeft(), s, Qt::white);
        break;
    case ArtFamily::pixelPattern: {
        p.fillPath(artShape, QColor::fromRgbF(0.11f, 0.18f, 0.12f));
        const QRectF patternArea = m.innerFrameRect;
        p.save();
        p.setClipPath(detail::continuousRoundedRect(patternArea, 3 * s), Qt::IntersectClip);
        paintPixelPattern(p, patternArea, m.pixelCell);
        p.restore();
        strokeInnerFrame(p, m, QColor::fromRgbF(0.55f, 0.75f, 0.15f, 0.6f));
        break;
    }
    case ArtFamily::illustrated:
        p.save();
        p.setClipPath(artShape, Qt::IntersectClip);
        DeckArt{v.theme}.paint(p, art);
        p.restore();
        strokeInnerFrame(p, m, white50);
        break;
    }
}

} // namespace

void CardBackView::paintUncached(QPainter& painter, QPointF topLeft) const
{
    const BackMetrics m = backMetrics(scale);
    painter.save();
    painter.translate(topLeft);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPainterPath body = detail::continuousRoundedRect(QRectF(QPointF(0, 0), m.size), m.cornerRadius);
    painter.fillPath(body, controlBackgroundColor(appearance));
    painter.save();
    painter.setClipPath(detail::continuousRoundedRect(m.artRect, m.artClipRadius), Qt::IntersectClip);
    paintArt(painter, *this, m);
    painter.restore();
    painter.strokePath(body, QPen(withOpacity(secondaryLabelColor(appearance), 0.25), m.edgeWidth));
    painter.restore();
}

void CardBackView::paint(QPainter& painter, QPointF topLeft) const
{
    paint(painter, topLeft, QRectF());
}

void CardBackView::paint(QPainter& painter, QPointF topLeft, const QRectF& covered) const
{
    const qreal dpr = clampDevicePixelRatio(detail::painterDevicePixelRatio(painter));
    const qreal margin = shadowMargin(backMetrics(scale).cornerRadius / 5);
    detail::drawLayer(painter, topLeft - QPointF(margin, margin), backPixmap(*this, dpr), covered);
}

void CardBackView::paint(QPainter& painter, const QRectF& frame) const
{
    const QSizeF s = size();
    paint(painter, frame.center() - QPointF(s.width() / 2, s.height() / 2));
}

QString CardBackView::accessibilityLabel() const
{
    return localizedString(QStringLiteral("Card Back, Theme: %@"), {localizedName(theme)});
}

namespace {

RenderKey backKey(const CardBackView& view, qreal scale, qreal dpr)
{
    return RenderKey{.element = RenderElement::back,
                     .variant = int(view.theme),
                     .scale = keyMilli(scale),
                     .ratio = keyMilli(dpr),
                     .flags = appearanceBits(view.appearance),
                     .colour = view.deepPurple.rgba()};
}

} // namespace

QPixmap bareBackPixmap(const CardBackView& view, qreal devicePixelRatio)
{
    const qreal dpr = clampDevicePixelRatio(devicePixelRatio);
    const qreal s = backMetrics(view.scale).cornerRadius / 5; // the clamped scale
    RenderKey key = backKey(view, s, dpr);
    key.name = QStringLiteral("bare");
    return RenderCache::get<QPixmap>(key, [&] {
        CardBackView copy = view;
        copy.scale = s;
        return detail::layer(copy.size(), dpr, [&](QPainter& p) { copy.paintUncached(p, QPointF(0, 0)); });
    });
}

QPixmap backPixmap(const CardBackView& view, qreal devicePixelRatio)
{
    const qreal dpr = clampDevicePixelRatio(devicePixelRatio);
    const qreal s = backMetrics(view.scale).cornerRadius / 5; // the clamped scale
    const RenderKey key = backKey(view, s, dpr);
    return RenderCache::get<QPixmap>(key, [&] {
        CardBackView copy = view;
        copy.scale = s;
        return detail::cardLayer(s, dpr, [&](QPainter& p, QPointF at) {
            // The shadow of the flattened layer is the shadow of its body.
            p.drawImage(QPointF(0, 1), detail::cardShadow(s, dpr));
            copy.paintUncached(p, at);
        });
    });
}

} // namespace murvane::graphics
