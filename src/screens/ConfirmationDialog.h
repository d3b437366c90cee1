#pragma once
// A yes/no question laid over part of the panel (see ModalCard): a title, a
// message and two buttons, cancel first and default, confirm second, drawn
// as destructive.
//
// Contract:
// - Cancel is the default button: Return, Enter and Escape cancel (the
//   card's keys, see ModalCard); so does a click on the backdrop. Only the
//   confirm button (clicked, or pressed with Space while focused) confirms.
// - All strings arrive already localized; the IDs become object names, which
//   is how automation finds them on this platform.

#include "screens/ModalCard.h"

namespace murvane::screens {

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

class ConfirmationDialog : public ModalCard {
    Q_OBJECT
public:
    ConfirmationDialog(qreal scale, const ConfirmationTexts& texts, QWidget* parent);

    GlassButton* confirmButton() const { return actionButton(); }

Q_SIGNALS:
    void confirmed();

protected:
    QWidget* initialFocus() const override;
};

} // namespace murvane::screens
