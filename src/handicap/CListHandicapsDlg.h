#pragma once
// Show All Handicaps and Show Course Handicaps: one line per golfer with the stored index, or with
// the course handicap on one course and tee, in golfer key order or sorted by the line text.

#include "golfdb/CKipGolfDoc.h"
#include "handicap/ListingServices.h"
#include "platform/DialogHost.h"

#include <optional>
#include <string>
#include <vector>

namespace kip::handicap {

enum class HandicapOrder { ByGolfer, ByHandicap };

class CListHandicapsDlg : public platform::DialogModel {
public:
    // course: a loaded course row for the course handicaps, nothing for the golfer indexes.
    CListHandicapsDlg(golfdb::CKipGolfDoc& doc, const ListingServices& services, HandicapOrder order,
                      const std::optional<golfdb::CourseRecord>& course = std::nullopt);

    const std::string& title() const { return title_; }
    bool courseMode() const { return courseMode_; }
    const std::vector<std::string>& lines() const { return lines_; }
    bool canPrint() const { return static_cast<bool>(services_.print); }

    // The golfer handicap listing print: the title as its heading, then every line.
    void print();
    int ok() { return platform::dialogOk; }

private:
    const ListingServices& services_;
    bool courseMode_;
    std::string title_;
    std::vector<std::string> lines_;
};

// The order of a list that keeps its lines sorted: byte by byte as if every ASCII capital were its
// small letter.
bool lessIgnoringAsciiCase(const std::string& a, const std::string& b);

} // namespace kip::handicap
