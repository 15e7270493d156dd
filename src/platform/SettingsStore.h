#pragma once
// Per-user settings: sections of named integer and text values.

#include <string>

namespace kip::platform {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual int readInt(const std::string& section, const std::string& name, int defaultValue) = 0;
    virtual void writeInt(const std::string& section, const std::string& name, int value) = 0;
    virtual std::string readText(const std::string& section, const std::string& name,
                                 const std::string& defaultValue) = 0;
    virtual void writeText(const std::string& section, const std::string& name, const std::string& text) = 0;
    // Takes the value out of the store; a store that cannot remove leaves it empty, which every reader
    // treats as missing.
    virtual void removeValue(const std::string& section, const std::string& name) {
        writeText(section, name, {});
    }
};

} // namespace kip::platform
