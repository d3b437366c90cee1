#include "SingleInstanceGuard.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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

// The socket's address, or nothing when the path does not fit one.
std::optional<sockaddr_un> socketAddress(const QString& path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.isEmpty() || std::size_t(encoded.size()) >= sizeof(address.sun_path))
        return std::nullopt;
    std::memcpy(address.sun_path, encoded.constData(), std::size_t(encoded.size()));
    return address;
}

int unixSocket()
{
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
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
    if (listener_ < 0)
        return;
    delete accepting_;
    ::close(listener_);
    QFile::remove(socketPath_);
}

QString SingleInstanceGuard::defaultKey()
{
    return QStringLiteral("murvane-solitaire-%1").arg(::getuid());
}

QString SingleInstanceGuard::serverName() const
{
    return listener_ >= 0 ? socketPath_ : QString();
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
    const std::optional<sockaddr_un> address = socketAddress(socketPath_);
    const int fd = address ? unixSocket() : -1;
    if (fd < 0)
        return; // still the primary; later launches just cannot reach us
    // We hold the lock, so any socket file left here is a dead instance's.
    QFile::remove(socketPath_);
    // Only this user may connect: the socket is created without group or
    // other permissions. No other thread runs yet, so the mask is ours.
    const mode_t previousMask = ::umask(S_IRWXG | S_IRWXO);
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof(sockaddr_un)) == 0;
    ::umask(previousMask);
    if (!bound || ::listen(fd, 8) != 0) {
        ::close(fd);
        return;
    }
    listener_ = fd;
    accepting_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(accepting_, &QSocketNotifier::activated, this, &SingleInstanceGuard::acceptRequests);
}

void SingleInstanceGuard::acceptRequests()
{
    while (true) {
        const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection < 0)
            return;
        // Requests are tiny; the connection closes once one is read, its
        // sender hangs up, or more arrives than a request can be. Anything
        // that is not ours is ignored.
        auto* reading = new QSocketNotifier(connection, QSocketNotifier::Read, this);
        auto received = std::make_shared<QByteArray>();
        connect(reading, &QSocketNotifier::activated, this, [this, reading, connection, received] {
            char buffer[64];
            ssize_t n = 0;
            while ((n = ::read(connection, buffer, sizeof buffer)) > 0 && received->size() < kShowRequest.size())
                received->append(buffer, qsizetype(std::min<ssize_t>(n, kShowRequest.size() - received->size())));
            const bool waitForMore = n < 0 && (errno == EAGAIN || errno == EINTR) && received->size() < kShowRequest.size();
            if (waitForMore)
                return;
            reading->setEnabled(false);
            reading->deleteLater();
            ::close(connection);
            if (*received == kShowRequest)
                Q_EMIT activationRequested();
        });
    }
}

bool SingleInstanceGuard::handOver(int timeoutMs)
{
    const std::optional<sockaddr_un> address = socketAddress(socketPath_);
    if (!address)
        return false;
    // The primary may still be starting up and not listening yet; retry
    // briefly until the deadline.
    QDeadlineTimer deadline(timeoutMs);
    while (true) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return false;
        // A Unix-domain connection is made or refused at once, and a request
        // this small always fits the socket's buffer.
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&*address), sizeof(sockaddr_un)) == 0) {
            const bool written = ::write(fd, kShowRequest.data(), std::size_t(kShowRequest.size())) == kShowRequest.size();
            ::close(fd);
            return written;
        }
        ::close(fd);
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
}

} // namespace murvane::app
