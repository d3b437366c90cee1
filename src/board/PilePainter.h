#pragma once
// Draws the eleven piles in board coordinates. Reads the game and the view
// state handed in; changes nothing.

#include "board/BoardGeometry.h"
#include "engine/Card.h"
#include "engine/Settings.h"
#include "graphics/Appearance.h"

#include <QColor>

#include <optional>

class QPainter;

namespace murvane {
class SolitaireGame;
}

namespace murvane::board {

struct PileScene {
    const SolitaireGame* game = nullptr;
    BoardGeometry geometry{1.0, 1};
    graphics::Appearance appearance;
    // Cards being carried stay in their pile but are not drawn there.
    std::optional<DragSource> carried;
    // A card in flight (auto-complete) is drawn by the flight layer only.
    std::optional<CardId> flying;
};

// True when the card at `index` of the pile is being carried by the drag.
bool isCarried(const PileScene& scene, const PileId& pile, int index, std::int64_t pileSize);

void paintPile(QPainter& painter, const PileScene& scene, const PileId& pile);
void paintFocusRing(QPainter& painter, const PileScene& scene, const PileId& pile, const QColor& accent);

// One face-up card or back at `frame` (board coordinates), as every layer draws it.
void paintCard(QPainter& painter, const PileScene& scene, const Card& card, const QRectF& frame);

// The label of the empty-stock marker: recycle possible or spent.
QString stockMarkerLabel(const SolitaireGame& game);

} // namespace murvane::board
