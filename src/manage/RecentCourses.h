#pragma once
// The recently played courses: up to five course keys, newest first, held by the document and kept
// in the settings section CourseMRU as Name00 to Name04.

#include "golfdb/CKipGolfDoc.h"
#include "platform/SettingsStore.h"

#include <string>

namespace kip::manage {

inline constexpr const char* recentSection = "CourseMRU";
inline constexpr int recentNone = 4; // nextRecent: no entry follows

// Reads Name00 on until the first empty value into the document's list.
void loadRecent(platform::SettingsStore& settings, golfdb::CKipGolfDoc& doc);
// Writes the entries and removes the names no entry uses.
void saveRecent(platform::SettingsStore& settings, golfdb::CKipGolfDoc& doc);
// Moves or inserts the key at the front (keeping five at most) and saves the list.
void promoteRecent(platform::SettingsStore& settings, golfdb::CKipGolfDoc& doc, const std::string& key);
// The entry after key (the first one when key is empty) into next: 0, or recentNone with next empty.
int nextRecent(golfdb::CKipGolfDoc& doc, const std::string& key, std::string& next);

} // namespace kip::manage
