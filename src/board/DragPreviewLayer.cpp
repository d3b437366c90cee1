#include "board/DragPreviewLayer.h"

#include "board/PilePainter.h"
#include "board/BoardContext.h"
#include "engine/SolitaireGame.h"
#include "graphics/CardGeometry.h"

#include <QPainter>

namespace murvane::board {

DragPreviewLayer::DragPreviewLayer(const BoardContext& board, QWidget* parent)
    : QWidget(parent)
    , board_(board)
{
    setObjectName(QStringLiteral("dragPreviewLayer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    connect(&board.dragState(), &DragState::dragSourceChanged, this, &DragPreviewLayer::sourceChanged);
    connect(&board.dragPosition(), &DragPositionState::changed, this, &DragPreviewLayer::positionChanged);
}

void DragPreviewLayer::sourceChanged()
{
    const auto& source = board_.dragState().dragSource();
    movingCards_ = source ? moves::cardsFor(board_.game().play().table(), *source) : Pile();
    positionChanged();
}

QRectF DragPreviewLayer::cardFrame(int i) const
{
    const DragPositionState& pos = board_.dragPosition();
    const qreal s = board_.boardScale();
    if (i >= 0)
        return BoardGeometry::previewCardRect(pos.location(), pos.stackStep(), i, s);
    const int n = int(movingCards_.size());
    return BoardGeometry::previewCardRect(pos.location(), pos.stackStep(), 0, s)
        .united(BoardGeometry::previewCardRect(pos.location(), pos.stackStep(), std::max(0, n - 1), s));
}

QRect DragPreviewLayer::dirtyRect() const
{
    if (movingCards_.isEmpty() || !board_.dragState().dragSource())
        return {};
    const qreal m = graphics::shadowMargin(board_.boardScale()) + 1;
    return cardFrame(-1).adjusted(-m, -m, m, m).toAlignedRect();
}

void DragPreviewLayer::positionChanged()
{
    // Repaint only where the group was and where it is now.
    const QRect now = dirtyRect();
    update(lastPainted_.united(now));
    lastPainted_ = now;
}

void DragPreviewLayer::paintEvent(QPaintEvent*)
{
    if (movingCards_.isEmpty() || !board_.dragState().dragSource())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const PileScene scene = board_.pileScene();
    for (int i = 0; i < movingCards_.size(); ++i)
        paintCard(painter, scene, movingCards_[i], cardFrame(i));
}

} // namespace murvane::board
