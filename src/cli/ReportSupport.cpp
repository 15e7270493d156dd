#include "cli/ReportSupport.h"

#include "store/TableStore.h"

#include <cctype>
#include <filesystem>

namespace kip::cli {

platform::Answer ReportPrompter::show(const platform::Message& message) {
    const bool failure = message.icon == platform::Icon::Error || message.icon == platform::Icon::Warning ||
                         message.caption != platform::defaultCaption;
    (failure ? call_.err : call_.out) << message.text << '\n';
    refused = refused || failure;
    return message.buttons == platform::Buttons::Ok ? platform::Answer::Ok : platform::Answer::No;
}

std::optional<platform::Date> parseDate(const std::string& text) {
    if (text.size() != 8)
        return std::nullopt;
    for (const char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
    const platform::Date date{std::stoi(text.substr(0, 4)), std::stoi(text.substr(4, 2)),
                              std::stoi(text.substr(6, 2))};
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31)
        return std::nullopt;
    return date;
}

bool hasGolfDatabase(Invocation& call) {
    if (std::filesystem::exists(call.dataDir + "Courses.dbf"))
        return true;
    call.err << "kipgolf-cli: no golf database in " << call.dataDir << '\n';
    return false;
}

std::vector<int> coursesNamed(golfdb::CKipGolfDoc& doc, const stats::CReportSelect& dialog,
                              const std::string& name) {
    std::vector<int> matches;
    golfdb::CourseTable& courses = doc.courseTable();
    for (std::size_t i = 0; i < dialog.courses().size(); ++i)
        if (courses.goTo(dialog.courses()[i].record) == store::storeOk && courses.record().name == name)
            matches.push_back(static_cast<int>(i));
    return matches;
}

std::optional<std::string> chooseTee(stats::CReportSelect& dialog, const std::string& course,
                                     const std::string& tee) {
    dialog.setTeeOnly(true);
    int found = -1;
    for (std::size_t i = 0; i < dialog.tees().size(); ++i)
        if (dialog.tees()[i].text == tee)
            found = static_cast<int>(i);
    if (found < 0)
        return "kipgolf-cli: course \"" + course + "\" has no tee \"" + tee + "\"";
    dialog.selectTee(found);
    return std::nullopt;
}

std::optional<std::string> chooseCourseByName(golfdb::CKipGolfDoc& doc, stats::CReportSelect& dialog,
                                              const std::string& name,
                                              const std::optional<std::string>& tee) {
    dialog.setAllCourses(false);
    const std::vector<int> matches = coursesNamed(doc, dialog, name);
    if (matches.empty())
        return "kipgolf-cli: no course named \"" + name + "\"";
    std::optional<std::string> refusal;
    for (const int match : matches) {
        dialog.selectCourse(match);
        if (!tee)
            return std::nullopt;
        refusal = chooseTee(dialog, name, *tee);
        if (!refusal)
            return std::nullopt;
        dialog.setTeeOnly(false);
    }
    return refusal;
}

void limitDates(stats::CReportSelect& dialog, platform::Date from, platform::Date to) {
    dialog.setAllDates(false);
    dialog.setFromDate(from);
    dialog.setToDate(to);
}

} // namespace kip::cli
