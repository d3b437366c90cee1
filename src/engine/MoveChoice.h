#pragma once
// Choosing a move: pure functions over the four piles. Every way of asking
// for a move (drag and drop, double-click, keyboard, accessibility action,
// auto-complete) picks one here and hands it to GamePlay::move, the one
// place that changes cards. Nothing in this file changes a pile.

#include "cards/Card.h"

#include <QHash>
#include <QList>
#include <QPointF>
#include <QRectF>

#include <optional>

namespace murvane {

// A read-only view of the piles; valid while the piles it refers to live.
struct Table {
    const Pile& stock;
    const Pile& waste;
    const Foundations& foundations;
    const Tableau& tableau;
};

struct Move {
    DragSource source;
    MoveTarget target;
    friend bool operator==(const Move&, const Move&) = default;
};

// What a change of the piles did, as the game reports it: for a move or an
// auto-complete step the cards that moved (bottom first, as they now lie),
// from where, to where; for a draw the cards drawn (the last one on top);
// the columns whose new top card the change turned face up. Undo, redo, a
// recycle and a new or restored deal carry their kind only. Views announce
// and animate from this instead of asking the rules again.
struct MoveRecord {
    enum class Kind { move, autoCompleteStep, flip, draw, recycle, undo, redo, deal };
    Kind kind = Kind::move;
    Pile cards;
    DragSource source;
    MoveTarget target;
    QList<int> flippedColumns;
    bool animated = false; // an auto-complete step the board flies (reduce motion off)
};

// One step chosen by auto-complete.
struct AutoCompleteMove {
    enum class Kind { wasteToFoundation, tableauToFoundation, wasteToTableau };
    Kind kind = Kind::wasteToFoundation;
    int column = 0;
    int pile = 0;

    Move toMove(const Tableau& tableau) const;
};

namespace moves {

inline constexpr qreal kDropTolerance = 0.3; // of a frame's width / height

bool canPlaceOnTableau(const Table& table, const Card& card, int column);
bool canPlaceOnFoundation(const Table& table, const Card& card, int pile);
// The cards a move from this source carries, bottom first; empty when the
// source names nothing (an empty pile, an index off the board).
Pile cardsFor(const Table& table, const DragSource& source);
// The targets the board offers: at most one foundation, then columns, at
// most one of them empty; a whole column is never offered an empty one.
QList<MoveTarget> legalTargets(const Table& table, const DragSource& source);
// The placement rules alone: a face-up group, a single card for a
// foundation, a pile on the board that accepts it, not its own column.
bool isPlayable(const Table& table, const DragSource& source, const MoveTarget& target);
// The same, given cardsFor(table, source).
bool isPlayable(const Table& table, const DragSource& source, const Pile& moving, const MoveTarget& target);

// Double-click: a foundation card back to the leftmost column taking it; any
// other top card to the leftmost foundation taking it; otherwise the card
// and those above it to the leftmost column taking it (a King at a column's
// base stays). Face-down cards and cards not on the board go nowhere.
std::optional<Move> bestSpot(const Table& table, CardId card);
// Pointer release: the nearest accepting foundation (single cards only),
// else the nearest accepting column, each frame widened by the tolerance.
std::optional<MoveTarget> dropTarget(const Table& table, const DragSource& source,
                                     const QHash<DropSlot, QRectF>& slotFrames, QPointF point);
// Digit keys: the lowest face-up card of the focused pile that fits the
// column, or the focused pile's top card; the stock gives nothing.
std::optional<DragSource> sourceForFocus(const Table& table, const BoardFocus& focus, int toColumn);
// Waste to a foundation, then column tops to a foundation, then the waste
// to a column; never column to column, never a draw.
std::optional<AutoCompleteMove> nextAutoCompleteMove(const Table& table);
// Nothing to draw or recycle (canDraw false) and no card that may move.
bool hasNoMoveLeft(const Table& table, bool canDraw);

} // namespace moves
} // namespace murvane
