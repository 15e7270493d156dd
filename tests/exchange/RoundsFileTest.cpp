#include "exchange/RoundsFile.h"
#include "exchange/RoundsFileText.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <string>
#include <vector>

namespace kip::exchange {
namespace {

using golfdb::ScoreRecord;

const std::string header =
    "\"Golfer\",\"MM\",\"DD\",\"YYYY\",\"TotalStrokes\",\"HCDiff\",\"CourseHC\"\r\n"
    "\"Course\",\"Tee\",\"Slope\",\"Rating\",\"TotalOnly\",\"UseCourseHC\",\"FWStats\","
    "\"PointsRnd\",\"EaglePts\",\"BirdPts\",\"ParPts\",\"BogiePts\",\"DblePts\",\"TotalPts\"\r\n"
    "\"Yards1\",\"Yards2\",\"Yards3\",\"Yards4\",\"Yards5\",\"Yards6\",\"Yards7\",\"Yards8\","
    "\"Yards9\",\"Yards10\",\"Yards11\",\"Yards12\",\"Yards13\",\"Yards14\",\"Yards15\","
    "\"Yards16\",\"Yards17\",\"Yards18\"\r\n"
    "\"Par1\",\"Par2\",\"Par3\",\"Par4\",\"Par5\",\"Par6\",\"Par7\",\"Par8\",\"Par9\","
    "\"Par10\",\"Par11\",\"Par12\",\"Par13\",\"Par14\",\"Par15\",\"Par16\",\"Par17\",\"Par18\"\r\n"
    "\"Strokes1\",\"Strokes2\",\"Strokes3\",\"Strokes4\",\"Strokes5\",\"Strokes6\",\"Strokes7\","
    "\"Strokes8\",\"Strokes9\",\"Strokes10\",\"Strokes11\",\"Strokes12\",\"Strokes13\","
    "\"Strokes14\",\"Strokes15\",\"Strokes16\",\"Strokes17\",\"Strokes18\"\r\n"
    "\"Putts1\",\"Putts2\",\"Putts3\",\"Putts4\",\"Putts5\",\"Putts6\",\"Putts7\",\"Putts8\","
    "\"Putts9\",\"Putts10\",\"Putts11\",\"Putts12\",\"Putts13\",\"Putts14\",\"Putts15\","
    "\"Putts16\",\"Putts17\",\"Putts18\"\r\n"
    "\"FW1\",\"FW2\",\"FW3\",\"FW4\",\"FW5\",\"FW6\",\"FW7\",\"FW8\",\"FW9\",\"FW10\",\"FW11\","
    "\"FW12\",\"FW13\",\"FW14\",\"FW15\",\"FW16\",\"FW17\",\"FW18\"\r\n"
    "\"GIR1\",\"GIR2\",\"GIR3\",\"GIR4\",\"GIR5\",\"GIR6\",\"GIR7\",\"GIR8\",\"GIR9\",\"GIR10\","
    "\"GIR11\",\"GIR12\",\"GIR13\",\"GIR14\",\"GIR15\",\"GIR16\",\"GIR17\",\"GIR18\"\r\n";

std::string holeLine(const std::string& value) {
    std::string line;
    for (int h = 1; h <= 18; ++h)
        line += (h > 1 ? ",\"" : "\"") + value + "\"";
    return line + "\r\n";
}

// One round of par-4 holes in a file, as the format writes it.
std::string roundLines(const std::string& golfer, const std::string& date = "\"05\",\"24\",\"2024\"") {
    return "\"" + golfer + "\"," + date + ",\"80\",\"12.3\",\"14\"\r\n" +
           "\"Alder "
           "Run\",\"Blue\",\"71.5\",\"125\",\"n\",\"y\",\"y\",\"n\",\"0\",\"0\",\"0\",\"0\",\"0\",\"0\"\r\n" +
           holeLine("400") + holeLine("4") + holeLine("5") + holeLine("2") + holeLine("y") + holeLine("n");
}

class RoundsFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(scores.create(), 0); }

    std::string file(const std::string& name = "rounds.csv") const { return dir.file(name); }
    void write(const std::string& text, const std::string& name = "rounds.csv") const {
        std::ofstream(file(name), std::ios::binary) << text;
    }
    void add(const ScoreRecord& round) {
        scores.record() = round;
        ASSERT_EQ(scores.add(), 0);
    }
    std::vector<ScoreRecord> stored() {
        std::vector<ScoreRecord> rounds;
        for (int rc = scores.goTop(); rc == 0; rc = scores.skip())
            rounds.push_back(scores.record());
        return rounds;
    }
    ImportSummary import(const std::string& text) {
        write(text);
        return importRounds(scores, file());
    }

    test::TempDir dir;
    golfdb::ScoreTable scores{dir.path() + "Scores"};
};

ScoreRecord fullRound() {
    ScoreRecord r;
    r.golfer = "O'Neil, Seán";
    r.year = 2024;
    r.month = 7;
    r.day = 3;
    r.totalStrokes = 77;
    r.differential = 4.45;
    r.name = "Pine Hollow";
    r.tee = "White";
    r.rating = 70.2;
    r.slope = 131;
    r.flags = golfdb::flagPointsRound | golfdb::flagMetres;
    r.yardage[0] = 9;
    for (int h = 1; h <= 18; ++h) {
        r.yardage[h] = 100 + h;
        r.par[h] = static_cast<std::int8_t>(3 + h % 3);
        r.strokes[h] = static_cast<std::int8_t>(h == 7 ? -2 : 4);
        r.putts[h] = static_cast<std::int8_t>(h % 3);
        r.holeFlags[h] = static_cast<std::uint8_t>(h % 4);
    }
    r.pointValues = {5, 3, 1, 0, -1};
    r.totalPoints = 312;
    return r;
}

TEST_F(RoundsFile, EmptyTableExportsExactlyTheHeader) {
    ASSERT_EQ(exportRounds(scores, file()), roundsFileDone);
    EXPECT_EQ(test::readFile(file()), header);
    EXPECT_EQ(importRounds(scores, file()).result, roundsFileDone);
    EXPECT_TRUE(stored().empty());
}

TEST_F(RoundsFile, ExportWritesEveryFieldInTheFormatsBytes) {
    add(fullRound());
    ASSERT_EQ(exportRounds(scores, file()), roundsFileDone);
    const std::string text = test::readFile(file());
    ASSERT_EQ(text.substr(0, header.size()), header);
    EXPECT_EQ(
        text.substr(header.size()),
        "\"O'Neil, Se\xE1n\",\"07\",\"03\",\"2024\",\"77\",\"4.5\",\"9\"\r\n"
        "\"Pine Hollow\",\"White\",\"70.2\",\"131\",\"n\",\"n\",\"y\",\"y\",\"5\",\"3\",\"1\",\"0\",\"-1\","
        "\"312\"\r\n"
        "\"101\",\"102\",\"103\",\"104\",\"105\",\"106\",\"107\",\"108\",\"109\",\"110\",\"111\",\"112\","
        "\"113\",\"114\",\"115\",\"116\",\"117\",\"118\"\r\n"
        "\"4\",\"5\",\"3\",\"4\",\"5\",\"3\",\"4\",\"5\",\"3\",\"4\",\"5\",\"3\",\"4\",\"5\",\"3\",\"4\","
        "\"5\","
        "\"3\"\r\n"
        "\"4\",\"4\",\"4\",\"4\",\"4\",\"4\",\"-2\",\"4\",\"4\",\"4\",\"4\",\"4\",\"4\",\"4\",\"4\",\"4\","
        "\"4\","
        "\"4\"\r\n"
        "\"1\",\"2\",\"0\",\"1\",\"2\",\"0\",\"1\",\"2\",\"0\",\"1\",\"2\",\"0\",\"1\",\"2\",\"0\",\"1\","
        "\"2\","
        "\"0\"\r\n"
        "\"y\",\"n\",\"y\",\"n\",\"y\",\"n\",\"y\",\"n\",\"y\",\"n\",\"y\",\"n\",\"y\",\"n\",\"y\",\"n\","
        "\"y\","
        "\"n\"\r\n"
        "\"n\",\"y\",\"y\",\"n\",\"n\",\"y\",\"y\",\"n\",\"n\",\"y\",\"y\",\"n\",\"n\",\"y\",\"y\",\"n\","
        "\"n\","
        "\"y\"\r\n");
}

TEST_F(RoundsFile, RoundsComeInTagOrderAndTotalOnlyRoundsSayNoFairwayStats) {
    for (const auto* golfer : {"Adams, Ann", "Young, Yul"})
        for (const int year : {2022, 2024}) {
            ScoreRecord r;
            r.golfer = golfer;
            r.year = year;
            r.month = 1;
            r.day = 2;
            r.flags = golfdb::flagTotalOnly | golfdb::flagCourseHandicap;
            add(r);
        }
    add(fullRound());
    ASSERT_EQ(scores.remove(), 0); // deleted rows are not exported
    ASSERT_EQ(exportRounds(scores, file()), roundsFileDone);
    std::ifstream in(file());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 8u + 4 * 8);
    auto startsWith = [](const std::string& line, const std::string& start) {
        return line.compare(0, start.size(), start) == 0;
    };
    EXPECT_TRUE(startsWith(lines[8], "\"Young, Yul\",\"01\",\"02\",\"2024\","));
    EXPECT_TRUE(startsWith(lines[16], "\"Young, Yul\",\"01\",\"02\",\"2022\","));
    EXPECT_TRUE(startsWith(lines[24], "\"Adams, Ann\",\"01\",\"02\",\"2024\","));
    EXPECT_TRUE(startsWith(lines[9], "\"\",\"\",\"0.0\",\"0\",\"y\",\"y\",\"n\",\"n\",\"0\","));
}

TEST_F(RoundsFile, ExportThenImportRestoresEveryRound) {
    ScoreRecord full = fullRound();
    ScoreRecord totalOnly;
    totalOnly.golfer = "Baker, Bo";
    totalOnly.year = 2023;
    totalOnly.month = 12;
    totalOnly.day = 31;
    totalOnly.totalStrokes = 95;
    totalOnly.differential = -1.5;
    totalOnly.flags = golfdb::flagTotalOnly | golfdb::flagNoFairwayStats | golfdb::flagCourseHandicap;
    totalOnly.yardage[0] = -3;
    ScoreRecord initial;
    initial.golfer = "Baker, Bo";
    initial.year = 1001;
    initial.month = 1;
    initial.day = 20;
    initial.differential = 12.4;
    initial.name = "Initial Handicap";
    initial.flags = golfdb::flagInitialHandicap | golfdb::flagTotalOnly;
    for (const auto& r : {full, totalOnly, initial})
        add(r);
    ASSERT_EQ(exportRounds(scores, file()), roundsFileDone);

    golfdb::ScoreTable other(dir.path() + "Other");
    ASSERT_EQ(other.create(), 0);
    const ImportSummary summary = importRounds(other, file());
    EXPECT_EQ(summary.result, roundsFileDone);
    EXPECT_EQ(summary.roundsRead, 3);
    EXPECT_TRUE(summary.everyRoundStored());

    std::vector<ScoreRecord> back;
    for (int rc = other.goTop(); rc == 0; rc = other.skip())
        back.push_back(other.record());
    ASSERT_EQ(back.size(), 3u);
    // The course handicap flag comes back as UseCourseHC says; the meters flag has no field; a row
    // dated before 1010 is an initial handicap row again.
    full.flags = golfdb::flagPointsRound;
    full.differential = 4.5;
    totalOnly.flags = golfdb::flagTotalOnly | golfdb::flagNoFairwayStats | golfdb::flagCourseHandicap;
    initial.flags = golfdb::flagInitialHandicap | golfdb::flagTotalOnly | golfdb::flagNoFairwayStats;
    const std::vector<ScoreRecord> wanted = {full, totalOnly, initial};
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        const ScoreRecord& w = wanted[i];
        const ScoreRecord& b = back[i];
        SCOPED_TRACE(w.golfer + " " + w.dateText());
        EXPECT_EQ(b.golfer, w.golfer);
        EXPECT_EQ(b.dateText(), w.dateText());
        EXPECT_EQ(b.totalStrokes, w.totalStrokes);
        EXPECT_DOUBLE_EQ(b.differential, w.differential);
        EXPECT_EQ(b.name, w.name);
        EXPECT_EQ(b.tee, w.tee);
        EXPECT_DOUBLE_EQ(b.rating, w.rating);
        EXPECT_EQ(b.slope, w.slope);
        EXPECT_EQ(b.flags, w.flags);
        EXPECT_EQ(b.yardage, w.yardage);
        EXPECT_EQ(b.par, w.par);
        EXPECT_EQ(b.strokes, w.strokes);
        EXPECT_EQ(b.putts, w.putts);
        EXPECT_EQ(b.holeFlags, w.holeFlags);
        EXPECT_EQ(b.pointValues, w.pointValues);
        EXPECT_EQ(b.totalPoints, w.totalPoints);
    }
    // Importing the same file again stores every round a second time.
    EXPECT_TRUE(importRounds(other, file()).everyRoundStored());
    long count = 0;
    for (int rc = other.goTop(); rc == 0; rc = other.skip())
        ++count;
    EXPECT_EQ(count, 6);
}

TEST_F(RoundsFile, NamesWithCommasComeBackWhole) {
    ScoreRecord r;
    r.golfer = "Smith, Jr., John";
    r.name = "Pine, Oak and Elm";
    r.tee = "Blue, back";
    r.year = 2024;
    r.month = 3;
    r.day = 4;
    r.slope = 120;
    add(r);
    ASSERT_EQ(exportRounds(scores, file()), roundsFileDone);
    EXPECT_NE(test::readFile(file()).find("\"Smith, Jr., John\",\"03\",\"04\""), std::string::npos);
    golfdb::ScoreTable other(dir.path() + "Other");
    ASSERT_EQ(other.create(), 0);
    ASSERT_TRUE(importRounds(other, file()).everyRoundStored());
    ASSERT_EQ(other.goTop(), 0);
    EXPECT_EQ(other.record().golfer, r.golfer);
    EXPECT_EQ(other.record().name, r.name);
    EXPECT_EQ(other.record().tee, r.tee);
    EXPECT_EQ(other.record().slope, 120);
    EXPECT_EQ(other.record().month, 3);
}

TEST_F(RoundsFile, HeaderIsComparedOnItsFirstThirtyCharacters) {
    std::string later = header;
    later.replace(header.find("HCDiff"), 6, "Diff");
    EXPECT_EQ(import(later + roundLines("Ames, Al")).result, roundsFileDone);
    EXPECT_EQ(stored().size(), 1u);

    std::string early = header;
    early.replace(header.find("Tee"), 3, "tee");
    EXPECT_EQ(import(early + roundLines("Ames, Al")).result, roundsFileBadHeader);
    std::string shortLine = header;
    shortLine.replace(header.find("\"Yards1\""), header.find("\r\n\"Par1") - header.find("\"Yards1\""),
                      "\"Yards1\"");
    EXPECT_EQ(import(shortLine + roundLines("Ames, Al")).result, roundsFileBadHeader);
    EXPECT_EQ(stored().size(), 1u);

    EXPECT_EQ(import(header.substr(0, header.find("\"Putts1"))).result, roundsFileIncomplete);
    EXPECT_EQ(import("").result, roundsFileIncomplete);
    EXPECT_EQ(importRounds(scores, file("missing.csv")).result, roundsFileCannotOpen);
}

TEST_F(RoundsFile, FileEndingInsideARoundKeepsTheWholeRoundsBefore) {
    std::string text = header + roundLines("Ames, Al") + roundLines("Bell, Bo");
    std::string partial = roundLines("Cole, Cy");
    std::size_t cut = 0;
    for (int i = 0; i < 5; ++i)
        cut = partial.find("\r\n", cut) + 2;
    const ImportSummary summary = import(text + partial.substr(0, cut));
    EXPECT_EQ(summary.result, roundsFileIncomplete);
    EXPECT_EQ(summary.roundsStored, 2);
    // What was stored is in the files, index included.
    scores.close();
    ASSERT_EQ(scores.open(), 0);
    const auto rounds = stored();
    ASSERT_EQ(rounds.size(), 2u);
    EXPECT_EQ(rounds[0].golfer, "Bell, Bo");
    EXPECT_EQ(rounds[1].golfer, "Ames, Al");
}

TEST_F(RoundsFile, ManyRoundsAreAllInTheIndexAfterwards) {
    std::string text = header;
    for (int i = 0; i < 150; ++i)
        text += roundLines("Golfer" + std::to_string(1000 + i) + ", Test");
    EXPECT_TRUE(import(text).everyRoundStored());
    scores.close();
    ASSERT_EQ(scores.open(), 0);
    const auto rounds = stored();
    ASSERT_EQ(rounds.size(), 150u);
    EXPECT_EQ(rounds.front().golfer, "Golfer1149, Test");
    EXPECT_EQ(rounds.back().golfer, "Golfer1000, Test");
    EXPECT_EQ(scores.findNewest("Golfer1070, Test"), 0);
    EXPECT_EQ(scores.record().golfer, "Golfer1070, Test");
}

TEST_F(RoundsFile, BlankLinesEndNormallyOnlyAtTheEnd) {
    EXPECT_EQ(import(header + roundLines("Ames, Al") + "\r\n\r\n  \r\n").result, roundsFileDone);
    EXPECT_EQ(stored().size(), 1u);
    const ImportSummary gap = import(header + roundLines("Bell, Bo") + "\r\n" + roundLines("Cole, Cy"));
    EXPECT_EQ(gap.result, roundsFileIncomplete);
    EXPECT_EQ(stored().size(), 2u);
}

TEST_F(RoundsFile, LineFeedsAloneAndCapitalYRead) {
    std::string text = "\xEF\xBB\xBF" + header + roundLines("Ames, Al");
    text.replace(text.find("\"n\",\"y\",\"y\",\"n\""), 15, "\"Y\",\"y\",\"N\",\"Y\"");
    std::string lf;
    for (const char c : text)
        if (c != '\r')
            lf += c;
    ASSERT_EQ(import(lf).result, roundsFileDone);
    const auto rounds = stored();
    ASSERT_EQ(rounds.size(), 1u);
    EXPECT_EQ(rounds[0].flags, golfdb::flagTotalOnly | golfdb::flagNoFairwayStats | golfdb::flagPointsRound |
                                   golfdb::flagCourseHandicap);
    EXPECT_EQ(rounds[0].golfer, "Ames, Al");
    EXPECT_EQ(rounds[0].dateText(), "20240524");
    EXPECT_EQ(rounds[0].courseHandicap(), 14);
    EXPECT_EQ(rounds[0].holeFlags[1], golfdb::holeFairwayHit);
    EXPECT_EQ(rounds[0].holeFlags[0], 0);
}

TEST_F(RoundsFile, LinesWithTooFewFieldsEndTheImport) {
    // One field short still reads, the missing last field as empty; two short does not.
    std::string oneShort = roundLines("Ames, Al");
    oneShort.replace(oneShort.find(",\"2\"\r\n"), 4, "");
    ASSERT_EQ(import(header + oneShort).result, roundsFileDone);
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].putts[18], 0);
    EXPECT_EQ(stored()[0].putts[17], 2);

    std::string twoShort = roundLines("Bell, Bo");
    twoShort.replace(twoShort.find(",\"2\",\"2\"\r\n"), 8, "");
    EXPECT_EQ(import(header + roundLines("Cole, Cy") + twoShort).result, roundsFileIncomplete);
    EXPECT_EQ(stored().size(), 2u);
}

TEST_F(RoundsFile, MonthsOutOfRangeAndJunkNumbersAreStoredAsRead) {
    const ImportSummary summary = import(header + roundLines("Ames, Al", "\"13\",\"x7\",\"2024\"") +
                                         roundLines("Bell, Bo", "05,\"06\",\"2020\""));
    EXPECT_EQ(summary.result, roundsFileDone);
    const auto rounds = stored();
    ASSERT_EQ(rounds.size(), 2u);
    EXPECT_EQ(rounds[1].dateText(), "20241300");
    // An unquoted field reads as empty (0), and nothing shifts.
    EXPECT_EQ(rounds[0].dateText(), "20200006");

    // Beyond what a field holds, a round is refused and counted, never stored with another number.
    std::string big = roundLines("Cole, Cy", "\"5\",\"6\",\"123456\"");
    big.replace(big.find("\"80\",\"12.3\""), 11, "\"5000\",\"123.4\"");
    big.replace(big.find("\"5\",\"5\""), 3, "\"300\"");
    const ImportSummary refused = import(header + roundLines("Dunn, Di") + big);
    EXPECT_EQ(refused.result, roundsFileDone);
    EXPECT_EQ(refused.roundsRead, 2);
    EXPECT_EQ(refused.roundsStored, 1);
    EXPECT_EQ(refused.roundsRefused, 1);
    EXPECT_EQ(refused.firstRefusedLine, 17);
    EXPECT_FALSE(refused.everyRoundStored());
    for (const ScoreRecord& r : stored())
        EXPECT_NE(r.golfer, "Cole, Cy");
}

TEST_F(RoundsFile, AFailedExportLeavesTheEarlierFile) {
    write("earlier");
    EXPECT_EQ(exportRounds(scores, dir.file("no-such-folder/rounds.csv")), roundsFileCannotOpen);
    scores.close();
    EXPECT_EQ(exportRounds(scores, file()), roundsFileTableError);
    EXPECT_EQ(test::readFile(file()), "earlier");
}

// Export, import into an empty table, export again: the two files are the same bytes.
void expectByteIdenticalRoundTrip(golfdb::ScoreTable& source, const test::TempDir& dir) {
    ASSERT_EQ(exportRounds(source, dir.file("first.csv")), roundsFileDone);
    golfdb::ScoreTable copy(dir.path() + "Copy");
    ASSERT_EQ(copy.create(), 0);
    const ImportSummary summary = importRounds(copy, dir.file("first.csv"));
    EXPECT_TRUE(summary.storedAsRead());
    EXPECT_EQ(summary.roundsRefused, 0);
    EXPECT_EQ(summary.roundsChanged, 0);
    ASSERT_EQ(exportRounds(copy, dir.file("second.csv")), roundsFileDone);
    EXPECT_EQ(test::readFile(dir.file("second.csv")), test::readFile(dir.file("first.csv")));
}

TEST(RoundsFilePeerFixture, ExportImportExportIsByteIdentical) {
    test::TempDir dir;
    golfdb::ScoreTable peer(dir.copyFixture("Scores"));
    ASSERT_EQ(peer.open(), 0);
    expectByteIdenticalRoundTrip(peer, dir);

    golfdb::ScoreTable copy(dir.path() + "Copy");
    ASSERT_EQ(copy.open(), 0);
    // The starting handicap row still stands for its ten rounds; two rounds of one day keep their
    // order; yardages beyond a byte survive.
    ASSERT_EQ(copy.findRound("Okonkwo, Ike", "10010110"), 0);
    EXPECT_EQ(copy.record().flags,
              golfdb::flagInitialHandicap | golfdb::flagTotalOnly | golfdb::flagNoFairwayStats);
    ASSERT_EQ(copy.findRound("Brightwater, Tomas", "20190805"), 0);
    EXPECT_EQ(copy.record().name, "Zephyr Point");
    EXPECT_EQ(copy.record().yardage[1], 386);
}

TEST_F(RoundsFile, EveryValueTheTablesHoldComesBack) {
    ScoreRecord high = fullRound();
    high.flags = golfdb::flagPointsRound | golfdb::flagCourseHandicap;
    high.totalStrokes = 999;
    high.differential = 99.9;
    high.rating = 99.9;
    high.slope = 9999;
    high.yardage[0] = 999;
    high.pointValues = {127, -128, 0, 1, -1};
    high.totalPoints = 127 * 127 + 126;
    ScoreRecord low = fullRound();
    low.golfer = "Ames, Al";
    low.year = 1900;
    low.month = 1;
    low.day = 1;
    low.flags = golfdb::flagPointsRound;
    low.totalStrokes = -99;
    low.differential = -9.9;
    low.rating = -9.9;
    low.slope = -999;
    low.yardage[0] = -99;
    low.totalPoints = -(127 * 127 + 126);
    for (int h = 1; h <= 18; ++h) {
        const auto s = static_cast<std::size_t>(h);
        high.yardage[s] = h % 2 ? 999 : 128 + h;
        high.par[s] = high.strokes[s] = high.putts[s] = 127;
        low.yardage[s] = -99;
        low.par[s] = low.strokes[s] = low.putts[s] = -128;
    }
    add(high);
    add(low);
    expectByteIdenticalRoundTrip(scores, dir);

    golfdb::ScoreTable copy(dir.path() + "Copy");
    ASSERT_EQ(copy.open(), 0);
    ASSERT_EQ(copy.findNewest(high.golfer), 0);
    EXPECT_EQ(copy.record().yardage, high.yardage);
    EXPECT_EQ(copy.record().slope, 9999);
    EXPECT_EQ(copy.record().totalPoints, high.totalPoints);
    ASSERT_EQ(copy.findNewest(low.golfer), 0);
    EXPECT_EQ(copy.record().yardage, low.yardage);
    EXPECT_EQ(copy.record().strokes, low.strokes);
    EXPECT_EQ(copy.record().totalStrokes, -99);
}

TEST_F(RoundsFile, RoundsOfOneDayKeepTheFilesOrder) {
    for (const char* course : {"First", "Second", "Third"}) {
        ScoreRecord r = fullRound();
        r.name = course;
        add(r);
    }
    expectByteIdenticalRoundTrip(scores, dir);
}

TEST_F(RoundsFile, ValuesTheTablesCannotHoldAreRefusedOrCounted) {
    auto withField = [](std::string text, const std::string& from, const std::string& to) {
        const auto at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    };
    const std::string good = roundLines("Good, Guy");
    const std::string refused[] = {
        withField(good, "\"400\"", "\"1000\""),                      // a yardage group holds three
        withField(good, "\"400\"", "\"-100\""),                      //   characters
        withField(good, "\"14\"\r\n", "\"1000\"\r\n"),               // course handicap
        withField(good, "\"125\"", "\"10000\""),                     // slope
        withField(good, "\"71.5\"", "\"100.0\""),                    // rating
        withField(good, "\"5\"", "\"128\""),                         // a stroke byte
        withField(good, "\"2024\"", "\"1899\""),                     // played before 1900
        withField(good, "\"2024\"", "\"1010\""),                     //
        withField(good, "\"05\",\"24\"", "\"105\",\"24\""),          // month of three digits
        withField(good, "\"n\",\"0\",\"0\"", "\"y\",\"200\",\"0\""), // a point value byte
    };
    std::string text = header + good;
    for (const auto& round : refused)
        text += round;
    const std::string changed[] = {
        withField(good, "Good, Guy", "Good, Αλέξης"),           // not in the code page
        withField(good, "Alder Run", std::string(41, 'x')),     // course name of 41
        withField(good, "\"Blue\"", "\"Blue Blue Blue Blue\""), // tee of 19
        withField(good, "\"12.3\"", "\"12.34\""),               // two decimals
    };
    for (const auto& round : changed)
        text += round;
    // A starting handicap row is no played round: its year stays.
    text += withField(good, "\"05\",\"24\",\"2024\"", "\"01\",\"12\",\"1001\"");

    const ImportSummary summary = import(text);
    EXPECT_EQ(summary.result, roundsFileDone);
    EXPECT_EQ(summary.roundsRead, 16);
    EXPECT_EQ(summary.roundsRefused, 10);
    EXPECT_EQ(summary.firstRefusedLine, 17);
    EXPECT_EQ(summary.roundsChanged, 4);
    EXPECT_EQ(summary.firstChangedLine, 8 + 8 * 11 + 1);
    EXPECT_EQ(summary.roundsStored, 6);
    EXPECT_FALSE(summary.everyRoundStored());

    const auto rounds = stored();
    ASSERT_EQ(rounds.size(), 6u);
    std::vector<std::string> names;
    for (const auto& r : rounds)
        names.push_back(r.golfer + "|" + r.name + "|" + r.tee + "|" + r.dateText());
    // Equal keys come newest row first: the three changed rounds read in one run, then the first.
    EXPECT_EQ(names, (std::vector<std::string>{
                         "Good, Guy|" + std::string(40, 'x') + "|Blue|20240524",
                         "Good, Guy|Alder Run|Blue Blue Blue|20240524",
                         "Good, Guy|Alder Run|Blue|20240524",
                         "Good, Guy|Alder Run|Blue|20240524",
                         "Good, Guy|Alder Run|Blue|10010112",
                         "Good, ??????|Alder Run|Blue|20240524",
                     }));
    EXPECT_DOUBLE_EQ(rounds[2].differential, 12.3);
    EXPECT_EQ(rounds[4].flags & golfdb::flagInitialHandicap, golfdb::flagInitialHandicap);
}

TEST(RoundsFileText, FieldsSplitAndUnquoteAsTheFormatSays) {
    std::vector<std::string_view> f;
    splitFields(",\"a\",,\"b\",c\",\"d,", false, f);
    ASSERT_EQ(f.size(), 4u);
    EXPECT_EQ(f[0], "\"a\"");
    EXPECT_EQ(f[1], "\"b\"");
    EXPECT_EQ(unquoted(f[2]), "");
    EXPECT_EQ(f[3], "\"d");
    splitFields("\"Last, First\",\"05\"", true, f);
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(unquoted(f[0]), "Last, First");
    splitFields("Last, First\",\"05\"", true, f);
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(unquoted(f[0]), "");
    EXPECT_EQ(unquoted("\""), "");
    EXPECT_TRUE(isYes("\"Y\""));
    EXPECT_FALSE(isYes("y"));
    EXPECT_FALSE(isYes("\"yes\""));
}

TEST(RoundsFileText, NumbersAreTheLeadingNumberOfTheText) {
    EXPECT_EQ(wholeNumber("\" -12x\""), -12);
    EXPECT_EQ(wholeNumber("\"71.5\""), 71);
    EXPECT_EQ(wholeNumber("\"\""), 0);
    EXPECT_EQ(wholeNumber("12"), 0);
    EXPECT_EQ(wholeNumber("\"99999999999999\""), 2147483647);
    EXPECT_EQ(wholeNumber("\"-99999999999999\""), -2147483647 - 1);
    EXPECT_DOUBLE_EQ(decimalNumber("\"71.5\""), 71.5);
    EXPECT_DOUBLE_EQ(decimalNumber("\"-.5e3\""), -0.5);
    EXPECT_DOUBLE_EQ(decimalNumber("\"abc\""), 0.0);
    std::array<char, 64> text{};
    char* end = writeInteger(text.data(), 5, 2);
    end = writeInteger(end, -5, 4);
    end = writeInteger(end, 12345, 4);
    end = writeInteger(end, -2147483647L - 1);
    std::string out(text.data(), end);
    appendOneDecimal(out, 0.05);
    appendOneDecimal(out, -0.04);
    EXPECT_EQ(out, "05-00512345-21474836480.1-0.0");
}

TEST(RoundsFileText, TextIsUtf8OrWindows1252) {
    EXPECT_EQ(textOf("\"Se\xC3\xA1n\""), "Se\xC3\xA1n");
    EXPECT_EQ(textOf("\"Se\xE1n\""), "Se\xC3\xA1n");
    EXPECT_EQ(textOf("\"\x80\""), "\xE2\x82\xAC");
}

} // namespace
} // namespace kip::exchange
