#pragma once
// Whole-buffer reads and writes at a file offset. pread and pwrite may move fewer bytes than asked
// or be interrupted by a signal; a table or index page half read or half written is never wanted.

#include <cstddef>
#include <cstdint>
#include <string>

namespace kip::store {

// False when the file ends first or the system reports an error.
bool readFully(int fd, std::uint8_t* buffer, std::size_t size, std::uint64_t offset);
bool writeFully(int fd, const std::uint8_t* buffer, std::size_t size, std::uint64_t offset);

// For kill tests: after killAtWrite(n) the n-th write of a table, index or log file from then on
// ends the process with SIGKILL before it is made (0 turns it off). Costs one load per write.
void killAtWrite(long n);
void countWrite();

// Makes the entries of the folder holding `path` durable (after a rename or unlink there).
bool syncFolderOf(const std::string& path);
// Gives a new file at `fd` the permission bits and, where allowed, the owner of the file at
// `original` (nothing when it does not exist).
void copyModeAndOwner(const std::string& original, int fd);

} // namespace kip::store
