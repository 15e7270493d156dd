#include "app/CAboutDlg.h"

#include "platform/TextFormat.h"

namespace kip::app {

std::string CAboutDlg::versionText(int major, int minor) {
    if (major < 0 || minor < 0)
        return {};
    return platform::formatText("Version %d.%02d", major, minor);
}

std::string CAboutDlg::versionText() {
#if defined(KIP_VERSION_MAJOR) && defined(KIP_VERSION_MINOR)
    return versionText(KIP_VERSION_MAJOR, KIP_VERSION_MINOR);
#else
    return {};
#endif
}

} // namespace kip::app
