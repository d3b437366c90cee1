// The durable store: round trips through the file, reads of text values and
// damaged files, write coalescing, and going on when the disk refuses.

#include "SavedGameTestSupport.h"

#include "persistence/QSettingsStore.h"
#include "persistence/SettingsKeys.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QMetaObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

using namespace murvane;
using namespace murvane::testing;

namespace {

// Runs everything queued so far, as the event loop does between turns.
void endTurn() { QCoreApplication::processEvents(); }

void writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
}

class QSettingsStoreTest : public ::testing::Test {
protected:
    QString path(const QString& name = QStringLiteral("settings.conf")) const { return dir_.filePath(name); }

    // QSettings shares parsed files within a process; a copy under a new name
    // is read from its text, as the next launch would read it.
    QString copyForNextLaunch(const QString& from)
    {
        const QString to = path(QStringLiteral("launch%1.conf").arg(++launches_));
        EXPECT_TRUE(QFile::copy(from, to));
        return to;
    }

    QTemporaryDir dir_;
    int launches_ = 0;
};

TEST_F(QSettingsStoreTest, EverySettingAndStatisticSurvivesARelaunch)
{
    const QByteArray saved = encodeSavedGame(sampleGame());
    const std::pair<QString, std::int64_t> integers[] = {
        {keys::drawCount, 3}, {keys::dealsCount, 1234}, {keys::solvedCount, 567},
        {keys::currentStreak, 0}, {keys::bestStreak, 9}, {keys::bestScore, 4650},
        {keys::vegasBankroll, -100000},
    };
    const std::pair<QString, bool> booleans[] = {
        {keys::unlimitedRedeals, false}, {keys::showsCornerSuit, true}, {keys::hasSeenWelcome, true},
        {keys::fourColourSuits, true},
    };
    const std::pair<QString, QString> strings[] = {
        {keys::scoringMode, "Vegas"}, {keys::boardSize, "Large"}, {keys::autoCompleteMode, "Disabled"},
        {keys::menuBarIcon, "\u2666"}, {keys::cardTheme, "Onyx Slate"},
    };
    {
        QSettingsStore store(path());
        store.setInteger(keys::bestStreak, 1); // overwritten below
        store.setBool(keys::hasSeenWelcome, false);
        for (const auto& [key, value] : integers)
            store.setInteger(key, value);
        for (const auto& [key, value] : booleans)
            store.setBool(key, value);
        for (const auto& [key, value] : strings)
            store.setString(key, value);
        store.setData(keys::savedGame, saved);
        endTurn();
        EXPECT_EQ(store.flushCount(), 1);
        EXPECT_EQ(store.status(), QSettings::NoError);
    }

    for (const QString& file : {path(), copyForNextLaunch(path())}) {
        SCOPED_TRACE(file.toStdString());
        QSettingsStore store(file);
        EXPECT_EQ(store.status(), QSettings::NoError);
        for (const auto& [key, value] : integers)
            EXPECT_EQ(store.integerForKey(key), value) << key.toStdString();
        for (const auto& [key, value] : booleans) {
            EXPECT_TRUE(store.hasObjectForKey(key));
            EXPECT_EQ(store.boolForKey(key), value) << key.toStdString();
        }
        for (const auto& [key, value] : strings)
            EXPECT_EQ(store.stringForKey(key), value) << key.toStdString();
        EXPECT_EQ(store.dataForKey(keys::savedGame), saved);
        EXPECT_EQ(decodeSavedGame(*store.dataForKey(keys::savedGame)), sampleGame());
    }
}

TEST_F(QSettingsStoreTest, RemovedKeysStayRemoved)
{
    {
        QSettingsStore store(path());
        store.setData(keys::savedGame, "{}");
        store.setBool(keys::unlimitedRedeals, false);
        endTurn();
        store.removeObject(keys::savedGame);
        store.removeObject(keys::unlimitedRedeals);
        endTurn();
        EXPECT_EQ(store.flushCount(), 2);
    }
    QSettingsStore store(copyForNextLaunch(path()));
    EXPECT_FALSE(store.hasObjectForKey(keys::savedGame));
    EXPECT_FALSE(store.hasObjectForKey(keys::unlimitedRedeals));
    EXPECT_FALSE(store.dataForKey(keys::savedGame));
}

// Values as they appear in the settings file (hand-edited ones included),
// and how each read sees them. Both stores must agree.
TEST_F(QSettingsStoreTest, ConvertsAndChecksTextValuesOnRead)
{
    struct Case {
        const char* line;      // the value as written in the file
        QVariant raw;          // the same value planted in memory
        std::int64_t integer;
        bool boolean;
        std::optional<QString> string;
        std::optional<QByteArray> data;
    };
    const Case cases[] = {
        {"42", "42", 42, true, "42", {}},
        {"-9223372036854775808", "-9223372036854775808", std::numeric_limits<std::int64_t>::min(), true,
            "-9223372036854775808", {}},
        {"99999999999999999999", "99999999999999999999", 0, false, "99999999999999999999", {}},
        {"0", "0", 0, false, "0", {}},
        {"abc", "abc", 0, false, "abc", {}},
        {"3.5", "3.5", 0, false, "3.5", {}},
        {"true", "true", 1, true, "true", {}},
        {"false", "false", 0, false, "false", {}},
        {"vegas", "vegas", 0, false, "vegas", {}},
        {"\"a, b\"", "a, b", 0, false, "a, b", {}},
        {"a, b", QStringList{"a", "b"}, 0, false, {}, {}},
        {"@ByteArray({\\\"x\\\":1})", QByteArray("{\"x\":1}"), 0, false, {}, QByteArray("{\"x\":1}")},
        {"@ByteArray(abc", "@ByteArray(abc", 0, false, "@ByteArray(abc", {}},
        {"", "", 0, false, "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const QString file = path(QStringLiteral("case%1.conf").arg(&c - cases));
        writeFile(file, QByteArray("[General]\nMurvane_Value=") + c.line + "\n");
        QSettingsStore durable(file);
        InMemorySettingsStore memory;
        memory.setRawValue("Murvane_Value", c.raw);
        for (const SettingsStore* store : {static_cast<const SettingsStore*>(&durable),
                 static_cast<const SettingsStore*>(&memory)}) {
            EXPECT_TRUE(store->hasObjectForKey("Murvane_Value"));
            EXPECT_EQ(store->integerForKey("Murvane_Value"), c.integer);
            EXPECT_EQ(store->boolForKey("Murvane_Value"), c.boolean);
            EXPECT_EQ(store->stringForKey("Murvane_Value"), c.string);
            EXPECT_EQ(store->dataForKey("Murvane_Value"), c.data);
            EXPECT_FALSE(store->hasObjectForKey("Murvane_Missing"));
        }
    }
}

TEST_F(QSettingsStoreTest, ReadsTheSameBeforeAndAfterARelaunch)
{
    QSettingsStore store(path());
    store.setInteger(keys::dealsCount, 7);
    store.setBool(keys::showsCornerSuit, true);
    endTurn();
    QSettingsStore relaunched(copyForNextLaunch(path()));
    for (const SettingsStore* s : {static_cast<SettingsStore*>(&store), static_cast<SettingsStore*>(&relaunched)}) {
        EXPECT_EQ(s->integerForKey(keys::dealsCount), 7);
        EXPECT_EQ(s->stringForKey(keys::dealsCount), "7");
        EXPECT_TRUE(s->boolForKey(keys::showsCornerSuit));
        EXPECT_EQ(s->integerForKey(keys::showsCornerSuit), 1);
        EXPECT_EQ(s->stringForKey(keys::showsCornerSuit), "true");
        EXPECT_FALSE(s->dataForKey(keys::dealsCount));
    }
}

TEST_F(QSettingsStoreTest, DamagedFilesReadAsDefaultsAndAreRepairedByTheNextWrite)
{
    QByteArray good = "[General]\nMurvane_DealsCount=12\nMurvane_SavedGame=@ByteArray(" +
        encodeSavedGame(sampleGame()).replace("\"", "\\\"") + ")\n";
    const QByteArray cases[] = {
        {},
        good.left(good.size() / 2),
        good.left(good.size() - 4),
        QByteArray("\x00\x01\x02\xff\xfe[[[\n=\n\"unterminated", 24),
        "[General\nMurvane_DealsCount=12\n",
        "Murvane_DealsCount=\xc3\x28\n\xff=1\n",
        QByteArray(100000, '\n'),
    };
    for (const QByteArray& contents : cases) {
        SCOPED_TRACE(contents.left(40).toHex().toStdString());
        const QString file = path(QStringLiteral("damaged%1.conf").arg(&contents - cases));
        writeFile(file, contents);
        {
            QSettingsStore store(file);
            const std::int64_t deals = store.integerForKey(keys::dealsCount);
            EXPECT_TRUE(deals == 0 || deals == 12);
            if (const auto data = store.dataForKey(keys::savedGame)) {
                const auto game = decodeSavedGame(*data);
                EXPECT_TRUE(!game || isConsistentPosition(*game));
            }
            store.setInteger(keys::bestScore, 99);
            store.setString(keys::cardTheme, "Onyx Slate");
        }
        QSettingsStore relaunched(copyForNextLaunch(file));
        EXPECT_EQ(relaunched.integerForKey(keys::bestScore), 99);
        EXPECT_EQ(relaunched.stringForKey(keys::cardTheme), "Onyx Slate");
    }
}

TEST_F(QSettingsStoreTest, WritesOfOneTurnShareOneFlush)
{
    QSettingsStore store(path());
    EXPECT_FALSE(store.hasPendingWrites());
    endTurn();
    EXPECT_EQ(store.flushCount(), 0) << "a turn without writes writes nothing";

    // A move: two piles, the score and a statistic change in the same turn.
    for (int i = 0; i < 10; ++i)
        store.setInteger(keys::dealsCount, i);
    store.setData(keys::savedGame, encodeSavedGame(sampleGame()));
    store.setBool(keys::hasSeenWelcome, true);
    EXPECT_TRUE(store.hasPendingWrites());
    EXPECT_EQ(store.flushCount(), 0);
    endTurn();
    EXPECT_FALSE(store.hasPendingWrites());
    EXPECT_EQ(store.flushCount(), 1);
    EXPECT_EQ(QSettingsStore(copyForNextLaunch(path())).integerForKey(keys::dealsCount), 9);

    store.setInteger(keys::dealsCount, 10);
    endTurn();
    endTurn();
    EXPECT_EQ(store.flushCount(), 2);

    // A move counts the deal, and the game's save task, queued by the same
    // turn, writes the record afterwards: both share one flush.
    store.setInteger(keys::dealsCount, 11);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { store.setData(keys::savedGame, "after the move"); },
        Qt::QueuedConnection);
    endTurn();
    EXPECT_EQ(store.flushCount(), 3);
    EXPECT_EQ(QSettingsStore(copyForNextLaunch(path())).dataForKey(keys::savedGame),
        QByteArray("after the move"));

    // An explicit flush leaves nothing for the queued one.
    store.setInteger(keys::dealsCount, 12);
    store.flush();
    EXPECT_EQ(store.flushCount(), 4);
    EXPECT_EQ(QSettingsStore(copyForNextLaunch(path())).integerForKey(keys::dealsCount), 12);
    endTurn();
    EXPECT_EQ(store.flushCount(), 4);
}

TEST_F(QSettingsStoreTest, PendingWritesAreFlushedWhenTheStoreGoes)
{
    {
        QSettingsStore store(path());
        store.setInteger(keys::solvedCount, 5);
    }
    endTurn(); // the queued flush of a destroyed store must not run
    EXPECT_EQ(QSettingsStore(copyForNextLaunch(path())).integerForKey(keys::solvedCount), 5);
}

TEST_F(QSettingsStoreTest, KeepsWorkingFromMemoryWhenTheFileCannotBeWritten)
{
    // A regular file where the directory should be: nothing can be created.
    const QString blocker = path(QStringLiteral("blocked"));
    writeFile(blocker, "not a directory");
    const QString file = blocker + QStringLiteral("/settings.conf");

    QSettingsStore store(file);
    store.setInteger(keys::dealsCount, 3);
    store.setData(keys::savedGame, "record");
    endTurn();
    EXPECT_EQ(store.status(), QSettings::AccessError);
    EXPECT_EQ(store.integerForKey(keys::dealsCount), 3);
    EXPECT_EQ(store.dataForKey(keys::savedGame), QByteArray("record"));

    // Once the disk accepts writes again, the next flush writes everything.
    ASSERT_TRUE(QFile::remove(blocker));
    ASSERT_TRUE(QDir().mkdir(blocker));
    store.setInteger(keys::solvedCount, 1);
    endTurn();
    QSettingsStore relaunched(copyForNextLaunch(file));
    EXPECT_EQ(relaunched.integerForKey(keys::dealsCount), 3);
    EXPECT_EQ(relaunched.integerForKey(keys::solvedCount), 1);
    EXPECT_EQ(relaunched.dataForKey(keys::savedGame), QByteArray("record"));
}

TEST_F(QSettingsStoreTest, OnlyAnAbandonedLockFileIsRemoved)
{
    const QString file = path();
    const QString lockPath = file + QStringLiteral(".lock");
    EXPECT_FALSE(QSettingsStore::removeAbandonedLock(file));

    // Left behind by a process killed while taking the lock: no owner.
    writeFile(lockPath, {});
    EXPECT_TRUE(QSettingsStore::removeAbandonedLock(file));
    EXPECT_FALSE(QFile::exists(lockPath));

    // Held by a live writer: left alone.
    QLockFile held(lockPath);
    ASSERT_TRUE(held.tryLock(0));
    EXPECT_FALSE(QSettingsStore::removeAbandonedLock(file));
    EXPECT_TRUE(QFile::exists(lockPath));
    held.unlock();

    // A store finds the abandoned lock at its next flush and writes at once
    // (QSettings alone would wait half a minute for it to go stale).
    writeFile(lockPath, {});
    QSettingsStore store(file);
    store.setInteger(keys::bestScore, 3);
    store.flush();
    EXPECT_EQ(QSettingsStore(copyForNextLaunch(file)).integerForKey(keys::bestScore), 3);
}

TEST(QSettingsStoreLocation, UsesTheUsersNativeStoreForTheApplication)
{
    QTemporaryDir home;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    {
        QSettingsStore store;
        EXPECT_EQ(store.fileName(), home.filePath("Kestrune/Murvane Solitaire.conf"));
        store.setBool(keys::hasSeenWelcome, true);
        store.flush();
    }
    EXPECT_TRUE(QFile::exists(home.filePath("Kestrune/Murvane Solitaire.conf")));
}

} // namespace
