#include "exchange/RoundsFile.h"

#include "exchange/LineReader.h"
#include "exchange/RoundsFileText.h"
#include "golfdb/GolferRecord.h"
#include "golfdb/StoreText.h"
#include "golfdb/TableFields.h"
#include "store/TableStore.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>
#include <vector>

namespace kip::exchange {
namespace {

using golfdb::ScoreRecord;

constexpr int holes = 18;
constexpr std::string_view lineEnd = "\r\n";

std::string holeHeader(const char* name) {
    std::string line;
    for (int h = 1; h <= holes; ++h) {
        if (h > 1)
            line += ',';
        line += '"';
        line += name;
        line += std::to_string(h);
        line += '"';
    }
    return line;
}

const std::array<std::string, headerLineCount>& headerLines() {
    static const std::array<std::string, headerLineCount> lines = {
        R"("Golfer","MM","DD","YYYY","TotalStrokes","HCDiff","CourseHC")",
        R"("Course","Tee","Slope","Rating","TotalOnly","UseCourseHC","FWStats","PointsRnd","EaglePts",)"
        R"("BirdPts","ParPts","BogiePts","DblePts","TotalPts")",
        holeHeader("Yards"),
        holeHeader("Par"),
        holeHeader("Strokes"),
        holeHeader("Putts"),
        holeHeader("FW"),
        holeHeader("GIR"),
    };
    return lines;
}

// ---- export ----

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Collects the text of many rounds and hands it to the file in large pieces.
class RoundsWriter {
public:
    explicit RoundsWriter(std::FILE* file) : file_(file), text_(bufferSize) {}

    void header() {
        for (const auto& line : headerLines()) {
            raw(line);
            raw(lineEnd);
        }
    }

    void round(const ScoreRecord& r) {
        text(golfdb::toStoreText(r.golfer));
        number(r.month, 2);
        number(r.day, 2);
        number(r.year, 4);
        number(r.totalStrokes);
        oneDecimal(r.differential);
        number(r.courseHandicap());
        endLine();

        const bool points = (r.flags & golfdb::flagPointsRound) != 0;
        text(golfdb::toStoreText(r.name));
        text(golfdb::toStoreText(r.tee));
        oneDecimal(r.rating);
        number(r.slope);
        yesNo((r.flags & golfdb::flagTotalOnly) != 0);
        yesNo((r.flags & golfdb::flagCourseHandicap) != 0);
        yesNo((r.flags & (golfdb::flagTotalOnly | golfdb::flagNoFairwayStats)) == 0);
        yesNo(points);
        for (const auto value : r.pointValues)
            number(points ? value : 0);
        number(points ? r.totalPoints : 0);
        endLine();

        holeNumbers(r.yardage);
        holeNumbers(r.par);
        holeNumbers(r.strokes);
        holeNumbers(r.putts);
        holeBits(r.holeFlags, golfdb::holeFairwayHit);
        holeBits(r.holeFlags, golfdb::holeGreenInRegulation);
    }

    bool flush() {
        if (used_ > 0 && std::fwrite(text_.data(), 1, used_, file_) != used_)
            failed_ = true;
        used_ = 0;
        return !failed_;
    }

private:
    static constexpr std::size_t bufferSize = 256 * 1024;
    // Room for any one field: a number, a one-decimal value or a table's text.
    static constexpr std::size_t fieldRoom = 512;

    void room(std::size_t size) {
        if (used_ + size > text_.size())
            flush();
    }
    void put(char c) { text_[used_++] = c; }
    void raw(std::string_view part) {
        for (std::size_t at = 0; at < part.size();) {
            room(1);
            const std::size_t n = std::min(part.size() - at, text_.size() - used_);
            std::copy_n(part.data() + at, n, text_.data() + used_);
            used_ += n;
            at += n;
        }
    }
    void open() {
        room(fieldRoom);
        if (!first_)
            put(',');
        first_ = false;
        put('"');
    }
    void endLine() {
        room(2);
        put('\r');
        put('\n');
        first_ = true;
    }
    void text(const std::string& value) {
        open();
        raw(value);
        room(1);
        put('"');
    }
    void number(long value, int zeroPadWidth = 0) {
        open();
        used_ =
            static_cast<std::size_t>(writeInteger(text_.data() + used_, value, zeroPadWidth) - text_.data());
        put('"');
    }
    void oneDecimal(double value) {
        open();
        scratch_.clear();
        appendOneDecimal(scratch_, value);
        raw(scratch_);
        room(1);
        put('"');
    }
    void yesNo(bool yes) {
        open();
        put(yes ? 'y' : 'n');
        put('"');
    }
    template <class Slots> void holeNumbers(const Slots& slots) {
        for (int h = 1; h <= holes; ++h)
            number(slots[static_cast<std::size_t>(h)]);
        endLine();
    }
    void holeBits(const std::array<std::uint8_t, golfdb::holeSlots>& flags, std::uint8_t bit) {
        for (int h = 1; h <= holes; ++h)
            yesNo((flags[static_cast<std::size_t>(h)] & bit) != 0);
        endLine();
    }

    std::FILE* file_;
    std::vector<char> text_;
    std::size_t used_ = 0;
    std::string scratch_;
    bool first_ = true;
    bool failed_ = false;
};

// Writes the header and every round; roundsFileDone, roundsFileCannotOpen when the file refused a
// write, roundsFileTableError when a row could not be read.
int writeRounds(golfdb::ScoreTable& scores, std::FILE* file) {
    RoundsWriter writer(file);
    writer.header();
    int rc = scores.goTop();
    for (; rc == store::storeOk; rc = scores.skip())
        writer.round(scores.record());
    const bool written = writer.flush() && std::fflush(file) == 0;
    if (rc != store::storeEof)
        return roundsFileTableError;
    return written ? roundsFileDone : roundsFileCannotOpen;
}

std::string partPath(const std::string& path) {
    return path + ".kipgolf-part";
}

// ---- import ----

bool isBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

// The fields of one line, with every field past the end reading as empty.
class LineFields {
public:
    void split(std::string_view line, bool golferFirst) { splitFields(line, golferFirst, fields_); }
    // The format's count, less the one missing last field that still reads (as empty).
    bool enough(std::size_t formatCount) const { return fields_.size() + 1 >= formatCount; }
    std::string_view operator[](std::size_t i) const {
        return i < fields_.size() ? fields_[i] : std::string_view();
    }

private:
    std::vector<std::string_view> fields_;
};

// The points total is kept in two signed bytes of 127 steps.
constexpr int pointsTotalLimit = 127 * 127 + 126;

constexpr std::size_t firstLineFields = 7;
constexpr std::size_t secondLineFields = 14;
constexpr std::size_t holeLineFields = holes;

// What the table can hold of a round's values. A number beyond its field would be stored as
// asterisks (read back as 0), a byte would wrap, a YARDAGE group would shift every later hole and
// the DATE text would lose its shape: such a round is refused rather than stored with another
// number. Texts are stored as the table keeps them (cut to the field, letters outside its code page
// as '?'), and a decimal with more than one place is rounded; such a round is stored and counted.
struct RoundValues {
    bool refused = false;
    bool changed = false;

    int whole(std::string_view field, int low, int high) {
        const int value = wholeNumber(field);
        if (value < low || value > high)
            refused = true;
        return value;
    }
    double oneDecimal(std::string_view field) {
        const double value = decimalNumber(field);
        if (!(value >= golfdb::fields::lowestOneDecimal && value <= golfdb::fields::highestOneDecimal)) {
            refused = true;
            return 0.0;
        }
        const double stored = golfdb::fields::storedOneDecimal(value);
        if (std::fabs(stored - value) > 1e-9)
            changed = true;
        return stored;
    }
    std::string text(std::string_view field, std::size_t width) {
        const std::string read = golfdb::trimRight(textOf(field));
        std::string stored = golfdb::trimRight(golfdb::cutToCharacters(golfdb::storedForm(read), width));
        if (stored != read)
            changed = true;
        return stored;
    }
};

constexpr int byteLow = -128;
constexpr int byteHigh = 127;
// A YARDAGE group holds three characters.
constexpr int groupLow = -99;
constexpr int groupHigh = 999;
constexpr std::size_t golferWidth = golfdb::golferNameWidth;
constexpr std::size_t courseNameWidth = 40;
constexpr std::size_t teeWidth = 15;
// Rows dated before 1010 are initial handicap rows by their date key; played rounds begin in 1900.
constexpr int initialHandicapYears = 1010;
constexpr int earliestPlayedYear = 1900;

template <class Slots>
void readHoleNumbers(const LineFields& f, Slots& slots, int low, int high, RoundValues& v) {
    using Value = typename Slots::value_type;
    slots[0] = 0;
    for (std::size_t h = 1; h <= holes; ++h)
        slots[h] = static_cast<Value>(v.whole(f[h - 1], low, high));
}

void readHoleBits(const LineFields& f, ScoreRecord& r, std::uint8_t bit) {
    for (std::size_t h = 1; h <= holes; ++h)
        if (isYes(f[h - 1]))
            r.holeFlags[h] |= bit;
}

// Reads line `index` (0..7) of a round into r; false when the line has too few fields.
bool readRoundLine(int index, std::string_view line, LineFields& f, ScoreRecord& r, RoundValues& v) {
    f.split(line, index == 0);
    const std::size_t wanted = index == 0 ? firstLineFields : index == 1 ? secondLineFields : holeLineFields;
    if (!f.enough(wanted))
        return false;
    switch (index) {
    case 0:
        r.golfer = v.text(f[0], golferWidth);
        r.month = v.whole(f[1], 0, 99);
        r.day = v.whole(f[2], 0, 99);
        r.year = v.whole(f[3], 0, 9999);
        if (r.year < initialHandicapYears)
            // The file has no field for the flag; without it the row would count as one round in the
            // handicap instead of the rounds its day stands for.
            r.flags |= golfdb::flagInitialHandicap;
        else if (r.year < earliestPlayedYear)
            v.refused = true;
        r.totalStrokes = v.whole(f[4], -99, 999);
        r.differential = v.oneDecimal(f[5]);
        r.yardage[0] = v.whole(f[6], groupLow, groupHigh);
        break;
    case 1:
        r.name = v.text(f[0], courseNameWidth);
        r.tee = v.text(f[1], teeWidth);
        r.rating = v.oneDecimal(f[2]);
        r.slope = v.whole(f[3], -999, 9999);
        if (isYes(f[4]))
            r.flags |= golfdb::flagTotalOnly | golfdb::flagNoFairwayStats;
        // Kept as the file says: when the round is changed later, stroke control is applied to its
        // differential only with the flag.
        if (isYes(f[5]))
            r.flags |= golfdb::flagCourseHandicap;
        if (!isYes(f[6]))
            r.flags |= golfdb::flagNoFairwayStats;
        if (isYes(f[7])) {
            r.flags |= golfdb::flagPointsRound;
            for (std::size_t k = 0; k < r.pointValues.size(); ++k)
                r.pointValues[k] = static_cast<std::int8_t>(v.whole(f[8 + k], byteLow, byteHigh));
            r.totalPoints = v.whole(f[13], -pointsTotalLimit, pointsTotalLimit);
        }
        break;
    case 2: {
        const int courseHandicap = r.yardage[0];
        readHoleNumbers(f, r.yardage, groupLow, groupHigh, v);
        r.yardage[0] = courseHandicap;
        break;
    }
    case 3:
        readHoleNumbers(f, r.par, byteLow, byteHigh, v);
        break;
    case 4:
        readHoleNumbers(f, r.strokes, byteLow, byteHigh, v);
        break;
    case 5:
        readHoleNumbers(f, r.putts, byteLow, byteHigh, v);
        break;
    case 6:
        readHoleBits(f, r, golfdb::holeFairwayHit);
        break;
    default:
        readHoleBits(f, r, golfdb::holeGreenInRegulation);
        break;
    }
    return true;
}

int readHeader(LineReader& reader, std::string& line) {
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    for (const auto& header : headerLines()) {
        const auto status = reader.next(line);
        if (status == LineReader::Status::TooLong)
            return roundsFileBadHeader;
        if (status != LineReader::Status::Line)
            return roundsFileIncomplete;
        // Editors that save UTF-8 may put a byte order mark first.
        if (&header == &headerLines().front() && line.compare(0, byteOrderMark.size(), byteOrderMark) == 0)
            line.erase(0, byteOrderMark.size());
        if (line.size() < headerCheckLength ||
            line.compare(0, headerCheckLength, header, 0, headerCheckLength) != 0)
            return roundsFileBadHeader;
    }
    return roundsFileDone;
}

// The steps of ScoreTable::add, except that the index pages go to the system every so many rounds
// rather than after each one: every row is written at once, the index is never dropped, and the
// final sync makes both durable. Handing the index over after each round would double the import.
constexpr long roundsPerIndexFlush = 64;

int appendRound(golfdb::ScoreTable& scores, bool handOverIndex) {
    store::Table* table = scores.storeTable();
    if (table == nullptr)
        return store::storeErrState;
    int rc = store::appendStart(table);
    if (rc != store::storeOk)
        return rc;
    store::blankRecord(table);
    scores.writeCurrent();
    rc = store::appendRecord(table);
    if (rc == store::storeOk && handOverIndex)
        rc = store::flushTable(table);
    return rc;
}

bool sameKey(const ScoreRecord& a, const ScoreRecord& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.golfer == b.golfer;
}

// Rounds of one golfer on one day waiting to be stored. The descending tag lists equal keys from
// the newest row to the oldest, so the export writes them that way; they are appended in the
// opposite order to come back out in the file's order.
class SameDayRounds {
public:
    SameDayRounds(golfdb::ScoreTable& scores, ImportSummary& summary) : scores_(scores), summary_(summary) {}

    void add(const ScoreRecord& round) {
        if (!waiting_.empty() && !sameKey(waiting_.front(), round))
            store();
        waiting_.push_back(round);
    }
    void store() {
        for (auto round = waiting_.rbegin(); round != waiting_.rend(); ++round) {
            scores_.record() = *round;
            ++offered_;
            const int rc = appendRound(scores_, offered_ % roundsPerIndexFlush == 0);
            if (rc == store::storeOk)
                ++summary_.roundsStored;
            else
                summary_.storeFailure = rc;
        }
        waiting_.clear();
    }

private:
    golfdb::ScoreTable& scores_;
    ImportSummary& summary_;
    std::vector<ScoreRecord> waiting_;
    long offered_ = 0;
};

// After a blank line where a round should begin: only more blank lines may follow.
int afterBlankLine(LineReader& reader, std::string& line) {
    for (;;) {
        const auto status = reader.next(line);
        if (status == LineReader::Status::End)
            return roundsFileDone;
        if (status != LineReader::Status::Line || !isBlankLine(line))
            return roundsFileIncomplete;
    }
}

} // namespace

int exportRounds(golfdb::ScoreTable& scores, const std::string& path) {
    // Written beside the chosen file first, so a failed export never destroys an earlier one.
    const std::string part = partPath(path);
    FilePtr file(std::fopen(part.c_str(), "wb"));
    const bool direct = !file;
    if (direct)
        file.reset(std::fopen(path.c_str(), "wb"));
    if (!file)
        return roundsFileCannotOpen;
    int rc = writeRounds(scores, file.get());
    if (std::fclose(file.release()) != 0 && rc == roundsFileDone)
        rc = roundsFileCannotOpen;
    std::error_code ec;
    if (direct)
        return rc;
    if (rc == roundsFileDone) {
        std::filesystem::rename(part, path, ec);
        if (ec)
            rc = roundsFileCannotOpen;
    }
    if (rc != roundsFileDone)
        std::filesystem::remove(part, ec);
    return rc;
}

ImportSummary importRounds(golfdb::ScoreTable& scores, const std::string& path) {
    ImportSummary summary;
    LineReader reader(path);
    if (!reader.isOpen()) {
        summary.result = roundsFileCannotOpen;
        return summary;
    }
    std::string line;
    summary.result = readHeader(reader, line);
    long lineNumber = headerLineCount;
    LineFields fields;
    SameDayRounds sameDay(scores, summary);
    ScoreRecord round;
    while (summary.result == roundsFileDone) {
        round.clear();
        const auto status = reader.next(line);
        if (status == LineReader::Status::End)
            break;
        const long firstLine = ++lineNumber;
        if (status == LineReader::Status::Line && isBlankLine(line)) {
            summary.result = afterBlankLine(reader, line);
            break;
        }
        RoundValues values;
        bool whole = status == LineReader::Status::Line && readRoundLine(0, line, fields, round, values);
        for (int index = 1; whole && index < linesPerRound; ++index) {
            ++lineNumber;
            whole = reader.next(line) == LineReader::Status::Line &&
                    readRoundLine(index, line, fields, round, values);
        }
        if (!whole) {
            summary.result = roundsFileIncomplete;
            break;
        }
        ++summary.roundsRead;
        if (values.refused) {
            if (summary.roundsRefused++ == 0)
                summary.firstRefusedLine = firstLine;
            continue;
        }
        if (values.changed && summary.roundsChanged++ == 0)
            summary.firstChangedLine = firstLine;
        sameDay.add(round);
    }
    sameDay.store();
    const int synced = scores.sync();
    if (synced != store::storeOk)
        summary.storeFailure = synced;
    return summary;
}

} // namespace kip::exchange
