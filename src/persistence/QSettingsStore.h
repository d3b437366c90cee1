#pragma once
// The durable settings store the application uses: QSettings in the native
// format (an ini file under $XDG_CONFIG_HOME/Kestrune/ on Linux).
//
// Durability: every write reaches the disk as soon as the main-thread turn
// that made it ends. The first write of a turn queues one flush behind the
// work the turn has queued (the game's save task included), so a move that
// changes several keys and the saved game costs one file write, not one per
// key. QSettings writes the file atomically (temporary file, fsync,
// rename), so killing the process at any moment leaves either the previous
// or the new contents. Without a QCoreApplication there is no turn to wait
// for, and each write is flushed at once.
//
// Reads follow the store's conventions (see StoreValues.h): values come back
// from the file as text and are converted and checked here; a value of the
// wrong type reads as 0 / false / nothing. A damaged or unreadable file never
// stops the program: unreadable keys read as missing, and if the file cannot
// be written the values live on in memory and the next flush tries again.
//
// Main thread only, like the game that owns it.

#include "SettingsStore.h"

#include <QSettings>

#include <memory>

namespace murvane {

class QSettingsStore final : public SettingsStore {
public:
    static inline const QString kOrganization = QStringLiteral("Kestrune");
    static inline const QString kApplication = QStringLiteral("Murvane Solitaire");

    // The user's own store.
    QSettingsStore();
    // An ini file at an explicit path (tests, tools).
    explicit QSettingsStore(const QString& filePath);
    // Flushes anything still pending; normally nothing is.
    ~QSettingsStore() override;

    QSettingsStore(const QSettingsStore&) = delete;
    QSettingsStore& operator=(const QSettingsStore&) = delete;

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

    // Writes pending changes to disk now. Does nothing when none are pending.
    void flush();
    bool hasPendingWrites() const { return pending_; }
    // Flushes that found pending writes, for tests of the coalescing.
    int flushCount() const { return flushCount_; }
    // The first error QSettings met, and it stays: FormatError when the file
    // was partly unreadable, AccessError when a flush could not write it.
    // Either way the store goes on from memory, and every later flush writes
    // all the unwritten changes again.
    QSettings::Status status() const { return settings_->status(); }
    QString fileName() const;

    // Removes the settings file's lock file when no live process holds it.
    // QSettings takes that lock for every write; a process killed while
    // taking it can leave it without an owner recorded, and QSettings then
    // waits 30 seconds before treating it as stale, freezing the game at its
    // next save. True when a lock file was removed.
    static bool removeAbandonedLock(const QString& settingsFile);

private:
    void noteWrite();

    std::unique_ptr<QSettings> settings_;
    // Receiver of the queued end-of-turn flush.
    std::unique_ptr<QObject> turnEnd_;
    bool pending_ = false;
    int flushCount_ = 0;
};

} // namespace murvane
