#pragma once
// Before a data folder's tables are opened, what a stopped program left is settled, and each repair
// leaves a note (RepairNotes.h): a change over many rows is rolled back from its undo log and the
// indexes of its tables rebuilt; a replacement of the table files is finished or dropped; rows an
// append wrote but never counted are cut away; staging and packing files, and what a stopped
// backup left in its folder, are removed. Only the folder's writer may do it: the lock is taken for
// the moment unless this process holds it, and when another program holds it nothing is done.

#include <string>

namespace kip::golfdb {

inline constexpr const char* backupMarkName = "KipGolf.backup";   // names the folder a backup writes
inline constexpr const char* restoreMarkName = "KipGolf.restore"; // a restore keeps a safety copy

void settleDataFolder(const std::string& dataDir);

// A restore marks the folder while its safety copy exists; once the tables of a folder so marked
// open again, the safety copy of the stopped restore is removed (by the document after its open).
bool markFolder(const std::string& dataDir, const char* markName, const std::string& text);
void unmarkFolder(const std::string& dataDir, const char* markName);
void dropStoppedRestoreCopy(const std::string& dataDir);

} // namespace kip::golfdb
