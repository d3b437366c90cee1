#pragma once
// One running instance per user session. The first process to take the lock
// listens on a local socket; a later process finds the lock held, asks the
// running one to show its panel, and steps aside without touching anything
// else (in particular not the settings store). Use before opening the store.
// The socket is a plain Unix-domain one: the check runs before the tray icon
// goes up, and a networking library would cost launch time and resident
// memory for the rest of the session.

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

namespace murvane::app {

class SingleInstanceGuard : public QObject {
    Q_OBJECT
public:
    enum class Role { primary, secondary };

    // `key` names the instance slot; the default one is per user and per
    // runtime directory, so separate sessions (and tests) do not collide.
    explicit SingleInstanceGuard(QString key = defaultKey(), QObject* parent = nullptr);
    ~SingleInstanceGuard() override;

    static QString defaultKey();

    // Takes the slot or hands over to the running instance. A secondary has
    // already asked the primary to show its panel when this returns (if the
    // primary answered within `handoverTimeoutMs`). Never blocks longer than
    // about that timeout.
    Role claim(int handoverTimeoutMs = 2000);

    // The socket the primary listens on (empty when listening failed).
    QString serverName() const;

Q_SIGNALS:
    // Another launch asked the running instance to show itself.
    void activationRequested();

private:
    void startListening();
    void acceptRequests();
    bool handOver(int timeoutMs);

    QString key_;
    QString lockPath_;
    QString socketPath_;
    std::unique_ptr<QLockFile> lock_;
    int listener_ = -1;
    QSocketNotifier* accepting_ = nullptr;
    Role role_ = Role::secondary;
};

} // namespace murvane::app
