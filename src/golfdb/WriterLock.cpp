#include "golfdb/WriterLock.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <mutex>
#include <sys/file.h>
#include <unistd.h>

namespace kip::golfdb {
namespace {

namespace fs = std::filesystem;

constexpr const char* cleanMark = "clean\n";
constexpr const char* writingMark = "writing ";

std::mutex registryMutex;
std::map<std::string, const WriterLock*>& registry() {
    static std::map<std::string, const WriterLock*> locks;
    return locks;
}

std::string folderKey(const std::string& dataDir) {
    std::error_code ec;
    const fs::path canonical = fs::weakly_canonical(fs::path(dataDir.empty() ? "." : dataDir), ec);
    std::string key = (ec ? fs::path(dataDir) : canonical).lexically_normal().string();
    while (key.size() > 1 && key.back() == '/')
        key.pop_back();
    return key;
}

std::string withSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string readMark(int fd) {
    char text[64] = {};
    const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
    return n > 0 ? std::string(text, static_cast<size_t>(n)) : std::string();
}

void writeMark(int fd, const std::string& text) {
    if (::ftruncate(fd, 0) == 0 &&
        ::pwrite(fd, text.data(), text.size(), 0) == static_cast<ssize_t>(text.size()))
        ::fdatasync(fd);
}

} // namespace

WriterLock::~WriterLock() {
    release();
}

WriterLock::State WriterLock::acquire(const std::string& dataDir, bool markWriting) {
    release();
    const std::string path = withSlash(dataDir) + writerLockFileName;
    // Only a writer makes the file: a folder no writer ever locked has no writer to wait for.
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | (markWriting ? O_CREAT : 0), 0666);
    if (fd < 0)
        return State::Unavailable;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return error == EWOULDBLOCK ? State::Busy : State::Unavailable;
    }
    fd_ = fd;
    writing_ = markWriting;
    lastEndUnclean_ = readMark(fd).rfind(writingMark, 0) == 0;
    if (markWriting)
        writeMark(fd, std::string(writingMark) + std::to_string(::getpid()) + "\n");
    key_ = folderKey(dataDir);
    path_ = path;
    const std::lock_guard<std::mutex> guard(registryMutex);
    registry()[key_] = this;
    return State::Held;
}

void WriterLock::release(bool removeFile) {
    if (fd_ < 0)
        return;
    {
        const std::lock_guard<std::mutex> guard(registryMutex);
        const auto it = registry().find(key_);
        if (it != registry().end() && it->second == this)
            registry().erase(it);
    }
    if (writing_ && removeFile)
        ::unlink(path_.c_str());
    else if (writing_)
        writeMark(fd_, cleanMark);
    ::close(fd_); // lets the lock go
    fd_ = -1;
    writing_ = false;
}

bool WriterLock::heldInProcess(const std::string& dataDir, bool* unclean) {
    const std::lock_guard<std::mutex> guard(registryMutex);
    const auto it = registry().find(folderKey(dataDir));
    if (it == registry().end())
        return false;
    if (unclean)
        *unclean = it->second->lastEndUnclean();
    return true;
}

std::string WriterLock::inUseMessage(const std::string& dataDir) {
    return "The golf database in " + dataDir + " is in use by another Kip Golf program.";
}

} // namespace kip::golfdb
