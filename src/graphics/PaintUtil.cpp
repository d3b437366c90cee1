#include "graphics/PaintUtil.h"

#include "graphics/CardGeometry.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPathStroker>

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

struct RunKey {
    QString text;
    TextStyle style;
    friend bool operator==(const RunKey&, const RunKey&) = default;
};
size_t qHash(const RunKey& k, size_t seed = 0)
{
    return ::qHash(k.text, seed) ^ (size_t(k.style) * 0x9e3779b9u);
}

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
    static QHash<RunKey, TextRun> cache;
    const RunKey key{text, style};
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, buildReferenceRun(text, style));
    const qreal f = pixelSize / kReferencePixelSize;
    TextRun run;
    run.path = QTransform::fromScale(f, f).map(it->path);
    run.advance = it->advance * f;
    run.ascent = it->ascent * f;
    run.descent = it->descent * f;
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

const QImage& cardShadow(qreal scale, qreal dpr)
{
    static QHash<QPair<qint64, qint64>, QImage> cache;
    const CardMetrics m = cardMetrics(scale);
    const auto key = qMakePair(qint64(std::llround(m.scale * 1000)), qint64(std::llround(dpr * 1000)));
    auto it = cache.find(key);
    if (it == cache.end()) {
        if (cache.size() > 200)
            cache.clear();
        it = cache.insert(key, shadowImage(m.size, m.cornerRadius, m.shadowBlur, m.shadowOpacity,
                                           shadowMargin(m.scale), dpr));
    }
    return *it;
}

qreal painterDevicePixelRatio(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    return device ? device->devicePixelRatioF() : 1.0;
}

} // namespace murvane::graphics::detail
