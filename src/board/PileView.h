#pragma once
// One pile as a focusable widget. It paints its pile and its focus ring and
// takes the board's keys while it holds the focus; pointer input goes to the
// board surface underneath (the widget is transparent for the mouse), so
// hit-testing stays in one place.

#include "board/BoardGeometry.h"

#include <QWidget>

namespace murvane::board {

class BoardContext;

class PileView : public QWidget {
    Q_OBJECT
public:
    PileView(BoardContext& board, const PileId& pile, QWidget* parent);

    const PileId& pile() const { return pile_; }
    BoardContext& board() const { return board_; }
    // Board area this widget covers: the pile plus room for shadows and ring.
    QRectF paintArea() const;
    void relayout();

    // "stockPile", "wastePile", "foundation-2", "tableau-5".
    static QString identifier(const PileId& pile);

Q_SIGNALS:
    // The H key while this pile holds the focus.
    void hintRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    BoardContext& board_;
    PileId pile_;
};

} // namespace murvane::board
