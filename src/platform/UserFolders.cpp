#include "platform/UserFolders.h"

#include <cstdlib>

namespace kip::platform {

std::string userDataFolder() {
    std::string base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/')
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.local/share";
    else
        base.assign(1, '.');
    if (base.back() != '/')
        base += '/';
    return base;
}

} // namespace kip::platform
