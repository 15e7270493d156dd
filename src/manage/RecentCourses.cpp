#include "manage/RecentCourses.h"

#include "platform/TextFormat.h"

#include <algorithm>
#include <cstdio>

namespace kip::manage {
namespace {

std::string valueName(int n) {
    return platform::formatText("Name%02d", n);
}

} // namespace

void loadRecent(platform::SettingsStore& settings, golfdb::CKipGolfDoc& doc) {
    auto& recent = doc.recentCourses();
    recent.clear();
    for (int n = 0; n < golfdb::recentCoursesSize; ++n) {
        std::string key = settings.readText(recentSection, valueName(n), "");
        if (key.empty())
            break;
        recent.push_back(std::move(key));
    }
}

void saveRecent(platform::SettingsStore& settings, golfdb::CKipGolfDoc& doc) {
    const auto& recent = doc.recentCourses();
    for (int n = 0; n < golfdb::recentCoursesSize; ++n) {
        if (static_cast<std::size_t>(n) < recent.size())
            settings.writeText(recentSection, valueName(n), recent[static_cast<std::size_t>(n)]);
        else
            settings.removeValue(recentSection, valueName(n));
    }
}

void promoteRecent(platform::SettingsStore& settings, golfdb::CKipGolfDoc& doc, const std::string& key) {
    auto& recent = doc.recentCourses();
    if (!recent.empty() && recent.front() == key)
        return;
    recent.erase(std::remove(recent.begin(), recent.end(), key), recent.end());
    recent.insert(recent.begin(), key);
    if (recent.size() > static_cast<std::size_t>(golfdb::recentCoursesSize))
        recent.resize(golfdb::recentCoursesSize);
    saveRecent(settings, doc);
}

int nextRecent(golfdb::CKipGolfDoc& doc, const std::string& key, std::string& next) {
    const auto& recent = doc.recentCourses();
    next.clear();
    std::size_t at = 0;
    if (!key.empty()) {
        const auto it = std::find(recent.begin(), recent.end(), key);
        if (it == recent.end())
            return recentNone;
        at = static_cast<std::size_t>(it - recent.begin()) + 1;
    }
    if (at >= recent.size())
        return recentNone;
    next = recent[at];
    return 0;
}

} // namespace kip::manage
