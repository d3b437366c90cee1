#include "graphics/Symbols.h"

#include "graphics/CardGeometry.h"
#include "graphics/PaintUtil.h"
#include "graphics/RenderCache.h"

#include <QHash>
#include <QPainter>
#include <QPainterPathStroker>
#include <QTransform>

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

QPainterPath stroked(const QPainterPath& centreLine, qreal width, Qt::PenCapStyle cap = Qt::RoundCap)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centreLine).simplified();
}

QPainterPath line(std::initializer_list<QPointF> points, qreal width)
{
    QPainterPath p;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first)
            p.moveTo(pt);
        else
            p.lineTo(pt);
        first = false;
    }
    return stroked(p, width);
}

QPainterPath ellipse(QPointF c, qreal rx, qreal ry)
{
    QPainterPath p;
    p.addEllipse(c, rx, ry);
    return p;
}

QPainterPath roundRect(const QRectF& r, qreal radius)
{
    QPainterPath p;
    p.addRoundedRect(r, radius, radius);
    return p;
}

QPainterPath rotated(const QPainterPath& p, qreal degrees, QPointF about)
{
    QTransform t;
    t.translate(about.x(), about.y());
    t.rotate(degrees);
    t.translate(-about.x(), -about.y());
    return t.map(p);
}

QPainterPath heart()
{
    QPainterPath p;
    p.moveTo(12, 21);
    p.cubicTo(8, 17.5, 2.5, 13.5, 2.5, 8.6);
    p.cubicTo(2.5, 5.4, 4.9, 3.2, 7.6, 3.2);
    p.cubicTo(9.6, 3.2, 11.1, 4.4, 12, 6);
    p.cubicTo(12.9, 4.4, 14.4, 3.2, 16.4, 3.2);
    p.cubicTo(19.1, 3.2, 21.5, 5.4, 21.5, 8.6);
    p.cubicTo(21.5, 13.5, 16, 17.5, 12, 21);
    p.closeSubpath();
    return p;
}

QPainterPath diamond()
{
    QPainterPath p;
    p.moveTo(12, 1.8);
    p.quadTo(15.5, 7.5, 19.6, 12);
    p.quadTo(15.5, 16.5, 12, 22.2);
    p.quadTo(8.5, 16.5, 4.4, 12);
    p.quadTo(8.5, 7.5, 12, 1.8);
    p.closeSubpath();
    return p;
}

QPainterPath club()
{
    QPainterPath p = ellipse({12, 7.2}, 4.6, 4.6);
    p = p.united(ellipse({7, 13.4}, 4.6, 4.6));
    p = p.united(ellipse({17, 13.4}, 4.6, 4.6));
    p = p.united(ellipse({12, 12.2}, 2.6, 2.6));
    QPainterPath stem;
    stem.moveTo(11.1, 13);
    stem.cubicTo(11, 17.5, 10.2, 20, 8.4, 22);
    stem.lineTo(15.6, 22);
    stem.cubicTo(13.8, 20, 13, 17.5, 12.9, 13);
    stem.closeSubpath();
    return p.united(stem);
}

// A playing card outline seen upright, 11 x 16.
QPainterPath cardShape(QPointF topLeft)
{
    return roundRect(QRectF(topLeft, QSizeF(11.5, 16)), 2.2);
}

QPainterPath cardFan(bool filled)
{
    const QPainterPath front = cardShape({9.5, 5.5});
    const QPainterPath back = rotated(cardShape({4.5, 3}), -14, {10, 11});
    if (filled) {
        // The back card shows only where the front (plus a gap) leaves it.
        const QPainterPath gap = stroked(front, 2.6).united(front);
        return back.subtracted(gap).united(front);
    }
    const QPainterPath frontRim = stroked(front, 1.7);
    const QPainterPath backRim = stroked(back, 1.7).subtracted(front.united(stroked(front, 2.6)));
    return frontRim.united(backRim);
}

QPainterPath uturnBackward()
{
    QPainterPath c;
    c.moveTo(5.5, 8.5);
    c.lineTo(14.5, 8.5);
    c.cubicTo(18.2, 8.5, 20.5, 11.2, 20.5, 14.5);
    c.cubicTo(20.5, 17.8, 18.2, 20.5, 14.5, 20.5);
    c.lineTo(9, 20.5);
    return stroked(c, 2.2).united(line({{9.5, 3.8}, {4.5, 8.5}, {9.5, 13.2}}, 2.2));
}

QPainterPath circlePathArrows()
{
    // Two arcs, each ending in a filled arrowhead, chasing each other.
    QPainterPath arcs;
    arcs.arcMoveTo(QRectF(4, 4, 16, 16), 160);
    arcs.arcTo(QRectF(4, 4, 16, 16), 160, 125);
    arcs.arcMoveTo(QRectF(4, 4, 16, 16), -20);
    arcs.arcTo(QRectF(4, 4, 16, 16), -20, 125);
    QPainterPath out = stroked(arcs, 2.1, Qt::FlatCap);
    auto head = [](QPointF tip, qreal angle) {
        QPainterPath h;
        h.moveTo(0, 0);
        h.lineTo(-5, -3.4);
        h.lineTo(-5, 3.4);
        h.closeSubpath();
        QTransform t;
        t.translate(tip.x(), tip.y());
        t.rotate(angle);
        return t.map(h);
    };
    // Arc ends at 285 deg and 105 deg (Qt angles); tangents run clockwise.
    const auto endPoint = [](qreal deg) {
        const qreal a = deg * M_PI / 180;
        return QPointF(12 + 8 * std::cos(a), 12 - 8 * std::sin(a));
    };
    out = out.united(head(endPoint(285) + QPointF(2.2, 0.6), 15));
    out = out.united(head(endPoint(105) + QPointF(-2.2, -0.6), 195));
    return out;
}

QPainterPath sun()
{
    QPainterPath p = ellipse({12, 12}, 4.6, 4.6);
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4;
        const QPointF d(std::cos(a), std::sin(a));
        p = p.united(line({QPointF(12, 12) + d * 7.6, QPointF(12, 12) + d * 10.4}, 2.1));
    }
    return p;
}

QPainterPath leaf()
{
    QPainterPath p;
    p.moveTo(4, 20);
    p.cubicTo(3, 11, 8, 4, 20.5, 3.5);
    p.cubicTo(21, 15, 14, 21, 5.5, 19.6);
    p.closeSubpath();
    QPainterPath vein;
    vein.moveTo(4.5, 19.5);
    vein.cubicTo(9, 14, 12, 10.5, 16.5, 7.5);
    return p.subtracted(stroked(vein, 1.4)).united(line({{2.8, 21.2}, {5.6, 18.4}}, 1.8));
}

QPainterPath snowflake()
{
    QPainterPath p;
    for (int i = 0; i < 6; ++i) {
        const qreal a = i * M_PI / 3 - M_PI / 2;
        const QPointF d(std::cos(a), std::sin(a)), n(-d.y(), d.x());
        const QPointF c(12, 12);
        p = p.united(line({c, c + d * 10}, 1.8));
        const QPointF b = c + d * 6.2;
        p = p.united(line({b + n * 2.8 + d * 2.4, b, b - n * 2.8 + d * 2.4}, 1.6));
    }
    return p;
}

QPainterPath flower()
{
    // A tulip on its stem with two leaves: the close-up mode sign.
    QPainterPath cup;
    cup.moveTo(7, 5);
    cup.lineTo(9.5, 7.5);
    cup.lineTo(12, 3.5);
    cup.lineTo(14.5, 7.5);
    cup.lineTo(17, 5);
    cup.cubicTo(17.8, 9.5, 16.5, 13.2, 12, 13.2);
    cup.cubicTo(7.5, 13.2, 6.2, 9.5, 7, 5);
    cup.closeSubpath();
    QPainterPath leftLeaf;
    leftLeaf.moveTo(11.6, 21);
    leftLeaf.cubicTo(7, 21, 4.5, 18.5, 4, 14.5);
    leftLeaf.cubicTo(8, 14.8, 11, 17, 11.6, 21);
    leftLeaf.closeSubpath();
    QPainterPath rightLeaf = QTransform(-1, 0, 0, 1, 24, 0).map(leftLeaf);
    return cup.united(line({{12, 12}, {12, 21.5}}, 1.8)).united(leftLeaf).united(rightLeaf);
}

QPainterPath hand()
{
    // A pointing hand under a tap mark.
    QPainterPath finger = roundRect(QRectF(8.6, 6.5, 3.6, 10), 1.8);
    QPainterPath palm;
    palm.moveTo(8.6, 14);
    palm.lineTo(8.6, 13);
    palm.cubicTo(7.5, 12, 5.2, 12.4, 5.6, 14.2);
    palm.lineTo(7.4, 19.2);
    palm.cubicTo(8.2, 21.2, 9.6, 22.4, 12, 22.4);
    palm.lineTo(15.2, 22.4);
    palm.cubicTo(17.8, 22.4, 19.4, 20.6, 19.4, 18);
    palm.lineTo(19.4, 14.6);
    palm.cubicTo(19.4, 12.4, 16, 12.2, 12.2, 12.6);
    palm.lineTo(12.2, 14);
    palm.closeSubpath();
    QPainterPath knuckles = line({{12.2, 14.6}, {12.2, 16.6}}, 1).united(line({{15.4, 14.2}, {15.4, 16.4}}, 1));
    QPainterPath tap;
    tap.arcMoveTo(QRectF(5.4, 1.4, 10, 10), 20);
    tap.arcTo(QRectF(5.4, 1.4, 10, 10), 20, 140);
    return finger.united(palm).subtracted(knuckles).united(stroked(tap, 1.6));
}

QPainterPath dollarCircle()
{
    QPainterPath sign;
    sign.moveTo(14.8, 8.6);
    sign.cubicTo(14.2, 7.4, 13.2, 7, 12, 7);
    sign.cubicTo(10.2, 7, 9.2, 8, 9.2, 9.3);
    sign.cubicTo(9.2, 12.2, 14.9, 11.3, 14.9, 14.6);
    sign.cubicTo(14.9, 16.1, 13.6, 17, 12, 17);
    sign.cubicTo(10.6, 17, 9.5, 16.4, 9, 15.2);
    const QPainterPath cut = stroked(sign, 1.7).united(line({{12, 5}, {12, 19}}, 1.5));
    return ellipse({12, 12}, 10, 10).subtracted(cut);
}

QPainterPath bolt()
{
    QPainterPath p;
    p.moveTo(13.8, 1.8);
    p.lineTo(4.6, 13.6);
    p.lineTo(11, 13.6);
    p.lineTo(9.6, 22.2);
    p.lineTo(19.4, 9.8);
    p.lineTo(12.8, 9.8);
    p.closeSubpath();
    return stroked(p, 0.8).united(p);
}

QPainterPath wifi()
{
    QPainterPath p;
    const QPointF c(12, 19.5);
    for (qreal r : {7.0, 12.5}) {
        QPainterPath arc;
        arc.arcMoveTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 45);
        arc.arcTo(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 45, 90);
        p = p.united(stroked(arc, 2.3));
    }
    QPainterPath wedge;
    wedge.moveTo(c);
    wedge.arcTo(QRectF(c.x() - 3.2, c.y() - 3.2, 6.4, 6.4), 45, 90);
    wedge.closeSubpath();
    return p.united(stroked(wedge, 1.2)).united(wedge);
}

QPainterPath battery()
{
    QPainterPath p = stroked(roundRect(QRectF(2, 7, 18, 10), 3), 1.5);
    p = p.united(roundRect(QRectF(4, 9, 14, 6), 1.4));
    QPainterPath nub = roundRect(QRectF(20.8, 10, 2, 4), 0.9);
    return p.united(nub);
}

using Builder = std::function<QPainterPath()>;

const QHash<QString, Builder>& builders()
{
    static const QHash<QString, Builder> table = {
        {QStringLiteral("suit.spade.fill"), spade},
        {QStringLiteral("suit.heart.fill"), heart},
        {QStringLiteral("suit.diamond.fill"), diamond},
        {QStringLiteral("suit.club.fill"), club},
        {QStringLiteral("rectangle.portrait.on.rectangle.portrait.angled"), [] { return cardFan(false); }},
        {QStringLiteral("rectangle.portrait.on.rectangle.portrait.angled.fill"), [] { return cardFan(true); }},
        {QStringLiteral("arrow.uturn.backward"), uturnBackward},
        {QStringLiteral("chevron.down"), [] { return line({{5, 9}, {12, 16}, {19, 9}}, 2.4); }},
        {QStringLiteral("chevron.up.chevron.down"),
         [] { return line({{7, 9.5}, {12, 4.5}, {17, 9.5}}, 2.2).united(line({{7, 14.5}, {12, 19.5}, {17, 14.5}}, 2.2)); }},
        {QStringLiteral("checkmark"), [] { return line({{4.5, 12.5}, {9.5, 18}, {19.5, 5.5}}, 2.4); }},
        {QStringLiteral("xmark"), [] { return line({{5.5, 5.5}, {18.5, 18.5}}, 2.4).united(line({{18.5, 5.5}, {5.5, 18.5}}, 2.4)); }},
        {QStringLiteral("camera.macro"), flower},
        {QStringLiteral("sun.max.fill"), sun},
        {QStringLiteral("leaf.fill"), leaf},
        {QStringLiteral("snowflake"), snowflake},
        {QStringLiteral("menubar.rectangle"),
         [] { return stroked(roundRect(QRectF(2.5, 4.5, 19, 15), 2.6), 1.6).united(roundRect(QRectF(2.5, 4.5, 19, 4.6), 2.2)); }},
        {QStringLiteral("rectangle.stack.fill"),
         [] {
             return roundRect(QRectF(3, 9, 18, 12), 2.4)
                 .united(roundRect(QRectF(5, 5.6, 14, 2.2), 1.1))
                 .united(roundRect(QRectF(7, 2.6, 10, 1.8), 0.9));
         }},
        {QStringLiteral("hand.tap.fill"), hand},
        {QStringLiteral("arrow.triangle.2.circlepath"), circlePathArrows},
        {QStringLiteral("dollarsign.circle.fill"), dollarCircle},
        {QStringLiteral("bolt.fill"), bolt},
        {QStringLiteral("wifi"), wifi},
        {QStringLiteral("battery.100percent"), battery},
    };
    return table;
}

// The rim a halo adds around a symbol in `box`.
qreal haloWidth(const QRectF& box)
{
    return std::max(1.0, std::min(box.width(), box.height()) / 12);
}

// The outline in its design box; empty for an unknown name.
QPainterPath designPath(const QString& name)
{
    return RenderCache::get<QPainterPath>(RenderKey{.element = RenderElement::outline, .name = name}, [&] {
        const auto b = builders().find(name);
        return b == builders().end() ? QPainterPath() : (*b)();
    });
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
    const QPainterPath path = designPath(name);
    if (path.isEmpty() || !box.isValid() || box.isEmpty())
        return {};
    const qreal side = std::min(box.width(), box.height());
    const qreal f = side / kDesign;
    QTransform t;
    t.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    t.scale(f, f);
    return t.map(path);
}

namespace {

void fillSymbol(QPainter& painter, const QPainterPath& path, const QRectF& box, const QColor& tint, const QColor& halo)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (halo.alpha() > 0) {
        QPen pen(halo, haloWidth(box));
        pen.setJoinStyle(Qt::RoundJoin);
        painter.strokePath(path, pen);
    }
    painter.fillPath(path, tint);
    painter.restore();
}

} // namespace

void paintSymbol(QPainter& painter, const QString& name, const QRectF& box, const QColor& tint, const QColor& halo)
{
    if (!hasSymbol(name) || !box.isValid() || box.isEmpty())
        return;
    // Tinted symbols are drawn from the render cache: header and screen
    // buttons repaint often, and filling a curved outline costs far more
    // than a blit. The layer leaves room for the halo's outer half.
    const qreal dpr = clampDevicePixelRatio(detail::painterDevicePixelRatio(painter));
    const qreal margin = halo.alpha() > 0 ? std::ceil(haloWidth(box)) : 1;
    const RenderKey key{.element = RenderElement::symbol,
                        .variant = int(halo.rgba()),
                        .ratio = keyMilli(dpr),
                        .colour = tint.rgba(),
                        .extent = keyMilli(box.size()),
                        .name = name};
    const QPixmap layer = RenderCache::get<QPixmap>(key, [&] {
        const QRectF local(QPointF(margin, margin), box.size());
        return detail::layer(box.size() + QSizeF(2 * margin, 2 * margin), dpr, [&](QPainter& p) {
            fillSymbol(p, symbolPath(name, local), local, tint, halo);
        });
    });
    detail::drawLayer(painter, box.topLeft() - QPointF(margin, margin), layer);
}

QPixmap symbolPixmap(const QString& name, const QColor& tint, int logicalSize, qreal devicePixelRatio,
                     const QColor& halo)
{
    const int side = std::clamp(logicalSize, 1, 1024);
    const qreal dpr = std::isfinite(devicePixelRatio) ? std::clamp(devicePixelRatio, 0.5, 8.0) : 1.0;
    QPixmap pixmap(QSize(int(std::ceil(side * dpr)), int(std::ceil(side * dpr))));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    const QRectF box(0, 0, side, side);
    const QPainterPath path = symbolPath(name, box);
    if (!path.isEmpty()) {
        QPainter p(&pixmap);
        fillSymbol(p, path, box, tint, halo);
    }
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
