#pragma once
// Whole-or-nothing replacement of a set of files in one folder. Every new file is first copied
// beside its destination as name + ".staged"; a commit mark in the folder then lists the
// destinations, the staged copies are renamed into place and the mark goes. A stop before the mark
// leaves the old set (the staged copies are removed later); a stop after it is finished later.

#include "platform/FileOps.h"

#include <string>
#include <vector>

namespace kip::golfdb {

inline constexpr const char* stagedSuffix = ".staged";
inline constexpr const char* commitMarkName = "KipGolf.commit";

// Writes the commit mark of `folder` listing `targets` (full paths) and makes it durable.
bool writeCommitMark(const std::string& folder, const std::vector<std::string>& targets);
// Removes the commit mark once every staged copy is in place.
void clearCommitMark(const std::string& folder);
// Finishes a replacement whose commit mark is there, or drops the staged copies of one that never
// got that far, and removes what a stopped compress or reindex left (".packing", ".cdx.tmp", a copy's
// ".part"). Returns true when a replacement was finished; `removed` gets the names of the files removed.
bool settleStagedFiles(const std::string& folder, platform::FileOps& files,
                       std::vector<std::string>* removed = nullptr);

} // namespace kip::golfdb
