#include "platform/IniSettingsStore.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <unistd.h>
#include <vector>

namespace kip::platform {
namespace {

namespace fs = std::filesystem;

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string> readLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool isSectionLine(const std::string& line, std::string* name) {
    const std::string t = trim(line);
    if (t.size() < 2 || t.front() != '[' || t.back() != ']')
        return false;
    if (name)
        *name = t.substr(1, t.size() - 2);
    return true;
}

// Splits "name=value"; the value keeps its blanks so texts round-trip exactly.
bool splitEntry(const std::string& line, std::string& name, std::string& value) {
    const auto eq = line.find('=');
    if (eq == std::string::npos)
        return false;
    name = trim(line.substr(0, eq));
    value = line.substr(eq + 1);
    return !name.empty();
}

// Texts are stored between quotes when they have leading or trailing blanks or a quote.
std::string encodeValue(const std::string& text) {
    const bool needsQuotes =
        !text.empty() && (text.front() == ' ' || text.back() == ' ' || text.front() == '"');
    return needsQuotes ? "\"" + text + "\"" : text;
}

std::string decodeValue(const std::string& raw) {
    if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"')
        return raw.substr(1, raw.size() - 2);
    return raw;
}

std::optional<std::string> lookup(const std::string& path, const std::string& section,
                                  const std::string& name) {
    std::string current;
    for (const auto& line : readLines(path)) {
        std::string entryName, value;
        if (isSectionLine(line, &current))
            continue;
        if (current == section && splitEntry(line, entryName, value) && entryName == name)
            return decodeValue(value);
    }
    return std::nullopt;
}

// text null: the value is removed.
void store(const std::string& path, const std::string& section, const std::string& name,
           const std::string* text) {
    std::vector<std::string> lines = readLines(path);
    const std::string entry = text ? name + "=" + encodeValue(*text) : std::string();
    std::string current;
    bool sectionFound = false;
    bool written = false;
    std::size_t insertAt = lines.size();
    for (std::size_t i = 0; i < lines.size() && !written; ++i) {
        std::string entryName, value;
        if (isSectionLine(lines[i], &current)) {
            if (sectionFound) {
                insertAt = i;
                break;
            }
            sectionFound = current == section;
            continue;
        }
        if (!sectionFound)
            continue;
        if (splitEntry(lines[i], entryName, value) && entryName == name) {
            if (text)
                lines[i] = entry;
            else
                lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
            written = true;
        } else if (!trim(lines[i]).empty()) {
            insertAt = i + 1;
        }
    }
    if (!written && !text)
        return;
    if (!written) {
        if (!sectionFound) {
            if (!lines.empty() && !trim(lines.back()).empty())
                lines.emplace_back();
            lines.push_back("[" + section + "]");
            insertAt = lines.size();
        }
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
    }

    std::error_code ec;
    const fs::path target(path);
    if (target.has_parent_path())
        fs::create_directories(target.parent_path(), ec);
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const auto& line : lines)
            out << line << '\n';
        out.flush();
        if (!out)
            return;
    }
    fs::rename(temporary, target, ec);
}

} // namespace

IniSettingsStore::IniSettingsStore(std::string path) : path_(std::move(path)) {}

std::string IniSettingsStore::defaultPath() {
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.config";
    else
        base.assign(1, '.');
    return base + "/KipGolf/KipGolf.ini";
}

int IniSettingsStore::readInt(const std::string& section, const std::string& name, int defaultValue) {
    const auto text = lookup(path_, section, name);
    if (!text)
        return defaultValue;
    const std::string t = trim(*text);
    int value = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (ec != std::errc() || end != t.data() + t.size())
        return defaultValue;
    return value;
}

void IniSettingsStore::writeInt(const std::string& section, const std::string& name, int value) {
    const std::string text = std::to_string(value);
    store(path_, section, name, &text);
}

std::string IniSettingsStore::readText(const std::string& section, const std::string& name,
                                       const std::string& defaultValue) {
    return lookup(path_, section, name).value_or(defaultValue);
}

void IniSettingsStore::writeText(const std::string& section, const std::string& name,
                                 const std::string& text) {
    store(path_, section, name, &text);
}

void IniSettingsStore::removeValue(const std::string& section, const std::string& name) {
    store(path_, section, name, nullptr);
}

} // namespace kip::platform
