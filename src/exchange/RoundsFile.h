#pragma once
// The rounds file: every round of the score table as comma-separated text, 8 header lines and then
// 8 lines per round, each line ending in CR LF and every field in double quotes. Other programs
// that keep golf rounds read and write the same file, so its bytes follow that format exactly;
// texts are written as the tables hold them (Windows-1252).
//
// Both directions stream: one round is in memory at a time.

#include "golfdb/ScoreTable.h"

#include <string>

namespace kip::exchange {

// Results of exportRounds and importRounds.
inline constexpr int roundsFileDone = 0;
inline constexpr int roundsFileCannotOpen = 4;  // export: not created or not written; import: not opened
inline constexpr int roundsFileIncomplete = 8;  // import: ends inside the header or a round, or a line
                                                // with too few fields
inline constexpr int roundsFileBadHeader = 12;  // import: a header line is not the format's
inline constexpr int roundsFileTableError = 16; // export: the score table could not be read

// The format's 8 header lines, then 8 lines per round; an import compares the first 30 characters
// of each header line.
inline constexpr int headerLineCount = 8;
inline constexpr int linesPerRound = 8;
inline constexpr std::size_t headerCheckLength = 30;

// Writes every round in tag order (deleted rows are not visited) to path, replacing the file only
// when the whole export was written: a failed export leaves an existing file as it was.
int exportRounds(golfdb::ScoreTable& scores, const std::string& path);

struct ImportSummary {
    int result = roundsFileDone;
    long roundsRead = 0;   // rounds read whole from the file
    long roundsStored = 0; // of these, stored in the table
    int storeFailure = 0;  // the last store result that refused a round, or the final sync's
    // Rounds read whole but not stored: a number beyond what its table field holds, or a played
    // round dated before 1900. Counted in roundsRead, never offered to the table.
    long roundsRefused = 0;
    // Rounds stored, but not exactly as the file has them: a text cut to its field or holding letters
    // the tables cannot hold, or a number with more than the one decimal its field keeps.
    long roundsChanged = 0;
    long firstRefusedLine = 0; // line number of the first line of the first such round; 0 for none
    long firstChangedLine = 0;

    // The rounds the table refused when they were offered.
    long roundsNotStored() const { return roundsRead - roundsRefused - roundsStored; }
    bool everyRoundStored() const {
        return result == roundsFileDone && roundsStored == roundsRead && storeFailure == 0;
    }
    // Every round of the file is in the table exactly as the file has it.
    bool storedAsRead() const { return everyRoundStored() && roundsChanged == 0; }
};

// Adds every round of the file to the table (never changing or removing a row), then makes the
// table durable. Rounds stored before a failure stay stored; a round read only in part never is.
// Rounds of one golfer on one day keep the file's order in the table, so exporting again writes
// the file's bytes.
ImportSummary importRounds(golfdb::ScoreTable& scores, const std::string& path);

} // namespace kip::exchange
