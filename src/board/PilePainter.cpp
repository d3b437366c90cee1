#include "board/PilePainter.h"

#include "engine/SolitaireGame.h"
#include "graphics/CardBackView.h"
#include "graphics/CardView.h"
#include "graphics/EmptySlotView.h"
#include "graphics/PaintUtil.h"

#include <QPainter>
#include <QPen>

namespace murvane::board {

namespace {

void paintSlot(QPainter& painter, const PileScene& scene, const QRectF& frame, const QString& label)
{
    graphics::EmptySlotView slot;
    slot.appearance = scene.appearance;
    slot.label = label;
    slot.scale = scene.geometry.scale();
    slot.paint(painter, frame.topLeft());
}

QRectF cardFrame(const PileScene& scene, QPointF topLeft)
{
    const qreal s = scene.geometry.scale();
    return QRectF(topLeft, QSizeF(kCardWidth * s, kCardHeight * s));
}

} // namespace

QString stockMarkerLabel(const SolitaireGame& game)
{
    return game.canRecycleWaste() ? QStringLiteral("↺") : QStringLiteral("✕");
}

bool isCarried(const PileScene& scene, const PileId& pile, int index, std::int64_t pileSize)
{
    if (!scene.carried)
        return false;
    const DragSource& src = *scene.carried;
    switch (pile.kind) {
    case PileId::Kind::tableau:
        return src.kind == DragSource::Kind::tableau && src.index == pile.index && index >= src.startIndex;
    case PileId::Kind::waste:
        return src.kind == DragSource::Kind::waste && index == pileSize - 1;
    case PileId::Kind::foundation:
        return src.kind == DragSource::Kind::foundation && src.index == pile.index && index == pileSize - 1;
    case PileId::Kind::stock:
        return false;
    }
    return false;
}

void paintCard(QPainter& painter, const PileScene& scene, const Card& card, const QRectF& frame)
{
    const qreal s = scene.geometry.scale();
    if (card.isFaceUp) {
        graphics::CardView view;
        view.appearance = scene.appearance;
        view.card = card;
        view.scale = s;
        view.showsCornerSuit = scene.game->showsCornerSuit();
        view.paint(painter, frame.topLeft());
    } else {
        graphics::CardBackView back;
        back.appearance = scene.appearance;
        back.theme = scene.game->cardTheme();
        back.scale = s;
        back.paint(painter, frame.topLeft());
    }
}

void paintPile(QPainter& painter, const PileScene& scene, const PileId& pile)
{
    const SolitaireGame& game = *scene.game;
    const BoardGeometry& g = scene.geometry;
    const QRectF frame = g.pileFrame(pile);
    auto hidden = [&](const Card& c) { return scene.flying && c.id == *scene.flying; };

    switch (pile.kind) {
    case PileId::Kind::stock: {
        paintSlot(painter, scene, frame, stockMarkerLabel(game));
        // The stock shows one back however many cards it holds.
        if (!game.stock().isEmpty()) {
            graphics::CardBackView back;
            back.appearance = scene.appearance;
            back.theme = game.cardTheme();
            back.scale = g.scale();
            back.paint(painter, frame.topLeft());
        }
        break;
    }
    case PileId::Kind::waste: {
        paintSlot(painter, scene, cardFrame(scene, frame.topLeft()), QString());
        const Pile& waste = game.waste();
        const int shown = visibleWasteCount(waste.size(), g.drawCount());
        const int first = int(waste.size()) - shown;
        for (int i = 0; i < shown; ++i) {
            const int index = first + i;
            if (isCarried(scene, pile, index, waste.size()) || hidden(waste[index]))
                continue;
            paintCard(painter, scene, waste[index], g.wasteCardRect(i));
        }
        break;
    }
    case PileId::Kind::foundation: {
        paintSlot(painter, scene, frame, QStringLiteral("A"));
        const Pile& f = game.foundations()[size_t(pile.index)];
        // Only the top card shows; while it is carried or still flying in,
        // the card under it (or the marker) shows instead.
        for (int i = int(f.size()) - 1; i >= 0; --i) {
            if (isCarried(scene, pile, i, f.size()))
                break; // a carried top card leaves the slot looking empty
            if (hidden(f[i]))
                continue;
            paintCard(painter, scene, f[i], frame);
            break;
        }
        break;
    }
    case PileId::Kind::tableau: {
        paintSlot(painter, scene, frame, QString());
        const Pile& column = game.tableau()[size_t(pile.index)];
        const std::int64_t n = column.size();
        for (int j = 0; j < n; ++j) {
            if (isCarried(scene, pile, j, n) || hidden(column[j]))
                continue;
            paintCard(painter, scene, column[j], g.columnCardRect(pile.index, j, n));
        }
        break;
    }
    }
}

void paintFocusRing(QPainter& painter, const PileScene& scene, const PileId& pile, const QColor& accent)
{
    std::int64_t n = 0;
    if (pile.kind == PileId::Kind::tableau)
        n = scene.game->tableau()[size_t(pile.index)].size();
    const QRectF ring = scene.geometry.focusRingRect(pile, n);
    QPen pen(accent, kFocusRingWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setMiterLimit(10);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(graphics::detail::continuousRoundedRect(ring, 5 * scene.geometry.scale()));
    painter.restore();
}

} // namespace murvane::board
