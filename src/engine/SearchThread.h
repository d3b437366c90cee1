#pragma once
// Runs one search at a time off the owner's thread, without ever making the
// owner wait for it. A search is a job that polls a stop flag and returns its
// answer; the answer is handed to the delivery on the owner's thread, and
// only while that search is still the latest one and was not stopped.
//
// Stopping is a request: the flag is set and the search forgotten at once.
// A new search starts at once too, beside an old one that has not yet
// noticed its stop. Each search keeps its own state (its flag, its owner
// pointer) in a block it shares with its thread, so an abandoned thread
// finishes on its own and never reaches the owner once it is gone. Jobs
// must therefore hold copies (or shared pointers) of what they read, never
// references into the owner; the delivery may use the owner freely.
//
// Workers at idle priority get no CPU while other programs keep the cores
// busy, so the owner never waits on one beyond kQuitWaitMs, and shares no
// lock with one: a worker preempted while holding it would stall the owner.
// Stopped searches that get no CPU would pile up, one thread each, so past
// kMaxThreads live threads a new search waits its turn (without anyone
// waiting for it) until one of them ends.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QObject;

namespace murvane {

class SearchThread {
public:
    enum class Priority : std::uint8_t { normal, idle };
    // The longest the destructor waits, in all, for stopped searches to end
    // before it leaves them to finish on their own.
    static constexpr std::chrono::milliseconds kQuitWaitMs{50};
    // Threads one owner keeps at once, stopped ones included.
    static constexpr int kMaxThreads = 2;

    SearchThread();
    // Stops every search, waits at most kQuitWaitMs for their threads, and
    // abandons the rest; no delivery runs afterwards.
    ~SearchThread();
    SearchThread(const SearchThread&) = delete;
    SearchThread& operator=(const SearchThread&) = delete;

    // Stops the running search and starts `job` on a new thread (once fewer
    // than kMaxThreads are live). `job` is called as job(stop) with a
    // const std::atomic<bool>& stop and returns an answer; `deliver(answer)`
    // later runs on this object's thread, unless the search was stopped or
    // replaced by then.
    template <class Job, class Deliver>
    void start(Job job, Deliver deliver, Priority priority = Priority::normal)
    {
        launch(
            [job = std::move(job), deliver = std::move(deliver)](const std::atomic<bool>& stop) mutable
            -> std::function<void()> {
                return [answer = job(stop), deliver = std::move(deliver)]() mutable { deliver(std::move(answer)); };
            },
            priority);
    }
    // Asks the running search to give up and drops its answer; never waits.
    void stop();
    // A search was started (or waits its turn) and was neither delivered
    // nor stopped yet.
    bool isRunning() const { return current_ != nullptr; }
    // Threads not yet ended, the stopped ones among them (for tests and benches).
    int liveThreads() const;

private:
    struct Search;
    using Job = std::function<std::function<void()>(const std::atomic<bool>& stop)>;
    void launch(Job job, Priority priority);
    void spawn(const std::shared_ptr<Search>& search, Job job, Priority priority);
    // On this thread, after a search's thread ended; `delivery` is empty
    // when the search was stopped.
    void ended(const Search& search, const std::function<void()>& delivery);

    QObject* const mailbox_; // on this thread, never destroyed: answers are posted to it
    std::uint64_t generation_ = 0; // bumped by every start and stop
    std::shared_ptr<Search> current_;
    std::vector<std::shared_ptr<Search>> started_; // until their threads end
    // The latest search, while kMaxThreads threads are still live.
    Job waitingJob_;
    Priority waitingPriority_ = Priority::normal;
};

} // namespace murvane
