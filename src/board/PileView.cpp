#include "board/PileView.h"

#include "board/KeyboardNavigation.h"
#include "board/PilePainter.h"
#include "board/BoardContext.h"
#include "graphics/CardGeometry.h"
#include "graphics/ChromeStyle.h"

#include <QKeyEvent>
#include <QPainter>

namespace murvane::board {

PileView::PileView(BoardContext& board, const PileId& pile, QWidget* parent)
    : QWidget(parent)
    , board_(board)
    , pile_(pile)
{
    setObjectName(identifier(pile));
    setFocusPolicy(Qt::StrongFocus);
    // The accent ring replaces the style's own focus frame.
    setAttribute(Qt::WA_MacShowFocusRect, false);
    // Clicks are resolved by the surface below from the board geometry.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    relayout();
}

QString PileView::identifier(const PileId& pile)
{
    switch (pile.kind) {
    case PileId::Kind::stock:
        return QStringLiteral("stockPile");
    case PileId::Kind::waste:
        return QStringLiteral("wastePile");
    case PileId::Kind::foundation:
        return QStringLiteral("foundation-%1").arg(pile.index);
    case PileId::Kind::tableau:
        return QStringLiteral("tableau-%1").arg(pile.index);
    }
    return {};
}

QRectF PileView::paintArea() const
{
    const BoardGeometry& g = board_.boardGeometry();
    const QRectF body = pile_.kind == PileId::Kind::tableau ? g.columnArea(pile_.index) : g.pileFrame(pile_);
    // Card shadows and the ring's outer half spill past the frame.
    const qreal margin = graphics::shadowMargin(g.scale()) + kFocusRingWidth;
    return body.adjusted(-margin, -margin, margin, margin);
}

void PileView::relayout()
{
    setGeometry(paintArea().toAlignedRect());
    update();
}

void PileView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Paint in board coordinates: the surface shares the board's origin.
    painter.translate(-QPointF(pos()));
    const PileScene scene = board_.pileScene();
    paintPile(painter, scene, pile_);
    if (board_.showKeyboardFocus() && board_.focusedSlot() == pile_)
        paintFocusRing(painter, scene, pile_, graphics::ChromePalette(scene.appearance).focusRing());
}

void PileView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    board_.setFocusedSlot(pile_);
    // Tab traversal is keyboard use: the ring follows it.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        board_.setShowKeyboardFocus(true);
}

void PileView::keyPressEvent(QKeyEvent* event)
{
    if (handleBoardKey(board_, *event, [this] { Q_EMIT hintRequested(); }))
        event->accept();
    else
        QWidget::keyPressEvent(event); // passed on to the board and the panel
}

} // namespace murvane::board
