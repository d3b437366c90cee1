#pragma once
// Without a reachable display the toolkit's platform set-up ends the process
// with an abort and a core dump. The application object is built under this
// guard instead: if the platform cannot start, the user reads one line saying
// why and the program exits with status 1. Qt's own messages from the
// attempt are held back, and passed on unchanged when it succeeds.

#include <QString>

#include <functional>

namespace murvane::app {

inline constexpr int kNoDisplayExitCode = 1;

// The line printed (without its newline), in the application language.
QString noDisplayMessage(const QString& program);

// Runs `construct`, which builds the application object; does not return
// when the platform fails to start.
void constructWithDisplayGuard(const QString& program, const std::function<void()>& construct);

} // namespace murvane::app
