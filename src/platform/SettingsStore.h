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
};

} // namespace kip::platform
