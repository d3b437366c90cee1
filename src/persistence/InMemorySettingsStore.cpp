#include "SettingsStore.h"
#include "StoreValues.h"

namespace murvane {

std::int64_t InMemorySettingsStore::integerForKey(const QString& key) const
{
    return storevalues::toInteger(values_.value(key));
}

bool InMemorySettingsStore::boolForKey(const QString& key) const
{
    return storevalues::toBool(values_.value(key));
}

bool InMemorySettingsStore::hasObjectForKey(const QString& key) const
{
    return values_.contains(key);
}

std::optional<QString> InMemorySettingsStore::stringForKey(const QString& key) const
{
    return storevalues::toString(values_.value(key));
}

std::optional<QByteArray> InMemorySettingsStore::dataForKey(const QString& key) const
{
    return storevalues::toData(values_.value(key));
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
