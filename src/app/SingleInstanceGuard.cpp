#include "SingleInstanceGuard.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

namespace murvane::app {

namespace {
constexpr QByteArrayView kShowRequest = "show\n";

QString runtimeDirectory()
{
    // The runtime directory is private to the user and the session; fall back
    // to the temporary directory with the user id in the name.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime;
    return QDir::tempPath();
}
} // namespace

SingleInstanceGuard::SingleInstanceGuard(QString key, QObject* parent)
    : QObject(parent)
    , key_(std::move(key))
{
    const QString base = runtimeDirectory() + QLatin1Char('/') + key_;
    lockPath_ = base + QStringLiteral(".lock");
    socketPath_ = base + QStringLiteral(".socket");
}

SingleInstanceGuard::~SingleInstanceGuard()
{
    if (server_)
        server_->close();
}

QString SingleInstanceGuard::defaultKey()
{
    return QStringLiteral("murvane-solitaire-%1").arg(::getuid());
}

QString SingleInstanceGuard::serverName() const
{
    return server_ && server_->isListening() ? server_->fullServerName() : QString();
}

SingleInstanceGuard::Role SingleInstanceGuard::claim(int handoverTimeoutMs)
{
    if (role_ == Role::primary)
        return role_;
    auto lock = std::make_unique<QLockFile>(lockPath_);
    // A lock left by a process that died is stale and taken over at once.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        lock_ = std::move(lock);
        role_ = Role::primary;
        startListening();
        return role_;
    }
    if (lock->error() != QLockFile::LockFailedError) {
        // The lock cannot be created at all (unwritable directory): better two
        // instances than a game that cannot start.
        role_ = Role::primary;
        startListening();
        return role_;
    }
    handOver(handoverTimeoutMs);
    role_ = Role::secondary;
    return role_;
}

void SingleInstanceGuard::startListening()
{
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so any socket file left here is a dead instance's.
    QLocalServer::removeServer(socketPath_);
    if (!server_->listen(socketPath_))
        return; // still the primary; later launches just cannot reach us
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                // Requests are tiny; anything that is not ours is ignored.
                if (!socket->canReadLine() && socket->bytesAvailable() < qint64(kShowRequest.size()))
                    return;
                const QByteArray line = socket->read(64);
                socket->disconnectFromServer();
                if (line.startsWith(QByteArrayView(kShowRequest).chopped(1)))
                    Q_EMIT activationRequested();
            });
        }
    });
}

bool SingleInstanceGuard::handOver(int timeoutMs)
{
    // The primary may still be starting up and not listening yet; retry
    // briefly until the deadline.
    QDeadlineTimer deadline(timeoutMs);
    while (true) {
        QLocalSocket socket;
        socket.connectToServer(socketPath_);
        if (socket.waitForConnected(int(std::max<qint64>(1, deadline.remainingTime())))) {
            socket.write(kShowRequest.data(), kShowRequest.size());
            const bool written = socket.waitForBytesWritten(int(std::max<qint64>(1, deadline.remainingTime())));
            socket.disconnectFromServer();
            return written;
        }
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
}

} // namespace murvane::app
