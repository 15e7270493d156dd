#pragma once
// Where a window was left: its normal rectangle (the frame's top left corner and the inside size)
// and whether it was maximised, kept in the settings file section "Windows" as "x,y,width,height,max",
// and put back on one of the screens that exist now.

#include "platform/SettingsStore.h"

#include <optional>
#include <string>
#include <vector>

namespace kip::app {

struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int right() const { return x + width; }
    int bottom() const { return y + height; }
    bool operator==(const WindowRect&) const = default;
};

struct WindowPlacement {
    WindowRect normal;
    bool maximized = false;
    bool operator==(const WindowPlacement&) const = default;
};

// How much wider and taller a window's frame (title bar and borders) is than its inside.
struct FrameSize {
    int width = 0;
    int height = 0;
};

inline constexpr const char* windowsSection = "Windows";

// Nothing when the window was never remembered or the value is not five whole numbers with a positive size.
std::optional<WindowPlacement> readPlacement(platform::SettingsStore& settings, const std::string& window);
void writePlacement(platform::SettingsStore& settings, const std::string& window, const WindowPlacement& at);

// The remembered rectangle moved onto the screen (available area, without panels) it overlaps most,
// or onto the first screen when it overlaps none: no larger than that area, and wholly inside it.
WindowRect placeOnScreens(const WindowRect& wanted, const std::vector<WindowRect>& screens,
                          FrameSize frame = {});

// The same rectangle moved, and shrunk where needed, to lie wholly inside one area.
WindowRect fitInside(const WindowRect& wanted, const WindowRect& area, FrameSize frame = {});

} // namespace kip::app
