// Searches off the owner's thread: stopping, replacing and going away never
// wait for a job that is slow to notice its stop, and only the latest
// search's answer is delivered, on the owner's thread.
#include "engine/SearchThread.h"

#include <QCoreApplication>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

using namespace murvane;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

// Holds the jobs that ignore their stop flag until it opens (2 s at most).
struct Gate {
    std::mutex mutex;
    std::condition_variable opened;
    bool isOpen = false;
    void pass()
    {
        std::unique_lock lock(mutex);
        opened.wait_for(lock, 2s, [this] { return isOpen; });
    }
    void open()
    {
        {
            const std::lock_guard lock(mutex);
            isOpen = true;
        }
        opened.notify_all();
    }
};

auto stubborn(const std::shared_ptr<Gate>& gate, int answer)
{
    return [gate, answer](const std::atomic<bool>&) {
        gate->pass();
        return answer;
    };
}

auto quick(int answer)
{
    return [answer](const std::atomic<bool>&) { return answer; };
}

struct Delivered {
    std::vector<int> answers;
    bool onOwnersThread = true;
    auto recorder()
    {
        return [this](int answer) {
            answers.push_back(answer);
            onOwnersThread = onOwnersThread && QThread::currentThread() == QCoreApplication::instance()->thread();
        };
    }
};

TEST(SearchThreadTest, NothingWaitsForAJobThatIgnoresItsStop)
{
    auto gate = std::make_shared<Gate>();
    auto slow = std::make_shared<Gate>();
    Delivered delivered;
    auto left = Clock::now();
    {
        SearchThread search;
        const auto before = Clock::now();
        search.start(stubborn(gate, 1), delivered.recorder());
        search.stop();
        search.start(quick(2), delivered.recorder()); // beside the stopped one
        EXPECT_LT(Clock::now() - before, 500ms);
        ASSERT_TRUE(QTest::qWaitFor([&search] { return !search.isRunning(); }, 5000));
        EXPECT_EQ(delivered.answers, std::vector<int>{2});

        // Every thread taken by a job deaf to its stop: the next search
        // waits its turn, and runs once one of them ends.
        for (int i = 1; i < SearchThread::kMaxThreads; ++i)
            search.start(stubborn(gate, 10 + i), delivered.recorder());
        search.start(quick(3), delivered.recorder());
        EXPECT_EQ(search.liveThreads(), SearchThread::kMaxThreads);
        QTest::qWait(50);
        EXPECT_TRUE(search.isRunning());
        gate->open();
        ASSERT_TRUE(QTest::qWaitFor([&search] { return !search.isRunning(); }, 5000));
        EXPECT_EQ(delivered.answers, (std::vector<int>{2, 3}));

        search.start(stubborn(slow, 4), delivered.recorder());
        left = Clock::now();
    } // goes away in the middle of a job
    EXPECT_LT(Clock::now() - left, 500ms);
    slow->open();
    QTest::qWait(100);
    EXPECT_EQ(delivered.answers, (std::vector<int>{2, 3}));
    EXPECT_TRUE(delivered.onOwnersThread);
}

TEST(SearchThreadTest, StaleAnswersAreDropped)
{
    SearchThread search;
    Delivered delivered;
    search.start(quick(1), delivered.recorder());
    search.start(quick(2), delivered.recorder()); // replaces the first
    ASSERT_TRUE(QTest::qWaitFor([&search] { return !search.isRunning(); }, 5000));
    EXPECT_EQ(delivered.answers, std::vector<int>{2});

    // Answered, but stopped before the answer was taken.
    search.start(quick(3), delivered.recorder());
    for (int i = 0; i < 500 && search.liveThreads() > 0; ++i)
        QThread::msleep(10);
    search.stop();
    EXPECT_FALSE(search.isRunning());
    QTest::qWait(20);
    EXPECT_EQ(delivered.answers, std::vector<int>{2});
    EXPECT_TRUE(delivered.onOwnersThread);
}

} // namespace
