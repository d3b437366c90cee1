#include "SettingsStore.h"

namespace murvane {

std::int64_t InMemorySettingsStore::integerForKey(const QString& key) const
{
    const QVariant v = values_.value(key);
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return v.toLongLong();
    default:
        return 0;
    }
}

bool InMemorySettingsStore::boolForKey(const QString& key) const
{
    const QVariant v = values_.value(key);
    switch (v.typeId()) {
    case QMetaType::Bool:
    case QMetaType::LongLong:
    case QMetaType::Int:
        return v.toLongLong() != 0;
    default:
        return false;
    }
}

bool InMemorySettingsStore::hasObjectForKey(const QString& key) const
{
    return values_.contains(key);
}

std::optional<QString> InMemorySettingsStore::stringForKey(const QString& key) const
{
    const QVariant v = values_.value(key);
    if (v.typeId() == QMetaType::QString)
        return v.toString();
    return std::nullopt;
}

std::optional<QByteArray> InMemorySettingsStore::dataForKey(const QString& key) const
{
    const QVariant v = values_.value(key);
    if (v.typeId() == QMetaType::QByteArray)
        return v.toByteArray();
    return std::nullopt;
}

void InMemorySettingsStore::setInteger(const QString& key, std::int64_t value)
{
    values_.insert(key, QVariant::fromValue<qlonglong>(value));
    noteWrite(key);
}

void InMemorySettingsStore::setBool(const QString& key, bool value)
{
    values_.insert(key, value);
    noteWrite(key);
}

void InMemorySettingsStore::setString(const QString& key, const QString& value)
{
    values_.insert(key, value);
    noteWrite(key);
}

void InMemorySettingsStore::setData(const QString& key, const QByteArray& value)
{
    values_.insert(key, value);
    noteWrite(key);
}

void InMemorySettingsStore::removeObject(const QString& key)
{
    values_.remove(key);
    noteWrite(key);
}

int InMemorySettingsStore::totalWrites() const
{
    int total = 0;
    for (int n : writes_)
        total += n;
    return total;
}

} // namespace murvane
