#include "screens/ScreenBodies.h"

#include "screens/InfoScreens.h"
#include "screens/ModalScreenView.h"
#include "screens/PreferencesScreen.h"
#include "screens/StatisticsScreen.h"

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
    switch (host.screen()) {
    case ModalScreen::preferences: return makePreferencesBody(host, parent);
    case ModalScreen::statistics: return makeStatisticsBody(host, parent);
    case ModalScreen::howToPlay: return makeHowToPlayBody(host, parent);
    case ModalScreen::about: return makeAboutBody(host, parent);
    }
    return nullptr;
}

} // namespace murvane::screens
