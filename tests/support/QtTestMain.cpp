// GoogleTest entry for tests that need a Qt application object (timers,
// queued calls, widgets). Widgets need QApplication; others get a core app.
#include <gtest/gtest.h>

#ifdef MURVANE_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv)
{
    // Test discovery runs the binary outside ctest's environment; never try to
    // reach a display from a test.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TestApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
