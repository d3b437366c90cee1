#pragma once
// Which Qt platform the game runs on. On a Wayland session the panel cannot
// be placed under its tray icon, nor closed by an outside click, because a
// parentless popup becomes an ordinary top-level there. Where XWayland is
// available the game therefore runs as an X client; the user's own choice
// (QT_QPA_PLATFORM, or -platform on the command line) always wins.

#include "PanelWindow.h"

#include <QByteArray>

namespace murvane::app {

// What the decision depends on, read from the environment and the command
// line. Empty environment variables count as unset.
struct PlatformEnvironment {
    bool waylandDisplay = false; // WAYLAND_DISPLAY
    bool x11Display = false;     // DISPLAY
    bool userChosePlatform = false; // QT_QPA_PLATFORM, or -platform / --platform
};

PlatformEnvironment readPlatformEnvironment(int argc, const char* const* argv);

// The platform list to hand to Qt, or an empty array to leave Qt's own
// choice alone. The list names a fallback, so a DISPLAY that points nowhere
// still ends on native Wayland instead of in an abort.
QByteArray choosePlatform(const PlatformEnvironment& environment);

// Applies the choice for this process; call at the very top of main(),
// before the application object exists. The variable it sets is removed
// again once Qt has read it, so programs the game starts (a browser) make
// their own choice.
void applyPlatformChoice(int argc, char** argv);

// The tray panel's style on the running platform: a popup where the program
// can place it and grab the pointer (X11), a frameless top-level that the
// compositor places elsewhere (native Wayland). Needs a QGuiApplication.
PanelWindow::Style trayPanelStyle();

} // namespace murvane::app
