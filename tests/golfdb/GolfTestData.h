#pragma once
// Shared helpers of the golf database tests: the peer fixtures' record listings and small builders.

#include "golfdb/ScoreRecord.h"

#include <map>
#include <string>
#include <vector>

namespace kip::test {

// One row of a `<Table>.records.txt` listing: record number, deleted mark, values by field name.
struct ListedRecord {
    long number = 0;
    bool deleted = false;
    std::map<std::string, std::string> values;
};

std::vector<ListedRecord> readListedRecords(const std::string& table);
// The raw bytes a listed value stands for: "x:hex" decoded, otherwise the text padded to width.
std::string listedBytes(const std::string& value, std::size_t width);
// The integer of YARDAGE group i of a listed value.
int listedYardage(const std::string& value, int slot);

// A hole-by-hole round of 18 holes with par 4 everywhere and `strokes` on every hole.
golfdb::ScoreRecord sampleRound(const std::string& golfer, int year, int month, int day, int strokes = 5);

} // namespace kip::test
