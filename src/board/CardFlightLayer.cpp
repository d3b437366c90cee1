#include "board/CardFlightLayer.h"

#include "board/PilePainter.h"
#include "board/BoardContext.h"
#include "engine/SolitaireGame.h"
#include "graphics/CardGeometry.h"

#include <QPainter>

namespace murvane::board {

CardFlightLayer::CardFlightLayer(const BoardContext& board, QWidget* parent)
    : QWidget(parent)
    , board_(board)
{
    setObjectName(QStringLiteral("cardFlightLayer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    animation_.setDuration(GamePlay::kAutoCompleteAnimationMs);
    animation_.setStartValue(0.0);
    animation_.setEndValue(1.0);
    animation_.setEasingCurve(QEasingCurve::InOutQuad);
    connect(&animation_, &QVariantAnimation::valueChanged, this, &CardFlightLayer::progressed);
    connect(&animation_, &QVariantAnimation::finished, this, &CardFlightLayer::land);
}

std::optional<CardId> CardFlightLayer::flyingCard() const
{
    return card_ ? std::optional<CardId>(card_->id) : std::nullopt;
}

QRectF CardFlightLayer::currentFrame() const
{
    const qreal t = animation_.currentValue().toReal();
    return QRectF(from_.topLeft() + (to_.topLeft() - from_.topLeft()) * t, from_.size());
}

void CardFlightLayer::follow(const MoveRecord& step)
{
    if (step.kind != MoveRecord::Kind::autoCompleteStep)
        return;
    land(); // a step that comes before the last flight ended lands it first
    if (!step.animated || step.cards.size() != 1)
        return;
    const SolitaireGame& game = board_.game();
    const BoardGeometry& g = board_.boardGeometry();
    // The piles already show the step; the source is laid out as it was.
    switch (step.source.kind) {
    case DragSource::Kind::tableau:
        from_ = g.columnCardRect(step.source.index, step.source.startIndex, step.source.startIndex + 1);
        break;
    case DragSource::Kind::waste: {
        const int shown = visibleWasteCount(game.play().waste().size() + 1, g.drawMode());
        from_ = g.wasteCardRect(shown - 1);
        break;
    }
    case DragSource::Kind::foundation:
        from_ = g.pileFrame(PileId::foundation(step.source.index));
        break;
    }
    if (step.target.kind == MoveTarget::Kind::tableau) {
        const std::int64_t n = game.play().tableau()[size_t(step.target.index)].size();
        to_ = g.columnCardRect(step.target.index, int(n - 1), n);
    } else {
        to_ = g.pileFrame(PileId::foundation(step.target.index));
    }
    card_ = step.cards.first();
    Q_EMIT flyingCardChanged();
    animation_.start();
    progressed();
}

void CardFlightLayer::land()
{
    if (!card_)
        return;
    animation_.stop();
    card_.reset();
    update(lastPainted_);
    lastPainted_ = {};
    Q_EMIT flyingCardChanged();
}

QRect CardFlightLayer::dirtyRect() const
{
    if (!card_)
        return {};
    const qreal m = graphics::shadowMargin(board_.boardScale()) + 1;
    return currentFrame().adjusted(-m, -m, m, m).toAlignedRect();
}

void CardFlightLayer::progressed()
{
    const QRect now = dirtyRect();
    update(lastPainted_.united(now));
    lastPainted_ = now;
}

void CardFlightLayer::paintEvent(QPaintEvent*)
{
    if (!card_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintCard(painter, board_.pileScene(), *card_, currentFrame());
}

} // namespace murvane::board
