#pragma once
// One QCoreApplication for the whole test binary, so that queued end-of-turn
// work can run; a "turn" ends when the test calls endTurn().

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace murvane::testing {

class QtAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (QCoreApplication::instance() == nullptr)
            app_ = new QCoreApplication(argc_, argv_);
    }
    void TearDown() override
    {
        delete app_;
        app_ = nullptr;
    }

private:
    inline static int argc_ = 1;
    inline static char name_[] = "persistence_tests";
    inline static char* argv_[] = {name_, nullptr};
    QCoreApplication* app_ = nullptr;
};

// Runs everything queued so far, as the event loop does between turns.
inline void endTurn() { QCoreApplication::processEvents(); }

} // namespace murvane::testing
