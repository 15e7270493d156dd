#pragma once
// Typed access to the course table (Courses) and the master course table (KipCourses). Every
// operation returns the table store's result code unchanged (0 success, store::storeEof etc.);
// add() refuses a second course of the same name, city, state and tee (store::storeDuplicateKey).

#include "golfdb/CourseRecord.h"
#include "golfdb/GolfTableBase.h"

#include <string>
#include <vector>

namespace kip::golfdb {

class CourseTable : public GolfTableBase {
public:
    // path: the table file without extension, e.g. dataDir + "Courses".
    explicit CourseTable(std::string path);

    virtual int open();
    virtual int create();

    // The course table reads the course variant; ScoreTable reads the whole round.
    void readCurrent() override;
    void writeCurrent() override;

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
    std::vector<store::FieldSpec> layout() const override;
    void readCoursePart(bool scoreVariant);
    static void readStrokeIndexes(store::Field* extra, HoleBytes& strokeIndex);
    void writeCoursePart(bool scoreVariant);

private:
    CourseRecord course_;
};

} // namespace kip::golfdb
