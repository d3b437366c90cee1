#include "screens/ConfirmationDialog.h"

#include "screens/GlassButton.h"

#include <QKeyEvent>
#include <QVBoxLayout>

namespace murvane::screens {

ConfirmationDialog::ConfirmationDialog(qreal scale, const ConfirmationTexts& texts, QWidget* parent)
    : ModalCard(scale, texts.dialogID, texts.title, texts.message, parent)
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

bool ConfirmationDialog::isCancelKey(int key)
{
    return key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter;
}

void ConfirmationDialog::keyPressEvent(QKeyEvent* event)
{
    if (isCancelKey(event->key())) {
        event->accept();
        Q_EMIT cancelled();
        return;
    }
    ModalCard::keyPressEvent(event);
}

bool ConfirmationDialog::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched == cancelButton() || watched == confirmButton()) &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        // Some platform themes let Return press the focused button; here
        // Return must cancel even while Confirm has the focus.
        auto* key = static_cast<QKeyEvent*>(event);
        if (isCancelKey(key->key())) {
            key->accept();
            if (event->type() == QEvent::KeyPress)
                Q_EMIT cancelled();
            return event->type() == QEvent::KeyPress;
        }
    }
    return ModalCard::eventFilter(watched, event);
}

bool ConfirmationDialog::focusNextPrevChild(bool)
{
    // Keep Tab inside the dialog: it only moves between the two buttons.
    if (cancelButton()->hasFocus())
        confirmButton()->setFocus(Qt::TabFocusReason);
    else
        cancelButton()->setFocus(Qt::TabFocusReason);
    return true;
}

} // namespace murvane::screens
