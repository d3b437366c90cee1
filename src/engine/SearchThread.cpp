#include "engine/SearchThread.h"

#include <QMetaObject>
#include <QObject>

#include <algorithm>
#include <system_error>
#include <thread>
#include <utility>

#if defined(Q_OS_LINUX)
#include <pthread.h>
#include <sched.h>
#endif

namespace murvane {

// What a search's thread and its owner share. The thread touches only the
// atomics; the owner pointer is read and cleared on the owner's thread alone.
struct SearchThread::Search {
    std::atomic<bool> stop{false};
    std::atomic<bool> hasEnded{false};
    std::uint64_t generation = 0;
    SearchThread* owner = nullptr; // cleared when the owner goes
};

namespace {

// Posting to an object another thread may be destroying is not safe, so
// answers go to an object of the owner's thread that lives as long as the
// process; the delivery then looks for the owner there.
QObject* mailboxOfThisThread()
{
    thread_local QObject* const mailbox = new QObject;
    return mailbox;
}

void lowerPriority(SearchThread::Priority priority)
{
    if (priority != SearchThread::Priority::idle)
        return;
#if defined(Q_OS_LINUX) && defined(SCHED_IDLE)
    sched_param param{};
    pthread_setschedparam(pthread_self(), SCHED_IDLE, &param);
#endif
}

} // namespace

SearchThread::SearchThread() : mailbox_(mailboxOfThisThread()) {}

SearchThread::~SearchThread()
{
    stop();
    for (const auto& search : started_)
        search->owner = nullptr;
    // Searches notice their stop within a few dozen positions; one that gets
    // no CPU is left to end on its own rather than hold up quitting.
    const auto deadline = std::chrono::steady_clock::now() + kQuitWaitMs;
    for (const auto& search : started_)
        while (!search->hasEnded && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void SearchThread::stop()
{
    ++generation_;
    waitingJob_ = nullptr;
    if (current_) {
        current_->stop = true;
        current_.reset();
    }
}

int SearchThread::liveThreads() const
{
    return int(std::count_if(started_.begin(), started_.end(), [](const auto& search) { return !search->hasEnded; }));
}

void SearchThread::launch(Job job, Priority priority)
{
    stop();
    auto search = std::make_shared<Search>();
    search->generation = generation_;
    search->owner = this;
    current_ = search;
    std::erase_if(started_, [](const std::shared_ptr<Search>& s) { return s->hasEnded.load(); });
    if (liveThreads() < kMaxThreads) {
        spawn(search, std::move(job), priority);
        return;
    }
    waitingJob_ = std::move(job);
    waitingPriority_ = priority;
}

void SearchThread::spawn(const std::shared_ptr<Search>& search, Job job, Priority priority)
{
    try {
        std::thread([search, job = std::move(job), priority, mailbox = mailbox_] {
            lowerPriority(priority);
            std::function<void()> delivery = job(search->stop);
            if (search->stop)
                delivery = nullptr;
            search->hasEnded = true;
            QMetaObject::invokeMethod(
                mailbox,
                [search, delivery = std::move(delivery)] {
                    if (search->owner)
                        search->owner->ended(*search, delivery);
                },
                Qt::QueuedConnection);
        }).detach();
    } catch (const std::system_error&) {
        if (current_ == search)
            current_.reset(); // no thread to be had: no answer, as if stopped
        return;
    }
    started_.push_back(search);
}

void SearchThread::ended(const Search& search, const std::function<void()>& delivery)
{
    std::erase_if(started_, [](const std::shared_ptr<Search>& s) { return s->hasEnded.load(); });
    if (waitingJob_ && current_ && liveThreads() < kMaxThreads)
        spawn(current_, std::exchange(waitingJob_, nullptr), waitingPriority_);
    if (!delivery || search.generation != generation_ || search.stop)
        return; // stopped or replaced after it finished
    current_.reset();
    delivery();
}

} // namespace murvane
