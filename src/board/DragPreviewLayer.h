#pragma once
// The cards being carried, drawn under the pointer above everything else on
// the board. Never takes pointer input, so the slots below still receive the
// drop and the clicks.

#include "cards/Card.h"

#include <QRectF>
#include <QWidget>

namespace murvane::board {

class BoardContext;

class DragPreviewLayer : public QWidget {
    Q_OBJECT
public:
    DragPreviewLayer(const BoardContext& board, QWidget* parent);

    const Pile& movingCards() const { return movingCards_; }
    // Board frame of moving card i, or the whole group for i = -1.
    QRectF cardFrame(int i) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void sourceChanged();
    void positionChanged();
    QRect dirtyRect() const;

    const BoardContext& board_;
    Pile movingCards_;
    QRect lastPainted_;
};

} // namespace murvane::board
