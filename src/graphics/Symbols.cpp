#include "graphics/Symbols.h"

#include <QHash>
#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>
#include <functional>

namespace murvane::graphics {

namespace {

// Symbols are designed in a 24 x 24 box.
constexpr qreal kDesign = 24;

QPainterPath spade()
{
    QPainterPath p;
    p.moveTo(12, 2);
    p.cubicTo(9, 6, 3.5, 9, 3.5, 13.5);
    p.cubicTo(3.5, 16.5, 5.8, 18.3, 8.2, 18.3);
    p.cubicTo(9.6, 18.3, 10.7, 17.7, 11.3, 16.8);
    p.cubicTo(11.1, 18.9, 10.2, 20.6, 8.6, 22);
    p.lineTo(15.4, 22);
    p.cubicTo(13.8, 20.6, 12.9, 18.9, 12.7, 16.8);
    p.cubicTo(13.3, 17.7, 14.4, 18.3, 15.8, 18.3);
    p.cubicTo(18.2, 18.3, 20.5, 16.5, 20.5, 13.5);
    p.cubicTo(20.5, 9, 15, 6, 12, 2);
    p.closeSubpath();
    return p;
}

using Builder = std::function<QPainterPath()>;

const QHash<QString, Builder>& builders()
{
    static const QHash<QString, Builder> table = {
        {QStringLiteral("suit.spade.fill"), spade},
    };
    return table;
}

const QPainterPath* designPath(const QString& name)
{
    static QHash<QString, QPainterPath> cache;
    auto it = cache.find(name);
    if (it != cache.end())
        return &*it;
    const auto& table = builders();
    auto b = table.find(name);
    if (b == table.end())
        return nullptr;
    return &*cache.insert(name, (*b)());
}

} // namespace

bool hasSymbol(const QString& name)
{
    return builders().contains(name);
}

QStringList symbolNames()
{
    QStringList names = builders().keys();
    names.sort();
    return names;
}

QPainterPath symbolPath(const QString& name, const QRectF& box)
{
    const QPainterPath* path = designPath(name);
    if (!path || !box.isValid() || box.isEmpty())
        return {};
    const qreal side = std::min(box.width(), box.height());
    const qreal f = side / kDesign;
    QTransform t;
    t.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    t.scale(f, f);
    return t.map(*path);
}

void paintSymbol(QPainter& painter, const QString& name, const QRectF& box, const QColor& tint, const QColor& halo)
{
    const QPainterPath path = symbolPath(name, box);
    if (path.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (halo.alpha() > 0) {
        QPen pen(halo, std::max(1.0, std::min(box.width(), box.height()) / 12));
        pen.setJoinStyle(Qt::RoundJoin);
        painter.strokePath(path, pen);
    }
    painter.fillPath(path, tint);
    painter.restore();
}

QPixmap symbolPixmap(const QString& name, const QColor& tint, int logicalSize, qreal devicePixelRatio,
                     const QColor& halo)
{
    const int side = std::clamp(logicalSize, 1, 1024);
    const qreal dpr = std::isfinite(devicePixelRatio) ? std::clamp(devicePixelRatio, 0.5, 8.0) : 1.0;
    QPixmap pixmap(QSize(int(std::ceil(side * dpr)), int(std::ceil(side * dpr))));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paintSymbol(p, name, QRectF(0, 0, side, side), tint, halo);
    return pixmap;
}

QIcon symbolIcon(const QString& name, const QColor& tint, int logicalSize, const QColor& halo)
{
    QIcon icon;
    icon.addPixmap(symbolPixmap(name, tint, logicalSize, 1, halo));
    icon.addPixmap(symbolPixmap(name, tint, logicalSize, 2, halo));
    return icon;
}

} // namespace murvane::graphics
