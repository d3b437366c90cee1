// Program entry: hands control to the event loop with the application.
#include "MurvaneSolitaireApp.h"
#include "TerminationSignals.h"
#include "platform/PopupAccessibility.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Must precede the application object, or screen readers never see the
    // popup panel.
    murvane::installPopupAwareAccessibility();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Murvane Solitaire"));
    QApplication::setOrganizationName(QStringLiteral("Kestrune"));

    murvane::app::MurvaneSolitaireApp app;
    if (app.start() == murvane::app::MurvaneSolitaireApp::StartResult::handedOver)
        return 0;
    murvane::app::TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &murvane::app::TerminationSignals::terminationRequested, &application,
                     &QCoreApplication::quit);
    return application.exec();
}
