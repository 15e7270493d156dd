#pragma once
// The dialogs that pick rounds and a year: Select Round (CSelectScoreDlg), Delete Round
// (CDeleteScore) and Enter Year (CEnterYearDlg).

#include "golfdb/CKipGolfDoc.h"
#include "manage/RowChoice.h"
#include "platform/DialogHost.h"
#include "platform/Prompter.h"

#include <string>
#include <vector>

namespace kip::rounds {

// One golfer's rounds, newest first, in a single-choice list; OK without a round chosen says "You
// must select a round!" and the dialog stays open.
class CSelectScoreDlg : public manage::RowChoice {
public:
    static constexpr int staysOpen = 0;

    CSelectScoreDlg(golfdb::ItemList rounds, platform::Prompter& prompter, const std::string& firstName,
                    const std::string& lastName);

    const std::string& title() const { return title_; } // "Select Round for %s %s"
    static const char* text() { return "Select Round:"; }

private:
    std::string title_;
};

// One golfer's rounds in a list of many choices; "Delete" deletes the chosen ones after asking.
class CDeleteScore : public platform::DialogModel {
public:
    CDeleteScore(golfdb::CKipGolfDoc& doc, const std::string& golferKey);

    static const char* title() { return "Delete Round"; }
    static const char* text() { return "Select Round(s) to Delete:"; }
    const golfdb::ItemList& lines() const { return lines_; }
    void setSelected(int index, bool on);
    bool selected(int index) const;
    int selectedCount() const;

    // Always closes the dialog (dialogOk); resultText() says whether anything was deleted.
    int pressDelete();
    int cancel() { return platform::dialogCancel; }
    // Empty when rounds were deleted, otherwise "No rounds deleted".
    const std::string& resultText() const { return resultText_; }

private:
    golfdb::CKipGolfDoc& doc_;
    golfdb::ItemList lines_;
    std::vector<bool> chosen_;
    std::string resultText_;
};

class CEnterYearDlg : public platform::DialogModel {
public:
    static constexpr int staysOpen = 0;
    static constexpr int earliestYear = 1900;

    explicit CEnterYearDlg(platform::Prompter& prompter) : prompter_(prompter) {}

    static const char* title() { return "Enter Year"; }
    static const char* text() { return "Enter the year for which all rounds are to be deleted:"; }
    const std::string& yearText() const { return yearText_; }
    void setYearText(const std::string& text) { yearText_ = text; }
    // The leading digits as the year; one before 1900 is refused with a message (staysOpen).
    int ok();
    int cancel() { return platform::dialogCancel; }
    int year() const { return year_; }

private:
    platform::Prompter& prompter_;
    std::string yearText_;
    int year_ = 0;
};

} // namespace kip::rounds
