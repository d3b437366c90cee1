#pragma once
// Play Deal: a card over the dimmed panel, in the style of the confirmation
// dialog, with one field for a deal number or a deal code, and Cancel and
// Play. Return plays, Escape (or a click on the backdrop) cancels. Input that
// is not a deal shows why under the field and plays nothing.
//
// Like ConfirmationDialog it never hides or deletes itself: the owner reacts
// to `cancelled` or `chosen`.

#include "engine/DealOrigin.h"
#include "screens/ScreenStyle.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QVBoxLayout;
class QHBoxLayout;

namespace murvane::screens {

class GlassButton;

class PlayDealDialog : public QWidget {
    Q_OBJECT
public:
    PlayDealDialog(qreal scale, QWidget* parent);

    void setScale(qreal scale);
    QLineEdit* field() const { return field_; }
    QLabel* errorLabel() const { return error_; }
    GlassButton* playButton() const { return play_; }
    GlassButton* cancelButton() const { return cancel_; }
    // Reads the field: a deal emits `chosen`; anything else shows its message.
    void submit();

Q_SIGNALS:
    void cancelled();
    void chosen(const murvane::DealRequest& request);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyScale();
    void placeCard();
    void showError(const QString& message);

    qreal scale_ = 1;
    GlassSurface* card_ = nullptr;
    QVBoxLayout* cardLayout_ = nullptr;
    QHBoxLayout* buttonRow_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* message_ = nullptr;
    QLineEdit* field_ = nullptr;
    QLabel* error_ = nullptr;
    GlassButton* cancel_ = nullptr;
    GlassButton* play_ = nullptr;
};

} // namespace murvane::screens
