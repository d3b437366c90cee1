#pragma once
// The threads behind new deals: one low-priority thread that prepares a deal
// per rule set ahead of time, helpers that let a deal needed right now
// use every core, and one more thread that, with the helpers, finds a
// numbered deal while the owner's thread goes on. Hand-over between threads goes through standard mutexes
// and atomics only, so race checkers see all of it; the owner hears of
// finished preparations on its own thread through a queued Qt signal, which
// carries nothing but the wake-up.

#include "engine/Deal.h"

#include <QList>
#include <QPair>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class QTimer;

namespace murvane {

class DealSearch;
class DealWorkersWake;

struct DealTrial;

// A check cut short that can be carried on exactly where it stopped, on any
// thread (one at a time).
class PausedCheck {
public:
    virtual ~PausedCheck() = default;
    // As the check would have answered; cut short again when `stop` turns
    // true, and then may be resumed again.
    virtual DealTrial resume(const std::atomic<bool>& stop) = 0;
};

// One shuffle checked under a rule set.
struct DealTrial {
    Layout layout;
    bool isWinnable = false;
    bool completed = true; // false when `stop` cut the check short
    std::unique_ptr<PausedCheck> paused; // when cut short: what carries it on, if anything
};

class DealWorkers {
public:
    // Shuffles and checks one deal; `attempt` counts from 1 within a search.
    // Must give up soon after `stop` turns true. Runs on any thread.
    using Trial = std::function<DealTrial(const DealRules& rules, int attempt, const std::atomic<bool>& stop)>;

    // helpers: threads that join a search for a deal needed now, besides
    // the caller. onFinished runs on the constructing thread's event loop
    // when a background preparation has finished (see takeFinished()).
    // A thread that has found nothing to do for `keepTablesFor` frees the
    // solver tables it keeps between searches, the constructing thread too
    // (through its event loop) after a deal found now.
    explicit DealWorkers(std::function<void()> onFinished, int helpers = defaultHelperCount(),
                         Trial trial = solvedShuffle, std::chrono::milliseconds keepTablesFor = kKeepTablesFor);
    // Stops every search (a check in progress gives up within a few dozen
    // positions) and joins every thread; nothing is reported afterwards.
    ~DealWorkers();
    DealWorkers(const DealWorkers&) = delete;
    DealWorkers& operator=(const DealWorkers&) = delete;

    // Long enough for a player's next New Deal to find the tables warm.
    static constexpr std::chrono::milliseconds kKeepTablesFor{3000};

    // One helper per core beyond the caller's.
    static int defaultHelperCount();
    // The real trial: a fresh shuffle, checked within the node budget; cut
    // short, it can be carried on.
    static DealTrial solvedShuffle(const DealRules& rules, int attempt, const std::atomic<bool>& stop);

    // Queues background preparation of these rule sets, in order.
    void prepare(const QList<DealRules>& rules);
    // A deal for `rules` now: up to 500 shuffles checked by the caller and
    // the helpers together; the first verified shuffle in attempt order is
    // dealt, else the last one unverified. A finished preparation of these
    // rules is used instead, at once. Preparations never compete for the
    // cores meanwhile: the check in progress stops within a few dozen
    // positions and carries on where it stopped once the deal is found, and
    // queued ones wait, so a preparation of these rules still delivers the
    // next deal, chosen as if it had never paused.
    Deal findNow(const DealRules& rules);
    // Whether a deal for `rules` is queued, being prepared, or finished and
    // not yet taken.
    bool isPreparing(const DealRules& rules);
    // Preparations finished since the last call, oldest first.
    QList<QPair<DealRules, Deal>> takeFinished();

    // Starts finding the deal `number` names under `rules` on the worker
    // threads, never the caller's: its shuffles are checked side by side and
    // the lowest-numbered one that verifies is taken, so the deal is the one
    // solver::findNumberedDeal names. Preparations pause meanwhile. Replaces
    // (cancels) a search started before. onFinished follows the answer.
    void findNumbered(std::uint32_t number, const DealRules& rules);
    // Forgets the numbered search in progress and any answer not yet taken.
    void cancelNumbered();
    // The numbered deal found since findNumbered, once; none while it is
    // still being found, after a cancel, or when every check failed.
    std::optional<Deal> takeNumbered();
    // Whether a numbered search is still going (false once it answered,
    // even with nothing, and after a cancel).
    bool isFindingNumbered();
    // Whether findNumbered can run off the caller's thread here: it needs
    // worker threads and an event loop to hear back on.
    bool findsNumberedAside() const { return wake_ && threads_.size() > 1; }

private:
    void backgroundLoop();
    void helperLoop();
    void numberedLoop();
    void waitWhileFindingNow();
    void notifyOwner();
    // Waits on changed_ until `ready`; once idle for keepTablesFor_, frees
    // this thread's solver tables first. False when cancelled.
    template <class Ready>
    bool waitForWork(std::unique_lock<std::mutex>& lock, Ready ready);

    Trial trial_;
    std::function<void()> onFinished_;
    DealWorkersWake* wake_ = nullptr; // lives on the constructing thread
    const std::chrono::milliseconds keepTablesFor_;
    QTimer* ownerTablesTimer_ = nullptr; // frees the constructing thread's tables

    std::mutex mutex_;
    std::condition_variable changed_;
    bool cancelled_ = false;
    std::deque<DealRules> queue_;
    std::shared_ptr<DealSearch> background_; // the preparation running now
    std::shared_ptr<DealSearch> urgent_;     // the search findNow() waits for
    std::shared_ptr<DealSearch> numbered_;   // the numbered deal being found
    std::uint64_t numberedId_ = 0;           // counts numbered searches started or cancelled
    std::uint64_t numberedTakenUp_ = 0;      // the last one numberedLoop() took up
    std::optional<Deal> numberedAnswer_;
    QList<QPair<DealRules, Deal>> finished_;
    std::vector<std::thread> threads_;
};

} // namespace murvane
