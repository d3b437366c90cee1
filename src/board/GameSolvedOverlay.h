#pragma once
// The win card: "🎉", "Game Solved", the final score and "Play Again", on a
// floating glass card centred at (187.5, 190) x S. It covers only its own
// card, so the rest of the board stays visible.

#include "graphics/Appearance.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace murvane::board {

class BoardContext;

class GameSolvedOverlay : public QWidget {
    Q_OBJECT
public:
    GameSolvedOverlay(BoardContext& board, QWidget* parent);

    void applyScale(qreal scale, const graphics::Appearance& appearance);
    void refresh();
    QPushButton* playAgainButton() const { return playAgain_; }
    QLabel* finalScoreLabel() const { return score_; }
    // The glass card, in this widget's coordinates.
    QRectF cardRect() const;

Q_SIGNALS:
    // Play Again was pressed; the board deals, when its input gate lets it.
    void playAgainRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void place();

    const BoardContext& board_;
    QLabel* emoji_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* score_ = nullptr;
    QLabel* deal_ = nullptr; // "Deal 4242" or "Today's Deal, 8 December" when played by number
    QVBoxLayout* texts_ = nullptr;
    QPushButton* playAgain_ = nullptr;
    qreal scale_ = 1;
    graphics::Appearance appearance_;
};

} // namespace murvane::board
