#pragma once
// The golf document: the data directory and the three open tables for the whole run, the operations
// over many rows and the list builders of the selection dialogs. The leaderboard lives above it.

#include "golfdb/CourseTable.h"
#include "golfdb/GolferTable.h"
#include "golfdb/ScoreTable.h"
#include "golfdb/WriterLock.h"
#include "platform/Prompter.h"
#include "platform/WaitCursor.h"

#include <memory>
#include <string>
#include <vector>

namespace kip::golfdb {

// One line of a selection list and the record number it stands for.
struct ListItem {
    std::string text;
    long record = 0;
};
using ItemList = std::vector<ListItem>;

enum class OpenOutcome {
    Opened,     // existing tables opened: compute the leaderboard
    Created,    // new empty tables: the leaderboard starts reset
    EndProgram, // one message was shown; the program ends with exitCode()
};

inline constexpr int exitCodeDatabaseFailure = 2;
inline constexpr int recentCoursesSize = 5; // CourseMRU Name00 to Name04

class CKipGolfDoc {
public:
    // dataDir ends with '/' (see DataFolder.h); programDir is the current directory.
    // currentYear: the calendar year today (0 when unknown).
    CKipGolfDoc(std::string dataDir, platform::Prompter& prompter, platform::WaitCursor* waitCursor = nullptr,
                int currentYear = 0);
    ~CKipGolfDoc(); // closes course, golfer, score in that order
    CKipGolfDoc(const CKipGolfDoc&) = delete;
    CKipGolfDoc& operator=(const CKipGolfDoc&) = delete;

    // Opens the three tables, or creates them when the user agrees. Any failure shows one message
    // (error icon) and sets endRequested() with exit code 2.
    OpenOutcome openDatabase();
    // The program writes this data folder: openDatabase first takes its writer lock, and a second
    // writer is refused with one message and the end of the program (exit code 2). The lock goes
    // when the document is destroyed, after the tables are closed.
    void holdWriterLock() { wantWriterLock_ = true; }
    bool writerLockHeld() const { return writerLock_.held(); }
    // The message that tells the user once that a table's index was rebuilt from the table.
    static std::string rebuiltIndexMessage(const std::string& tableName);

    // After a restore: opens the existing tables into the existing objects; 0 or the failing result
    // (after its message, with the end of the program requested).
    int reopenDatabase();
    // Closes course, golfer and score (packing where deletions asked for it).
    void closeDatabase();
    bool isOpen() const;
    // Makes every write to the three tables durable.
    int syncAll();

    // KipCourses in the data directory; 0 or the store's open result. The caller closes it with
    // closeMasterTable() when done.
    int openMasterTable();
    CourseTable* masterTable() { return masterTable_.get(); }
    void closeMasterTable();

    CourseTable& courseTable() { return *courseTable_; }
    GolferTable& golferTable() { return *golferTable_; }
    ScoreTable& scoreTable() { return *scoreTable_; }

    // Operations over many rows. Each syncs the score table before it returns.
    int addGolfer();
    // Moves every round of the old name to the new one; a round whose new copy cannot be appended
    // stays under the old name. Returns the last failing append result, 0 when all moved.
    int renameGolferInRounds(const std::string& oldLast, const std::string& oldFirst,
                             const std::string& newLast, const std::string& newFirst);
    // The record numbers of every round of the golfer (by key).
    std::vector<long> roundRecordsOf(const std::string& golfer);
    // Returns the number of rounds deleted.
    int deleteGolferRounds(const std::string& name);
    int deleteYearRounds(int year);

    // List builders: display lines with the record number of their row.
    ItemList courseList(bool perTee);
    ItemList golferList();
    ItemList recentCourseList(); // from recentCourses()
    ItemList roundList(const std::string& golfer);
    ItemList teamList();
    ItemList teeList(long firstRecord);

    // Course keys ("%-40s%-20s%-20s%-15s", stored text), most recent first.
    std::vector<std::string>& recentCourses() { return recentCourses_; }

    void setHandicapRule(int rule);
    int handicapRule() const { return handicapRule_; }
    int allowMeters = 0;

    int currentYear() const { return currentYear_; }
    const std::string& dataDir() const { return dataDir_; }
    const std::string& programDir() const { return programDir_; }
    const std::string& title() const { return title_; }
    platform::Prompter& prompter() { return prompter_; }
    platform::WaitCursor* waitCursor() { return waitCursor_; }

    bool endRequested() const { return exitCode_ != 0; }
    int exitCode() const { return exitCode_; }
    void requestEnd(int exitCode) { exitCode_ = exitCode; }

private:
    void makeTables();
    std::string createTables();
    void fail(const std::string& text);
    bool takeWriterLock();
    void tellRepairs();
    void settleInterruptedWork();
    void dropRestoreLeftovers();
    int deleteRecords(const std::vector<long>& records);

    std::string dataDir_;
    std::string programDir_;
    std::string title_;
    platform::Prompter& prompter_;
    platform::WaitCursor* waitCursor_;
    int currentYear_;
    int handicapRule_ = 0;
    int exitCode_ = 0;
    std::unique_ptr<CourseTable> courseTable_;
    std::unique_ptr<GolferTable> golferTable_;
    std::unique_ptr<ScoreTable> scoreTable_;
    std::unique_ptr<CourseTable> masterTable_;
    std::vector<std::string> recentCourses_;
    bool wantWriterLock_ = false;
    WriterLock writerLock_;
};

} // namespace kip::golfdb
