#pragma once
// The hole-by-hole round editor "Enter A Round": the course card, strokes, putts, fairways and
// greens of 18 holes with running totals, automatic tabbing and greens in regulation, the checks
// before a save, and the round it turns into.

#include "golfdb/GolferRecord.h"
#include "golfdb/ScoreRecord.h"
#include "platform/Clock.h"
#include "platform/DialogHost.h"
#include "platform/PrintSurface.h"
#include "platform/Prompter.h"
#include "report/ReportPrint.h"
#include "rounds/RoundEntry.h"
#include "rounds/RoundPoints.h"

#include <array>
#include <string>
#include <vector>

namespace kip::rounds {

class CScoresDlg;

// "Save to Text File" and "Load from Text File": the round text file lives in a higher layer,
// which the command hands to the editor.
class RoundTextFiles {
public:
    virtual ~RoundTextFiles() = default;
    virtual void saveToTextFile(CScoresDlg& editor) = 0;
    virtual void loadFromTextFile(CScoresDlg& editor) = 0;
};

// Where the input focus goes after an action.
struct Focus {
    enum Kind { Stay, DatePicker, Strokes, Putts, SaveAndQuit };
    Kind kind = Stay;
    int hole = 0; // Strokes and Putts only

    friend bool operator==(const Focus&, const Focus&) = default;
};

enum class StrokeColour { Normal, EagleOrBetter, Birdie, Par };
platform::Colour colourOf(StrokeColour colour); // Normal: black, the text colour of a printed card

// Everything the dialog shows and keeps, apart from its services: copyable, so a load can be tried
// on a copy and taken only when it succeeds.
struct ScoresCard {
    std::string golferKey;
    std::string firstName;
    std::string lastName;
    std::string courseName;
    std::string tee;
    int slope = 0;
    double rating = 0.0;
    std::uint8_t flags = 0;
    golfdb::HoleInts par{};
    golfdb::HoleInts yardage{};
    // What the strokes and putts fields hold; read into the numbers when a field is left.
    std::array<std::string, golfdb::holeSlots> strokesText{};
    std::array<std::string, golfdb::holeSlots> puttsText{};
    golfdb::HoleInts strokes{};
    golfdb::HoleInts putts{};
    std::array<bool, golfdb::holeSlots> fairway{};
    std::array<bool, golfdb::holeSlots> green{};
    int outPar = 0, inPar = 0, totalPar = 0;
    int outYardage = 0, inYardage = 0, totalYardage = 0;
    int outStrokes = 0, inStrokes = 0, totalStrokes = 0;
    int totalPutts = 0, fairwaysHit = 0, greensHit = 0;
    platform::Date datePlayed;
    int month = 0, day = 0, year = 0; // taken from datePlayed by checkRound; -1 when invalid
    bool noFairwayStats = false;
    bool keepPoints = false;
    PointValues pointValues{};
    int totalPoints = 0;
    std::string pointsText = "N/A";
    golfdb::HoleBytes strokeIndex{}; // copied from the course; all 0 when it has none
    std::string pccText = "0";       // the playing conditions calculation, shown under rule 3 only
    int pcc = 0;

    void recountCourseTotals(); // par and yardage
    void recountTotals();       // every total from the numbers
    void showNumbers();         // every field's text from its number
    void takeDate();            // month, day, year from datePlayed
};

class CScoresDlg : public platform::DialogModel {
public:
    // Strokes and putts are kept in one signed byte each.
    static constexpr int highestHoleValue = 127;

    CScoresDlg(RoundMode mode, platform::Prompter& prompter, platform::Date today);

    // Enter: a new round of this golfer on this course row, with the preferences.
    void fillFromCourse(const std::string& golferKey, const golfdb::CourseRecord& course,
                        const RoundEntrySettings& settings);
    // Change and View: the round as stored. For Change the command then calls applyChangeSettings.
    void loadFromRound(const golfdb::ScoreRecord& round);
    // Change: the reasonable-value and points preferences; a round without points gets the
    // settings' values while points are in use.
    void applyChangeSettings(const RoundEntrySettings& settings);
    // "Save and New Golfer": the next round is this golfer's.
    void setGolfer(const std::string& golferKey);
    // After a save with "Save and New Round" or "Save and New Golfer".
    void clearHoles();

    // Shows the dialog through the host (the totals made ready first) and returns how it ended:
    // platform::dialogOk, resultSaveAndNewRound, resultSaveAndNewGolfer or platform::dialogCancel.
    int run(platform::DialogHost& host);
    // Readies the totals for a show; run() does it, a view shown directly calls it.
    void prepareShow();

    // The saved round into the score table's record, with the golfer's current handicap figures.
    void buildRound(golfdb::ScoreRecord& round, const golfdb::GolferRecord& golfer) const;
    // 0 when the round may be saved; otherwise its message has been shown.
    int checkRound();
    // "Print": false when the print dialog was cancelled.
    bool printRound(platform::Printer& printer);
    // The lines "Print" prints.
    std::vector<report::PrintLine> cardLines();

    // What the dialog shows.
    RoundMode mode() const { return mode_; }
    std::string title() const;
    const ScoresCard& card() const { return card_; }
    bool metresNoteShown() const;
    bool pointsShown() const; // "Points", its field and "Show Points Rules"
    bool keepPointsEnabled() const;
    bool textFileButtonsShown() const; // with their note
    bool newRoundButtonsShown() const; // "Save and New Round", "Save and New Golfer"
    std::string saveAndQuitCaption() const;
    bool cancelShown() const;
    bool printShown() const;
    bool optionsEnabled() const; // date, "Turn Off Automatic Tabbing", "Do Not Include ..."
    bool skipPuttsEnabled() const;
    bool holeFieldsEditable() const;
    bool fairwayEnabled(int hole) const;
    bool greenEnabled(int hole) const;
    Focus initialFocus() const;
    StrokeColour strokeColour(int hole) const;
    bool changed() const { return changed_; }
    bool automaticTabbingOff() const { return tabbingOff_; }
    bool skipPutts() const { return skipPutts_; }
    bool checksOff() const { return checksOff_; }
    bool pointsInUse() const { return pointsInUse_; }
    // The handicap rule in force: rule 3 shows the PCC field and gives a new round the course
    // handicap of the World Handicap System.
    void setHandicapRule(int rule) { rule_ = rule; }
    bool pccShown() const;
    bool changePccText(const std::string& text);

    // The user's actions. A text change answers where the focus moves; leaving a field answers
    // where the focus must go back to when a value was refused (Stay when all is well).
    bool changeStrokesText(int hole, const std::string& text);
    bool changePuttsText(int hole, const std::string& text);
    Focus strokesTextChanged(int hole);
    Focus puttsTextChanged(int hole);
    Focus leaveStrokes(int hole);
    Focus leavePutts(int hole);
    // Typing into a field: changeStrokesText then strokesTextChanged. Refused text is not kept.
    Focus typeStrokes(int hole, const std::string& text);
    Focus typePutts(int hole, const std::string& text);
    void setFairway(int hole, bool hit);
    void setGreen(int hole, bool hit);
    void setDatePlayed(platform::Date date);
    void setKeepPoints(bool on);
    void setNoFairwayStats(bool on);
    void setAutomaticTabbingOff(bool on);
    void setSkipPutts(bool on);
    void showPointsRules();
    void saveToTextFile();
    void loadFromTextFile();
    void setTextFiles(RoundTextFiles* files) { textFiles_ = files; }
    // "Print" (View mode) prints on this printer.
    void setPrinter(platform::Printer* printer) { printer_ = printer; }
    void print();

    // Buttons: the dialog's result, or stayOpen.
    int saveAndQuit();
    int saveAndNewRound();
    int saveAndNewGolfer();
    int cancel();

    // Round text file: the card to load into, and taking a loaded card (marks the round changed).
    void takeLoadedCard(const ScoresCard& loaded);
    platform::Prompter& prompter() { return prompter_; }

private:
    int save(int result);
    // Reads every field into the numbers; on a refused value its message has been shown and the
    // answer is the field to go back to.
    Focus readFields();
    Focus focusAfterStrokes(int hole) const;

    RoundMode mode_;
    platform::Prompter& prompter_;
    RoundTextFiles* textFiles_ = nullptr;
    platform::Printer* printer_ = nullptr;
    ScoresCard card_;
    bool checksOff_ = false;
    bool pointsInUse_ = false;
    bool tabbingOff_ = false;
    bool skipPutts_ = false;
    bool changed_ = false;
    bool shownOnce_ = false;
    bool suppressNextTab_ = false;
    int rule_ = 0;
};

} // namespace kip::rounds
