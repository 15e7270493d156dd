#pragma once
// What opening a data folder repaired (an index rebuilt, a stopped change undone, a leftover file
// removed) is said once. Each repair leaves a note here; the window shows the notes in one message
// after its open, and kipgolf-cli, which sets a listener, prints each on standard error at once.

#include <functional>
#include <string>
#include <vector>

namespace kip::golfdb {

using RepairListener = std::function<void(const std::string&)>;

// With a listener every note goes to it and is not kept.
void setRepairListener(RepairListener listener);
void noteRepair(const std::string& text);
// The notes kept so far, which are then forgotten.
std::vector<std::string> takeRepairNotes();

// The note of an index rebuilt from its table.
std::string rebuiltIndexNote(const std::string& tableName);

} // namespace kip::golfdb
