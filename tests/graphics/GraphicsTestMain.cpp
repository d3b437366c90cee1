// Pixmaps and fonts need a GUI application; gtest_main owns main(), so the
// application is created by a global test environment.
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "graphics_tests";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance())
            app = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { app.reset(); }

private:
    std::unique_ptr<QGuiApplication> app;
};

[[maybe_unused]] ::testing::Environment* const guiEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

} // namespace
