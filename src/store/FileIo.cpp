#include "store/FileIo.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace kip::store {

namespace {

template <class Byte, class Transfer>
bool transferFully(Transfer transfer, int fd, Byte* buffer, std::size_t size, std::uint64_t offset) {
    while (size > 0) {
        const ssize_t n = transfer(fd, buffer, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        buffer += n;
        size -= static_cast<std::size_t>(n);
        offset += static_cast<std::uint64_t>(n);
    }
    return true;
}

std::atomic<long> writesBeforeKill{0};

} // namespace

void killAtWrite(long n) {
    writesBeforeKill.store(n, std::memory_order_relaxed);
}

void countWrite() {
    if (writesBeforeKill.load(std::memory_order_relaxed) > 0 &&
        writesBeforeKill.fetch_sub(1, std::memory_order_relaxed) == 1)
        ::raise(SIGKILL);
}

bool readFully(int fd, std::uint8_t* buffer, std::size_t size, std::uint64_t offset) {
    return transferFully(::pread, fd, buffer, size, offset);
}

bool writeFully(int fd, const std::uint8_t* buffer, std::size_t size, std::uint64_t offset) {
    countWrite();
    return transferFully(::pwrite, fd, buffer, size, offset);
}

bool syncFolderOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const int fd = ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

void copyModeAndOwner(const std::string& original, int fd) {
    struct stat st {};
    if (::stat(original.c_str(), &st) != 0)
        return;
    struct stat now {};
    // Another owner can only be given by a superuser; the permission bits are kept in any case.
    if (::fstat(fd, &now) == 0 && (now.st_uid != st.st_uid || now.st_gid != st.st_gid) &&
        ::fchown(fd, st.st_uid, st.st_gid) != 0 && ::fchown(fd, now.st_uid, st.st_gid) != 0) {
    }
    ::fchmod(fd, st.st_mode & 07777);
}

} // namespace kip::store
