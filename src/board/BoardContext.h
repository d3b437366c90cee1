#pragma once
// What the board's parts may see of the board, and what they may ask of it:
// the game (read only), the drag, the geometry, the keyboard focus and the
// input gate, plus the few operations the parts carry out. The parts take
// this and not the view, so their includes run down only; BoardState
// implements it, and the view wires the parts' signals to each other.

#include "board/BoardGeometry.h"
#include "board/InputGate.h"
#include "board/PilePainter.h"
#include "cards/Card.h"
#include "engine/DragState.h"

#include <QHash>
#include <QPointF>
#include <QRectF>

#include <optional>

namespace murvane {
class SolitaireGame;
}

namespace murvane::board {

class BoardAnnouncer;

class BoardContext {
public:
    // Read only: the parts change the game through the operations below.
    virtual const SolitaireGame& game() const = 0;
    virtual const BoardGeometry& boardGeometry() const = 0;
    qreal boardScale() const { return boardGeometry().scale(); }
    // Frames of the 4 foundations and 7 columns in board coordinates, as
    // handed to the drop resolution.
    virtual const QHash<DropSlot, QRectF>& slotFrames() const = 0;

    virtual const DragState& dragState() const = 0;
    virtual const DragPositionState& dragPosition() const = 0;

    // Keyboard focus: which pile holds it, and whether the ring shows.
    virtual std::optional<BoardFocus> focusedSlot() const = 0;
    virtual void setFocusedSlot(const std::optional<BoardFocus>& slot) = 0;
    virtual bool showKeyboardFocus() const = 0;
    virtual void setShowKeyboardFocus(bool value) = 0;

    // What covers the board now.
    virtual BoardLayer layer() const = 0;
    BoardInputState inputState() const;
    // Every input channel asks this before it acts.
    bool takesInput(InputChannel channel) const { return inputTaken(channel, inputState()); }
    // Whether a key of a key channel stays with the board (see keyTaken).
    bool takesKey(InputChannel channel) const { return keyTaken(channel, inputState()); }
    // The menu commands that depend on the deal: each acts exactly when
    // this says so, and its menu item is enabled by the same answer.
    bool canRestartDeal() const;
    bool canCopyDealCode() const;

    // What the parts ask the game for, with the board's own drag (which
    // every move ends). The game judges each move; the caller has asked the
    // input gate first.
    virtual void drawFromStock() = 0;
    virtual void moveToBestSpot(const Card& card) = 0;
    virtual void moveIfLegal(const DragSource& source, const MoveTarget& target) = 0;
    // The digits 1-7: what of the focused pile fits column `toColumn` goes there.
    virtual void moveFocusedPile(const BoardFocus& focus, int toColumn) = 0;
    // The callers ask the game's canUndo or canRedo first.
    virtual void undo() = 0;
    virtual void redo() = 0;

    // The pointer's drag: picks up `source` (its cards `stackStep` apart,
    // scaled), follows the pointer (board coordinates) and drops the cards
    // where it is let go. A refused drop still ends the drag.
    virtual void beginDrag(const DragSource& source, qreal stackStep) = 0;
    virtual void dragTo(QPointF point) = 0;
    virtual void dropDraggedCards(QPointF point) = 0;

    // What the pile painters need: the game, geometry, appearance and the
    // cards that are carried or in flight (not drawn in their piles).
    virtual PileScene pileScene() const = 0;
    // What the last action did, for screen readers; null until it exists.
    virtual const BoardAnnouncer* announcer() const = 0;

protected:
    ~BoardContext() = default;
};

} // namespace murvane::board
