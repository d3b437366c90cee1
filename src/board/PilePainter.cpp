#include "board/PilePainter.h"

#include "engine/SolitaireGame.h"
#include "graphics/CardBackView.h"
#include "graphics/CardGeometry.h"
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
    return game.play().canRecycleWaste() ? QStringLiteral("↺") : QStringLiteral("✕");
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

graphics::CardView faceView(const PileScene& scene, const Card& card)
{
    graphics::CardView view;
    view.appearance = scene.appearance;
    view.card = card;
    view.scale = scene.geometry.scale();
    view.showsCornerSuit = scene.game->settings().showsCornerSuit();
    view.suitColours =
        scene.game->settings().fourColourSuits() ? graphics::SuitColours::four : graphics::SuitColours::two;
    return view;
}

void paintCard(QPainter& painter, const PileScene& scene, const Card& card, const QRectF& frame,
               const std::optional<QRectF>& nextFrame)
{
    const qreal s = scene.geometry.scale();
    const QRectF covered = nextFrame ? graphics::opaqueCardBody(*nextFrame, s) : QRectF();
    if (card.isFaceUp) {
        faceView(scene, card).paint(painter, frame.topLeft(), covered);
    } else {
        graphics::CardBackView back;
        back.appearance = scene.appearance;
        back.theme = scene.game->settings().cardTheme();
        back.scale = s;
        back.paint(painter, frame.topLeft(), covered);
    }
}

PilePicture pilePicture(const PileScene& scene, const PileId& pile)
{
    const SolitaireGame& game = *scene.game;
    const BoardGeometry& g = scene.geometry;
    const QRectF frame = g.pileFrame(pile);
    auto hidden = [&](const Card& c) { return scene.flying && c.id == *scene.flying; };
    PilePicture picture;
    picture.markerFrame = frame;
    // Cards back to front; each card hides part of the one before it.
    auto place = [&](const Card& card, const QRectF& at) {
        if (!picture.cards.empty())
            picture.cards.back().nextFrame = at;
        picture.cards.push_back(PlacedCard{card, at, std::nullopt});
    };

    switch (pile.kind) {
    case PileId::Kind::stock:
        // The stock shows one back however many cards it holds (any card
        // face down: drawing from it leaves its picture alone).
        if (game.play().stock().isEmpty())
            picture.marker = stockMarkerLabel(game);
        else
            place(Card{}, frame);
        break;
    case PileId::Kind::waste: {
        const Pile& waste = game.play().waste();
        const int shown = visibleWasteCount(waste.size(), g.drawMode());
        const int first = int(waste.size()) - shown;
        picture.markerFrame = cardFrame(scene, frame.topLeft());
        for (int i = 0; i < shown; ++i) {
            const bool drawn = !isCarried(scene, pile, first + i, waste.size()) && !hidden(waste[first + i]);
            if (drawn)
                place(waste[first + i], g.wasteCardRect(i));
        }
        break;
    }
    case PileId::Kind::foundation: {
        const Pile& f = game.play().foundations()[size_t(pile.index)];
        // Only the top card shows; while it is carried (the slot then looks
        // empty) or still flying in, the card under it or the marker shows.
        for (int i = int(f.size()) - 1; i >= 0 && !isCarried(scene, pile, i, f.size()); --i) {
            if (!hidden(f[i])) {
                place(f[i], frame);
                break;
            }
        }
        break;
    }
    case PileId::Kind::tableau: {
        const Pile& column = game.play().tableau()[size_t(pile.index)];
        const std::int64_t n = column.size();
        for (int j = 0; j < n; ++j) {
            const bool drawn = !isCarried(scene, pile, j, n) && !hidden(column[j]);
            if (drawn)
                place(column[j], g.columnCardRect(pile.index, j, n));
        }
        break;
    }
    }
    // The marker lies under the pile's first card, which hides it entirely
    // (same frame, opaque body), so it is drawn only where it shows.
    if (!picture.marker && (picture.cards.empty() || picture.cards.front().frame != picture.markerFrame))
        picture.marker = pile.kind == PileId::Kind::foundation ? QStringLiteral("A") : QString();
    return picture;
}

void paintPile(QPainter& painter, const PileScene& scene, const PileId& pile)
{
    const PilePicture picture = pilePicture(scene, pile);
    if (picture.marker)
        paintSlot(painter, scene, picture.markerFrame, *picture.marker);
    for (const PlacedCard& placed : picture.cards)
        paintCard(painter, scene, placed.card, placed.frame, placed.nextFrame);
}

void paintFocusRing(QPainter& painter, const PileScene& scene, const PileId& pile, const QColor& accent)
{
    std::int64_t n = 0;
    if (pile.kind == PileId::Kind::tableau)
        n = scene.game->play().tableau()[size_t(pile.index)].size();
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
