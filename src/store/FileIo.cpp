#include "store/FileIo.h"

#include <cerrno>
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

} // namespace

bool readFully(int fd, std::uint8_t* buffer, std::size_t size, std::uint64_t offset) {
    return transferFully(::pread, fd, buffer, size, offset);
}

bool writeFully(int fd, const std::uint8_t* buffer, std::size_t size, std::uint64_t offset) {
    return transferFully(::pwrite, fd, buffer, size, offset);
}

} // namespace kip::store
