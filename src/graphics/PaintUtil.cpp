#include "graphics/PaintUtil.h"

#include "graphics/CardGeometry.h"
#include "graphics/RenderCache.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace murvane::graphics::detail {

QPainterPath continuousRoundedRect(const QRectF& rect, qreal radius)
{
    QPainterPath path;
    if (rect.isEmpty())
        return path;
    const qreal r = std::clamp(radius, 0.0, std::min(rect.width(), rect.height()) / 2);
    if (r <= 0) {
        path.addRect(rect);
        return path;
    }
    // The curve starts 1.2 r from the corner and its control points sit at
    // 0.36 r; its midpoint then lies where a circular arc of radius r would,
    // but the curvature grows gradually from the straight edge.
    const qreal k = std::min(1.2 * r, std::min(rect.width(), rect.height()) / 2);
    const qreal c = 0.3 * k;
    const qreal l = rect.left(), t = rect.top(), rr = rect.right(), b = rect.bottom();
    path.moveTo(l + k, t);
    path.lineTo(rr - k, t);
    path.cubicTo(rr - c, t, rr, t + c, rr, t + k);
    path.lineTo(rr, b - k);
    path.cubicTo(rr, b - c, rr - c, b, rr - k, b);
    path.lineTo(l + k, b);
    path.cubicTo(l + c, b, l, b - c, l, b - k);
    path.lineTo(l, t + k);
    path.cubicTo(l, t + c, l + c, t, l + k, t);
    path.closeSubpath();
    return path;
}

namespace {

constexpr qreal kReferencePixelSize = 200;

QFont referenceFont(TextStyle style)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(kReferencePixelSize));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    font.setWeight(style == TextStyle::regular ? QFont::Normal : QFont::Bold);
    return font;
}

TextRun buildReferenceRun(const QString& text, TextStyle style)
{
    const QFont font = referenceFont(style);
    const QFontMetricsF fm(font);
    TextRun run;
    run.path.addText(QPointF(0, 0), font, text);
    run.advance = fm.horizontalAdvance(text);
    run.ascent = fm.ascent();
    run.descent = fm.descent();
    if (style == TextStyle::rankBlack) {
        // The heaviest face installed is bold; thicken the outline with a
        // round-joined rim to reach a black, slightly rounded weight.
        QPainterPathStroker stroker;
        const qreal rim = 0.055 * kReferencePixelSize;
        stroker.setWidth(rim);
        stroker.setJoinStyle(Qt::RoundJoin);
        stroker.setCapStyle(Qt::RoundCap);
        run.path = run.path.united(stroker.createStroke(run.path)).simplified();
        run.path.translate(rim / 2, 0);
        run.advance += rim;
    }
    run.path.setFillRule(Qt::WindingFill);
    return run;
}

} // namespace

TextRun textRun(const QString& text, TextStyle style, qreal pixelSize)
{
    const RenderKey key{.element = RenderElement::text, .variant = int(style), .name = text};
    const TextRun* reference = RenderCache::find<TextRun>(key);
    TextRun built;
    if (!reference) {
        built = buildReferenceRun(text, style);
        RenderCache::insert(key, built);
        reference = &built;
    }
    const qreal f = pixelSize / kReferencePixelSize;
    TextRun run;
    run.path = QTransform::fromScale(f, f).map(reference->path);
    run.advance = reference->advance * f;
    run.ascent = reference->ascent * f;
    run.descent = reference->descent * f;
    return run;
}

namespace {

// One pass of a running-average blur along rows (stride 1) or columns.
void boxBlur(std::vector<float>& data, int w, int h, int radius, bool horizontal)
{
    if (radius <= 0)
        return;
    const int lines = horizontal ? h : w;
    const int len = horizontal ? w : h;
    const int step = horizontal ? 1 : w;
    std::vector<float> line(static_cast<size_t>(len));
    const float norm = 1.0f / float(2 * radius + 1);
    for (int i = 0; i < lines; ++i) {
        float* base = data.data() + (horizontal ? size_t(i) * size_t(w) : size_t(i));
        for (int j = 0; j < len; ++j)
            line[size_t(j)] = base[size_t(j) * size_t(step)];
        float sum = 0;
        for (int j = -radius; j <= radius; ++j)
            sum += (j >= 0 && j < len) ? line[size_t(j)] : 0.0f;
        for (int j = 0; j < len; ++j) {
            base[size_t(j) * size_t(step)] = sum * norm;
            const int out = j - radius, in = j + radius + 1;
            if (out >= 0)
                sum -= line[size_t(out)];
            if (in < len)
                sum += line[size_t(in)];
        }
    }
}

} // namespace

QImage shadowImage(const QSizeF& size, qreal radius, qreal blur, qreal opacity, qreal margin, qreal dpr)
{
    const QSizeF logical(size.width() + 2 * margin, size.height() + 2 * margin);
    const int w = std::max(1, int(std::ceil(logical.width() * dpr)));
    const int h = std::max(1, int(std::ceil(logical.height() * dpr)));
    QImage shape(w, h, QImage::Format_Alpha8);
    shape.fill(0);
    {
        QPainter p(&shape);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(dpr, dpr);
        p.fillPath(continuousRoundedRect(QRectF(QPointF(margin, margin), size), radius), Qt::black);
    }
    std::vector<float> alpha(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y) {
        const uchar* row = shape.constScanLine(y);
        for (int x = 0; x < w; ++x)
            alpha[size_t(y) * size_t(w) + size_t(x)] = row[x] / 255.0f;
    }
    // Three box passes approximate a Gaussian; a pass of radius r adds the
    // variance r (r + 1) / 3. One radius for all passes can miss the wanted
    // deviation by 40 % at the small blurs cards use, so mix radii r and
    // r + 1 and take the mix whose variance comes closest.
    const qreal sigma = blur / 2 * dpr;
    const qreal variance = sigma * sigma;
    const int base = std::max(0, int(std::floor(std::sqrt(variance + 0.25) - 0.5)));
    auto boxVariance = [](int r) { return r * (r + 1) / 3.0; };
    int widerPasses = 0;
    qreal bestError = std::numeric_limits<qreal>::infinity();
    for (int m = 0; m <= 3; ++m) {
        const qreal error = std::abs((3 - m) * boxVariance(base) + m * boxVariance(base + 1) - variance);
        if (error <= bestError + 1e-9) { // on a tie, the softer shadow
            bestError = error;
            widerPasses = m;
        }
    }
    for (int pass = 0; pass < 3; ++pass) {
        const int radius = base + (pass < widerPasses ? 1 : 0);
        boxBlur(alpha, w, h, radius, true);
        boxBlur(alpha, w, h, radius, false);
    }
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int a = std::clamp(int(std::lround(alpha[size_t(y) * size_t(w) + size_t(x)] * opacity * 255)), 0, 255);
            row[x] = qRgba(0, 0, 0, a);
        }
    }
    out.setDevicePixelRatio(dpr);
    return out;
}

QImage cardShadow(qreal scale, qreal dpr)
{
    const CardMetrics m = cardMetrics(scale);
    const RenderKey key{.element = RenderElement::shadow, .scale = keyMilli(m.scale), .ratio = keyMilli(dpr)};
    return RenderCache::get<QImage>(key, [&] {
        return shadowImage(m.size, m.cornerRadius, m.shadowBlur, m.shadowOpacity, shadowMargin(m.scale), dpr);
    });
}

QPixmap layer(QSizeF logical, qreal dpr, const std::function<void(QPainter&)>& paint)
{
    const int w = std::max(1, int(std::ceil(logical.width() * dpr)));
    const int h = std::max(1, int(std::ceil(logical.height() * dpr)));
    QPixmap pixmap(w, h);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paint(p);
    p.end();
    return pixmap;
}

QPixmap cardLayer(qreal scale, qreal dpr, const std::function<void(QPainter&, QPointF)>& paint)
{
    const qreal s = clampScale(scale);
    const qreal margin = shadowMargin(s);
    const QSizeF logical(kCardWidth * s + 2 * margin, kCardHeight * s + 2 * margin);
    return layer(logical, dpr, [&](QPainter& p) { paint(p, QPointF(margin, margin)); });
}

namespace {

// Where a layer lands once moved onto the device pixel grid.
QPointF alignedOrigin(const QPainter& painter, QPointF topLeft)
{
    const QTransform& device = painter.deviceTransform();
    if (device.type() > QTransform::TxScale)
        return topLeft;
    auto snap = [](qreal v, qreal scale, qreal offset) { return (std::round(v * scale + offset) - offset) / scale; };
    return QPointF(snap(topLeft.x(), device.m11(), device.dx()), snap(topLeft.y(), device.m22(), device.dy()));
}

} // namespace

void drawLayer(QPainter& painter, QPointF topLeft, const QPixmap& layer)
{
    painter.drawPixmap(alignedOrigin(painter, topLeft), layer);
}

void drawLayer(QPainter& painter, QPointF topLeft, const QPixmap& layer, const QRectF& covered)
{
    const QPointF origin = alignedOrigin(painter, topLeft);
    const qreal dpr = layer.devicePixelRatio();
    // The covered rectangle in the layer's pixels, shrunk to whole pixels.
    const QRectF c((covered.topLeft() - origin) * dpr, covered.size() * dpr);
    const QRect hidden = QRect(QPoint(int(std::ceil(c.left())), int(std::ceil(c.top()))),
                               QPoint(int(std::floor(c.right())) - 1, int(std::floor(c.bottom())) - 1)) &
                         layer.rect();
    if (hidden.isEmpty() || painter.deviceTransform().type() > QTransform::TxScale) {
        painter.drawPixmap(origin, layer);
        return;
    }
    for (const QRect& part : QRegion(layer.rect()).subtracted(QRegion(hidden)))
        painter.drawPixmap(QRectF(origin + QPointF(part.topLeft()) / dpr, QSizeF(part.size()) / dpr), layer,
                           QRectF(part));
}

qreal painterDevicePixelRatio(const QPainter& painter)
{
    // The transform knows the real ratio: a widget rendered into a 2x image
    // paints through a painter whose device is the 1x widget.
    const QTransform& t = painter.deviceTransform();
    if (t.type() <= QTransform::TxScale && t.m11() > 0 && qFuzzyCompare(t.m11(), t.m22()))
        return t.m11();
    const QPaintDevice* device = painter.device();
    return device ? device->devicePixelRatioF() : 1.0;
}

} // namespace murvane::graphics::detail
