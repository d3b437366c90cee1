// Kills a process that keeps writing through the durable store at random
// moments, and checks after every kill that the file still parses and holds
// one whole record: the last one announced, or the one before it.

#include "CrashRecord.h"

#include "persistence/QSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <random>

using namespace murvane;

namespace {

// Each record costs an fsync, whose price depends on the disk and its load:
// stop after kMaxKills, or once kBudget has been spent (at least kMinKills).
constexpr int kMaxKills = 100;
constexpr int kMinKills = 20;
constexpr std::chrono::seconds kBudget{4};
constexpr int kMaxLinesBeforeKill = 16;
constexpr int kProgressTimeoutMs = 10000; // only reached if the writer hangs

// Highest "W n" line in the writer's output.
std::optional<std::int64_t> lastAnnounced(const QByteArray& output)
{
    std::optional<std::int64_t> last;
    for (const QByteArray& line : output.split('\n')) {
        if (line.startsWith("W "))
            last = line.mid(2).toLongLong();
    }
    return last;
}

TEST(CrashSafety, AKilledWriterLeavesTheLastOrThePreviousRecord)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("settings.conf"));
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> linesBeforeKill(1, kMaxLinesBeforeKill);

    std::int64_t stored = 0;
    int killedMidRecord = 0;
    int round = 0;
    const auto start = std::chrono::steady_clock::now();
    for (; round < kMaxKills; ++round) {
        if (round >= kMinKills && std::chrono::steady_clock::now() - start > kBudget)
            break;
        SCOPED_TRACE("round " + std::to_string(round));
        QProcess writer;
        writer.start(QStringLiteral(MURVANE_CRASH_WRITER), {file});
        ASSERT_TRUE(writer.waitForStarted());

        // Let it run for a random number of announcements, then kill it
        // wherever it happens to be.
        QByteArray output;
        const int target = linesBeforeKill(random);
        while (output.count('\n') < target) {
            if (!writer.waitForReadyRead(kProgressTimeoutMs))
                break;
            output += writer.readAllStandardOutput();
        }
        writer.kill();
        writer.waitForFinished();
        output += writer.readAllStandardOutput();
        ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit)
            << "writer stopped by itself: " << writer.readAllStandardError().toStdString();
        ASSERT_GE(output.count('\n'), target) << "writer made no progress";

        const std::int64_t announced = lastAnnounced(output).value_or(stored);
        if (!QFile::exists(file)) {
            // Killed before the very first flush finished.
            EXPECT_EQ(stored, 0);
            EXPECT_LE(announced, 1);
            continue;
        }
        // Read a copy, as a fresh launch would (QSettings caches files per process).
        const QString copy = dir.filePath(QStringLiteral("after-kill-%1.conf").arg(round));
        ASSERT_TRUE(QFile::copy(file, copy));
        QSettingsStore store(copy);
        EXPECT_EQ(store.status(), QSettings::NoError);
        const crashtest::Verdict verdict = crashtest::readRecord(store);
        ASSERT_TRUE(verdict.sequence) << verdict.problem.toStdString();

        EXPECT_TRUE(*verdict.sequence == announced || *verdict.sequence == announced - 1)
            << "holds " << *verdict.sequence << ", last announced " << announced;
        EXPECT_GE(*verdict.sequence, stored);
        killedMidRecord += *verdict.sequence != announced;
        stored = *verdict.sequence;
    }
    std::cout << "[          ] " << round << " kills, " << stored << " records written, "
              << killedMidRecord << " kills before a record's flush completed\n";
}

} // namespace
