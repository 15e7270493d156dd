#pragma once
// A fresh golf database in a folder of its own, with helpers for course rows and a master table.

#include "golfdb/CKipGolfDoc.h"
#include "manage/CourseServices.h"
#include "support/Doubles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kip::manage::testing {

// A course row with par 4 and 400 yards on every hole.
inline golfdb::CourseRecord courseRow(const std::string& name, const std::string& city,
                                      const std::string& state, const std::string& tee, int slope = 120,
                                      double rating = 70.0) {
    golfdb::CourseRecord row;
    row.name = name;
    row.city = city;
    row.state = state;
    row.tee = tee;
    row.slope = slope;
    row.rating = rating;
    for (int h = 1; h < golfdb::holeSlots; ++h) {
        row.par[static_cast<std::size_t>(h)] = 4;
        row.yardage[static_cast<std::size_t>(h)] = 400;
    }
    return row;
}

class CourseData {
public:
    CourseData() : doc_(dir.path(), prompter, &cursor) {
        prompter.answer(platform::Answer::Yes); // create the tables
        EXPECT_EQ(doc_.openDatabase(), golfdb::OpenOutcome::Created);
        prompter.shown.clear();
    }

    golfdb::CKipGolfDoc& doc() { return doc_; }
    CourseServices services(bool allowMeters = false) {
        return {doc_, host, prompter, settings, allowMeters};
    }

    long addCourse(const golfdb::CourseRecord& row) {
        auto& courses = doc_.courseTable();
        courses.record() = row;
        EXPECT_EQ(courses.add(), 0) << row.name << " " << row.tee;
        return courses.recordNumber();
    }
    // Every row of Courses in key order, as "name|city|state|tee".
    std::vector<std::string> rows() {
        std::vector<std::string> out;
        auto& courses = doc_.courseTable();
        for (int rc = courses.goTop(); rc == 0; rc = courses.skip()) {
            const auto& r = courses.record();
            out.push_back(r.name + "|" + r.city + "|" + r.state + "|" + r.tee);
        }
        return out;
    }
    golfdb::CourseRecord row(const std::string& name, const std::string& city, const std::string& state,
                             const std::string& tee) {
        EXPECT_EQ(doc_.courseTable().find(name, city, state, tee), 0) << name << " " << tee;
        return doc_.courseTable().record();
    }

    // KipCourses in the data folder with these rows.
    void makeMaster(const std::vector<golfdb::CourseRecord>& rows) {
        golfdb::CourseTable master(dir.path() + "KipCourses");
        ASSERT_EQ(master.create(), 0);
        for (const auto& r : rows) {
            master.record() = r;
            ASSERT_EQ(master.add(), 0) << r.name << " " << r.tee;
        }
        master.close();
    }

    test::TempDir dir;
    test::ScriptedPrompter prompter;
    test::CountingWaitCursor cursor;
    test::ScriptedDialogHost host;
    test::MemorySettingsStore settings;

private:
    golfdb::CKipGolfDoc doc_;
};

} // namespace kip::manage::testing
