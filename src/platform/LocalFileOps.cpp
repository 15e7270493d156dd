#include "platform/FileOps.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace kip::platform {
namespace {

namespace fs = std::filesystem;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

int copyContents(int in, int out) {
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(in, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (got == 0)
            return 0;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(out, buffer + done, static_cast<size_t>(got - done));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            done += put;
        }
    }
}

void syncDirectoryOf(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    Descriptor dir(::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

} // namespace

bool LocalFileOps::sameLocation(const std::string& a, const std::string& b) {
    std::error_code error;
    const bool same = std::filesystem::equivalent(a, b, error);
    return error ? a == b : same;
}

bool LocalFileOps::exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

int LocalFileOps::copyFile(const std::string& from, const std::string& to) {
    Descriptor in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0)
        return errno;
    const std::string temporary = to + ".part";
    Descriptor out(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (out.get() < 0)
        return errno;
    int rc = copyContents(in.get(), out.get());
    if (rc == 0 && ::fsync(out.get()) != 0)
        rc = errno;
    if (::close(out.release()) != 0 && rc == 0)
        rc = errno;
    if (rc == 0 && ::rename(temporary.c_str(), to.c_str()) != 0)
        rc = errno;
    if (rc != 0) {
        ::unlink(temporary.c_str());
        return rc;
    }
    syncDirectoryOf(to);
    return 0;
}

int LocalFileOps::removeFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0 ? 0 : errno;
}

int LocalFileOps::renameFile(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0)
        return errno;
    syncDirectoryOf(to);
    return 0;
}

int LocalFileOps::clearReadOnly(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return errno;
    return ::chmod(path.c_str(), (info.st_mode & 07777) | S_IWUSR) == 0 ? 0 : errno;
}

int LocalFileOps::createDirectory(const std::string& path) {
    std::error_code ec;
    fs::create_directories(path, ec);
    if (ec)
        return ec.value();
    return fs::is_directory(path, ec) ? 0 : ENOTDIR;
}

std::string LocalFileOps::currentDirectory() {
    std::error_code ec;
    const fs::path cwd = fs::current_path(ec);
    return ec ? std::string() : cwd.string();
}

int LocalFileOps::setCurrentDirectory(const std::string& path) {
    return ::chdir(path.c_str()) == 0 ? 0 : errno;
}

} // namespace kip::platform
