#pragma once
// Draws the eleven piles in board coordinates. Reads the game and the view
// state handed in; changes nothing.

#include "board/BoardGeometry.h"
#include "cards/Card.h"
#include "cards/Settings.h"
#include "graphics/Appearance.h"
#include "graphics/CardView.h"

#include <QColor>
#include <QRectF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace murvane {
class SolitaireGame;
}

namespace murvane::board {

struct PileScene {
    const SolitaireGame* game = nullptr;
    BoardGeometry geometry{1.0, DrawMode::one()};
    graphics::Appearance appearance;
    // Cards being carried stay in their pile but are not drawn there.
    std::optional<DragSource> carried;
    // A card in flight (auto-complete) is drawn by the flight layer only.
    std::optional<CardId> flying;
};

// True when the card at `index` of the pile is being carried by the drag.
bool isCarried(const PileScene& scene, const PileId& pile, int index, std::int64_t pileSize);

// One card as a pile draws it: `nextFrame` is where the pile's next card
// covers it, if one does.
struct PlacedCard {
    Card card;
    QRectF frame;
    std::optional<QRectF> nextFrame;
    friend bool operator==(const PlacedCard&, const PlacedCard&) = default;
};

// Everything a pile draws, in board coordinates, back to front: its empty
// slot marker where it shows, then its cards. Equal pictures paint the same
// pixels, so a pile whose picture has not changed need not repaint.
struct PilePicture {
    std::optional<QString> marker; // the marker's label, when it shows
    QRectF markerFrame;
    std::vector<PlacedCard> cards;
    friend bool operator==(const PilePicture&, const PilePicture&) = default;
};
PilePicture pilePicture(const PileScene& scene, const PileId& pile);

// Paints pilePicture(scene, pile).
void paintPile(QPainter& painter, const PileScene& scene, const PileId& pile);
void paintFocusRing(QPainter& painter, const PileScene& scene, const PileId& pile, const QColor& accent);

// A face-up card as every layer of the board draws it: the scene's look and
// scale with the game's corner-suit and suit-colour settings.
graphics::CardView faceView(const PileScene& scene, const Card& card);

// One face-up card or back at `frame` (board coordinates), as every layer
// draws it. `nextFrame`, when given, is where the pile's next card will be
// painted over it, so the part that card hides is left out.
void paintCard(QPainter& painter, const PileScene& scene, const Card& card, const QRectF& frame,
               const std::optional<QRectF>& nextFrame = std::nullopt);

// The label of the empty-stock marker: recycle possible or spent.
QString stockMarkerLabel(const SolitaireGame& game);

} // namespace murvane::board
