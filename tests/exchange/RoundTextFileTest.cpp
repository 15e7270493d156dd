#include "exchange/RoundTextFile.h"

#include "../rounds/RoundCardData.h"
#include "support/Doubles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>

namespace kip::exchange {
namespace {

using rounds::CScoresDlg;
using rounds::RoundMode;

constexpr platform::Date today{2026, 12, 9};

class ScriptedFileChooser : public platform::FileChooser {
public:
    std::optional<std::string> chooseOpen(const platform::FileRequest& request) override {
        return next(request);
    }
    std::optional<std::string> chooseSave(const platform::FileRequest& request) override {
        return next(request);
    }
    std::deque<std::optional<std::string>> choices;
    std::vector<platform::FileRequest> requests;

private:
    std::optional<std::string> next(const platform::FileRequest& request) {
        requests.push_back(request);
        if (choices.empty())
            return std::nullopt;
        auto choice = choices.front();
        choices.pop_front();
        return choice;
    }
};

struct Editor {
    test::ScriptedPrompter prompter;
    CScoresDlg dlg;
    explicit Editor(const std::string& golfer = "Palmer, Arnold",
                    const std::string& course = "Pine Valley Links")
        : dlg(RoundMode::Enter, prompter, today) {
        golfdb::CourseRecord row = test::sampleCourse();
        row.name = course;
        dlg.fillFromCourse(golfer, row, {});
        dlg.prepareShow();
    }
};

void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

const std::string dateLine =
    "\"01/05/2011\",\"y\",\"n\",\"Arnold Palmer\",\"Pine Valley Links\",\"Blue\",\"70.1\",\"120\"\r\n";
const std::string strokesLine = "\"5\",\"4\",\"3\",\"6\",\"4\",\"5\",\"3\",\"4\",\"5\",\"4\",\"3\",\"5\","
                                "\"4\",\"4\",\"4\",\"3\",\"5\",\"7\"\r\n";

std::string repeated(const char* field) {
    std::string line;
    for (int h = 1; h <= 18; ++h)
        line += std::string(field) + (h < 18 ? "," : "\r\n");
    return line;
}

TEST(RoundTextFile, SavedRoundLoadsIntoAFreshEditor) {
    test::TempDir dir;
    const std::string path = dir.file("round.txt");
    Editor from;
    auto strokes = test::parRound;
    strokes[18] = 6;
    test::typeRound(from.dlg, strokes);
    from.dlg.setFairway(1, true);
    from.dlg.setGreen(18, true);
    from.dlg.setNoFairwayStats(true);
    from.dlg.setDatePlayed({2025, 4, 7});
    ASSERT_EQ(from.dlg.checkRound(), 0);
    ASSERT_EQ(writeRoundText(path, from.dlg, from.prompter), roundTextOk);
    const std::string text = test::readFile(path);
    EXPECT_EQ(
        text.substr(0, text.find('\n') + 1),
        "\"04/07/2025\",\"y\",\"n\",\"Arnold Palmer\",\"Pine Valley Links\",\"Blue\",\"70.1\",\"120\"\r\n");
    EXPECT_NE(text.find("\"4\",\"4\",\"3\",\"5\""), std::string::npos);
    EXPECT_NE(text.find("\"y\",\"n\",\"n\""), std::string::npos);

    Editor to;
    ASSERT_EQ(readRoundText(path, to.dlg, to.prompter), roundTextOk);
    EXPECT_TRUE(to.prompter.shown.empty());
    const rounds::ScoresCard& a = from.dlg.card();
    const rounds::ScoresCard& b = to.dlg.card();
    EXPECT_EQ(b.strokes, a.strokes);
    EXPECT_EQ(b.putts, a.putts);
    EXPECT_EQ(b.fairway, a.fairway);
    EXPECT_EQ(b.green, a.green);
    EXPECT_EQ(b.strokesText, a.strokesText);
    EXPECT_EQ(b.datePlayed.month, 4);
    EXPECT_EQ(b.datePlayed.day, 7);
    EXPECT_EQ(b.datePlayed.year, 2025);
    EXPECT_TRUE(b.noFairwayStats);
    EXPECT_FALSE(b.keepPoints);
    EXPECT_EQ(b.totalStrokes, 74);
    EXPECT_EQ(b.outStrokes, 36);
    EXPECT_EQ(b.totalPutts, a.totalPutts);
    EXPECT_EQ(b.greensHit, a.greensHit);
    EXPECT_EQ(b.fairwaysHit, 1);
    EXPECT_TRUE(to.dlg.changed());
}

TEST(RoundTextFile, OtherGolferOrCourseIsAskedAbout) {
    test::TempDir dir;
    const std::string path = dir.file("round.txt");
    writeText(path, dateLine + strokesLine);

    Editor other("Nicklaus, Jack", "Pine Valley Links Championship");
    ASSERT_EQ(readRoundText(path, other.dlg, other.prompter), roundTextOk);
    ASSERT_EQ(other.prompter.shown.size(), 1u); // the course name is the first part of the editor's
    EXPECT_EQ(
        other.prompter.last().text,
        "Importing golfer name: Arnold Palmer\n is not the same as: Jack Nicklaus\n\n Continue with import?");
    EXPECT_EQ(other.prompter.last().caption, "Golfer Does Not Match Selection");
    EXPECT_EQ(other.prompter.last().buttons, platform::Buttons::YesNo);

    Editor refused("Palmer, Arnold", "Augusta");
    refused.dlg.typeStrokes(1, "9");
    refused.prompter.answer(platform::Answer::No);
    EXPECT_EQ(readRoundText(path, refused.dlg, refused.prompter), roundTextFailed);
    EXPECT_EQ(refused.prompter.texts(),
              (std::vector<std::string>{
                  "Importing course name: Pine Valley Links\n is not the same as: Augusta\n\n "
                  "Continue with import?",
                  "Import Cancelled"}));
    EXPECT_EQ(refused.prompter.last().caption, "File Format Error");
    EXPECT_EQ(refused.dlg.card().strokesText[1], "9");
    EXPECT_EQ(refused.dlg.card().datePlayed.year, 2026);
    EXPECT_FALSE(refused.dlg.changed());

    Editor sameIgnoringCase("PALMER, ARNOLD", "pine valley links");
    EXPECT_EQ(readRoundText(path, sameIgnoringCase.dlg, sameIgnoringCase.prompter), roundTextOk);
    EXPECT_TRUE(sameIgnoringCase.prompter.shown.empty());
}

TEST(RoundTextFile, ShortFilesKeepTheEditorsLaterValuesOrFail) {
    test::TempDir dir;
    const std::string path = dir.file("round.txt");
    Editor e;
    e.dlg.typePutts(2, "3");
    e.dlg.leavePutts(2);
    writeText(path, "\"1/5/2011\",\"n\",\"Y\",\"Arnold Palmer\",\"Pine Valley Links\",\"Blue\",\"70.1\"\n" +
                        strokesLine);
    ASSERT_EQ(readRoundText(path, e.dlg, e.prompter), roundTextOk);
    EXPECT_EQ(e.dlg.card().datePlayed.month, 1);
    EXPECT_EQ(e.dlg.card().datePlayed.day, 5);
    EXPECT_FALSE(e.dlg.card().keepPoints); // points are not in use: the box stays clear
    EXPECT_EQ(e.dlg.card().strokes[18], 7);
    EXPECT_EQ(e.dlg.card().putts[2], 3);
    EXPECT_EQ(e.dlg.card().totalStrokes, 78);

    test::ScriptedPrompter prompter;
    CScoresDlg points(RoundMode::Enter, prompter, today);
    rounds::RoundEntrySettings usePoints;
    usePoints.points.usePoints = true;
    points.fillFromCourse("Palmer, Arnold", test::sampleCourse(), usePoints);
    points.setKeepPoints(false);
    ASSERT_EQ(readRoundText(path, points, prompter), roundTextOk);
    EXPECT_TRUE(points.card().keepPoints);

    Editor four;
    writeText(path, dateLine + strokesLine + repeated("\"2\"") + repeated("\"n\""));
    EXPECT_EQ(readRoundText(path, four.dlg, four.prompter), roundTextIncomplete);
    EXPECT_TRUE(four.prompter.shown.empty());
    EXPECT_EQ(four.dlg.card().strokesText[1], "0");

    writeText(path, dateLine);
    EXPECT_EQ(readRoundText(path, four.dlg, four.prompter), roundTextIncomplete);

    writeText(path, "");
    EXPECT_EQ(readRoundText(path, four.dlg, four.prompter), roundTextOk);
}

TEST(RoundTextFile, FormatErrorsNameTheirLine) {
    test::TempDir dir;
    const std::string path = dir.file("round.txt");
    const std::string seventeen = repeated("\"2\"").substr(4);
    struct Case {
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"\"1/5/11\",\"n\",\"n\",\"Arnold Palmer\",\"Pine Valley Links\",\"Blue\",\"70.1\"\n" + strokesLine,
         "Date round played is invalid"},
        {"\"02/30/2011\",\"n\",\"n\",\"Arnold Palmer\",\"Pine Valley Links\",\"Blue\",\"70.1\"\n",
         "Date round played is invalid"},
        // Before 1900; a year of 1000 to 1009 would make the stored row a starting handicap.
        {"\"12/31/1899\",\"n\",\"n\",\"Arnold Palmer\",\"Pine Valley Links\",\"Blue\",\"70.1\"\n",
         "Date round played is invalid"},
        {"\"01/10/1001\",\"n\",\"n\",\"Arnold Palmer\",\"Pine Valley Links\",\"Blue\",\"70.1\"\n",
         "Date round played is invalid"},
        {dateLine + seventeen, "Format error, less than 18 holes of strokes"},
        {dateLine + strokesLine + seventeen, "Format error, less than 18 holes of putts"},
        {dateLine + strokesLine + strokesLine + seventeen,
         "Format error, less than 18 holes of fairways hit"},
        {dateLine + strokesLine + strokesLine + repeated("\"n\"") + seventeen,
         "Format error, less than 18 holes of greens hit"},
        {"\n" + strokesLine, "Format error, the first line of a round has too few fields"},
        {dateLine + strokesLine + strokesLine + repeated("\"n\"") + repeated("\"n\"") + "\"x\",\"y\"\n",
         "Format error, the first line of a round has too few fields"},
    };
    for (const Case& c : cases) {
        Editor e;
        writeText(path, c.text);
        EXPECT_EQ(readRoundText(path, e.dlg, e.prompter), roundTextFailed) << c.message;
        ASSERT_EQ(e.prompter.shown.size(), 1u) << c.message;
        EXPECT_EQ(e.prompter.last().text, c.message);
        EXPECT_EQ(e.prompter.last().caption, "File Format Error");
        EXPECT_EQ(e.prompter.last().icon, platform::Icon::Error);
        EXPECT_EQ(e.dlg.card().strokesText[1], "0");
        EXPECT_EQ(e.dlg.card().datePlayed.year, 2026);
    }
}

TEST(RoundTextFile, FairwayOnAParThreeIsIgnoredWithAWarning) {
    test::TempDir dir;
    const std::string path = dir.file("round.txt");
    // Runs of commas count as one, fields may have blanks around them, and a quoted "Y" is yes.
    writeText(path, dateLine + strokesLine + repeated(",\"2\" ") + repeated("\"Y\"") + repeated("\"n\""));
    Editor e;
    ASSERT_EQ(readRoundText(path, e.dlg, e.prompter), roundTextOk);
    EXPECT_EQ(e.prompter.texts(), (std::vector<std::string>{
                                      "Warning, trying to set fairway hit on par 3 (hole #3), ignored",
                                      "Warning, trying to set fairway hit on par 3 (hole #7), ignored",
                                      "Warning, trying to set fairway hit on par 3 (hole #11), ignored",
                                      "Warning, trying to set fairway hit on par 3 (hole #16), ignored",
                                  }));
    EXPECT_EQ(e.prompter.last().caption, "Warning");
    EXPECT_EQ(e.dlg.card().fairwaysHit, 14);
    EXPECT_FALSE(e.dlg.card().fairway[3]);
    EXPECT_EQ(e.dlg.card().totalPutts, 36);
}

TEST(RoundTextFile, ButtonsReportEveryOutcome) {
    test::TempDir dir;
    Editor e;
    ScriptedFileChooser chooser;
    RoundTextButtons buttons(chooser, e.prompter);
    e.dlg.setTextFiles(&buttons);

    e.dlg.saveToTextFile(); // an empty card does not pass the check
    EXPECT_EQ(e.prompter.texts(), (std::vector<std::string>{"You must enter a score on every hole"}));
    EXPECT_TRUE(chooser.requests.empty());

    test::typeRound(e.dlg, test::parRound);
    e.prompter.shown.clear();
    e.dlg.saveToTextFile();
    ASSERT_EQ(chooser.requests.size(), 1u);
    EXPECT_EQ(chooser.requests[0].title, "Select a Path and Name for the Exported Rounds File");
    EXPECT_EQ(chooser.requests[0].defaultExtension, "txt");
    EXPECT_EQ(chooser.requests[0].filters[0].description, "Text Files (*.txt)");
    EXPECT_EQ(e.prompter.last().text, "Export of round cancelled by user");
    EXPECT_EQ(e.prompter.last().caption, "Export Status");

    const std::string path = dir.file("round.txt");
    chooser.choices = {path};
    e.dlg.saveToTextFile();
    EXPECT_EQ(e.prompter.last().text, "Round exported successfully to " + path);

    // A file that cannot be replaced is kept whole, and no partial file stays behind.
    const std::string folder = dir.file("folder.txt");
    std::filesystem::create_directories(folder + "/inside");
    EXPECT_EQ(writeRoundText(folder, e.dlg, e.prompter), roundTextFailed);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_FALSE(std::filesystem::exists(folder + ".partial"));

    chooser.choices = {dir.file("missing/round.txt")};
    e.dlg.saveToTextFile();
    const auto n = e.prompter.shown.size();
    EXPECT_EQ(e.prompter.shown[n - 2].text, "Could not open output text file, export of round cancelled");
    EXPECT_EQ(e.prompter.shown[n - 2].caption, "KipGolf");
    EXPECT_EQ(e.prompter.last().text, "Round export to " + dir.file("missing/round.txt") + " failed!");

    Editor into;
    RoundTextButtons loads(chooser, into.prompter);
    into.dlg.setTextFiles(&loads);
    into.dlg.loadFromTextFile();
    EXPECT_EQ(chooser.requests.back().title, "Select the Text File to Import into the Rounds Dialog");
    EXPECT_EQ(into.prompter.last().text, "Import of round cancelled by user");
    EXPECT_EQ(into.prompter.last().caption, "Import Status");
    chooser.choices = {path};
    into.dlg.loadFromTextFile();
    EXPECT_EQ(into.prompter.last().text, "Round imported successfully from " + path);
    EXPECT_EQ(into.dlg.card().totalStrokes, 72);

    // Loaded values are checked as a save would check them; only the check's message appears.
    writeText(path, dateLine + repeated("\"200\""));
    chooser.choices = {path};
    into.prompter.shown.clear();
    into.dlg.loadFromTextFile();
    EXPECT_EQ(into.prompter.texts(), (std::vector<std::string>{"Enter an integer between 0 and 127."}));

    writeText(path, dateLine + strokesLine + repeated("\"2\"") + repeated("\"n\""));
    chooser.choices = {path};
    into.prompter.shown.clear();
    into.dlg.loadFromTextFile();
    EXPECT_EQ(into.prompter.texts(),
              (std::vector<std::string>{"Round import from " + path + " failed, possibly bad format."}));
    EXPECT_EQ(into.dlg.card().strokesText[1], "200"); // still the earlier load

    Editor view;
    CScoresDlg change(RoundMode::Change, view.prompter, today);
    change.setTextFiles(&loads);
    change.loadFromTextFile(); // no such buttons outside Enter
    EXPECT_TRUE(view.prompter.shown.empty());
}

} // namespace
} // namespace kip::exchange
