#pragma once
// The auto-complete flight: each auto-complete step's card is flown from
// the pile it left to the one it joined over 80 ms, above the board.
// Skipped when reduce motion is on.

#include "engine/MoveChoice.h"

#include <QRectF>
#include <QVariantAnimation>
#include <QWidget>

#include <optional>

namespace murvane::board {

class BoardContext;

class CardFlightLayer : public QWidget {
    Q_OBJECT
public:
    CardFlightLayer(const BoardContext& board, QWidget* parent);

    // The card in the air, hidden in its destination pile until it lands.
    std::optional<CardId> flyingCard() const;
    QRectF currentFrame() const;
    QVariantAnimation& animation() { return animation_; }

    // Follows the game's report of a change of the piles: an auto-complete
    // step the game animates starts its flight; any step lands the last one.
    void follow(const MoveRecord& change);
    void land();

Q_SIGNALS:
    void flyingCardChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void progressed();
    QRect dirtyRect() const;

    const BoardContext& board_;
    QVariantAnimation animation_;
    std::optional<Card> card_;
    QRectF from_, to_;
    QRect lastPainted_;
};

} // namespace murvane::board
