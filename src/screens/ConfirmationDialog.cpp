#include "screens/ConfirmationDialog.h"

#include "screens/GlassButton.h"

#include <QVBoxLayout>

namespace murvane::screens {

ConfirmationDialog::ConfirmationDialog(qreal scale, const ConfirmationTexts& texts, QWidget* parent)
    : ModalCard(scale, DefaultButton::cancel, texts.dialogID, texts.title, texts.message, parent)
{
    cardLayout()->setAlignment(Qt::AlignHCenter);
    GlassButton* cancel = cancelButton();
    cancel->setText(texts.cancelTitle);
    cancel->setObjectName(texts.cancelID);
    cancel->setAccessibleName(texts.cancelTitle);
    cancel->setButtonStyle(GlassButton::Style::prominent);
    GlassButton* confirm = confirmButton();
    confirm->setText(texts.confirmTitle);
    confirm->setObjectName(texts.confirmID);
    confirm->setAccessibleName(texts.confirmTitle);
    confirm->setDestructive(true);
    connect(confirm, &QAbstractButton::clicked, this, &ConfirmationDialog::confirmed);

    setTabOrder(cancel, confirm);
    // Focusing the dialog (as owners do after showing it) lands on Cancel,
    // the default action.
    setFocusProxy(cancel);
    applyScale();
}

QWidget* ConfirmationDialog::initialFocus() const
{
    // The default action sits on Cancel, so keyboard focus starts there.
    return cancelButton();
}

} // namespace murvane::screens
