#include "screens/ScreenBodies.h"

#include "platform/Localization.h"
#include "screens/ModalScreenView.h"
#include "screens/ScreenBlocks.h"

#include <QLabel>
#include <QVBoxLayout>

namespace murvane::screens {

QWidget* makeBodyContainer(ModalScreen screen, QWidget* parent, QBoxLayout** layout)
{
    auto* container = new QWidget(parent);
    auto* column = new QVBoxLayout(container);
    column->setContentsMargins(0, 0, 0, 0);
    switch (screen) {
    case ModalScreen::preferences:
    case ModalScreen::howToPlay:
        column->setSpacing(14);
        column->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
        break;
    case ModalScreen::about:
        column->setSpacing(4);
        column->setAlignment(Qt::AlignTop);
        break;
    case ModalScreen::statistics:
        column->setSpacing(0);
        column->setAlignment(Qt::AlignTop);
        break;
    }
    if (layout)
        *layout = column;
    return container;
}

QWidget* makeScreenBody(ModalScreenView& host, QWidget* parent)
{
    // Until the real bodies land, each screen shows its name.
    QBoxLayout* column = nullptr;
    QWidget* body = makeBodyContainer(host.screen(), parent, &column);
    auto* label = new QLabel(localizedString(rawValue(host.screen())), body);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    setPrimaryColour(label);
    column->addWidget(label);
    column->addStretch(1);
    return body;
}

} // namespace murvane::screens
