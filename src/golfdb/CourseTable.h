#pragma once
// Typed access to the course table (Courses) and the master course table (KipCourses). Every
// operation returns the table store's result code unchanged (0 success, store::storeEof etc.).

#include "golfdb/CourseRecord.h"
#include "store/TableStore.h"

#include <array>
#include <string>
#include <vector>

namespace kip::golfdb {

class CourseTable {
public:
    // path: the table file without extension, e.g. dataDir + "Courses".
    explicit CourseTable(std::string path);
    virtual ~CourseTable();
    CourseTable(const CourseTable&) = delete;
    CourseTable& operator=(const CourseTable&) = delete;

    virtual int open();
    virtual int create();
    // Packs first when packOnClose is set; closing a closed table does nothing and returns 0.
    int close();
    // Makes every write so far durable.
    int sync();
    bool isOpen() const { return table_ != nullptr; }
    const std::string& path() const { return path_; }

    // Read or store the current record from / into the current row's buffer. The course table
    // reads the course variant; ScoreTable reads the whole round.
    virtual void readCurrent();
    virtual void writeCurrent();

    // Positioning in tag order; on success (0) the current record is read.
    int goTop();
    int skip(); // skipRecords(+1)
    int goTo(long recordNumber);
    long recordNumber() const;

    // appendStart, blankRecord, writeCurrent, appendRecord, flushTable when appended.
    // store::storeDuplicateKey: a row with this key exists; nothing written.
    int add();
    // Rewrites the current row from the record (blankRecord, writeCurrent, flushTable).
    int change();
    // Marks the current row deleted and flushes it; it leaves the tag at once.
    int remove();

    // Exact match of "%-40s%-20s%-20s%-15s" only; otherwise the seek result and nothing read.
    int find(const std::string& name, const std::string& city, const std::string& state,
             const std::string& tee);

    // Copies every CourseRecord member into other's current record.
    void copyRecordTo(CourseTable& other) const;
    HoleInts parArray() const;
    HoleInts yardageArray() const;

    virtual CourseRecord& courseRecord() { return course_; }
    virtual const CourseRecord& courseRecord() const { return course_; }
    CourseRecord& record() { return courseRecord(); }
    const CourseRecord& record() const { return courseRecord(); }

    // Set by the deletion operations over many rows: the table is packed when it is closed.
    int packOnClose = 0;

    // The open table, for the rare caller that walks rows in its own way (none while closed).
    store::Table* storeTable() const { return table_; }
    int lastResult() const { return context_.result(); }

protected:
    enum CourseField {
        fName,
        fTee,
        fSlope,
        fRating,
        fPar,
        fYardage,
        fFlags,
        fExtra,
        fCity,
        fState,
        fZip,
        fPhone
    };
    static constexpr int courseFieldCount = 12;
    static constexpr int coursePartFieldCount = 8; // NAME to EXTRA, shared with the score table

    CourseTable(std::string path, const char* tagName);
    int openWith(bool uniqueTag, int fieldCount);
    int createWith(const std::vector<store::FieldSpec>& fields, const store::TagSpec& tag, int fieldCount);
    virtual void bindFields();
    virtual std::vector<store::FieldSpec> layout() const;
    void readCoursePart(bool scoreVariant);
    void writeCoursePart(bool scoreVariant);
    store::Field* field(int index) const { return fields_[static_cast<size_t>(index)]; }
    void bindField(int index, const char* name);
    int readIfPositioned(int rc);

    store::TableContext context_;
    store::Table* table_ = nullptr;
    store::Tag* tag_ = nullptr;
    std::string path_;
    std::string tagName_;
    std::array<store::Field*, 16> fields_{};

private:
    CourseRecord course_;
};

} // namespace kip::golfdb
