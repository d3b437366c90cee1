#pragma once
// The deal's time and move count, kept while "Show time and moves" is on.
// Time is read from a monotonic source, so changes of the wall clock never
// move it. The clock only measures: whether it runs, what counts as a step
// and when it is reset are decided by the deal session that owns it. While
// it does not run it holds no timer and costs nothing. Lives on the main
// thread.

#include <QObject>

#include <cstdint>
#include <functional>

class QTimer;

namespace murvane {

class DealClock : public QObject {
    Q_OBJECT
public:
    // Milliseconds from any fixed point; must never go backwards.
    using TimeSource = std::function<std::int64_t()>;
    static constexpr std::int64_t kSecondMs = 1000;

    explicit DealClock(QObject* parent = nullptr);

    // Tests drive time by hand; the time run so far is kept.
    void setTimeSource(TimeSource source);

    // Milliseconds counted since the last reset, including the span now running.
    std::int64_t elapsedMs() const;
    std::int64_t moveCount() const { return moves_; }
    bool isRunning() const { return runningSince_ >= 0; }
    // Every step since the last reset was counted: the figures stand for the
    // whole deal, and only then may a win enter the records.
    bool isWhole() const { return isWhole_; }

    // --- For the deal session -------------------------------------------------
    void setRunning(bool running);
    void countStep();
    // A step the clock did not count, or time it did not see: the figures no
    // longer stand for the whole deal.
    void markPartial();
    // Zero time, no step, whole again; stopped.
    void reset();
    // Saved figures taken up again (negative values read as zero); stopped.
    void restore(std::int64_t elapsedMs, std::int64_t moves, bool whole);

Q_SIGNALS:
    // The move count changed, or the shown whole second did (once a second
    // while running, on the second boundary of the elapsed time).
    void changed();

private:
    std::int64_t now() const;
    void armTick();

    TimeSource source_;
    QTimer* tick_ = nullptr;
    std::int64_t banked_ = 0;        // time of the spans that have ended
    std::int64_t runningSince_ = -1; // source time the running span began, or -1
    std::int64_t moves_ = 0;
    bool isWhole_ = true;
};

} // namespace murvane
