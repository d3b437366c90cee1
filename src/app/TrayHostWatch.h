#pragma once
// Whether the desktop has a tray host for the game's icon, and when one turns
// up later (a panel that starts after the game, as at login). Either kind
// counts: an XEmbed tray (an X client owning the `_NET_SYSTEM_TRAY_S<n>`
// selection) or a StatusNotifierItem host (the `org.kde.StatusNotifierWatcher`
// service reporting a registered host).
//
// Qt chooses its tray protocol once, on the first use of its tray API, and
// never looks again; the shell therefore asks this watch first and touches
// QSystemTrayIcon only once a host exists, so Qt then chooses the right one.

#include <QObject>

#include <memory>

namespace murvane::app {

class TrayHostWatch : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual bool hostPresent() const = 0;

Q_SIGNALS:
    // A tray host has come up (it may be reported more than once).
    void hostAppeared();
};

// The desktop's own hosts, watched through X events and session-bus
// signals (no polling). Needs a QGuiApplication; on a platform without X the
// XEmbed half reports nothing.
std::unique_ptr<TrayHostWatch> makeDesktopTrayHostWatch();

} // namespace murvane::app
