#pragma once
// One pile as a focusable widget. It paints its pile and its focus ring and
// takes the board's keys while it holds the focus; pointer input goes to the
// board surface underneath (the widget is transparent for the mouse), so
// hit-testing stays in one place.

#include "board/BoardGeometry.h"

#include <QWidget>

namespace murvane {
class SolitaireView;
}

namespace murvane::board {

class PileView : public QWidget {
    Q_OBJECT
public:
    PileView(SolitaireView& view, const PileId& pile, QWidget* parent);

    const PileId& pile() const { return pile_; }
    SolitaireView& view() const { return view_; }
    // Board area this widget covers: the pile plus room for shadows and ring.
    QRectF paintArea() const;
    void relayout();

    // "stockPile", "wastePile", "foundation-2", "tableau-5".
    static QString identifier(const PileId& pile);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    SolitaireView& view_;
    PileId pile_;
};

} // namespace murvane::board
