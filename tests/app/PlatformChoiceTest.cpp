// Which Qt platform the game asks for, over the sessions it meets.
#include "app/PlatformChoice.h"

#include <gtest/gtest.h>

#include <vector>

using namespace murvane::app;

TEST(PlatformChoice, EnvironmentCombinations)
{
    struct Row {
        const char* session;
        PlatformEnvironment environment;
        QByteArray expected;
    };
    const Row rows[] = {
        {"Wayland with XWayland", {true, true, false}, "xcb;wayland"},
        {"Wayland without XWayland", {true, false, false}, "wayland;xcb"},
        {"X11 only", {false, true, false}, ""},
        {"no display at all", {false, false, false}, ""},
        {"user's choice on Wayland with XWayland", {true, true, true}, ""},
        {"user's choice on Wayland alone", {true, false, true}, ""},
        {"user's choice on X11", {false, true, true}, ""},
    };
    for (const Row& row : rows)
        EXPECT_EQ(choosePlatform(row.environment), row.expected) << row.session;
}

TEST(PlatformChoice, ReadsTheSessionAndTheUsersChoice)
{
    struct Saved {
        const char* name;
        QByteArray value;
        bool set;
    };
    std::vector<Saved> saved;
    for (const char* name : {"WAYLAND_DISPLAY", "DISPLAY", "QT_QPA_PLATFORM"})
        saved.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});

    qputenv("WAYLAND_DISPLAY", "wayland-1");
    qputenv("DISPLAY", ""); // set but empty: no X server
    qunsetenv("QT_QPA_PLATFORM");
    const char* plain[] = {"murvane-solitaire", "--new-game"};
    PlatformEnvironment read = readPlatformEnvironment(2, plain);
    EXPECT_TRUE(read.waylandDisplay);
    EXPECT_FALSE(read.x11Display);
    EXPECT_FALSE(read.userChosePlatform);

    // Every spelling Qt accepts on the command line counts as a choice; a
    // look-alike does not.
    for (const char* arg : {"-platform", "--platform", "-platform=wayland", "--platform=xcb"}) {
        const char* argv[] = {"murvane-solitaire", arg, "xcb"};
        EXPECT_TRUE(readPlatformEnvironment(3, argv).userChosePlatform) << arg;
    }
    const char* lookAlike[] = {"murvane-solitaire", "-platformtheme", "gtk3"};
    EXPECT_FALSE(readPlatformEnvironment(3, lookAlike).userChosePlatform);

    qputenv("QT_QPA_PLATFORM", "wayland");
    EXPECT_TRUE(readPlatformEnvironment(1, plain).userChosePlatform);

    for (const Saved& s : saved)
        s.set ? void(qputenv(s.name, s.value)) : void(qunsetenv(s.name));
}
