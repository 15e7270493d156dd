#pragma once
// The small "Enter A Round" dialog: a round entered, changed or viewed as its total score only.

#include "golfdb/GolferRecord.h"
#include "golfdb/ScoreRecord.h"
#include "platform/Clock.h"
#include "platform/DialogHost.h"
#include "platform/PrintSurface.h"
#include "platform/Prompter.h"
#include "report/ReportPrint.h"
#include "rounds/RoundEntry.h"

#include <string>
#include <vector>

namespace kip::rounds {

class CTotalScoreDlg : public platform::DialogModel {
public:
    // TOTSTROKES holds three digits.
    static constexpr int highestTotal = 999;
    // Above this the total is questioned unless the reasonable-value checks are off.
    static constexpr int excessiveTotal = 300;

    CTotalScoreDlg(RoundMode mode, platform::Prompter& prompter, platform::Date today);

    // Enter: a new round of this golfer on this course row.
    void fillFromCourse(const std::string& golferKey, const golfdb::CourseRecord& course, bool checksOff);
    // Change and View: the round as stored.
    void loadFromRound(const golfdb::ScoreRecord& round);
    void setChecksOff(bool off) { checksOff_ = off; }
    void setGolfer(const std::string& golferKey);
    // After a save with "Save and New Round" or "Save and New Golfer".
    void clearTotal();

    // Shows the dialog through the host and returns how it ended (as CScoresDlg::run).
    int run(platform::DialogHost& host);

    // True when the round may be saved; otherwise its message or question has been shown.
    bool checkTotal();
    void buildRound(golfdb::ScoreRecord& round, const golfdb::GolferRecord& golfer) const;
    bool printRound(platform::Printer& printer);
    std::vector<report::PrintLine> cardLines();

    RoundMode mode() const { return mode_; }
    std::string title() const;
    const std::string& golferKey() const { return golferKey_; }
    const std::string& courseName() const { return courseName_; }
    const std::string& tee() const { return tee_; }
    std::string ratingText() const;
    int slope() const { return slope_; }
    int totalPar() const { return totalPar_; }
    const std::string& totalText() const { return totalText_; }
    int totalStrokes() const { return totalStrokes_; }
    platform::Date datePlayed() const { return datePlayed_; }
    bool checksOff() const { return checksOff_; }

    bool newRoundButtonsShown() const;
    bool printShown() const;
    bool cancelShown() const;
    std::string saveAndQuitCaption() const;
    bool dateEnabled() const;
    bool totalEditable() const;

    bool changeTotalText(const std::string& text);
    // The handicap rule in force: rule 3 shows the PCC field and gives a new round the course
    // handicap of the World Handicap System.
    void setHandicapRule(int rule) { rule_ = rule; }
    bool pccShown() const;
    const std::string& pccText() const { return pccText_; }
    bool changePccText(const std::string& text);
    void setDatePlayed(platform::Date date);
    // "Print" (View mode) prints on this printer.
    void setPrinter(platform::Printer* printer) { printer_ = printer; }
    void print();

    int saveAndQuit();
    int saveAndNewRound();
    int saveAndNewGolfer();
    int cancel() { return platform::dialogCancel; }

private:
    int save(int result);

    RoundMode mode_;
    platform::Prompter& prompter_;
    platform::Printer* printer_ = nullptr;
    std::string golferKey_;
    std::string firstName_;
    std::string lastName_;
    std::string courseName_;
    std::string tee_;
    int slope_ = 0;
    double rating_ = 0.0;
    std::uint8_t flags_ = 0;
    golfdb::HoleInts par_{};
    golfdb::HoleInts yardage_{};
    int totalPar_ = 0;
    std::string totalText_ = "0";
    int totalStrokes_ = 0;
    platform::Date datePlayed_;
    int month_ = 0, day_ = 0, year_ = 0;
    bool checksOff_ = false;
    golfdb::HoleBytes strokeIndex_{};
    std::string pccText_ = "0";
    int pcc_ = 0;
    int rule_ = 0;
};

} // namespace kip::rounds
