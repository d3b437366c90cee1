#pragma once
// What the board knows besides the game: the drag, the geometry, the
// keyboard focus and what covers the board. It is the context the board's
// parts receive, and it carries out the moves they ask for with its own
// drag. The view owns it, tells it what only the view learns (geometry,
// layer, its layers) and follows its signals (repaints, platform focus).

#include "board/BoardContext.h"

#include <QObject>

namespace murvane {
class GamePlay;
}

namespace murvane::board {

class CardFlightLayer;

class BoardState : public QObject, public BoardContext {
    Q_OBJECT
public:
    // The game must outlive the state.
    BoardState(SolitaireGame& game, QObject* parent);

    const SolitaireGame& game() const override { return game_; }
    const BoardGeometry& boardGeometry() const override { return geometry_; }
    const QHash<DropSlot, QRectF>& slotFrames() const override { return slotFrames_; }
    const DragState& dragState() const override { return drag_; }
    // For the view's own commands that take the drag (Restart Deal).
    DragState& dragState() { return drag_; }
    const DragPositionState& dragPosition() const override { return dragPosition_; }

    std::optional<BoardFocus> focusedSlot() const override { return focusedSlot_; }
    void setFocusedSlot(const std::optional<BoardFocus>& slot) override;
    bool showKeyboardFocus() const override { return showKeyboardFocus_; }
    void setShowKeyboardFocus(bool value) override;
    // Records the focused pile without asking for the platform focus (it is
    // there already, or has left the piles).
    void adoptFocusedSlot(const std::optional<BoardFocus>& slot);
    // Focuses `pile` afresh, even when it holds the focus already: the
    // platform focus returns to it and the last announcement is dropped.
    void refocus(const BoardFocus& pile);

    BoardLayer layer() const override { return layer_; }
    // Called once the widget the layer names is up (or gone), so the focus
    // passing through on the way sees the old layer.
    void setLayer(BoardLayer layer);
    void setGeometry(const BoardGeometry& geometry);
    // The parts the scene and the spoken text come from; null until made.
    void setLayers(const CardFlightLayer* flight, const BoardAnnouncer* announcer);

    void drawFromStock() override;
    void moveToBestSpot(const Card& card) override;
    void moveIfLegal(const DragSource& source, const MoveTarget& target) override;
    void moveFocusedPile(const BoardFocus& focus, int toColumn) override;
    void undo() override;
    void redo() override;
    void beginDrag(const DragSource& source, qreal stackStep) override;
    void dragTo(QPointF point) override;
    void dropDraggedCards(QPointF point) override;
    // Forgets the drag; the carried cards show in their piles again.
    void cancelDrag();

    PileScene pileScene() const override;
    const BoardAnnouncer* announcer() const override { return announcer_; }

Q_SIGNALS:
    void focusedSlotChanged(const std::optional<murvane::BoardFocus>& previous);
    // A part set the focused pile: the platform focus should follow it.
    void focusRequested();
    void showKeyboardFocusChanged();
    void layerChanged();

private:
    const SolitaireGame& game_;
    GamePlay& play_; // the game's own, for the moves the parts ask for
    DragState drag_;
    DragPositionState dragPosition_;
    BoardGeometry geometry_{1.0, DrawMode::one()};
    QHash<DropSlot, QRectF> slotFrames_;
    std::optional<BoardFocus> focusedSlot_;
    bool showKeyboardFocus_ = false;
    // The one record of what covers the board.
    BoardLayer layer_ = BoardLayer::board;
    const CardFlightLayer* flight_ = nullptr;
    const BoardAnnouncer* announcer_ = nullptr;
};

} // namespace murvane::board
