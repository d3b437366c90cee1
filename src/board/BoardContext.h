#pragma once
// What the board's parts may see of the board: the game, the drag, the
// geometry, the keyboard focus and the input gate. The parts take this and
// not the view, so their includes run down only; the view implements it
// and wires the parts' signals to each other.

#include "board/BoardGeometry.h"
#include "board/InputGate.h"
#include "board/PilePainter.h"
#include "cards/Card.h"
#include "engine/DragState.h"

#include <QHash>
#include <QRectF>

#include <optional>

namespace murvane {
class SolitaireGame;
}

namespace murvane::board {

class BoardAnnouncer;

class BoardContext {
public:
    virtual SolitaireGame& game() const = 0;
    virtual const BoardGeometry& boardGeometry() const = 0;
    qreal boardScale() const { return boardGeometry().scale(); }
    // Frames of the 4 foundations and 7 columns in board coordinates, as
    // handed to the drop resolution.
    virtual const QHash<DropSlot, QRectF>& slotFrames() const = 0;

    virtual DragState& dragState() = 0;
    virtual const DragState& dragState() const = 0;
    virtual DragPositionState& dragPosition() = 0;
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

    // What the pile painters need: the game, geometry, appearance and the
    // cards that are carried or in flight (not drawn in their piles).
    virtual PileScene pileScene() const = 0;
    // What the last action did, for screen readers; null until it exists.
    virtual const BoardAnnouncer* announcer() const = 0;

protected:
    ~BoardContext() = default;
};

} // namespace murvane::board
