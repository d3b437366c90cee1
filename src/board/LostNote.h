#pragma once
// The note that stays at the foot of the board while the game in play can
// no longer be won: what it means, and the two ways on (Undo, New Deal). It
// is not modal: the piles stay playable around it. It shows exactly while the
// deal session says the position is lost and the notice is switched on, and
// goes as soon as an undo reaches a position that is not known to be lost;
// its owner makes it then and removes it after.

#include "graphics/Appearance.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace murvane::board {

class BoardContext;

class LostNote : public QWidget {
    Q_OBJECT
public:
    LostNote(const BoardContext& board, QWidget* parent);

    void applyScale(qreal scale, const graphics::Appearance& appearance);
    // Places the note at the foot of the parent, as the game now stands.
    void refresh();
    QPushButton* undoButton() const { return undo_; }
    QPushButton* newDealButton() const { return newDeal_; }

Q_SIGNALS:
    void undoRequested();
    void newDealRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const BoardContext& board_;
    QLabel* text_ = nullptr;
    QPushButton* undo_ = nullptr;
    QPushButton* newDeal_ = nullptr;
    qreal scale_ = 1;
    graphics::Appearance appearance_;
};

} // namespace murvane::board
