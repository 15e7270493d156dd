#include "handicap/CListHandicapsDlg.h"

#include "handicap/CourseHandicap.h"
#include "platform/WaitCursor.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace kip::handicap {
namespace {

// "%4.1f \t%s" of the stored index and the golfer key.
std::string indexLine(double index, const std::string& key) {
    std::array<char, 64> number{};
    std::snprintf(number.data(), number.size(), "%4.1f \t", index);
    return number.data() + key;
}

// "%4d \t%s" of the course handicap and the golfer key.
std::string courseHandicapLine(int courseHandicap, const std::string& key) {
    std::array<char, 64> number{};
    std::snprintf(number.data(), number.size(), "%4d \t", courseHandicap);
    return number.data() + key;
}

unsigned char folded(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

} // namespace

bool lessIgnoringAsciiCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return folded(x) < folded(y); });
}

CListHandicapsDlg::CListHandicapsDlg(golfdb::CKipGolfDoc& doc, const ListingServices& services,
                                     HandicapOrder order, const std::optional<golfdb::CourseRecord>& course)
    : services_(services), courseMode_(course.has_value()) {
    if (course)
        title_ = course->name + " (" + course->tee + ")";
    else
        title_ = order == HandicapOrder::ByGolfer ? "Golfer Handicaps (By Golfer)"
                                                  : "Golfer Handicaps (By Handicaps)";
    const platform::WaitCursorScope busy(doc.waitCursor());
    golfdb::GolferTable& golfers = doc.golferTable();
    for (int rc = golfers.goTop(); rc == store::storeOk; rc = golfers.skip()) {
        const golfdb::GolferRecord& golfer = golfers.record();
        if (course)
            lines_.push_back(
                courseHandicapLine(computeCourseHandicap(golfer.handicapIndex, course->slope), golfer.name));
        else
            lines_.push_back(indexLine(golfer.handicapIndex, golfer.name));
    }
    if (order == HandicapOrder::ByHandicap)
        std::stable_sort(lines_.begin(), lines_.end(), lessIgnoringAsciiCase);
}

void CListHandicapsDlg::print() {
    if (!services_.print)
        return;
    std::vector<report::PrintLine> out;
    out.reserve(lines_.size());
    for (const auto& line : lines_)
        out.push_back({line, 1});
    services_.print(report::PrintVariant::HandicapListing, title_, out);
}

} // namespace kip::handicap
