#pragma once
// The card-back picker of Preferences: one swatch per theme in an adaptive
// grid (columns at least t x 48 wide, 10 apart), the chosen theme ringed in
// the accent colour. Swatches take keyboard focus by Tab only (a click
// chooses without moving focus); the arrow keys move focus across the grid
// and Space or Return chooses. The focused swatch carries its own ring, so
// the grid shows where focus is without the style's focus frame.

#include "cards/Settings.h"

#include <QAbstractButton>
#include <QList>

#include <optional>

namespace murvane {

class SolitaireGame;

namespace screens {

class CardSwatch : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr qreal kCardScale = 0.95;   // of t
    static constexpr qreal kRingRadius = 5;
    static constexpr qreal kRingWidth = 2.5;
    static constexpr qreal kFocusRingRadius = 7;
    static constexpr qreal kFocusRingWidth = 2;
    static constexpr qreal kFocusRingOutset = 3;
    // Room around the card for the rings and the shadow, fixed.
    static constexpr int kMargin = 5;

    CardSwatch(CardBackTheme theme, qreal textScale, QWidget* parent = nullptr);

    CardBackTheme theme() const { return theme_; }
    bool isSelected() const { return selected_; }
    void setSelected(bool selected);
    // The card's frame inside the swatch.
    QRectF cardRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    void focusChanged(bool hasFocus);
    // An arrow key while focused; the grid moves focus.
    void arrowPressed(int key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    CardBackTheme theme_;
    qreal scale_ = 1;
    bool selected_ = false;
};

class CardBackGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr qreal kMinColumnWidth = 48; // times t
    static constexpr int kSpacing = 10;          // fixed, between columns and rows
    static constexpr int kVerticalPadding = 4;   // fixed, above and below

    CardBackGrid(SolitaireGame& game, qreal textScale, QWidget* parent = nullptr);

    const QList<CardSwatch*>& swatches() const { return swatches_; }
    CardSwatch* swatch(CardBackTheme theme) const;
    // The theme of the swatch holding keyboard focus, if any.
    std::optional<CardBackTheme> focusedTheme() const { return focusedTheme_; }
    // Columns that fit in `width`, at least one.
    int columnCount(int width) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void refreshSelection();
    void layoutSwatches();
    void moveFocus(CardSwatch* from, int key);

    SolitaireGame& game_;
    qreal scale_ = 1;
    QList<CardSwatch*> swatches_;
    std::optional<CardBackTheme> focusedTheme_;
};

} // namespace screens
} // namespace murvane
