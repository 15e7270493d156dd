#include "store/DbfFile.h"

#include "store/FileIo.h"
#include "store/UndoLog.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kip::store {
namespace {

constexpr size_t descriptorSize = 32;
constexpr size_t maxFields = 255;
constexpr uint32_t maxRecordLength = 65500;
constexpr size_t scanBlockBytes = 1 << 20;

uint32_t le32(const unsigned char* p) {
    return p[0] | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}
uint16_t le16(const unsigned char* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
void putLe32(unsigned char* p, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(v >> (8 * i));
}
void putLe16(unsigned char* p, uint32_t v) {
    p[0] = static_cast<unsigned char>(v);
    p[1] = static_cast<unsigned char>(v >> 8);
}

std::string upper(std::string_view s) {
    std::string out(s);
    for (auto& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool knownVersion(unsigned char v) {
    return v == 0x03 || v == 0x30 || v == 0x31 || v == 0x83 || v == 0xF5;
}

bool supportedType(char t) {
    return t == 'C' || t == 'N' || t == 'F' || t == 'D' || t == 'L';
}

bool validName(const std::string& name) {
    if (name.empty() || name.size() > 10 || !std::isalpha(static_cast<unsigned char>(name[0])))
        return false;
    return std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isalnum(c) || c == '_'; });
}

bool validShape(const FieldSpec& f) {
    switch (f.type) {
    case 'C':
        return f.width >= 1 && f.width <= 254 && f.decimals == 0;
    case 'N':
    case 'F':
        return f.width >= 1 && f.width <= 20 && f.decimals >= 0 &&
               (f.decimals == 0 || f.decimals <= f.width - 2);
    case 'D':
        return f.width == 8 && f.decimals == 0;
    case 'L':
        return f.width == 1 && f.decimals == 0;
    default:
        return false;
    }
}

void stampDate(std::array<unsigned char, 32>& header) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    header[1] = static_cast<unsigned char>((local.tm_year + 1900) % 100);
    header[2] = static_cast<unsigned char>(local.tm_mon + 1);
    header[3] = static_cast<unsigned char>(local.tm_mday);
}

} // namespace

DbfFile::DbfFile(std::string path, int fd, bool readOnly)
    : path_(std::move(path)), fd_(fd), readOnly_(readOnly) {}

DbfFile::~DbfFile() {
    unmap();
    if (fd_ >= 0)
        ::close(fd_);
}

int DbfFile::open(const std::string& path, std::unique_ptr<DbfFile>& out) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return errno == EACCES ? storeErrAccess : storeErrOpen;
    if (!S_ISREG(st.st_mode))
        return storeErrOpen;
    // No write permission for anyone is the read-only attribute: honour it even for a superuser.
    bool readOnly = (st.st_mode & 0222) == 0;
    int fd = readOnly ? -1 : ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        if (!readOnly && errno != EACCES && errno != EROFS && errno != EPERM)
            return storeErrOpen;
        readOnly = true;
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return errno == EACCES ? storeErrAccess : storeErrOpen;
    }
    std::unique_ptr<DbfFile> file(new DbfFile(path, fd, readOnly));
    const int rc = file->readHeader();
    if (rc != storeOk)
        return rc;
    if (file->unsupported_)
        file->readOnly_ = true;
    out = std::move(file);
    return storeOk;
}

int DbfFile::readHeader() {
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        return storeErrRead;
    const auto size = static_cast<uint64_t>(st.st_size);
    if (size < header_.size() || !readFully(fd_, header_.data(), header_.size(), 0))
        return storeErrCorrupt;
    if (!knownVersion(header_[0]))
        return storeErrCorrupt;
    unsupported_ = header_[0] != 0x03;
    count_ = le32(&header_[4]);
    headerLength_ = le16(&header_[8]);
    recordLength_ = le16(&header_[10]);
    if (recordLength_ < 2 || recordLength_ > maxRecordLength || headerLength_ < 32 + descriptorSize + 1 ||
        headerLength_ > size)
        return storeErrCorrupt;
    if (static_cast<uint64_t>(headerLength_) + static_cast<uint64_t>(count_) * recordLength_ > size)
        return storeErrCorrupt;

    std::vector<unsigned char> descriptors(headerLength_ - 32);
    if (!readFully(fd_, descriptors.data(), descriptors.size(), 32))
        return storeErrRead;
    size_t at = 0;
    int offset = 1;
    std::set<std::string> names;
    while (at < descriptors.size() && descriptors[at] != 0x0D) {
        if (at + descriptorSize > descriptors.size() || fields_.size() == maxFields)
            return storeErrCorrupt;
        const unsigned char* d = &descriptors[at];
        DbfField field;
        for (size_t i = 0; i < 11 && d[i] != 0; ++i)
            field.name.push_back(static_cast<char>(d[i]));
        field.name = upper(field.name);
        field.type = static_cast<char>(std::toupper(d[11]));
        field.width = d[16];
        field.decimals = d[17];
        field.flags = d[18];
        field.offset = offset;
        if (field.name.empty() || field.width == 0 || !names.insert(field.name).second)
            return storeErrCorrupt;
        if (!supportedType(field.type))
            unsupported_ = true;
        offset += field.width;
        fields_.push_back(std::move(field));
        at += descriptorSize;
    }
    if (at >= descriptors.size() || fields_.empty() || static_cast<uint32_t>(offset) > recordLength_)
        return storeErrCorrupt;
    return storeOk;
}

int DbfFile::checkFields(const std::vector<FieldSpec>& fields) {
    if (fields.empty() || fields.size() > maxFields)
        return storeErrArgument;
    std::set<std::string> names;
    uint32_t length = 1;
    for (const auto& f : fields) {
        const std::string name = upper(f.name);
        FieldSpec shape = f;
        shape.type = static_cast<char>(std::toupper(static_cast<unsigned char>(f.type)));
        if (!validName(name) || !validShape(shape) || !names.insert(name).second)
            return storeErrArgument;
        length += static_cast<uint32_t>(f.width);
    }
    return length <= maxRecordLength ? storeOk : storeErrArgument;
}

int DbfFile::create(const std::string& path, const std::vector<FieldSpec>& fields, bool withIndex,
                    std::unique_ptr<DbfFile>& out) {
    if (const int rc = checkFields(fields); rc != storeOk)
        return rc;
    const size_t headerLength = 32 + descriptorSize * fields.size() + 1;
    std::vector<unsigned char> image(headerLength + 1, 0);
    std::array<unsigned char, 32> header{};
    header[0] = 0x03;
    stampDate(header);
    putLe16(&header[8], static_cast<uint32_t>(headerLength));
    header[28] = withIndex ? indexFlag : 0;
    uint32_t offset = 1;
    for (size_t i = 0; i < fields.size(); ++i) {
        unsigned char* d = &image[32 + descriptorSize * i];
        const std::string name = upper(fields[i].name);
        std::copy(name.begin(), name.end(), d);
        d[11] = static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(fields[i].type)));
        putLe32(d + 12, offset);
        d[16] = static_cast<unsigned char>(fields[i].width);
        d[17] = static_cast<unsigned char>(fields[i].decimals);
        offset += static_cast<uint32_t>(fields[i].width);
    }
    putLe16(&header[10], offset);
    std::copy(header.begin(), header.end(), image.begin());
    image[headerLength - 1] = 0x0D;
    image[headerLength] = endOfFile;

    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == EEXIST ? storeErrExists : storeErrCreate;
    std::unique_ptr<DbfFile> file(new DbfFile(path, fd, false));
    if (!writeFully(fd, image.data(), image.size(), 0) || file->readHeader() != storeOk) {
        file.reset();
        ::unlink(path.c_str());
        return storeErrCreate;
    }
    out = std::move(file);
    return storeOk;
}

std::vector<std::string> DbfFile::indexPaths(const std::string& dbfPath) {
    const std::filesystem::path p(dbfPath);
    const bool upperExtension = p.extension().string() == ".DBF";
    std::vector<std::string> out;
    for (const char* ext : upperExtension ? std::array{".CDX", ".cdx"} : std::array{".cdx", ".CDX"})
        out.push_back(std::filesystem::path(p).replace_extension(ext).string());
    return out;
}

std::string DbfFile::existingIndexPath(const std::string& dbfPath) {
    for (const auto& candidate : indexPaths(dbfPath)) {
        struct stat st {};
        if (::stat(candidate.c_str(), &st) == 0)
            return candidate;
    }
    return {};
}

int DbfFile::fieldIndex(std::string_view name) const {
    const std::string wanted = upper(name);
    for (size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].name == wanted)
            return static_cast<int>(i);
    return -1;
}

void DbfFile::unmap() const {
    if (map_ != nullptr)
        ::munmap(map_, mapSize_);
    map_ = nullptr;
    mapSize_ = 0;
}

const unsigned char* DbfFile::mapped(uint64_t offset, size_t size) const {
    // Only records the header promises are read, and the file always holds them.
    const uint64_t promised = recordOffset(count_ + 1);
    if (offset + size > promised)
        return nullptr;
    if (offset + size > mapSize_) {
        struct stat st {};
        if (::fstat(fd_, &st) != 0 || promised > static_cast<uint64_t>(st.st_size))
            return nullptr;
        // Room for the records appended later, which the shared mapping shows as the file grows.
        const uint64_t size = promised + promised / 2 + (1 << 20);
        unmap();
        void* p = ::mmap(nullptr, size, PROT_READ, MAP_SHARED, fd_, 0);
        if (p == MAP_FAILED)
            return nullptr;
        map_ = p;
        mapSize_ = size;
    }
    return static_cast<const unsigned char*>(map_) + offset;
}

int DbfFile::readRecord(uint32_t record, unsigned char* buffer) const {
    if (record < 1 || record > count_)
        return storeNoRecord;
    if (const unsigned char* p = mapped(recordOffset(record), recordLength_)) {
        std::memcpy(buffer, p, recordLength_);
        return storeOk;
    }
    return readFully(fd_, buffer, recordLength_, recordOffset(record)) ? storeOk : storeErrRead;
}

int DbfFile::writeRecord(uint32_t record, const unsigned char* buffer) {
    if (readOnly_)
        return storeErrAccess;
    if (record < 1 || record > count_)
        return storeNoRecord;
    if (undo_ && record <= undoCount_ && !undo_->kept(undoTable_, record))
        if (const int rc = keepRows({record}); rc != storeOk)
            return rc;
    if (undo_)
        if (const int rc = undo_->makeDurable(); rc != storeOk)
            return rc;
    if (!writeFully(fd_, buffer, recordLength_, recordOffset(record)))
        return storeErrWrite;
    return writeHeader();
}

int DbfFile::guardWith(UndoLog* log) {
    undo_ = nullptr;
    undoTable_ = -1;
    if (log == nullptr)
        return storeOk;
    int number = -1;
    if (const int rc = log->addTable(*this, number); rc != storeOk)
        return rc;
    undo_ = log;
    undoTable_ = number;
    undoCount_ = count_;
    return storeOk;
}

int DbfFile::keepRows(const std::vector<uint32_t>& records) {
    if (!undo_)
        return storeOk;
    std::vector<std::pair<uint32_t, std::vector<unsigned char>>> rows;
    rows.reserve(records.size());
    for (const uint32_t record : records) {
        if (record < 1 || record > undoCount_ || undo_->kept(undoTable_, record))
            continue;
        std::vector<unsigned char> image(recordLength_);
        if (const int rc = readRecord(record, image.data()); rc != storeOk)
            return rc;
        rows.emplace_back(record, std::move(image));
    }
    return undo_->keepRows(undoTable_, rows);
}

long DbfFile::rowsBeyondCount(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    unsigned char head[12];
    struct stat st {};
    long beyond = 0;
    if (readFully(fd, head, sizeof head, 0) && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        const uint64_t count = le32(&head[4]);
        const uint64_t headerLength = le16(&head[8]);
        const uint64_t recordLength = le16(&head[10]);
        const uint64_t size = static_cast<uint64_t>(st.st_size);
        const uint64_t used = headerLength + count * recordLength;
        if (recordLength > 0 && size > used)
            beyond = static_cast<long>((size - used) / recordLength);
    }
    ::close(fd);
    return beyond;
}

int DbfFile::dropRowsBeyondCount(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return errno == EACCES ? storeErrAccess : storeErrOpen;
    unsigned char head[12];
    int rc = readFully(fd, head, sizeof head, 0) ? storeOk : storeErrRead;
    if (rc == storeOk) {
        const uint64_t end = le16(&head[8]) + static_cast<uint64_t>(le32(&head[4])) * le16(&head[10]);
        const unsigned char mark = endOfFile;
        if (::ftruncate(fd, static_cast<off_t>(end)) != 0 || !writeFully(fd, &mark, 1, end) ||
            ::fsync(fd) != 0)
            rc = storeErrWrite;
    }
    ::close(fd);
    return rc;
}

int DbfFile::appendRecord(const unsigned char* buffer, uint32_t& record) {
    if (readOnly_)
        return storeErrAccess;
    if (count_ == UINT32_MAX)
        return storeErrWrite;
    if (undo_)
        if (const int rc = undo_->makeDurable(); rc != storeOk)
            return rc;
    std::vector<unsigned char> image(buffer, buffer + recordLength_);
    image.push_back(endOfFile);
    if (!writeFully(fd_, image.data(), image.size(), recordOffset(count_ + 1)))
        return storeErrWrite;
    ++count_;
    if (const int rc = writeHeader(); rc != storeOk) {
        --count_;
        return rc;
    }
    record = count_;
    return storeOk;
}

int DbfFile::writeHeader() {
    stampDate(header_);
    putLe32(&header_[4], count_);
    return writeFully(fd_, &header_[1], 7, 1) ? storeOk : storeErrWrite;
}

const unsigned char* DbfFile::mappedRecords() const {
    return count_ > 0 ? mapped(recordOffset(1), static_cast<size_t>(count_) * recordLength_) : nullptr;
}

int DbfFile::scan(const std::function<int(uint32_t, const unsigned char*)>& visit) const {
    // Through the mapping when there is one: no copy of the whole table through a buffer.
    if (count_ > 0)
        if (const unsigned char* p = mapped(recordOffset(1), static_cast<size_t>(count_) * recordLength_)) {
            for (uint32_t record = 1; record <= count_; ++record, p += recordLength_)
                if (const int rc = visit(record, p); rc != 0)
                    return rc;
            return storeOk;
        }
    const uint32_t perBlock = std::max<uint32_t>(1, static_cast<uint32_t>(scanBlockBytes / recordLength_));
    std::vector<unsigned char> block(static_cast<size_t>(perBlock) * recordLength_);
    for (uint32_t first = 1; first <= count_ && first != 0;) {
        const uint32_t n = std::min(perBlock, count_ - first + 1);
        if (!readFully(fd_, block.data(), static_cast<size_t>(n) * recordLength_, recordOffset(first)))
            return storeErrRead;
        for (uint32_t i = 0; i < n; ++i)
            if (const int rc = visit(first + i, &block[static_cast<size_t>(i) * recordLength_]); rc != 0)
                return rc;
        first += n;
    }
    return storeOk;
}

int DbfFile::writePacked(const std::string& temporary, const std::function<bool(const unsigned char*)>& keep,
                         uint32_t& kept) const {
    ::unlink(temporary.c_str()); // what a stopped pack left behind
    const int out = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (out < 0)
        return storeErrCreate;
    std::vector<unsigned char> head(headerLength_);
    bool ok = readFully(fd_, head.data(), head.size(), 0);
    std::vector<unsigned char> block;
    block.reserve(scanBlockBytes + recordLength_ + 1);
    uint64_t writeAt = headerLength_;
    kept = 0;
    const int rc = !ok ? storeErrRead : scan([&](uint32_t, const unsigned char* rec) {
        if (!keep(rec))
            return 0;
        ++kept;
        block.insert(block.end(), rec, rec + recordLength_);
        if (block.size() >= scanBlockBytes) {
            if (!writeFully(out, block.data(), block.size(), writeAt))
                return storeErrWrite;
            writeAt += block.size();
            block.clear();
        }
        return 0;
    });
    ok = rc == storeOk;
    if (ok) {
        block.push_back(endOfFile);
        std::array<unsigned char, 32> header = header_;
        stampDate(header);
        putLe32(&header[4], kept);
        std::copy(header.begin(), header.end(), head.begin());
        ok = writeFully(out, block.data(), block.size(), writeAt) &&
             writeFully(out, head.data(), head.size(), 0);
    }
    if (ok)
        copyModeAndOwner(path_, out);
    ok = ok && ::fsync(out) == 0;
    ok = ::close(out) == 0 && ok;
    if (!ok) {
        ::unlink(temporary.c_str());
        return rc != storeOk ? rc : storeErrWrite;
    }
    return storeOk;
}

int DbfFile::replaceWith(const std::string& temporary) {
    if (readOnly_)
        return storeErrAccess;
    const int fd = ::open(temporary.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return storeErrOpen;
    if (::rename(temporary.c_str(), path_.c_str()) != 0) {
        ::close(fd);
        return storeErrWrite;
    }
    syncFolderOf(path_);
    unmap();
    ::close(fd_);
    fd_ = fd;
    // The field descriptors stay where they are: field handles point at them. The new file has the
    // same header, so only the record count is new.
    std::vector<DbfField> kept = std::move(fields_);
    fields_.clear();
    const int rc = readHeader();
    fields_.swap(kept);
    return rc == storeOk ? storeOk : storeErrCorrupt;
}

int DbfFile::setIndexFlag(bool on) {
    if (readOnly_)
        return storeErrAccess;
    header_[28] = static_cast<unsigned char>(on ? (header_[28] | indexFlag) : (header_[28] & ~indexFlag));
    return writeFully(fd_, &header_[28], 1, 28) ? storeOk : storeErrWrite;
}

int DbfFile::sync() {
    if (readOnly_)
        return storeOk;
    return ::fsync(fd_) == 0 ? storeOk : storeErrWrite;
}

} // namespace kip::store
