#include "graphics/DeckArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace murvane::graphics {

namespace {

QColor rgb(int r, int g, int b, qreal a = 1) { return QColor(r, g, b, int(a * 255 + 0.5)); }

const QRectF kBackground(-5, 0, 150, 196);

void fillVertical(QPainter& p, std::initializer_list<QColor> colors)
{
    QLinearGradient g(QPointF(70, 0), QPointF(70, 196));
    const int n = int(colors.size());
    int i = 0;
    for (const QColor& c : colors)
        g.setColorAt(n == 1 ? 0 : qreal(i++) / (n - 1), c);
    p.fillRect(kBackground, g);
}

QPen roundPen(const QColor& c, qreal width)
{
    QPen pen(c, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void polyline(QPainter& p, std::initializer_list<QPointF> points, const QPen& pen)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first)
            path.moveTo(pt);
        else
            path.lineTo(pt);
        first = false;
    }
    p.strokePath(path, pen);
}

void disc(QPainter& p, QPointF centre, qreal diameter, const QColor& c)
{
    QPainterPath path;
    path.addEllipse(centre, diameter / 2, diameter / 2);
    p.fillPath(path, c);
}

void ring(QPainter& p, QPointF centre, qreal diameter, const QPen& pen)
{
    QPainterPath path;
    path.addEllipse(centre, diameter / 2, diameter / 2);
    p.strokePath(path, pen);
}

void paintOcean(QPainter& p)
{
    QLinearGradient g(QPointF(0, 0), QPointF(140, 196));
    g.setColorAt(0, rgb(18, 160, 168));
    g.setColorAt(1, rgb(10, 61, 107));
    p.fillRect(kBackground, g);
    QPainterPath clip;
    clip.addRoundedRect(QRectF(7, 7, 126, 182), 6, 6);
    p.save();
    p.setClipPath(clip, Qt::IntersectClip);
    const QPen line = roundPen(rgb(255, 255, 255, 0.5), 2);
    for (int j = 0; j < 15; ++j) {
        for (int k = -1; k <= 5; ++k) {
            const QPointF c(28 * k + (j % 2 ? 14 : 0), 14 * j);
            QPainterPath scale;
            scale.addEllipse(c, 13, 13);
            p.fillPath(scale, rgb(15, 122, 156));
            p.strokePath(scale, line);
            ring(p, c, 18, line);
            ring(p, c, 10, line);
        }
    }
    p.restore();
}

// A ridge line and the sand below it down to the ground band.
void dune(QPainter& p, std::initializer_list<QPointF> ridge, qreal width, qreal fillOpacity)
{
    const QColor sand = rgb(42, 24, 56);
    QPainterPath line;
    bool first = true;
    for (const QPointF& pt : ridge) {
        if (first)
            line.moveTo(pt);
        else
            line.lineTo(pt);
        first = false;
    }
    QPainterPath body = line;
    body.lineTo(150, 160);
    body.lineTo(-10, 160);
    body.closeSubpath();
    p.fillPath(body, rgb(42, 24, 56, fillOpacity));
    p.strokePath(line, roundPen(sand, width));
}

void paintDesert(QPainter& p)
{
    fillVertical(p, {rgb(233, 137, 90), rgb(138, 74, 122), rgb(61, 42, 99)});
    QPainterPath sun;
    sun.addEllipse(QRectF(40, 80, 60, 60));
    p.fillPath(sun, rgb(247, 217, 160, 0.9));
    // Three ridges, far to near: each nearer one darker and heavier.
    dune(p, {{-10, 128}, {10, 121}, {30, 118}, {50, 123}, {66, 131}, {84, 134}, {104, 129}, {124, 120}, {150, 116}}, 6.5, 0.45);
    dune(p, {{-10, 146}, {12, 136}, {32, 131}, {52, 133}, {72, 141}, {96, 144}, {118, 139}, {150, 131}}, 6.5, 0.7);
    dune(p, {{-10, 160}, {18, 151}, {44, 146}, {70, 148}, {94, 154}, {120, 156}, {150, 150}}, 8, 1);
    p.fillRect(QRectF(-5, 150, 150, 46), rgb(42, 24, 56));
}

void paintMidnight(QPainter& p)
{
    fillVertical(p, {rgb(11, 18, 48), rgb(36, 55, 138)});
    static const QPointF stars[12] = {{20, 30}, {110, 24}, {40, 160}, {100, 150}, {122, 100}, {18, 96},
                                      {88, 40}, {30, 52}, {112, 170}, {70, 180}, {54, 36}, {124, 60}};
    static const qreal sizes[12] = {3.6, 4.4, 3.2, 4.0, 3.4, 4.2, 3.2, 3.8, 3.4, 4.4, 3.6, 3.2};
    for (int i = 0; i < 12; ++i)
        disc(p, stars[i], sizes[i], Qt::white);
    // A ladle of six stars sweeping across the sky.
    const QColor gold = rgb(242, 210, 122);
    const std::initializer_list<QPointF> figure = {{30, 66}, {52, 88}, {76, 84}, {92, 106}, {118, 118}, {104, 140}};
    polyline(p, figure, roundPen(gold, 2.6));
    for (const QPointF& s : figure) {
        disc(p, s, 13, rgb(242, 210, 122, 0.25));
        disc(p, s, 7.2, gold);
    }
}

void paintLavender(QPainter& p)
{
    fillVertical(p, {rgb(90, 74, 154), rgb(200, 198, 226)});
    QPainterPath moon;
    moon.addEllipse(QRectF(40, 72, 56, 56));
    p.fillPath(moon, rgb(246, 243, 255));
    static const QPointF stars[6] = {{26, 44}, {108, 52}, {116, 140}, {30, 150}, {96, 164}, {44, 30}};
    static const qreal sizes[6] = {4.0, 3.4, 3.2, 4.4, 3.6, 3.2};
    for (int i = 0; i < 6; ++i)
        disc(p, stars[i], sizes[i], Qt::white);
    // Four stems rising from the bottom edge, each with paired buds.
    const QPen stem = roundPen(rgb(90, 74, 154), 2.2);
    struct Stem { QPointF base, tip; qreal lean; };
    const Stem stems[4] = {{{34, 200}, {24, 140}, -1}, {{52, 200}, {56, 128}, 0.3},
                           {{88, 200}, {86, 132}, -0.3}, {{106, 200}, {118, 144}, 1}};
    for (const Stem& s : stems) {
        const QPointF mid = (s.base + s.tip) / 2 + QPointF(s.lean * 3, 0);
        polyline(p, {s.base, mid, s.tip}, stem);
        for (int b = 0; b < 5; ++b) {
            const qreal t = 0.08 + b * 0.085;
            const QPointF at = s.tip + (mid - s.tip) * (t / 0.5);
            const qreal spread = 4.2 - b * 0.35;
            polyline(p, {at + QPointF(-spread, -4), at, at + QPointF(spread, -4)}, stem);
        }
    }
}

void blossom(QPainter& p, QPointF at, qreal turn)
{
    const QColor petal = rgb(233, 160, 181);
    for (int i = 0; i < 5; ++i) {
        const qreal a = (turn + i * 72.0) * M_PI / 180;
        disc(p, at + QPointF(std::cos(a), std::sin(a)) * 4.3, 9.6, petal);
    }
    disc(p, at, 4.4, rgb(184, 68, 95));
}

void paintCherryInk(QPainter& p)
{
    p.fillRect(kBackground, rgb(241, 232, 212));
    const QColor ink = rgb(43, 39, 36);
    auto branch = [&](QPointF a, QPointF c1, QPointF c2, QPointF b, qreal width) {
        QPainterPath path(a);
        path.cubicTo(c1, c2, b);
        p.strokePath(path, roundPen(ink, width));
    };
    branch({-6, 112}, {12, 102}, {30, 84}, {56, 62}, 4.5);   // trunk from the left edge
    branch({56, 62}, {76, 46}, {100, 44}, {122, 32}, 4.5);   // on towards the top right
    branch({72, 52}, {96, 60}, {112, 74}, {126, 98}, 3.2);   // bough dropping right
    branch({36, 82}, {52, 98}, {60, 114}, {70, 132}, 2.8);   // twig hanging down
    branch({100, 68}, {96, 78}, {92, 86}, {88, 94}, 2.6);    // short spur
    const QPointF flowers[7] = {{30, 88}, {56, 62}, {126, 98}, {122, 32}, {104, 58}, {88, 94}, {70, 132}};
    for (int i = 0; i < 7; ++i)
        blossom(p, flowers[i], i * 23.0);
    for (const QPointF& corner : {QPointF(37, 37), QPointF(27, 125), QPointF(101, 145)}) {
        QPainterPath petal;
        petal.addEllipse(QRectF(corner, QSizeF(6, 6)));
        p.fillPath(petal, rgb(233, 160, 181));
    }
}

void paintBlueprint(QPainter& p)
{
    p.fillRect(kBackground, rgb(31, 83, 153));
    const QPen minor = roundPen(rgb(255, 255, 255, 0.2), 1), major = roundPen(rgb(255, 255, 255, 0.4), 1.6);
    for (int i = 0; i <= 14; ++i) {
        p.setPen(i % 5 == 0 ? major : minor);
        p.drawLine(QLineF(i * 10, 0, i * 10, 196));
    }
    for (int i = 0; i <= 19; ++i) {
        p.setPen(i % 5 == 0 ? major : minor);
        p.drawLine(QLineF(-5, i * 10, 145, i * 10));
    }
    const QColor white = rgb(255, 255, 255);
    const QPen circle = roundPen(white, 1.6);
    p.setPen(Qt::NoPen);
    for (const QRectF& r : {QRectF(40, 68, 60, 60), QRectF(52, 80, 36, 36), QRectF(67, 95, 6, 6)}) {
        QPainterPath c;
        c.addEllipse(r);
        p.strokePath(c, circle);
    }
    // Centre lines through the circles, a drafting compass standing on the
    // centre with its handle on top, and a dimension line along the bottom.
    polyline(p, {{24, 98}, {116, 98}}, roundPen(white, 1.6));
    polyline(p, {{70, 52}, {70, 144}}, roundPen(white, 1.6));
    polyline(p, {{70, 95}, {80, 30}, {100, 88}}, roundPen(white, 2));
    polyline(p, {{80, 30}, {80, 19}}, roundPen(white, 2));
    polyline(p, {{30, 162}, {30, 174}, {30, 168}, {110, 168}, {110, 162}, {110, 174}}, roundPen(white, 2));
    polyline(p, {{36, 164}, {30, 168}, {36, 172}, {30, 168}, {110, 168}, {104, 164}, {110, 168}, {104, 172}},
             roundPen(white, 1.8));
}

void paintCopper(QPainter& p)
{
    const QColor ground = rgb(27, 29, 33);
    p.fillRect(kBackground, ground);
    const QColor copper = rgb(240, 160, 112);
    const QPen trace = roundPen(copper, 3.2);
    // Traces leave the chip at right angles and turn at 45 degrees.
    const std::initializer_list<QPointF> traces[7] = {
        {{38, 86}, {24, 86}, {14, 76}, {14, 38}},
        {{102, 86}, {114, 86}, {126, 74}, {126, 30}},
        {{58, 74}, {58, 52}, {42, 36}, {42, 18}},
        {{82, 74}, {82, 56}, {100, 38}, {100, 18}},
        {{58, 122}, {58, 142}, {38, 162}, {22, 162}},
        {{82, 122}, {82, 146}, {100, 164}, {100, 178}},
        {{44, 110}, {22, 110}, {14, 118}, {14, 140}},
    };
    for (const auto& t : traces)
        polyline(p, t, trace);
    for (const auto& t : traces) {
        const QPointF end = *(t.end() - 1);
        disc(p, end, 9.2, copper);
        disc(p, end, 3.6, ground);
    }
    polyline(p, {{38, 86}, {44, 86}}, trace);
    polyline(p, {{96, 86}, {102, 86}}, trace);
    QPainterPath chip;
    chip.addRoundedRect(QRectF(44, 74, 52, 48), 3, 3);
    p.fillPath(chip, rgb(43, 47, 53));
    p.strokePath(chip, roundPen(copper, 2));
    QPainterPath dot;
    dot.addEllipse(QRectF(51, 81, 6, 6));
    p.fillPath(dot, copper);
}

void paintNeon(QPainter& p)
{
    p.fillRect(kBackground, rgb(11, 6, 24));
    QPainterPath spade;
    spade.moveTo(70, 66);
    spade.cubicTo(70, 66, 40, 90, 40, 108);
    spade.cubicTo(40, 120, 56, 124, 64, 114);
    spade.cubicTo(63, 124, 60, 130, 54, 134);
    spade.lineTo(86, 134);
    spade.cubicTo(80, 130, 77, 124, 76, 114);
    spade.cubicTo(84, 124, 100, 120, 100, 108);
    spade.cubicTo(100, 90, 70, 66, 70, 66);
    spade.closeSubpath();
    const QColor pink = rgb(255, 62, 165);
    p.fillPath(spade, rgb(255, 62, 165, 0.14));
    p.strokePath(spade, roundPen(rgb(255, 62, 165, 0.3), 9));
    p.strokePath(spade, roundPen(pink, 4));
}

} // namespace

bool DeckArt::isIllustrated(CardBackTheme theme)
{
    switch (theme) {
    case CardBackTheme::ocean:
    case CardBackTheme::desert:
    case CardBackTheme::midnight:
    case CardBackTheme::lavender:
    case CardBackTheme::cherryInk:
    case CardBackTheme::blueprint:
    case CardBackTheme::copper:
    case CardBackTheme::neon:
        return true;
    default:
        return false;
    }
}

QTransform DeckArt::designTransform(const QRectF& canvas)
{
    const qreal s = canvas.height() / kDeckArtHeight;
    QTransform t;
    t.translate(canvas.left() + (canvas.width() - kDeckArtWidth * s) / 2, canvas.top());
    t.scale(s, s);
    return t;
}

void DeckArt::paint(QPainter& p, const QRectF& canvas) const
{
    if (!isIllustrated(theme) || canvas.isEmpty())
        return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(designTransform(canvas), true);
    switch (theme) {
    case CardBackTheme::ocean: paintOcean(p); break;
    case CardBackTheme::desert: paintDesert(p); break;
    case CardBackTheme::midnight: paintMidnight(p); break;
    case CardBackTheme::lavender: paintLavender(p); break;
    case CardBackTheme::cherryInk: paintCherryInk(p); break;
    case CardBackTheme::blueprint: paintBlueprint(p); break;
    case CardBackTheme::copper: paintCopper(p); break;
    case CardBackTheme::neon: paintNeon(p); break;
    default: break;
    }
    p.restore();
}

} // namespace murvane::graphics
