#pragma once
// Settings kept in one INI file, shared by the window program and the command-line companion.
// Every write rereads the file, changes one value and writes the whole file to a temporary file
// that is renamed into place, so both programs see each other's changes and a crash never leaves
// half a file.

#include "platform/SettingsStore.h"

#include <string>

namespace kip::platform {

class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(std::string path);

    // $XDG_CONFIG_HOME/KipGolf/KipGolf.ini, or ~/.config/KipGolf/KipGolf.ini.
    static std::string defaultPath();

    int readInt(const std::string& section, const std::string& name, int defaultValue) override;
    void writeInt(const std::string& section, const std::string& name, int value) override;
    std::string readText(const std::string& section, const std::string& name,
                         const std::string& defaultValue) override;
    void writeText(const std::string& section, const std::string& name, const std::string& text) override;
    void removeValue(const std::string& section, const std::string& name) override;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

} // namespace kip::platform
