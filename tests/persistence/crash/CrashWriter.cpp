// Test helper: writes numbered records through the durable store, one flush
// per turn, until it is killed. Announces each record on stdout before
// writing it ("W n") and after its turn has ended ("F n").
//   persistence_crash_writer <settings file> [max records]

#include "CrashRecord.h"

#include "persistence/QSettingsStore.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/prctl.h>
#include <csignal>
#include <unistd.h>

namespace {

void announce(char what, std::int64_t n)
{
    // Unbuffered: the line must be out before the work it announces starts.
    const std::string line = std::string(1, what) + ' ' + std::to_string(n) + '\n';
    [[maybe_unused]] const auto written = ::write(STDOUT_FILENO, line.data(), line.size());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <settings file> [max records]\n", argv[0]);
        return 2;
    }
    // Never outlive the test that started us.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    QCoreApplication app(argc, argv);
    murvane::QSettingsStore store(QString::fromLocal8Bit(argv[1]));
    const long long maxRecords = argc > 2 ? std::atoll(argv[2]) : 100000;

    const auto start = murvane::crashtest::readRecord(store);
    if (!start.sequence) {
        std::fprintf(stderr, "store damaged at start: %s\n", qPrintable(start.problem));
        return 1;
    }
    for (std::int64_t n = *start.sequence + 1; n <= *start.sequence + maxRecords; ++n) {
        announce('W', n);
        murvane::crashtest::writeRecord(store, n);
        QCoreApplication::processEvents(); // the end of the turn: one flush
        announce('F', n);
    }
    return 0;
}
