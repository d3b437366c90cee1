#pragma once
// The board's pointer surface: it lies under the piles, shares the board's
// coordinate origin and turns presses, moves, releases and double-clicks
// into game operations through one hit test. Stock clicks draw, double-clicks
// send a card to its best spot, and a press that moves 10 points becomes a
// drag that ends in a drop.

#include "board/BoardGeometry.h"

#include <QPointF>
#include <QWidget>

#include <optional>

namespace murvane::board {

class BoardContext;

// What a press on a card may start.
struct DragCandidate {
    DragSource source;
    PileId focus;
    qreal stackStep = 0; // scaled
};

class BoardSurface : public QWidget {
    Q_OBJECT
public:
    BoardSurface(BoardContext& board, QWidget* parent);

    // The drag a press at `point` could start, if any (face-up column cards,
    // the top waste card, a foundation's top card).
    std::optional<DragCandidate> dragCandidateAt(QPointF point) const;
    std::optional<PileHit> hitAt(QPointF point) const;

    // Forget a press in progress (board shown again, screen opened).
    void cancelPointer();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Starts a left-button press; false when the press is ignored.
    bool beginPress(QMouseEvent* event);
    // True when the double-click moved the card away.
    bool playDoubleClick(QPointF point);

    BoardContext& board_;
    struct Press {
        QPointF origin;
        std::optional<PileHit> hit;
        std::optional<DragCandidate> candidate;
        bool dragging = false;
    };
    std::optional<Press> press_;
};

} // namespace murvane::board
