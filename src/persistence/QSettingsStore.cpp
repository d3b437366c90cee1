#include "QSettingsStore.h"

#include "StoreValues.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace murvane {

namespace {

const QEvent::Type kFlushEvent = QEvent::Type(QEvent::registerEventType());

// Receives the end-of-turn flush request. Dies with the store, and Qt drops
// a request still queued for it. Also keeps QSettings from syncing on its own
// after a change: every write to disk goes through flush(), which clears an
// abandoned lock first and is counted.
class TurnEndReceiver final : public QObject {
public:
    explicit TurnEndReceiver(QSettingsStore& store) : store_(store) {}

    bool eventFilter(QObject* watched, QEvent* e) override
    {
        return e->type() == QEvent::UpdateRequest || QObject::eventFilter(watched, e);
    }

    bool event(QEvent* e) override
    {
        if (e->type() != kFlushEvent)
            return QObject::event(e);
        store_.flush();
        return true;
    }

private:
    QSettingsStore& store_;
};

} // namespace

QSettingsStore::QSettingsStore()
    : settings_(std::make_unique<QSettings>(
        QSettings::NativeFormat, QSettings::UserScope, kOrganization, kApplication))
    , turnEnd_(std::make_unique<TurnEndReceiver>(*this))
{
    settings_->installEventFilter(turnEnd_.get());
}

QSettingsStore::QSettingsStore(const QString& filePath)
    : settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
    , turnEnd_(std::make_unique<TurnEndReceiver>(*this))
{
    settings_->installEventFilter(turnEnd_.get());
}

QSettingsStore::~QSettingsStore()
{
    flush();
}

std::int64_t QSettingsStore::integerForKey(const QString& key) const
{
    return storevalues::toInteger(settings_->value(key));
}

bool QSettingsStore::boolForKey(const QString& key) const
{
    return storevalues::toBool(settings_->value(key));
}

bool QSettingsStore::hasObjectForKey(const QString& key) const
{
    return settings_->contains(key);
}

std::optional<QString> QSettingsStore::stringForKey(const QString& key) const
{
    return storevalues::toString(settings_->value(key));
}

std::optional<QByteArray> QSettingsStore::dataForKey(const QString& key) const
{
    return storevalues::toData(settings_->value(key));
}

void QSettingsStore::setInteger(const QString& key, std::int64_t value)
{
    settings_->setValue(key, qlonglong(value));
    noteWrite();
}

void QSettingsStore::setBool(const QString& key, bool value)
{
    settings_->setValue(key, value);
    noteWrite();
}

void QSettingsStore::setString(const QString& key, const QString& value)
{
    settings_->setValue(key, value);
    noteWrite();
}

void QSettingsStore::setData(const QString& key, const QByteArray& value)
{
    settings_->setValue(key, value);
    noteWrite();
}

void QSettingsStore::removeObject(const QString& key)
{
    settings_->remove(key);
    noteWrite();
}

void QSettingsStore::flush()
{
    if (!pending_)
        return;
    pending_ = false;
    removeAbandonedLock(settings_->fileName());
    settings_->sync();
    ++flushCount_;
}

QString QSettingsStore::fileName() const
{
    return settings_->fileName();
}

bool QSettingsStore::removeAbandonedLock(const QString& settingsFile)
{
#ifdef Q_OS_UNIX
    // A live holder keeps an exclusive flock on the lock file for as long as
    // it holds the lock; the kernel drops it when the holder dies. Whoever
    // can take it finds the lock abandoned.
    const QByteArray path = QFile::encodeName(settingsFile + QStringLiteral(".lock"));
    const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool abandoned = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    const bool removed = abandoned && ::unlink(path.constData()) == 0;
    ::close(fd);
    return removed;
#else
    Q_UNUSED(settingsFile);
    return false;
#endif
}

void QSettingsStore::noteWrite()
{
    if (pending_)
        return;
    pending_ = true;
    // Without an application (tools, some tests) there is no turn to wait
    // for: write through at once.
    if (QCoreApplication::instance() == nullptr) {
        flush();
        return;
    }
    // Low priority: work the turn has already queued (the game's own save
    // task among it) runs first, and its writes join this same flush.
    QCoreApplication::postEvent(turnEnd_.get(), new QEvent(kFlushEvent), Qt::LowEventPriority);
}

} // namespace murvane
