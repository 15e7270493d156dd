#pragma once
// The handicap scores listing: every counted round of one golfer or of every golfer, newest first,
// with the ones used in the index marked. The index shown is recalculated with the active rule and
// never stored.

#include "golfdb/CKipGolfDoc.h"
#include "handicap/ListingServices.h"
#include "handicap/ScoreLines.h"
#include "platform/DialogHost.h"

#include <string>
#include <vector>

namespace kip::handicap {

inline constexpr const char* oneGolferScoresTitle = "Show Handicap and Scores";
inline constexpr const char* allGolfersScoresTitle = "Show All Handicaps and Scores";

class CHandicapScoresDlg : public platform::DialogModel {
public:
    // golferKey empty: every golfer, in golfer key order, each block followed by an empty line.
    CHandicapScoresDlg(golfdb::CKipGolfDoc& doc, const ListingServices& services, std::string title,
                       const std::string& golferKey = {});

    const std::string& title() const { return title_; }
    static const char* legend() { return "* Used in calculating handicap"; }
    bool allGolfers() const { return allGolfers_; }
    // "Print w/o Breaks" belongs to the all-golfers form only.
    bool showsPrintWithoutBreaks() const { return allGolfers_; }
    // The print buttons work only where a printer is there to take the lines.
    bool canPrint() const { return static_cast<bool>(services_.print); }

    // Each line is bound to its round's record number, or to noRoundRecord.
    const golfdb::ItemList& lines() const { return lines_; }

    // A line bound to a round opens it in View mode (after a message when it cannot be read).
    void doubleClick(int index);

    void print();
    void printWithoutBreaks();
    void printSummary();
    int ok() { return platform::dialogOk; }

private:
    std::string datedHeading(const std::string& text) const;

    golfdb::CKipGolfDoc& doc_;
    const ListingServices& services_;
    std::string title_;
    bool allGolfers_;
    golfdb::ItemList lines_;
};

// The "Print Summary" text of a listing: golfer headings and blank lines as they are, and per golfer
// the gross scores (with the used mark) joined by ", ", a line ending once it passes 55 characters.
std::vector<std::string> summaryLines(const golfdb::ItemList& lines);

// "%s as of %02d/%02d/%04d" of a text and a date.
std::string asOfDate(const std::string& text, const platform::Date& date);

} // namespace kip::handicap
