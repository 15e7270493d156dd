#pragma once
// What the report commands that play the window's statistics and listing commands share: the
// prompter that prints the window's messages, the date options, the check for a database, and the
// course and tee of the Report Limits dialog chosen by name.

#include "cli/CliCommand.h"
#include "golfdb/CKipGolfDoc.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "stats/CReportSelect.h"

#include <optional>
#include <string>
#include <vector>

namespace kip::cli {

// Failures and refusals go to standard error, anything else to standard output; no question is
// asked by these commands, and one would be answered No.
class ReportPrompter : public platform::Prompter {
public:
    explicit ReportPrompter(Invocation& call) : call_(call) {}
    platform::Answer show(const platform::Message& message) override;
    bool refused = false;

private:
    Invocation& call_;
};

// A YYYYMMDD option value; nothing for any other text.
std::optional<platform::Date> parseDate(const std::string& text);

// Whether the data folder holds a golf database; says so on standard error when it does not.
bool hasGolfDatabase(Invocation& call);

// The lines of the dialog's course list that show a course of that name.
std::vector<int> coursesNamed(golfdb::CKipGolfDoc& doc, const stats::CReportSelect& dialog,
                              const std::string& name);

// Ticks "this tee only" and selects the tee of that name of the selected course; the refusal's text
// when the course has no such tee.
std::optional<std::string> chooseTee(stats::CReportSelect& dialog, const std::string& course,
                                     const std::string& tee);

// Chooses the course limit by name, as the dialog's limit is one: the report then takes the rounds
// of every course row of that name, whatever its city or state. Any row of that name serves, one
// with the tee when a tee is named. The refusal's text when no course (or no tee of it) has the name.
std::optional<std::string> chooseCourseByName(golfdb::CKipGolfDoc& doc, stats::CReportSelect& dialog,
                                              const std::string& name, const std::optional<std::string>& tee);

// Clears "all dates" and sets the range.
void limitDates(stats::CReportSelect& dialog, platform::Date from, platform::Date to);

} // namespace kip::cli
