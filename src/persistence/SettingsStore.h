#pragma once
// The key-value store the game reads its settings, statistics and saved game
// from and writes them through to. Reads never fail: a missing key, or a value
// of the wrong type, reads as 0 / false / nothing.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <optional>

namespace murvane {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual std::int64_t integerForKey(const QString& key) const = 0;
    virtual bool boolForKey(const QString& key) const = 0;
    virtual bool hasObjectForKey(const QString& key) const = 0;
    virtual std::optional<QString> stringForKey(const QString& key) const = 0;
    virtual std::optional<QByteArray> dataForKey(const QString& key) const = 0;

    virtual void setInteger(const QString& key, std::int64_t value) = 0;
    virtual void setBool(const QString& key, bool value) = 0;
    virtual void setString(const QString& key, const QString& value) = 0;
    virtual void setData(const QString& key, const QByteArray& value) = 0;
    virtual void removeObject(const QString& key) = 0;
};

// A store that lives in memory only; used by tests and as the fallback when
// no durable store can be opened. Counts writes so tests can check coalescing.
// Reads convert exactly as the durable store does (StoreValues.h), so a value
// planted as text ("42", "true") reads as it would from the settings file.
class InMemorySettingsStore final : public SettingsStore {
public:
    std::int64_t integerForKey(const QString& key) const override;
    bool boolForKey(const QString& key) const override;
    bool hasObjectForKey(const QString& key) const override;
    std::optional<QString> stringForKey(const QString& key) const override;
    std::optional<QByteArray> dataForKey(const QString& key) const override;

    void setInteger(const QString& key, std::int64_t value) override;
    void setBool(const QString& key, bool value) override;
    void setString(const QString& key, const QString& value) override;
    void setData(const QString& key, const QByteArray& value) override;
    void removeObject(const QString& key) override;

    // Raw access for tests: plant values of any type, count writes per key.
    void setRawValue(const QString& key, const QVariant& value) { values_.insert(key, value); }
    QVariant rawValue(const QString& key) const { return values_.value(key); }
    int writeCount(const QString& key) const { return writes_.value(key); }
    int totalWrites() const;

private:
    void noteWrite(const QString& key) { ++writes_[key]; }
    QHash<QString, QVariant> values_;
    QHash<QString, int> writes_;
};

} // namespace murvane
