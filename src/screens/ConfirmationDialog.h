#pragma once
// A yes/no question laid over part of the panel: a dimmed backdrop filling its
// parent widget, and a centred glass card with a title, a message and two
// buttons (cancel first and default, confirm second, drawn as destructive).
//
// Contract:
// - It is a child overlay, not a window: construct it with the widget to
//   cover as parent; it fills that widget and follows its size.
// - Return, Enter and Escape cancel; so does a click on the backdrop. Only
//   the confirm button (clicked, or activated with Space while focused)
//   confirms.
// - It never hides or deletes itself: the owner reacts to `cancelled` or
//   `confirmed` by clearing its own flag and discarding the dialog
//   (deleteLater is safe from inside either signal).
// - All strings arrive already localized; the IDs become object names, which
//   is how automation finds them on this platform.
// - Lengths are logical pixels at scale 1 times `scale` (the board scale).

#include "screens/ScreenStyle.h"

#include <QPointer>
#include <QString>
#include <QWidget>

class QLabel;
class QVBoxLayout;
class QHBoxLayout;

namespace murvane::screens {

class GlassButton;

// What a confirmation dialog says, and the identifiers automation finds its
// parts by. Texts arrive localized; identifiers never are.
struct ConfirmationTexts {
    QString title;
    QString message;
    QString dialogID;
    QString cancelTitle;
    QString cancelID;
    QString confirmTitle;
    QString confirmID;
};

class ConfirmationDialog : public QWidget {
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

    ConfirmationDialog(qreal scale, const ConfirmationTexts& texts, QWidget* parent);

    qreal scale() const { return scale_; }
    void setScale(qreal scale);

    QWidget* card() const { return card_; }
    GlassButton* cancelButton() const { return cancelButton_; }
    GlassButton* confirmButton() const { return confirmButton_; }
    QString title() const;
    QString message() const;

Q_SIGNALS:
    void cancelled();
    void confirmed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void applyScale();
    void placeCard();
    bool isCancelKey(int key) const;

    qreal scale_ = 1;
    GlassSurface* card_ = nullptr;
    QVBoxLayout* cardLayout_ = nullptr;
    QHBoxLayout* buttonRow_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QLabel* messageLabel_ = nullptr;
    GlassButton* cancelButton_ = nullptr;
    GlassButton* confirmButton_ = nullptr;
    bool pressOnBackdrop_ = false;
};

} // namespace murvane::screens
