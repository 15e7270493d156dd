#pragma once
// File open and save choosers with a title, a filter list and a default extension.

#include <optional>
#include <string>
#include <vector>

namespace kip::platform {

struct FileFilter {
    std::string description; // "Text Files (*.txt)"
    std::string patterns;    // "*.txt"; several separated by ';'
};

struct FileRequest {
    std::string title;
    std::vector<FileFilter> filters;
    std::string defaultExtension; // without the dot; added to a typed name that has none
    std::string initialName;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> chooseOpen(const FileRequest& request) = 0;
    virtual std::optional<std::string> chooseSave(const FileRequest& request) = 0;
};

} // namespace kip::platform
