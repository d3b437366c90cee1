// Entry for the shell's tests: the accessibility factory goes in before the
// application object, as in the program itself, and the tests run offscreen.
#include "platform/PopupAccessibility.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    murvane::installPopupAwareAccessibility();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
