// Window places in the settings file, and putting them back on the screens there are now.

#include "app/WindowPlacement.h"
#include "platform/IniSettingsStore.h"
#include "support/Doubles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace kip;
using app::FrameSize;
using app::WindowPlacement;
using app::WindowRect;

TEST(WindowPlacement, IsKeptInTheSettingsFileAndReadBack) {
    test::TempDir dir;
    {
        platform::IniSettingsStore settings(dir.file("KipGolf.ini"));
        // A window on a screen left of the first one has a negative corner.
        app::writePlacement(settings, "MainWindow", {{-1500, 40, 1200, 800}, true});
        app::writePlacement(settings, "Help", {{10, 20, 720, 560}, false});
    }
    platform::IniSettingsStore settings(dir.file("KipGolf.ini"));
    EXPECT_EQ(settings.readText("Windows", "MainWindow", ""), "-1500,40,1200,800,1");
    EXPECT_EQ(app::readPlacement(settings, "MainWindow"), (WindowPlacement{{-1500, 40, 1200, 800}, true}));
    EXPECT_EQ(app::readPlacement(settings, "Help"), (WindowPlacement{{10, 20, 720, 560}, false}));
    EXPECT_EQ(app::readPlacement(settings, "Graph"), std::nullopt);
}

TEST(WindowPlacement, AValueThatIsNotAPlaceIsIgnored) {
    test::MemorySettingsStore settings;
    for (const char* text : {"", "10,20,300,200", "10,20,300,200,0,1", "10,20,0,200,0", "10,20,300,-5,0",
                             "a,20,300,200,0", "10,20,300,200,2", "10, 20,300,200,0", "10,20,300,200,0x"}) {
        settings.writeText("Windows", "Listing", text);
        EXPECT_EQ(app::readPlacement(settings, "Listing"), std::nullopt) << text;
    }
}

TEST(WindowPlacement, StaysOnTheScreenItWasLeftOnWhenItFits) {
    const std::vector<WindowRect> screens{{0, 0, 1366, 740}, {1366, 0, 1920, 1050}};
    EXPECT_EQ(app::placeOnScreens({1500, 100, 1000, 700}, screens), (WindowRect{1500, 100, 1000, 700}));
    EXPECT_EQ(app::placeOnScreens({100, 30, 1000, 700}, screens, {8, 34}), (WindowRect{100, 6, 1000, 700}));
}

TEST(WindowPlacement, ComesBackOnAScreenThatExistsNow) {
    // Left on a second screen that is gone: it comes back wholly on the one there is.
    const std::vector<WindowRect> laptop{{0, 0, 1366, 740}};
    EXPECT_EQ(app::placeOnScreens({2000, 300, 1000, 700}, laptop), (WindowRect{366, 40, 1000, 700}));
    // Larger than the screen now (a smaller screen, or 200% scaling): shrunk to it, frame included.
    const std::vector<WindowRect> scaled{{0, 27, 960, 513}};
    EXPECT_EQ(app::placeOnScreens({50, 60, 1000, 700}, scaled, {8, 34}), (WindowRect{0, 27, 952, 479}));
    // Across two screens it goes onto the one holding most of it.
    const std::vector<WindowRect> two{{0, 0, 1366, 740}, {1366, 0, 1920, 1050}};
    EXPECT_EQ(app::placeOnScreens({900, 300, 800, 400}, two), (WindowRect{566, 300, 800, 400}));
    EXPECT_EQ(app::placeOnScreens({1000, 300, 800, 400}, two), (WindowRect{1366, 300, 800, 400}));
    // Above and left of every screen.
    EXPECT_EQ(app::placeOnScreens({-5000, -5000, 400, 300}, two), (WindowRect{0, 0, 400, 300}));
}
