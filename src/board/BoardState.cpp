#include "board/BoardState.h"

#include "board/CardFlightLayer.h"
#include "engine/SolitaireGame.h"
#include "screens/ScreenStyle.h"

namespace murvane::board {

BoardState::BoardState(SolitaireGame& game, QObject* parent)
    : QObject(parent)
    , game_(game)
    , play_(game.play())
    , slotFrames_(geometry_.slotFrames())
{
    setObjectName(QStringLiteral("boardState"));
}

void BoardState::adoptFocusedSlot(const std::optional<BoardFocus>& slot)
{
    if (focusedSlot_ == slot)
        return;
    const auto previous = focusedSlot_;
    focusedSlot_ = slot;
    Q_EMIT focusedSlotChanged(previous);
}

void BoardState::setFocusedSlot(const std::optional<BoardFocus>& slot)
{
    if (focusedSlot_ == slot)
        return;
    adoptFocusedSlot(slot);
    Q_EMIT focusRequested();
}

void BoardState::refocus(const BoardFocus& pile)
{
    // Forgotten without a word, so the pile counts as newly focused.
    focusedSlot_.reset();
    setFocusedSlot(pile);
}

void BoardState::setShowKeyboardFocus(bool value)
{
    if (showKeyboardFocus_ == value)
        return;
    showKeyboardFocus_ = value;
    Q_EMIT showKeyboardFocusChanged();
}

void BoardState::setLayer(BoardLayer layer)
{
    if (layer_ == layer)
        return;
    layer_ = layer;
    Q_EMIT layerChanged();
}

void BoardState::setGeometry(const BoardGeometry& geometry)
{
    geometry_ = geometry;
    slotFrames_ = geometry_.slotFrames();
}

void BoardState::setLayers(const CardFlightLayer* flight, const BoardAnnouncer* announcer)
{
    flight_ = flight;
    announcer_ = announcer;
}

void BoardState::drawFromStock()
{
    play_.drawFromStock(drag_);
}

void BoardState::moveToBestSpot(const Card& card)
{
    play_.moveToBestSpot(card, drag_);
}

void BoardState::moveIfLegal(const DragSource& source, const MoveTarget& target)
{
    play_.moveIfLegal(source, target, drag_);
}

void BoardState::moveFocusedPile(const BoardFocus& focus, int toColumn)
{
    murvane::moveFocusedPile(play_, focus, toColumn, drag_);
}

void BoardState::undo()
{
    play_.undo(drag_);
}

void BoardState::redo()
{
    play_.redo(drag_);
}

void BoardState::beginDrag(const DragSource& source, qreal stackStep)
{
    drag_.setDragSource(source);
    dragPosition_.setStackStep(stackStep);
}

void BoardState::dragTo(QPointF point)
{
    dragPosition_.setLocation(point);
}

void BoardState::dropDraggedCards(QPointF point)
{
    play_.dropDraggedCards(slotFrames_, drag_, point);
    // A refused drop (auto-complete started, game won) must not leave the
    // cards hidden in their pile.
    cancelDrag();
}

void BoardState::cancelDrag()
{
    drag_.clear();
    dragPosition_.reset();
}

PileScene BoardState::pileScene() const
{
    PileScene scene;
    scene.game = &game_;
    scene.geometry = geometry_;
    scene.appearance = screens::currentAppearance();
    scene.carried = drag_.dragSource();
    scene.flying = flight_ ? flight_->flyingCard() : std::nullopt;
    return scene;
}

} // namespace murvane::board
