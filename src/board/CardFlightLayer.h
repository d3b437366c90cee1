#pragma once
// The auto-complete flight: just before each auto-complete step the card
// about to move is lifted from its pile and flown to its destination over
// 80 ms, above the board. Skipped when reduce motion is on.

#include "engine/Card.h"

#include <QRectF>
#include <QVariantAnimation>
#include <QWidget>

#include <optional>

namespace murvane {
class SolitaireView;
}

namespace murvane::board {

class CardFlightLayer : public QWidget {
    Q_OBJECT
public:
    CardFlightLayer(SolitaireView& view, QWidget* parent);

    // The card in the air, hidden in its destination pile until it lands.
    std::optional<CardId> flyingCard() const;
    QRectF currentFrame() const;
    QVariantAnimation& animation() { return animation_; }

    // Starts the flight of the game's next auto-complete move.
    void stepWillRun(bool animated);
    void land();

Q_SIGNALS:
    void flyingCardChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void progressed();
    QRect dirtyRect() const;

    SolitaireView& view_;
    QVariantAnimation animation_;
    std::optional<Card> card_;
    QRectF from_, to_;
    QRect lastPainted_;
};

} // namespace murvane::board
