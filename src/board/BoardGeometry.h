#pragma once
// Every length of the board, in board coordinates (origin at the board's
// top-left corner, outside the inset), at a given board scale. Painting,
// hit-testing, slot frames, the drag preview and the focus ring all read
// these functions, so they cannot disagree.

#include "cards/Card.h"
#include "cards/Settings.h"
#include "graphics/CardGeometry.h"
#include "graphics/ChromeStyle.h"

#include <QHash>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <array>
#include <cstdint>
#include <optional>

namespace murvane::board {

// Base lengths at scale 1. The frame and the header are the chrome's, which
// the screens share; the card is the card graphics'.
inline constexpr qreal kBoardWidth = graphics::ChromeMetrics::panelWidth;
inline constexpr qreal kInset = graphics::ChromeMetrics::inset;
inline constexpr qreal kStackSpacing = graphics::ChromeMetrics::stackSpacing; // header, top row, columns row
inline constexpr qreal kHeaderHeight = graphics::ChromeMetrics::headerHeight;  // glass container around the header row
inline constexpr qreal kRowFrameWidth = 344;     // top row and columns row
using graphics::kCardWidth;
using graphics::kCardHeight;
inline constexpr qreal kTopRowSpacing = 8;
inline constexpr qreal kColumnSpacing = 6;
inline constexpr qreal kWasteWidthDrawThree = 84;
inline constexpr qreal kWasteFanStep = 16;
inline constexpr qreal kColumnsMinHeight = 330;
inline constexpr qreal kFanStep = 20;
inline constexpr qreal kMinFanStep = 11;
inline constexpr qreal kFanHeight = 260;         // room for one card plus the fan
inline constexpr qreal kDragThreshold = 10;      // not scaled
inline constexpr qreal kFocusRingWidth = 2.5;    // not scaled
inline constexpr qreal kSolvedOverlayCentreX = 187.5;
inline constexpr qreal kSolvedOverlayCentreY = 190;

// S: the large board's factor (graphics::kLargeSizeFactor) for the large
// board, times the user's text-size factor.
qreal boardScale(bool largeBoard, qreal textScale);

// Fan step of a column of n cards at scale 1 (20, squeezed to fit 260, never
// below 11).
qreal fanStep(std::int64_t cardCount);

// Which waste cards show: the last min(k, size) where k is 3 for Draw 3.
int visibleWasteCount(std::int64_t wasteSize, DrawMode draw);

// One pile of the eleven.
using PileId = BoardFocus;

class BoardGeometry {
public:
    BoardGeometry(qreal scale, DrawMode draw);

    qreal scale() const { return s_; }
    DrawMode drawMode() const { return draw_; }
    bool operator==(const BoardGeometry&) const = default;

    QSizeF boardSize() const;
    QRectF headerRect() const;
    QRectF topRowRect() const;     // the 344-wide frame
    QRectF columnsRowRect() const; // the 344-wide frame, 330 high

    // The pile's own frame: 44 x 64 for most piles, the waste's 44 or 84
    // wide slot, a column's top card position.
    QRectF pileFrame(const PileId& pile) const;
    // A column's whole area, from its frame to the bottom of the columns row.
    QRectF columnArea(int column) const;
    // Frames handed to the drop resolution: 4 foundations and 7 columns.
    QHash<DropSlot, QRectF> slotFrames() const;

    // Frame of card j (0 = bottom) in a column of n cards.
    QRectF columnCardRect(int column, int j, std::int64_t n) const;
    // Frame of the i-th shown waste card (0 = oldest shown).
    QRectF wasteCardRect(int i) const;
    // The ring framing a pile: a column's ring moves down to its top card.
    QRectF focusRingRect(const PileId& pile, std::int64_t columnCount) const;

    // The drag preview: card i's frame for a group of n cards whose grabbed
    // card is centred on `pointer`, `stackStep` apart (already scaled).
    static QRectF previewCardRect(QPointF pointer, qreal stackStep, int i, qreal scale);

    // Scaled column stack step for n cards.
    qreal scaledFanStep(std::int64_t n) const { return fanStep(n) * s_; }

private:
    qreal s_;
    DrawMode draw_;
};

// What lies under a point: a pile and, for cards, the card's index within
// the pile (column index, or waste index counted from the bottom of the
// whole waste). `card` is none on an empty slot marker or the stock.
struct PileHit {
    PileId pile;
    std::optional<int> card;
    friend bool operator==(const PileHit&, const PileHit&) = default;
};

// Sizes of the piles as the hit test needs them.
struct PileCounts {
    std::int64_t waste = 0;
    std::array<std::int64_t, kFoundationCount> foundations{};
    std::array<std::int64_t, kColumnCount> columns{};
};

// The topmost pile element under `point`, or none outside every pile.
std::optional<PileHit> hitTest(const BoardGeometry& geometry, const PileCounts& counts, QPointF point);

} // namespace murvane::board
