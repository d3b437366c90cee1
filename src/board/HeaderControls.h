#pragma once
// The small painted controls of the header: a circular glass button with a
// symbol (and a one-shot bounce), the counting score and the title that
// shrinks before it is cut.

#include "graphics/Appearance.h"

#include <QAbstractButton>
#include <QVariantAnimation>
#include <QWidget>

#include <cstdint>
#include <functional>

class QFocusEvent;
class QPainter;

namespace murvane::board {

class BoardContext;

// Keyboard focus on a board button shows as it does on the piles: a ring in
// the palette's focus colour while the button holds the focus and the board
// shows keyboard focus. Tab onto a button is keyboard use, as onto a pile, so
// it turns the board's ring on; the pointer turns it off.
bool showsFocusRing(const QWidget& button, const BoardContext& board);
void noteButtonFocusIn(BoardContext& board, const QFocusEvent& event);
// The ring, kFocusRingWidth wide, just inside `outline` (a capsule of
// corner `radius`).
void paintButtonFocusRing(QPainter& painter, const QRectF& outline, qreal radius,
                          const graphics::Appearance& appearance);

// How every button on the board takes keys: Return and Enter press it as
// Space does (a button outside a dialog ignores them), and arrows are left to
// the board, which sends them to the piles, where a plain button would walk
// the focus chain. True when the key was dealt with here.
bool takeBoardButtonKey(QAbstractButton& button, QKeyEvent* event);

class RoundSymbolButton : public QAbstractButton {
    Q_OBJECT
public:
    RoundSymbolButton(const QString& symbol, BoardContext& board, QWidget* parent);

    void setScale(qreal scale);
    void setAppearance(const graphics::Appearance& appearance);
    // One bounce of the symbol; does nothing when `animated` is false.
    void bounce(bool animated);
    bool isBouncing() const { return bounce_.state() == QAbstractAnimation::Running; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Keys as takeBoardButtonKey says.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    BoardContext& board_;
    QString symbol_;
    qreal scale_ = 1;
    graphics::Appearance appearance_;
    QVariantAnimation bounce_;
};

// The score, counting from the shown value to the new one.
class ScoreLabel : public QWidget {
    Q_OBJECT
public:
    using Formatter = std::function<QString(std::int64_t)>;
    explicit ScoreLabel(QWidget* parent);

    void setFormatter(Formatter formatter);
    void setScale(qreal scale);
    void setColor(const QColor& color);
    // Counts towards `value`, or jumps there when `animated` is false.
    void setValue(std::int64_t value, bool animated);
    std::int64_t value() const { return target_; }
    std::int64_t shownValue() const { return shown_; }
    QString text() const;
    QVariantAnimation& animation() { return counter_; }

    QSize sizeHint() const override;
    // Never narrower than its text: the title beside it gives way instead.
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont labelFont() const;
    Formatter format_;
    qreal scale_ = 1;
    QColor color_;
    std::int64_t target_ = 0;
    std::int64_t shown_ = 0;
    std::int64_t from_ = 0;
    QVariantAnimation counter_;
};

// One line of text that shrinks smoothly, down to `minimumFactor` of its
// size, before it is cut with an ellipsis. It may be squeezed below its
// natural width; the rest of the row keeps its own.
class FittedLabel : public QWidget {
    Q_OBJECT
public:
    explicit FittedLabel(QWidget* parent);

    void setText(const QString& text);
    QString text() const { return text_; }
    void setBaseFont(const QFont& font);
    void setColor(const QColor& color);
    // The text's width at the base font, in logical pixels.
    qreal naturalWidth() const;
    // How much the text is scaled down to fit the current width: 1 when it
    // fits, never below the minimum factor (the text is cut there).
    qreal fittedFactor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QFont base_;
    QColor color_;
    static constexpr qreal kMinimumFactor = 0.85;
};

} // namespace murvane::board
