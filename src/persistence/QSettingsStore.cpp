#include "QSettingsStore.h"

#include "StoreValues.h"

#include <QCoreApplication>
#include <QEvent>

namespace murvane {

namespace {

const QEvent::Type kFlushEvent = QEvent::Type(QEvent::registerEventType());

// Receives the end-of-turn flush request. Dies with the store, and Qt drops
// a request still queued for it.
class TurnEndReceiver final : public QObject {
public:
    explicit TurnEndReceiver(QSettingsStore& store) : store_(store) {}

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
}

QSettingsStore::QSettingsStore(const QString& filePath)
    : settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
    , turnEnd_(std::make_unique<TurnEndReceiver>(*this))
{
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
    settings_->sync();
    ++flushCount_;
}

QString QSettingsStore::fileName() const
{
    return settings_->fileName();
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
