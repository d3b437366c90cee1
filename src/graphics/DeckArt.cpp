#include "graphics/DeckArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

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
    case CardBackTheme::ocean: {
        QLinearGradient g(QPointF(0, 0), QPointF(140, 196));
        g.setColorAt(0, rgb(18, 160, 168));
        g.setColorAt(1, rgb(10, 61, 107));
        p.fillRect(kBackground, g);
        break;
    }
    case CardBackTheme::desert: fillVertical(p, {rgb(233, 137, 90), rgb(138, 74, 122), rgb(61, 42, 99)}); break;
    case CardBackTheme::midnight: fillVertical(p, {rgb(11, 18, 48), rgb(36, 55, 138)}); break;
    case CardBackTheme::lavender: fillVertical(p, {rgb(90, 74, 154), rgb(200, 198, 226)}); break;
    case CardBackTheme::cherryInk: p.fillRect(kBackground, rgb(241, 232, 212)); break;
    case CardBackTheme::blueprint: p.fillRect(kBackground, rgb(31, 83, 153)); break;
    case CardBackTheme::copper: p.fillRect(kBackground, rgb(27, 29, 33)); break;
    case CardBackTheme::neon: p.fillRect(kBackground, rgb(11, 6, 24)); break;
    default: break;
    }
    p.restore();
}

} // namespace murvane::graphics
