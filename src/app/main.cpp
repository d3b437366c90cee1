// Program entry: hands control to the event loop with the application.
#include "CommandLine.h"
#include "DisplayGuard.h"
#include "MurvaneSolitaireApp.h"
#include "PlatformChoice.h"
#include "TerminationSignals.h"
#include "graphics/AppIcon.h"
#include "platform/PopupAccessibility.h"
#include "text/Localization.h"

#include <QApplication>

#include <optional>

int main(int argc, char** argv)
{
    // Before Qt picks its platform: on Wayland the panel hangs under its
    // icon only through XWayland.
    murvane::app::applyPlatformChoice(argc, argv);
    // Answered before anything else exists: --help needs no display, and a
    // bad option leaves the settings store alone.
    bool openPanel = false;
    if (const int exitCode = murvane::app::handleCommandLine(argc, argv, &openPanel); exitCode >= 0)
        return exitCode;

    // Must precede the application object, or screen readers never see the
    // popup panel.
    murvane::installPopupAwareAccessibility();
    std::optional<QApplication> application;
    murvane::app::constructWithDisplayGuard(murvane::app::programName(QString::fromLocal8Bit(argv[0])),
                                            [&] { application.emplace(argc, argv); });
    QApplication::setApplicationName(QStringLiteral("Murvane Solitaire"));
    QApplication::setOrganizationName(QStringLiteral("Kestrune"));
    QApplication::setApplicationVersion(QStringLiteral(MURVANE_VERSION));
    // Pairs our windows with the installed desktop entry (and its icon).
    QGuiApplication::setDesktopFileName(QStringLiteral(MURVANE_APP_ID));
    QApplication::setWindowIcon(murvane::graphics::appIconSet());
    // Shortcut key names and standard dialogs in the game's language.
    murvane::installQtTranslations();

    murvane::app::MurvaneSolitaireApp::Options options;
    options.openPanelAtStart = openPanel;
    murvane::app::MurvaneSolitaireApp app(options);
    if (app.start() == murvane::app::MurvaneSolitaireApp::StartResult::handedOver)
        return 0;
    murvane::app::TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &murvane::app::TerminationSignals::terminationRequested, &*application,
                     &QCoreApplication::quit);
    return application->exec();
}
