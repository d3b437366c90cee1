#include "QSettingsStore.h"

#include "StoreValues.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMetaObject>
#include <QThread>

namespace murvane {

QSettingsStore::QSettingsStore()
    : settings_(std::make_unique<QSettings>(
        QSettings::NativeFormat, QSettings::UserScope, kOrganization, kApplication))
    , turnEnd_(std::make_unique<QObject>())
{
}

QSettingsStore::QSettingsStore(const QString& filePath)
    : settings_(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
    , turnEnd_(std::make_unique<QObject>())
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
    // Without an application (tools, some tests) or off the store's thread
    // there is no turn to wait for: write through at once.
    if (QCoreApplication::instance() == nullptr || turnEnd_->thread() != QThread::currentThread()) {
        flush();
        return;
    }
    QMetaObject::invokeMethod(turnEnd_.get(), [this] { flush(); }, Qt::QueuedConnection);
}

} // namespace murvane
