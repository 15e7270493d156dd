#include "store/UndoLog.h"

#include "store/DbfFile.h"
#include "store/FileIo.h"
#include "store/TableStore.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace kip::store {
namespace {

namespace fs = std::filesystem;

constexpr char magic[8] = {'K', 'I', 'P', 'U', 'N', 'D', 'O', '1'};
constexpr unsigned char tableEntry = 'T';
constexpr unsigned char rowEntry = 'R';
constexpr std::size_t entryFrame = 1 + 4 + 4;
constexpr std::uint32_t largestPayload = 1u << 20;

void putLe32(std::vector<unsigned char>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<unsigned char>(v >> (8 * i)));
}

std::uint32_t le32(const unsigned char* p) {
    return p[0] | (static_cast<std::uint32_t>(p[1]) << 8) | (static_cast<std::uint32_t>(p[2]) << 16) |
           (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint32_t checkWord(const unsigned char* p, std::size_t size) {
    std::uint32_t h = 2166136261u;
    for (std::size_t i = 0; i < size; ++i)
        h = (h ^ p[i]) * 16777619u;
    return h;
}

void addEntry(std::vector<unsigned char>& out, unsigned char kind,
              const std::vector<unsigned char>& payload) {
    const std::size_t start = out.size();
    out.push_back(kind);
    putLe32(out, static_cast<std::uint32_t>(payload.size()));
    out.insert(out.end(), payload.begin(), payload.end());
    putLe32(out, checkWord(&out[start], out.size() - start));
}

struct LoggedTable {
    std::string name;
    std::uint32_t count = 0;
    std::uint32_t headerLength = 0;
    std::uint32_t recordLength = 0;
    std::vector<std::pair<std::uint32_t, std::vector<unsigned char>>> rows;
};

// The whole entries of the log, in order; a torn or damaged tail ends the list.
bool readLog(const std::string& path, std::vector<LoggedTable>& tables) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    std::vector<unsigned char> text;
    unsigned char chunk[65536];
    for (ssize_t n; (n = ::read(fd, chunk, sizeof chunk)) != 0;) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return false;
        }
        text.insert(text.end(), chunk, chunk + n);
    }
    ::close(fd);
    if (text.size() < sizeof magic || std::memcmp(text.data(), magic, sizeof magic) != 0)
        return true; // torn before the first table: nothing was changed yet
    for (std::size_t at = sizeof magic; at + entryFrame <= text.size();) {
        const unsigned char kind = text[at];
        const std::uint32_t length = le32(&text[at + 1]);
        if (length > largestPayload || at + entryFrame + length > text.size())
            break;
        const unsigned char* payload = &text[at + 5];
        if (checkWord(&text[at], 5 + length) != le32(payload + length))
            break;
        if (kind == tableEntry && length > 12) {
            LoggedTable table;
            table.count = le32(payload);
            table.headerLength = le32(payload + 4);
            table.recordLength = le32(payload + 8);
            table.name.assign(reinterpret_cast<const char*>(payload + 12), length - 12);
            tables.push_back(std::move(table));
        } else if (kind == rowEntry && length > 5 && payload[0] < tables.size()) {
            LoggedTable& table = tables[payload[0]];
            if (length - 5 == table.recordLength)
                table.rows.emplace_back(le32(payload + 1),
                                        std::vector<unsigned char>(payload + 5, payload + length));
        } else {
            break;
        }
        at += entryFrame + length;
    }
    return true;
}

bool syncFile(int fd) {
    return ::fdatasync(fd) == 0;
}

// Puts one table back: the saved rows, latest saved first so the first image of a row wins, then
// the record count, the rows after it cut away and the end-of-file mark. Repeating it is harmless.
int rollBackTable(const std::string& path, const LoggedTable& logged) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return storeErrOpen;
    unsigned char header[12];
    struct stat st {};
    int rc = storeOk;
    if (!readFully(fd, header, sizeof header, 0) || ::fstat(fd, &st) != 0)
        rc = storeErrRead;
    else if (static_cast<std::uint32_t>(header[8] | (header[9] << 8)) != logged.headerLength ||
             static_cast<std::uint32_t>(header[10] | (header[11] << 8)) != logged.recordLength)
        rc = storeErrCorrupt; // not the table the log was written for
    const std::uint64_t end =
        logged.headerLength + static_cast<std::uint64_t>(logged.count) * logged.recordLength;
    if (rc == storeOk && static_cast<std::uint64_t>(st.st_size) < end)
        rc = storeErrCorrupt; // shorter than before the change: never grow it with zeros
    for (auto it = logged.rows.rbegin(); rc == storeOk && it != logged.rows.rend(); ++it)
        if (it->first >= 1 && it->first <= logged.count &&
            !writeFully(fd, it->second.data(), it->second.size(),
                        logged.headerLength +
                            static_cast<std::uint64_t>(it->first - 1) * logged.recordLength))
            rc = storeErrWrite;
    if (rc == storeOk) {
        std::vector<unsigned char> count;
        putLe32(count, logged.count);
        const unsigned char endMark = DbfFile::endOfFile;
        if (!writeFully(fd, count.data(), count.size(), 4) || ::ftruncate(fd, static_cast<off_t>(end)) != 0 ||
            !writeFully(fd, &endMark, 1, end) || ::fsync(fd) != 0)
            rc = storeErrWrite;
    }
    ::close(fd);
    return rc;
}

} // namespace

UndoLog::~UndoLog() {
    if (fd_ >= 0)
        ::close(fd_);
}

int UndoLog::create(const std::string& path) {
    if (fd_ >= 0)
        return storeErrState;
    // The empty log of the last change is used again: its folder entry is durable already.
    bool made = true;
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) {
        made = false;
        fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    }
    if (fd < 0)
        return errno == EACCES ? storeErrAccess : storeErrCreate;
    struct stat st {};
    if (!made && (::fstat(fd, &st) != 0 || st.st_size != 0)) {
        // A log not yet rolled back: writing over it would lose what it has to put back.
        ::close(fd);
        return storeErrExists;
    }
    fd_ = fd;
    path_ = path;
    end_ = 0;
    kept_.clear();
    pending_ = false;
    folderSynced_ = !made;
    const std::vector<unsigned char> head(magic, magic + sizeof magic);
    return append(head);
}

int UndoLog::append(const std::vector<unsigned char>& entries) {
    if (fd_ < 0)
        return storeErrState;
    if (!writeFully(fd_, entries.data(), entries.size(), end_))
        return storeErrWrite;
    end_ += entries.size();
    pending_ = true;
    return storeOk;
}

int UndoLog::makeDurable() {
    if (fd_ < 0 || !pending_)
        return storeOk;
    if (!syncFile(fd_) || (!folderSynced_ && !syncFolderOf(path_)))
        return storeErrWrite;
    folderSynced_ = true;
    pending_ = false;
    return storeOk;
}

int UndoLog::addTable(const DbfFile& file, int& number) {
    std::vector<unsigned char> payload;
    putLe32(payload, file.recordCount());
    putLe32(payload, file.headerLength());
    putLe32(payload, file.recordLength());
    const std::string name = fs::path(file.path()).filename().string();
    payload.insert(payload.end(), name.begin(), name.end());
    std::vector<unsigned char> entry;
    addEntry(entry, tableEntry, payload);
    if (kept_.size() >= 255)
        return storeErrArgument;
    if (const int rc = append(entry); rc != storeOk)
        return rc;
    number = static_cast<int>(kept_.size());
    kept_.emplace_back();
    return storeOk;
}

bool UndoLog::kept(int table, std::uint32_t record) const {
    return table >= 0 && static_cast<std::size_t>(table) < kept_.size() &&
           kept_[static_cast<std::size_t>(table)].count(record) != 0;
}

int UndoLog::keepRows(int table,
                      const std::vector<std::pair<std::uint32_t, std::vector<unsigned char>>>& rows) {
    if (table < 0 || static_cast<std::size_t>(table) >= kept_.size())
        return storeErrArgument;
    auto& done = kept_[static_cast<std::size_t>(table)];
    std::vector<unsigned char> entries;
    std::vector<std::uint32_t> added;
    std::vector<unsigned char> payload;
    for (const auto& [record, image] : rows) {
        if (done.count(record) != 0)
            continue;
        payload.clear();
        payload.push_back(static_cast<unsigned char>(table));
        putLe32(payload, record);
        payload.insert(payload.end(), image.begin(), image.end());
        addEntry(entries, rowEntry, payload);
        added.push_back(record);
    }
    if (entries.empty())
        return storeOk;
    if (const int rc = append(entries); rc != storeOk)
        return rc;
    done.insert(added.begin(), added.end());
    return storeOk;
}

int UndoLog::finish() {
    if (fd_ < 0)
        return storeOk;
    const int fd = fd_;
    fd_ = -1;
    kept_.clear();
    int rc = storeOk;
    if (folderSynced_) {
        // Emptied for good before anything else is written: a log that came back after a power cut
        // would roll back a whole change and every later one in its tables.
        rc = ::ftruncate(fd, 0) == 0 && syncFile(fd) ? storeOk : storeErrWrite;
        ::close(fd);
        return rc == storeOk ? rc : remove(path_);
    }
    // Never made durable, so no guarded table was written: the file goes, and the next change makes
    // its folder entry durable again.
    ::close(fd);
    return ::unlink(path_.c_str()) == 0 || errno == ENOENT ? storeOk : remove(path_);
}

int UndoLog::remove(const std::string& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        // A log that stays would undo a finished change at the next open: empty it at least.
        const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0)
            return storeErrWrite;
        ::fsync(fd);
        ::close(fd);
    }
    return syncFolderOf(path) ? storeOk : storeErrWrite;
}

int UndoLog::rollBack(const std::string& path, std::vector<std::string>& tables) {
    std::vector<LoggedTable> logged;
    if (!readLog(path, logged))
        return storeErrRead;
    const fs::path folder = fs::path(path).parent_path();
    int result = storeOk;
    for (const LoggedTable& table : logged) {
        // Only a plain file name in the log's own folder is ever written.
        if (table.name.empty() || table.name.find('/') != std::string::npos || table.name == "." ||
            table.name == "..")
            continue;
        const std::string tablePath = (folder / table.name).string();
        const int rc = rollBackTable(tablePath, table);
        if (rc == storeOk)
            tables.push_back(tablePath);
        else if (rc != storeErrOpen)
            result = rc;
    }
    return result;
}

} // namespace kip::store
