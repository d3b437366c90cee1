#pragma once
// The card every dialog over the panel is: a dimmed backdrop filling its
// parent widget, and a centred glass card with a title, a message, whatever
// the dialog adds below them, and a row of two buttons (Cancel and the
// dialog's action). The confirmation and the Play Deal dialogs build on it.
//
// - It is a child overlay, not a window: it fills its parent and follows
//   its size.
// - A click on the backdrop (pressed and released outside the card)
//   cancels; presses never reach what lies beneath.
// - Keys, the same in every dialog: Escape cancels; Return and Enter press
//   the dialog's default button, or Cancel when the keyboard is on it (so
//   Return never acts where the player did not aim, whatever the platform
//   theme lets buttons do); Space presses the focused button; Tab and
//   Backtab cycle the card's controls and never leave the card.
// - It never hides or deletes itself: the owner reacts to `cancelled` (or
//   the dialog's own answer) by discarding it (deleteLater is safe from
//   inside the signal).
// - Lengths are logical pixels at scale 1 times `scale` (the board scale).

#include "screens/ScreenStyle.h"

#include <QString>
#include <QWidget>

class QLabel;
class QVBoxLayout;
class QHBoxLayout;

namespace murvane::screens {

class GlassButton;

class ModalCard : public QWidget {
    Q_OBJECT
public:
    // Layout at scale 1.
    static constexpr qreal kCardWidth = 260;
    static constexpr qreal kCardPadding = 18;
    static constexpr qreal kSpacing = 10;
    static constexpr qreal kTitleSize = 14;
    static constexpr qreal kMessageSize = 11;
    static constexpr qreal kButtonTextSize = 11;
    static constexpr qreal kBackdropOpacity = 0.25;

    qreal scale() const { return scale_; }
    void setScale(qreal scale);

    QWidget* card() const { return card_; }
    GlassButton* cancelButton() const { return cancelButton_; }
    QString title() const;
    QString message() const;

Q_SIGNALS:
    void cancelled();

protected:
    // Which button Return presses.
    enum class DefaultButton { cancel, action };

    // Texts arrive localized; the card's identifier becomes its object name.
    ModalCard(qreal scale, DefaultButton defaultButton, const QString& cardID, const QString& title,
              const QString& message, QWidget* parent);

    GlassButton* actionButton() const { return actionButton_; }
    // Adds a widget below the message, above the buttons; its keys are the
    // card's (see above).
    void addContent(QWidget* widget);
    QVBoxLayout* cardLayout() const { return cardLayout_; }
    // Lays the card out at the current scale and look; dialogs call it once
    // their own parts exist, and it runs again on every change of either.
    void applyScale();
    // Fits the card to its contents, centred.
    void placeCard();

    // The dialog's own parts at scale `s`.
    virtual void applyContentScale(qreal s, const graphics::ChromePalette& palette);
    // Where the keyboard starts when the card shows.
    virtual QWidget* initialFocus() const = 0;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Escape, Return and Enter, wherever in the card they arrive; true when
    // taken. `from` is the widget that holds the keyboard.
    bool takeKey(QKeyEvent* event, const QObject* from);
    // The card's controls that Tab visits, in tab order.
    QList<QWidget*> tabChain() const;

    DefaultButton defaultButton_;
    qreal scale_ = 1;
    GlassSurface* card_ = nullptr;
    QVBoxLayout* cardLayout_ = nullptr;
    QHBoxLayout* buttonRow_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QLabel* messageLabel_ = nullptr;
    GlassButton* cancelButton_ = nullptr;
    GlassButton* actionButton_ = nullptr;
    bool pressOnBackdrop_ = false;
};

} // namespace murvane::screens
