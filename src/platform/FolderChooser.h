#pragma once

#include <optional>
#include <string>

namespace kip::platform {

class FolderChooser {
public:
    virtual ~FolderChooser() = default;
    // The chosen existing folder, or nothing when the user cancelled.
    virtual std::optional<std::string> chooseFolder(const std::string& title) = 0;
};

} // namespace kip::platform
