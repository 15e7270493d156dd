#include "app/CAboutDlg.h"

#include <array>
#include <cstdio>

namespace kip::app {

std::string CAboutDlg::versionText(int major, int minor) {
    if (major < 0 || minor < 0)
        return {};
    std::array<char, 40> text{};
    std::snprintf(text.data(), text.size(), "Version %d.%02d", major, minor);
    return text.data();
}

std::string CAboutDlg::versionText() {
#if defined(KIP_VERSION_MAJOR) && defined(KIP_VERSION_MINOR)
    return versionText(KIP_VERSION_MAJOR, KIP_VERSION_MINOR);
#else
    return {};
#endif
}

} // namespace kip::app
