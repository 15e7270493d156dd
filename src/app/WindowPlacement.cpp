#include "app/WindowPlacement.h"

#include <algorithm>
#include <charconv>

namespace kip::app {
namespace {

long overlap(const WindowRect& a, const WindowRect& b) {
    const long w = std::min(a.right(), b.right()) - std::max(a.x, b.x);
    const long h = std::min(a.bottom(), b.bottom()) - std::max(a.y, b.y);
    return w > 0 && h > 0 ? w * h : 0;
}

} // namespace

std::optional<WindowPlacement> readPlacement(platform::SettingsStore& settings, const std::string& window) {
    const std::string text = settings.readText(windowsSection, window, "");
    int values[5] = {};
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (int i = 0; i < 5; ++i) {
        if (i > 0) {
            if (at == end || *at != ',')
                return std::nullopt;
            ++at;
        }
        const auto [next, error] = std::from_chars(at, end, values[i]);
        if (error != std::errc())
            return std::nullopt;
        at = next;
    }
    if (at != end || values[2] <= 0 || values[3] <= 0 || (values[4] != 0 && values[4] != 1))
        return std::nullopt;
    return WindowPlacement{{values[0], values[1], values[2], values[3]}, values[4] == 1};
}

void writePlacement(platform::SettingsStore& settings, const std::string& window, const WindowPlacement& at) {
    const WindowRect& r = at.normal;
    settings.writeText(windowsSection, window,
                       std::to_string(r.x) + ',' + std::to_string(r.y) + ',' + std::to_string(r.width) + ',' +
                           std::to_string(r.height) + ',' + (at.maximized ? '1' : '0'));
}

WindowRect fitInside(const WindowRect& wanted, const WindowRect& area, FrameSize frame) {
    WindowRect out = wanted;
    out.width = std::max(1, std::min(wanted.width, area.width - frame.width));
    out.height = std::max(1, std::min(wanted.height, area.height - frame.height));
    const int outerWidth = out.width + frame.width;
    const int outerHeight = out.height + frame.height;
    out.x = std::max(area.x, std::min(wanted.x, area.right() - outerWidth));
    out.y = std::max(area.y, std::min(wanted.y, area.bottom() - outerHeight));
    return out;
}

WindowRect placeOnScreens(const WindowRect& wanted, const std::vector<WindowRect>& screens, FrameSize frame) {
    if (screens.empty())
        return wanted;
    const WindowRect outer{wanted.x, wanted.y, wanted.width + frame.width, wanted.height + frame.height};
    const WindowRect* best = &screens.front();
    long bestOverlap = 0;
    for (const WindowRect& screen : screens)
        if (const long o = overlap(outer, screen); o > bestOverlap) {
            bestOverlap = o;
            best = &screen;
        }
    return fitInside(wanted, *best, frame);
}

} // namespace kip::app
