#pragma once
// Play Deal: a card over the dimmed panel (see ModalCard) with one field for
// a deal number or a deal code, and Cancel and Play. Play is the default
// button: Return plays (on Cancel it cancels), Escape (or a click on the
// backdrop) cancels. Input that is not a deal shows why under
// the field and plays nothing. The owner reacts to `cancelled` or `chosen`.

#include "engine/DealOrigin.h"
#include "screens/ModalCard.h"

class QLabel;
class QLineEdit;

namespace murvane::screens {

class PlayDealDialog : public ModalCard {
    Q_OBJECT
public:
    PlayDealDialog(qreal scale, QWidget* parent);

    QLineEdit* field() const { return field_; }
    QLabel* errorLabel() const { return error_; }
    GlassButton* playButton() const { return actionButton(); }
    // Reads the field: a deal emits `chosen`; anything else shows its message.
    void submit();

Q_SIGNALS:
    void chosen(const murvane::DealRequest& request);

protected:
    void applyContentScale(qreal s, const graphics::ChromePalette& palette) override;
    QWidget* initialFocus() const override;

private:
    void showError(const QString& message);

    QLineEdit* field_ = nullptr;
    QLabel* error_ = nullptr;
};

} // namespace murvane::screens
