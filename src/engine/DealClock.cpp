#include "engine/DealClock.h"

#include <QTimer>

#include <algorithm>
#include <chrono>
#include <limits>

namespace murvane {

namespace {

std::int64_t steadyMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace

DealClock::DealClock(QObject* parent)
    : QObject(parent)
    , source_(steadyMs)
    , tick_(new QTimer(this))
{
    // Re-armed for each second boundary, so the shown time never drifts.
    tick_->setSingleShot(true);
    tick_->setTimerType(Qt::PreciseTimer);
    connect(tick_, &QTimer::timeout, this, [this] {
        Q_EMIT changed();
        armTick();
    });
}

void DealClock::setTimeSource(TimeSource source)
{
    const bool running = isRunning();
    setRunning(false);
    source_ = std::move(source);
    setRunning(running);
}

std::int64_t DealClock::now() const
{
    return source_();
}

std::int64_t DealClock::elapsedMs() const
{
    // A source that stepped back must not take time away.
    return banked_ + (isRunning() ? std::max<std::int64_t>(0, now() - runningSince_) : 0);
}

void DealClock::armTick()
{
    if (!isRunning())
        return;
    tick_->start(int(kSecondMs - elapsedMs() % kSecondMs));
}

void DealClock::setRunning(bool running)
{
    if (running == isRunning())
        return;
    if (running) {
        runningSince_ = now();
        armTick();
    } else {
        banked_ = elapsedMs();
        runningSince_ = -1;
        tick_->stop();
    }
}

void DealClock::countStep()
{
    if (moves_ < std::numeric_limits<std::int64_t>::max())
        ++moves_;
    Q_EMIT changed();
}

void DealClock::markPartial()
{
    isWhole_ = false;
}

void DealClock::reset()
{
    restore(0, 0, true);
}

void DealClock::restore(std::int64_t elapsedMs, std::int64_t moves, bool whole)
{
    setRunning(false);
    banked_ = std::max<std::int64_t>(0, elapsedMs);
    moves_ = std::max<std::int64_t>(0, moves);
    isWhole_ = whole;
    Q_EMIT changed();
}

} // namespace murvane
