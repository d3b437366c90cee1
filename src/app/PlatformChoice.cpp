#include "PlatformChoice.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstring>

namespace murvane::app {

namespace {

constexpr char kPlatformVariable[] = "QT_QPA_PLATFORM";

// Set by applyPlatformChoice when it wrote the variable itself.
bool s_wrotePlatformVariable = false;

bool isPlatformArgument(const char* arg)
{
    // Qt takes one or two dashes, with the value in the next argument or
    // after '='.
    if (std::strncmp(arg, "--", 2) == 0)
        ++arg;
    return std::strcmp(arg, "-platform") == 0 || std::strncmp(arg, "-platform=", 10) == 0;
}

void forgetWrittenPlatform()
{
    if (s_wrotePlatformVariable) {
        qunsetenv(kPlatformVariable);
        s_wrotePlatformVariable = false;
    }
}

} // namespace

// Runs once the application object exists, after Qt has loaded its platform.
Q_COREAPP_STARTUP_FUNCTION(forgetWrittenPlatform)

PlatformEnvironment readPlatformEnvironment(int argc, const char* const* argv)
{
    PlatformEnvironment environment;
    environment.waylandDisplay = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    environment.x11Display = !qEnvironmentVariableIsEmpty("DISPLAY");
    environment.userChosePlatform = !qEnvironmentVariableIsEmpty(kPlatformVariable);
    for (int i = 1; i < argc && argv && argv[i]; ++i)
        environment.userChosePlatform = environment.userChosePlatform || isPlatformArgument(argv[i]);
    return environment;
}

QByteArray choosePlatform(const PlatformEnvironment& environment)
{
    if (environment.userChosePlatform || !environment.waylandDisplay)
        return {};
    // XWayland first, so the panel hangs under its icon as on X11; native
    // Wayland when the X server is missing or refuses us.
    if (environment.x11Display)
        return QByteArrayLiteral("xcb;wayland");
    // No XWayland: Qt might still try X11 (the session type may be unset)
    // and abort, so name Wayland outright.
    return QByteArrayLiteral("wayland;xcb");
}

void applyPlatformChoice(int argc, char** argv)
{
    const QByteArray platform = choosePlatform(readPlatformEnvironment(argc, argv));
    if (platform.isEmpty())
        return;
    s_wrotePlatformVariable = qputenv(kPlatformVariable, platform);
}

PanelWindow::Style trayPanelStyle()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ? PanelWindow::Style::frameless
                                                                                  : PanelWindow::Style::popup;
}

} // namespace murvane::app
