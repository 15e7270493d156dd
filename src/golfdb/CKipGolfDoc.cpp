#include "golfdb/CKipGolfDoc.h"

#include "golfdb/DataFolder.h"
#include "golfdb/StagedFiles.h"
#include "golfdb/StoreText.h"
#include "golfdb/TableFields.h"
#include "platform/TextFormat.h"

#include <filesystem>

namespace kip::golfdb {
namespace {

namespace fs = std::filesystem;

constexpr const char* askCreate =
    "Could not find golf databases, create new ones? (If this is the first time you have started the golf "
    "program, this is normal and you should reply YES";
constexpr const char* notCreated = "Databases not created at user's request, program cancelled.";
constexpr const char* noCourses = "Could not find course database, program cancelled.";
constexpr const char* noGolfers = "Could not find golfer database, program cancelled.";
constexpr const char* noScores = "Could not find scores database, program cancelled.";
constexpr const char* documentTitle = "Golf Score Tracker";
constexpr const char* newestDate = "99999999";

using platform::formatText;

std::string currentDirectoryWithSlash() {
    std::error_code ec;
    std::string dir = fs::current_path(ec).string();
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

// A creation that stopped part-way must not leave a table behind: the next start would then find
// courses but no golfers and end every time without offering to create them again.
void removeCreatedTable(const std::string& path) {
    std::error_code ec;
    fs::remove(path + ".dbf", ec);
    fs::remove(path + ".cdx", ec);
}

std::string courseLine(const CourseRecord& r, bool perTee) {
    const std::string label = perTee ? r.name + " (" + r.tee + ")" : r.name;
    if (!r.city.empty() && !r.state.empty())
        return label + "\t  " + r.city + ", " + r.state;
    if (!r.city.empty())
        return label + "\t  " + r.city;
    if (!r.state.empty())
        return label + "\t    " + r.state;
    return label;
}

bool sameCourse(const CourseRecord& a, const CourseRecord& b) {
    return a.name == b.name && a.city == b.city && a.state == b.state;
}

} // namespace

CKipGolfDoc::CKipGolfDoc(std::string dataDir, platform::Prompter& prompter, platform::WaitCursor* waitCursor,
                         int currentYear)
    : dataDir_(std::move(dataDir)), programDir_(currentDirectoryWithSlash()), prompter_(prompter),
      waitCursor_(waitCursor), currentYear_(currentYear) {
    if (dataDir_.empty() || dataDir_.back() != '/')
        dataDir_ += '/';
    // The table objects exist from the start (closed), so callers never meet a missing one.
    makeTables();
}

CKipGolfDoc::~CKipGolfDoc() {
    closeMasterTable();
    closeDatabase();
    std::error_code ec;
    writerLock_.release(!fs::exists(dataDir_ + "Courses.dbf", ec));
}

bool CKipGolfDoc::takeWriterLock() {
    if (!wantWriterLock_ || writerLock_.held())
        return true;
    // A folder that does not exist yet has nothing to protect; it is locked once it is made.
    if (writerLock_.acquire(dataDir_) == WriterLock::State::Busy) {
        fail(WriterLock::inUseMessage(dataDir_));
        return false;
    }
    return true;
}

std::string CKipGolfDoc::rebuiltIndexMessage(const std::string& tableName) {
    return "The index of the " + tableName +
           " table did not match its rows and has been rebuilt from the table.";
}

// A restore, backup or compress that was stopped part-way is finished or undone before the tables
// open; only the folder's writer may do it.
void CKipGolfDoc::settleInterruptedWork() {
    WriterLock forTheMoment;
    if (!WriterLock::heldInProcess(dataDir_) &&
        forTheMoment.acquire(dataDir_, false) == WriterLock::State::Busy)
        return;
    platform::LocalFileOps files;
    settleStagedFiles(dataDir_, files);
    std::error_code ec;
    if (fs::is_directory(safetyFolderOf(dataDir_), ec))
        settleStagedFiles(safetyFolderOf(dataDir_), files);
}

void CKipGolfDoc::tellRebuiltIndexes() {
    for (const GolfTableBase* table : {static_cast<const GolfTableBase*>(courseTable_.get()),
                                       static_cast<const GolfTableBase*>(golferTable_.get()),
                                       static_cast<const GolfTableBase*>(scoreTable_.get())})
        if (table && table->indexRebuilt())
            prompter_.show({rebuiltIndexMessage(table->tableName()), platform::defaultCaption,
                            platform::Icon::Information, platform::Buttons::Ok});
}

void CKipGolfDoc::makeTables() {
    if (!courseTable_)
        courseTable_ = std::make_unique<CourseTable>(dataDir_ + "Courses");
    if (!golferTable_)
        golferTable_ = std::make_unique<GolferTable>(dataDir_ + "Golfers");
    if (!scoreTable_)
        scoreTable_ = std::make_unique<ScoreTable>(dataDir_ + "Scores");
}

OpenOutcome CKipGolfDoc::openDatabase() {
    recentCourses_.clear();
    makeTables();
    if (!takeWriterLock())
        return OpenOutcome::EndProgram;
    settleInterruptedWork();
    std::string message;
    bool created = false;
    if (courseTable_->open() == store::storeOk) {
        if (golferTable_->open() != store::storeOk)
            message = noGolfers;
        else if (scoreTable_->open() != store::storeOk)
            message = noScores;
    } else {
        const platform::Answer answer = prompter_.show(
            {askCreate, platform::defaultCaption, platform::Icon::Question, platform::Buttons::YesNo});
        if (answer == platform::Answer::Yes) {
            // A data folder named on the command line that does not exist yet is made now.
            std::error_code ec;
            fs::create_directories(dataDir_, ec);
            if (!takeWriterLock())
                return OpenOutcome::EndProgram;
            message = createTables();
            created = message.empty();
        } else {
            message = notCreated;
        }
    }
    scoreTable_->selectRoundsUsedTable(handicapRule_);
    title_ = documentTitle;
    if (!message.empty()) {
        fail(message);
        return OpenOutcome::EndProgram;
    }
    tellRebuiltIndexes();
    return created ? OpenOutcome::Created : OpenOutcome::Opened;
}

std::string CKipGolfDoc::createTables() {
    if (courseTable_->create() != store::storeOk)
        return "Could not create course database, program cancelled.";
    if (golferTable_->create() != store::storeOk) {
        courseTable_->close();
        removeCreatedTable(courseTable_->path());
        return "Could not create golfer database, program cancelled.";
    }
    if (scoreTable_->create() != store::storeOk) {
        courseTable_->close();
        golferTable_->close();
        removeCreatedTable(courseTable_->path());
        removeCreatedTable(golferTable_->path());
        return "Could not create scores database, program cancelled.";
    }
    return {};
}

void CKipGolfDoc::fail(const std::string& text) {
    prompter_.show({text, platform::defaultCaption, platform::Icon::Error, platform::Buttons::Ok});
    requestEnd(exitCodeDatabaseFailure);
}

int CKipGolfDoc::reopenDatabase() {
    makeTables();
    settleInterruptedWork();
    int rc = courseTable_->open();
    if (rc != store::storeOk) {
        fail(noCourses);
        return rc;
    }
    rc = golferTable_->open();
    if (rc != store::storeOk) {
        fail(noGolfers);
        return rc;
    }
    rc = scoreTable_->open();
    if (rc != store::storeOk) {
        fail(noScores);
        return rc;
    }
    tellRebuiltIndexes();
    return store::storeOk;
}

void CKipGolfDoc::closeDatabase() {
    if (courseTable_)
        courseTable_->close();
    if (golferTable_)
        golferTable_->close();
    if (scoreTable_)
        scoreTable_->close();
}

bool CKipGolfDoc::isOpen() const {
    return courseTable_ && golferTable_ && scoreTable_ && courseTable_->isOpen() && golferTable_->isOpen() &&
           scoreTable_->isOpen();
}

int CKipGolfDoc::syncAll() {
    int rc = store::storeOk;
    for (const int one : {courseTable_ ? courseTable_->sync() : 0, golferTable_ ? golferTable_->sync() : 0,
                          scoreTable_ ? scoreTable_->sync() : 0})
        if (one != store::storeOk)
            rc = one;
    return rc;
}

int CKipGolfDoc::openMasterTable() {
    closeMasterTable();
    masterTable_ = std::make_unique<CourseTable>(dataDir_ + "KipCourses");
    return masterTable_->open();
}

void CKipGolfDoc::closeMasterTable() {
    masterTable_.reset();
}

void CKipGolfDoc::setHandicapRule(int rule) {
    handicapRule_ = rule;
    if (scoreTable_)
        scoreTable_->selectRoundsUsedTable(rule);
}

int CKipGolfDoc::addGolfer() {
    int rc = golferTable_->add();
    if (rc == store::storeOk)
        rc = golferTable_->sync();
    return rc;
}

std::vector<long> CKipGolfDoc::roundRecordsOf(const std::string& golfer) {
    std::vector<long> records;
    ScoreTable& scores = *scoreTable_;
    for (int rc = scores.findRound(golfer, newestDate);
         rc == store::storeOk && scores.record().golfer == golfer; rc = scores.skip())
        records.push_back(scores.recordNumber());
    return records;
}

int CKipGolfDoc::renameGolferInRounds(const std::string& oldLast, const std::string& oldFirst,
                                      const std::string& newLast, const std::string& newFirst) {
    const std::string oldName = joinGolferName(oldLast, oldFirst);
    const std::string newName = joinGolferName(newLast, newFirst);
    if (oldName == newName || !scoreTable_ || !scoreTable_->isOpen())
        return store::storeOk;
    platform::WaitCursorScope wait(waitCursor_);
    ScoreTable& scores = *scoreTable_;
    int result = store::storeOk;
    // The new copy is appended before the old row is deleted: a round whose append fails stays
    // stored under the old name instead of being lost.
    for (const long record : roundRecordsOf(oldName)) {
        int rc = scores.goTo(record);
        if (rc != store::storeOk) {
            result = rc;
            continue;
        }
        scores.record().golfer = newName;
        rc = scores.add();
        if (rc != store::storeOk) {
            result = rc;
            continue;
        }
        rc = scores.goTo(record);
        if (rc == store::storeOk)
            rc = scores.remove();
        if (rc != store::storeOk)
            result = rc;
    }
    const int synced = scores.sync();
    return result != store::storeOk ? result : synced;
}

int CKipGolfDoc::deleteRecords(const std::vector<long>& records) {
    ScoreTable& scores = *scoreTable_;
    int deleted = 0;
    for (const long record : records) {
        if (scores.goTo(record) != store::storeOk)
            continue;
        scores.packOnClose = 1;
        if (scores.remove() == store::storeOk)
            ++deleted;
    }
    scores.sync();
    return deleted;
}

int CKipGolfDoc::deleteGolferRounds(const std::string& name) {
    if (!scoreTable_ || !scoreTable_->isOpen())
        return 0;
    platform::WaitCursorScope wait(waitCursor_);
    return deleteRecords(roundRecordsOf(name));
}

int CKipGolfDoc::deleteYearRounds(int year) {
    if (!scoreTable_ || !scoreTable_->isOpen())
        return 0;
    platform::WaitCursorScope wait(waitCursor_);
    store::Table* table = scoreTable_->storeTable();
    store::Field* date = store::fieldByName(table, "DATE");
    std::vector<long> records;
    // Only the date is needed to choose the rows; reading every whole round would cost far more.
    for (int rc = store::goTop(table); rc == store::storeOk; rc = store::skipRecords(table, 1))
        if (fields::groupValue(store::fieldText(date), 0, 4) == year)
            records.push_back(store::recordNumber(table));
    return deleteRecords(records);
}

ItemList CKipGolfDoc::courseList(bool perTee) {
    ItemList items;
    platform::WaitCursorScope wait(waitCursor_);
    CourseTable& courses = *courseTable_;
    CourseRecord previous;
    bool first = true;
    for (int rc = courses.goTop(); rc == store::storeOk; rc = courses.skip()) {
        const CourseRecord& r = courses.record();
        if (!perTee && !first && sameCourse(r, previous))
            continue;
        items.push_back({courseLine(r, perTee), courses.recordNumber()});
        previous = r;
        first = false;
    }
    return items;
}

ItemList CKipGolfDoc::golferList() {
    ItemList items;
    platform::WaitCursorScope wait(waitCursor_);
    GolferTable& golfers = *golferTable_;
    for (int rc = golfers.goTop(); rc == store::storeOk; rc = golfers.skip())
        items.push_back({golfers.record().name, golfers.recordNumber()});
    return items;
}

ItemList CKipGolfDoc::recentCourseList() {
    ItemList items;
    platform::WaitCursorScope wait(waitCursor_);
    CourseTable& courses = *courseTable_;
    for (const std::string& key : recentCourses_) {
        if (trimRight(key).empty())
            break;
        std::string padded = key;
        padded.resize(95, ' ');
        const auto part = [&padded](size_t start, size_t width) {
            return fromStoreText(trimRight(std::string_view(padded).substr(start, width)));
        };
        if (courses.find(part(0, 40), part(40, 20), part(60, 20), part(80, 15)) != store::storeOk)
            continue;
        items.push_back({courses.record().name + " (" + courses.record().tee + ")", courses.recordNumber()});
    }
    return items;
}

ItemList CKipGolfDoc::roundList(const std::string& golfer) {
    ItemList items;
    platform::WaitCursorScope wait(waitCursor_);
    ScoreTable& scores = *scoreTable_;
    for (int rc = scores.findRound(golfer, newestDate);
         rc == store::storeOk && scores.record().golfer == golfer; rc = scores.skip()) {
        ScoreRecord& r = scores.record();
        if (r.isInitialHandicapRound())
            continue;
        items.push_back(
            {formatText("%02d/%02d/%04d \t%3d \t", r.month, r.day, r.year, r.grossScore()) + r.name,
             scores.recordNumber()});
    }
    return items;
}

ItemList CKipGolfDoc::teamList() {
    ItemList items;
    platform::WaitCursorScope wait(waitCursor_);
    GolferTable& golfers = *golferTable_;
    for (int rc = golfers.goTop(); rc == store::storeOk; rc = golfers.skip()) {
        const GolferRecord& r = golfers.record();
        const NameParts name = splitGolferName(r.name);
        items.push_back({formatText("%4d    %4.1f      ", r.team, fields::storedOneDecimal(r.handicapIndex)) +
                             name.first + " " + name.last,
                         golfers.recordNumber()});
    }
    return items;
}

ItemList CKipGolfDoc::teeList(long firstRecord) {
    ItemList items;
    platform::WaitCursorScope wait(waitCursor_);
    CourseTable& courses = *courseTable_;
    if (courses.goTo(firstRecord) != store::storeOk)
        return items;
    const CourseRecord course = courses.record();
    for (int rc = store::storeOk; rc == store::storeOk && sameCourse(courses.record(), course);
         rc = courses.skip())
        items.push_back({courses.record().tee, courses.recordNumber()});
    return items;
}

} // namespace kip::golfdb
