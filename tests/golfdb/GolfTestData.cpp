#include "GolfTestData.h"

#include "support/TempDir.h"

#include <fstream>
#include <sstream>

namespace kip::test {
namespace {

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(line);
    while (std::getline(in, part, '\t'))
        parts.push_back(part);
    if (!line.empty() && line.back() == '\t')
        parts.emplace_back();
    return parts;
}

} // namespace

std::vector<ListedRecord> readListedRecords(const std::string& table) {
    std::ifstream in(fixturePath(table + ".records.txt"));
    std::string line;
    std::getline(in, line);
    const auto header = splitTabs(line);
    std::vector<ListedRecord> records;
    while (std::getline(in, line)) {
        const auto parts = splitTabs(line);
        ListedRecord record;
        record.number = std::stol(parts.at(0));
        record.deleted = parts.at(1) == "*";
        for (size_t i = 2; i < header.size(); ++i)
            record.values[header[i]] = i < parts.size() ? parts[i] : "";
        records.push_back(record);
    }
    return records;
}

std::string listedBytes(const std::string& value, std::size_t width) {
    std::string bytes;
    if (value.rfind("x:", 0) == 0) {
        for (size_t i = 2; i + 1 < value.size(); i += 2)
            bytes += static_cast<char>(std::stoi(value.substr(i, 2), nullptr, 16));
    } else {
        bytes = value;
    }
    bytes.resize(width, ' ');
    return bytes;
}

int listedYardage(const std::string& value, int slot) {
    return std::stoi(value.substr(static_cast<size_t>(slot) * 3, 3));
}

golfdb::ScoreRecord sampleRound(const std::string& golfer, int year, int month, int day, int strokes) {
    golfdb::ScoreRecord r;
    r.name = "Cedar Ridge";
    r.tee = "Back";
    r.slope = 139;
    r.rating = 74.2;
    r.golfer = golfer;
    r.year = year;
    r.month = month;
    r.day = day;
    r.flags = golfdb::flagCourseHandicap;
    for (int h = 1; h < golfdb::holeSlots; ++h) {
        r.par[static_cast<size_t>(h)] = 4;
        r.yardage[static_cast<size_t>(h)] = 300 + h;
        r.strokes[static_cast<size_t>(h)] = static_cast<std::int8_t>(strokes);
        r.putts[static_cast<size_t>(h)] = 2;
    }
    r.totalStrokes = 18 * strokes;
    r.differential = 12.3;
    return r;
}

} // namespace kip::test
