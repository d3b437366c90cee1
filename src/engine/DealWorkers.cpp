#include "engine/DealWorkers.h"
#include "engine/MemoryRelease.h"

#include "solver/DealNumbers.h"
#include "solver/Solver.h"

#include <QCoreApplication>
#include <QObject>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <optional>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace murvane {

namespace {

// Background preparation must not take the cores from the player.
void lowerThisThreadsPriority()
{
#ifdef __linux__
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
#endif
}

} // namespace

// The wake-up from a worker thread to the owner's: a signal without
// arguments, so nothing but Qt's own event crosses threads with it.
class DealWorkersWake : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
Q_SIGNALS:
    void finished();
};

// One search for a verified deal under one rule set, shared by whichever
// threads work on it. Attempts are numbered as handed out; the answer is the
// verified attempt with the lowest number, so it is chosen exactly as one
// thread trying them in turn would choose it, whatever the timing. That keeps
// deals that verify quickly from being favoured.
class DealSearch {
public:
    // own, when given, checks the shuffles instead of the trial work() is
    // handed; attempts bounds the shuffles tried.
    explicit DealSearch(DealRules rules, DealWorkers::Trial own = {}, int attempts = solver::kDealAttempts)
        : rules_(rules)
        , own_(std::move(own))
        , attempts_(attempts)
    {
    }
    const DealRules& rules() const { return rules_; }

    // Runs attempts on the calling thread until none is left. A preparation
    // passes yieldCores, which blocks while a deal is needed now: it is
    // called before each attempt and after a check of this search was
    // paused (see pause()), which then carries on where it stopped.
    void work(const DealWorkers::Trial& given, const std::function<void()>& yieldCores = {})
    {
        const DealWorkers::Trial& trial = own_ ? own_ : given;
        for (;;) {
            if (yieldCores)
                yieldCores();
            Running attempt;
            {
                std::lock_guard lock(mutex_);
                if (!hasWorkLocked())
                    return;
                attempt.number = next_++;
                running_.push_back(&attempt);
            }
            DealTrial result;
            bool ok = true;
            try {
                result = trial(rules_, attempt.number, attempt.stop);
                const std::unique_ptr<PausedCheck> check = std::move(result.paused);
                while (!result.completed && check && yieldCores && goOnAfterPause(attempt)) {
                    yieldCores();
                    result = check->resume(attempt.stop);
                }
            } catch (...) {
                ok = false; // counted as tried; the others carry on
            }
            std::lock_guard lock(mutex_);
            running_.erase(std::find(running_.begin(), running_.end(), &attempt));
            if (ok && result.completed)
                record(attempt.number, std::move(result));
            settle();
        }
    }

    bool hasWork()
    {
        std::lock_guard lock(mutex_);
        return hasWorkLocked();
    }

    // Asks the checks in progress to stop and wait (a deal is needed now);
    // they are carried on afterwards exactly where they stopped, so the
    // search answers as if never paused.
    void pause()
    {
        std::lock_guard lock(mutex_);
        for (Running* r : running_) {
            r->paused = true;
            r->stop.store(true, std::memory_order_relaxed);
        }
    }

    void cancel()
    {
        std::lock_guard lock(mutex_);
        cancelled_ = true;
        for (Running* r : running_)
            r->stop.store(true, std::memory_order_relaxed);
        decidedChanged_.notify_all();
    }

    // Blocks until the answer is known (or the search was cancelled).
    std::optional<Deal> waitForAnswer()
    {
        std::unique_lock lock(mutex_);
        decidedChanged_.wait(lock, [this] { return decided_ || cancelled_; });
        return decided_ ? answer_ : std::nullopt;
    }

private:
    struct Running {
        int number = 0;
        std::atomic<bool> stop{false};
        bool paused = false; // stopped by pause(), to be carried on
    };

    // After a check stopped: whether it was paused and should carry on
    // (then it may run again) rather than give up.
    bool goOnAfterPause(Running& attempt)
    {
        std::lock_guard lock(mutex_);
        if (!attempt.paused || decided_ || cancelled_)
            return false;
        attempt.paused = false;
        attempt.stop.store(false, std::memory_order_relaxed);
        return true;
    }

    bool hasWorkLocked() const
    {
        return !decided_ && !cancelled_ && next_ <= attempts_ && next_ < bestVerified_;
    }

    void record(int number, DealTrial&& result)
    {
        Deal deal{std::move(result.layout.tableau), std::move(result.layout.stock), number,
                               result.isWinnable};
        if (result.isWinnable) {
            if (number < bestVerified_) {
                bestVerified_ = number;
                best_ = std::move(deal);
            }
        } else if (number > lastUnverifiedNumber_) {
            lastUnverifiedNumber_ = number;
            lastUnverified_ = std::move(deal);
        }
    }

    // Decides once no attempt still running could change the answer, and
    // stops the checks that can no longer matter.
    void settle()
    {
        if (decided_)
            return;
        const bool lowerRunning = std::any_of(running_.begin(), running_.end(),
                                              [this](const Running* r) { return r->number < bestVerified_; });
        if (best_ && !lowerRunning) {
            answer_ = std::move(best_);
        } else if (!best_ && next_ > attempts_ && running_.empty()) {
            answer_ = std::move(lastUnverified_); // may be empty if every check failed
        } else {
            return;
        }
        decided_ = true;
        for (Running* r : running_)
            r->stop.store(true, std::memory_order_relaxed);
        decidedChanged_.notify_all();
    }

    const DealRules rules_;
    const DealWorkers::Trial own_;
    const int attempts_;
    std::mutex mutex_;
    std::condition_variable decidedChanged_;
    int next_ = 1;
    int bestVerified_ = INT_MAX;
    int lastUnverifiedNumber_ = 0;
    std::optional<Deal> best_;
    std::optional<Deal> lastUnverified_;
    std::optional<Deal> answer_;
    std::vector<Running*> running_;
    bool decided_ = false;
    bool cancelled_ = false;
};

// ---------------------------------------------------------------- DealWorkers

int DealWorkers::defaultHelperCount()
{
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 1 ? int(cores) - 1 : 0;
}

namespace {

// One shuffle and its solver search, kept together so that a check cut short
// can be carried on.
class ShuffleCheck final : public PausedCheck {
public:
    ShuffleCheck(const solver::Deck& deck, const DealRules& rules)
        : deck_(deck)
        , solve_(solver::dealLayout(deck).tableau, solver::dealLayout(deck).stock, {}, {0, 0, 0, 0}, rules.drawCount,
                 solver::kDefaultMaxNodes, rules.maxRecycles)
    {
    }

    DealTrial resume(const std::atomic<bool>& stop) override
    {
        const solver::SolveResult r = solve_.run(&stop);
        DealTrial trial;
        trial.layout = layoutOf(deck_);
        trial.isWinnable = r.isWinnable;
        trial.completed = !r.stopped;
        return trial;
    }

private:
    const solver::Deck deck_;
    solver::Solve solve_;
};

} // namespace

DealTrial DealWorkers::solvedShuffle(const DealRules& rules, int, const std::atomic<bool>& stop)
{
    auto check = std::make_unique<ShuffleCheck>(shuffledDeck(), rules);
    DealTrial trial = check->resume(stop);
    if (!trial.completed)
        trial.paused = std::move(check);
    return trial;
}

DealWorkers::DealWorkers(std::function<void()> onFinished, int helpers, Trial trial,
                         std::chrono::milliseconds keepTablesFor)
    : trial_(std::move(trial))
    , onFinished_(std::move(onFinished))
    , keepTablesFor_(keepTablesFor)
{
    if (QCoreApplication::instance()) {
        ownerTablesTimer_ = new QTimer;
        ownerTablesTimer_->setSingleShot(true);
        QObject::connect(ownerTablesTimer_, &QTimer::timeout, ownerTablesTimer_, &releaseSolverMemory);
    }
    if (QCoreApplication::instance()) {
        wake_ = new DealWorkersWake();
        QObject::connect(wake_, &DealWorkersWake::finished, wake_, [this] {
            if (onFinished_)
                onFinished_();
        }, Qt::QueuedConnection);
    }
    // Without threads every search simply runs on the caller.
    try {
        threads_.emplace_back([this] { backgroundLoop(); });
        threads_.emplace_back([this] { numberedLoop(); });
        for (int i = 0; i < helpers; ++i)
            threads_.emplace_back([this] { helperLoop(); });
    } catch (const std::system_error&) {
    }
}

DealWorkers::~DealWorkers()
{
    {
        std::lock_guard lock(mutex_);
        cancelled_ = true;
        queue_.clear();
        if (background_)
            background_->cancel();
        if (urgent_)
            urgent_->cancel();
        if (numbered_)
            numbered_->cancel();
    }
    changed_.notify_all();
    for (std::thread& t : threads_)
        t.join();
    delete wake_; // drops a wake-up still queued
    delete ownerTablesTimer_;
}

void DealWorkers::prepare(const QList<DealRules>& rules)
{
    {
        std::lock_guard lock(mutex_);
        for (const DealRules& r : rules)
            queue_.push_back(r);
    }
    changed_.notify_all();
}

QList<QPair<DealRules, Deal>> DealWorkers::takeFinished()
{
    std::lock_guard lock(mutex_);
    return std::exchange(finished_, {});
}

bool DealWorkers::isPreparing(const DealRules& rules)
{
    std::lock_guard lock(mutex_);
    return std::find(queue_.begin(), queue_.end(), rules) != queue_.end()
        || (background_ && background_->rules() == rules)
        || std::any_of(finished_.begin(), finished_.end(), [&rules](const auto& f) { return f.first == rules; });
}

Deal DealWorkers::findNow(const DealRules& rules)
{
    std::shared_ptr<DealSearch> search;
    {
        std::lock_guard lock(mutex_);
        for (qsizetype i = 0; i < finished_.size(); ++i) {
            if (finished_[i].first == rules) {
                Deal deal = std::move(finished_[i].second);
                finished_.removeAt(i);
                return deal;
            }
        }
        search = std::make_shared<DealSearch>(rules);
        urgent_ = search;
        if (background_)
            background_->pause();
    }
    changed_.notify_all();
    search->work(trial_);
    std::optional<Deal> answer = search->waitForAnswer();
    {
        std::lock_guard lock(mutex_);
        urgent_.reset();
    }
    changed_.notify_all();
    if (ownerTablesTimer_ && ownerTablesTimer_->thread() == QThread::currentThread())
        ownerTablesTimer_->start(keepTablesFor_);
    if (answer)
        return std::move(*answer);
    // Every check failed (out of memory, say): fall back to the plain loop.
    return findVerifiedDeal(rules);
}

void DealWorkers::waitWhileFindingNow()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return cancelled_ || (!urgent_ && !numbered_); });
}

void DealWorkers::findNumbered(std::uint32_t number, const DealRules& rules)
{
    // The numbered check, never the game's own solver: see DealNumbers.h.
    Trial check = [number](const DealRules& r, int attempt, const std::atomic<bool>& stop) {
        const solver::SolveResult result = solver::checkNumberedShuffle(number, attempt, r, &stop);
        DealTrial trial;
        trial.isWinnable = result.isWinnable;
        trial.completed = !result.stopped;
        if (trial.completed)
            trial.layout = layoutOf(solver::numberedShuffle(number, attempt));
        return trial;
    };
    {
        std::lock_guard lock(mutex_);
        if (numbered_)
            numbered_->cancel();
        numbered_ = std::make_shared<DealSearch>(rules, std::move(check), solver::kNumberedAttempts);
        ++numberedId_;
        numberedAnswer_.reset();
        if (background_)
            background_->pause();
    }
    changed_.notify_all();
}

void DealWorkers::cancelNumbered()
{
    {
        std::lock_guard lock(mutex_);
        if (numbered_)
            numbered_->cancel();
        numbered_.reset();
        ++numberedId_;
        numberedAnswer_.reset();
    }
    changed_.notify_all();
}

bool DealWorkers::isFindingNumbered()
{
    std::lock_guard lock(mutex_);
    return numbered_ != nullptr;
}

std::optional<Deal> DealWorkers::takeNumbered()
{
    std::lock_guard lock(mutex_);
    return std::exchange(numberedAnswer_, std::nullopt);
}

template <class Ready>
bool DealWorkers::waitForWork(std::unique_lock<std::mutex>& lock, Ready ready)
{
    auto wake = [&] { return cancelled_ || ready(); };
    if (!changed_.wait_for(lock, keepTablesFor_, wake)) {
        lock.unlock();
        releaseSolverMemory();
        lock.lock();
        changed_.wait(lock, wake);
    }
    return !cancelled_;
}

void DealWorkers::backgroundLoop()
{
    lowerThisThreadsPriority();
    std::unique_lock lock(mutex_);
    for (;;) {
        if (!waitForWork(lock, [this] { return !queue_.empty() && !urgent_ && !numbered_; }))
            return;
        background_ = std::make_shared<DealSearch>(queue_.front());
        queue_.pop_front();
        const std::shared_ptr<DealSearch> search = background_;
        lock.unlock();
        search->work(trial_, [this] { waitWhileFindingNow(); });
        // Only this thread works on a preparation, so its answer is known
        // once work() returns.
        const std::optional<Deal> answer = search->waitForAnswer();
        lock.lock();
        background_.reset();
        if (cancelled_)
            return;
        // A search whose every check failed delivers nothing: its rules stay
        // marked as being prepared, and new deals under them are found on
        // the spot.
        if (answer) {
            finished_.append({search->rules(), std::move(*answer)});
            notifyOwner();
        }
    }
}

void DealWorkers::helperLoop()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        // A deal the caller waits for comes first.
        const auto urgentWork = [this] { return urgent_ && urgent_->hasWork(); };
        if (!waitForWork(lock, [&] { return urgentWork() || (numbered_ && numbered_->hasWork()); }))
            return;
        const std::shared_ptr<DealSearch> search = urgentWork() ? urgent_ : numbered_;
        lock.unlock();
        search->work(trial_);
        lock.lock();
    }
}

// Works on each numbered search from its start, then waits for its answer
// and hands it over, unless it was replaced or cancelled meanwhile.
void DealWorkers::numberedLoop()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        if (!waitForWork(lock, [this] { return numbered_ && numberedTakenUp_ != numberedId_; }))
            return;
        const std::shared_ptr<DealSearch> search = numbered_;
        const std::uint64_t id = numberedTakenUp_ = numberedId_;
        lock.unlock();
        search->work(trial_);
        std::optional<Deal> answer = search->waitForAnswer();
        lock.lock();
        if (cancelled_)
            return;
        if (id != numberedId_)
            continue;
        numbered_.reset();
        numberedAnswer_ = std::move(answer);
        lock.unlock();
        changed_.notify_all(); // a paused preparation goes on
        notifyOwner();
        lock.lock();
    }
}

void DealWorkers::notifyOwner()
{
    if (wake_)
        Q_EMIT wake_->finished();
}

} // namespace murvane

#include "DealWorkers.moc"
