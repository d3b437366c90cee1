#pragma once
// The program's command line: --help, --version and --open (start with the
// panel open). Parsed before the application object exists, so --help and
// --version answer without a display and a bad option touches nothing. The
// toolkit's own window-system options (-platform, -style, ...) pass through.

#include <QString>
#include <QStringList>

namespace murvane::app {

struct CommandLine {
    enum class Outcome {
        run,   // start the game
        exit,  // done: print `output` and exit with `exitCode`
    };
    Outcome outcome = Outcome::run;
    int exitCode = 0;
    // Text for standard output (help, version) or standard error (usage errors).
    QString output;
    bool toStandardError = false;
    bool openPanel = false;
};

// The name messages start with: the command's file name as it was run.
QString programName(const QString& argument0);

// `arguments` includes the program name first, as argv does.
CommandLine parseCommandLine(const QStringList& arguments);

// Parses argv, prints what there is to print and returns the exit code when
// the program should end now; -1 to run. Sets `openPanel`.
int handleCommandLine(int argc, char** argv, bool* openPanel);

} // namespace murvane::app
