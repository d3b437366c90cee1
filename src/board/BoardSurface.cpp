#include "board/BoardSurface.h"

#include "board/BoardContext.h"
#include "engine/SolitaireGame.h"

#include <QLineF>
#include <QMouseEvent>

namespace murvane::board {

namespace {

PileCounts countsOf(const SolitaireGame& game)
{
    PileCounts counts;
    counts.waste = game.play().waste().size();
    for (int f = 0; f < kFoundationCount; ++f)
        counts.foundations[size_t(f)] = game.play().foundations()[size_t(f)].size();
    for (int c = 0; c < kColumnCount; ++c)
        counts.columns[size_t(c)] = game.play().tableau()[size_t(c)].size();
    return counts;
}

} // namespace

BoardSurface::BoardSurface(BoardContext& board, QWidget* parent)
    : QWidget(parent)
    , board_(board)
{
    setObjectName(QStringLiteral("boardSurface"));
}

std::optional<PileHit> BoardSurface::hitAt(QPointF point) const
{
    return hitTest(board_.boardGeometry(), countsOf(board_.game()), point);
}

std::optional<DragCandidate> BoardSurface::dragCandidateAt(QPointF point) const
{
    const auto hit = hitAt(point);
    if (!hit || !hit->card)
        return std::nullopt;
    const SolitaireGame& game = board_.game();
    const BoardGeometry& g = board_.boardGeometry();
    const qreal defaultStep = DragPositionState::kDefaultStackStep * g.scale();
    const int j = *hit->card;
    switch (hit->pile.kind) {
    case PileId::Kind::tableau: {
        const Pile& column = game.play().tableau()[size_t(hit->pile.index)];
        if (j < 0 || j >= column.size() || !column[j].isFaceUp)
            return std::nullopt; // face-down cards carry no gesture
        return DragCandidate{DragSource::tableau(hit->pile.index, j), hit->pile, g.scaledFanStep(column.size())};
    }
    case PileId::Kind::waste:
        // Only the top waste card reacts; the ones fanned under it do not.
        if (j != game.play().waste().size() - 1)
            return std::nullopt;
        return DragCandidate{DragSource::waste(), hit->pile, defaultStep};
    case PileId::Kind::foundation:
        return DragCandidate{DragSource::foundation(hit->pile.index), hit->pile, defaultStep};
    case PileId::Kind::stock:
        return std::nullopt;
    }
    return std::nullopt;
}

void BoardSurface::cancelPointer()
{
    press_.reset();
}

bool BoardSurface::beginPress(QMouseEvent* event)
{
    board_.setShowKeyboardFocus(false);
    // Another button pressed during a drag must not forget the drag: its
    // cards would stay hidden and the next drag would drop them instead.
    if (event->button() != Qt::LeftButton)
        return false;
    if (!board_.takesInput(InputChannel::pointer)) {
        press_.reset();
        return false;
    }
    const QPointF point = event->position();
    press_ = Press{point, hitAt(point), dragCandidateAt(point), false};
    return true;
}

void BoardSurface::mousePressEvent(QMouseEvent* event)
{
    beginPress(event);
}

void BoardSurface::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double-click is still a press: on the stock it
    // is one more click, and moving 10 points from it starts a drag.
    if (!beginPress(event))
        return;
    // Once the card has gone, holding on and moving must not pick up
    // whatever took its place.
    if (playDoubleClick(event->position()) && press_)
        press_->candidate.reset();
}

bool BoardSurface::playDoubleClick(QPointF point)
{
    if (board_.dragState().dragSource())
        return false;
    const auto candidate = dragCandidateAt(point);
    if (!candidate)
        return false;
    const SolitaireGame& game = board_.game();
    const Pile cards = moves::cardsFor(game.play().table(), candidate->source);
    if (cards.isEmpty())
        return false;
    if (candidate->source.kind == DragSource::Kind::tableau) {
        // Only the column's top card goes to its best spot.
        if (cards.size() != 1)
            return false;
    }
    board_.setFocusedSlot(candidate->focus);
    board_.moveToBestSpot(cards.first());
    return moves::cardsFor(game.play().table(), candidate->source) != cards;
}

void BoardSurface::mouseMoveEvent(QMouseEvent* event)
{
    if (!press_ || !(event->buttons() & Qt::LeftButton))
        return;
    const QPointF point = event->position();
    if (!press_->dragging) {
        if (!press_->candidate || QLineF(press_->origin, point).length() < kDragThreshold)
            return;
        if (!board_.takesInput(InputChannel::pointer)) {
            press_.reset();
            return;
        }
        press_->dragging = true;
        if (!board_.dragState().dragSource()) {
            board_.beginDrag(press_->candidate->source, press_->candidate->stackStep);
            board_.setFocusedSlot(press_->candidate->focus);
        }
    }
    board_.dragTo(point);
}

void BoardSurface::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !press_)
        return;
    const Press press = *press_;
    press_.reset();
    const QPointF point = event->position();
    if (press.dragging) {
        board_.dropDraggedCards(point);
        return;
    }
    // A click is a press and a release both on the stock; sliding off it
    // before letting go draws nothing.
    const auto releasedOn = hitAt(point);
    if (press.hit && press.hit->pile.kind == PileId::Kind::stock && releasedOn &&
        releasedOn->pile.kind == PileId::Kind::stock && board_.takesInput(InputChannel::pointer)) {
        board_.setFocusedSlot(PileId::stock());
        board_.drawFromStock();
    }
}

} // namespace murvane::board
