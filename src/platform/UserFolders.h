#pragma once
// Per-user folders of the desktop (XDG base directories).

#include <string>

namespace kip::platform {

// $XDG_DATA_HOME, or ~/.local/share; always ends with '/'.
std::string userDataFolder();

} // namespace kip::platform
