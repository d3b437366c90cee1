#pragma once
// Launch at login through the desktop's per-user autostart folder
// ($XDG_CONFIG_HOME/autostart, see the XDG autostart convention): our entry
// there, named after the application id, starts this executable when the user logs in.
//
// Status, read from the folder every time it is asked:
// - enabled: our entry exists and runs this executable;
// - requiresApproval: it does, but the desktop's startup settings turned it
//   off (Hidden=true or X-GNOME-Autostart-enabled=false);
// - notRegistered: no entry, or one that is unreadable, foreign, or runs
//   another executable (a moved or rebuilt copy);
// - notFound: this executable's path is unknown, or no autostart folder can
//   be created or written.
//
// Writes are atomic (a temporary file renamed into place), so a failure never
// leaves a half-written entry. Only the file named kEntryFileName is ever
// written or removed; every other entry in the folder belongs to somebody else.

#include <QByteArray>
#include <QString>

#ifndef MURVANE_APP_ID
#define MURVANE_APP_ID "com.kestrune.MurvaneSolitaire"
#endif

namespace murvane {

class LoginItemService {
public:
    enum class Status { notRegistered, enabled, requiresApproval, notFound };

    // The application id names the entry, as it names the installed launcher.
    static constexpr const char* kAppId = MURVANE_APP_ID;
    static constexpr const char* kEntryFileName = MURVANE_APP_ID ".desktop";
    // Entries larger than this are not ours and are not read.
    static constexpr qint64 kMaxEntrySize = 64 * 1024;

    // The user's autostart folder and this executable.
    LoginItemService();
    LoginItemService(QString autostartDirectory, QString executablePath);

    Status status() const;
    // Writes (or rewrites) our entry for this executable; false on failure.
    // ("register" itself is a reserved word.)
    bool registerLoginItem();
    // Removes our entry if it runs this executable; an entry that does not is
    // left alone. False only when a removal failed.
    bool unregisterLoginItem();

    QString autostartDirectory() const { return directory_; }
    QString entryPath() const;

    static QString defaultAutostartDirectory();
    // The desktop entry that starts `executable`; empty when the path cannot
    // be written into one (empty, relative, or holding control characters).
    static QByteArray entryContents(const QString& executable);
    // The program an entry's Exec value runs (its first argument, unquoted
    // and unescaped); empty when there is none.
    static QString programOfExec(const QString& exec);

private:
    bool directoryUsable() const;

    QString directory_;
    QString executable_;
};

QString toString(LoginItemService::Status status);

} // namespace murvane
