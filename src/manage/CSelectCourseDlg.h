#pragma once
// "Select Course": the recently played courses above the course groups, a search by the beginning
// of the line, and an entry to the master course table.

#include "manage/CourseServices.h"

#include <string>

namespace kip::manage {

class CSelectCourseDlg : public platform::DialogModel {
public:
    explicit CSelectCourseDlg(CourseServices& services);

    static const char* title() { return "Select Course"; }
    static const char* recentLabel() { return "Recently Played Courses"; }
    static const char* findLabel() {
        return "Select Another Course or Type Beginning of Course Name and Find";
    }
    static constexpr int tabStop = 150; // dialog units

    const golfdb::ItemList& recentLines() const { return recent_; }
    const golfdb::ItemList& groupLines() const { return groups_; }

    // Selecting a line in one list clears the other list's selection; -1 clears.
    void selectRecent(int index);
    void selectGroup(int index);
    int recentSelected() const { return recentSelected_; }
    int groupSelected() const { return groupSelected_; }

    const std::string& findText() const { return findText_; }
    void setFindText(std::string text) { findText_ = std::move(text); }
    // Select the first course group line beginning with the text, ignoring case (Find Next: the first
    // after the selected line, wrapping round); false after "Course not found".
    bool find();
    bool findNext();

    // "Add from Master"; the group list is filled again when the copy dialog was shown.
    void addFromMaster();

    // OK or a double click: dialogOk with a selection, else a message and dialogStayOpen.
    int ok();
    int doubleClickRecent(int index);
    int doubleClickGroup(int index);
    int cancel() { return platform::dialogCancel; }

    long record() const { return record_; }
    // Set when the line came from the recent list: its row is the tee.
    bool teeChosen() const { return teeChosen_; }

private:
    bool findFrom(std::size_t start);

    CourseServices& services_;
    golfdb::ItemList recent_;
    golfdb::ItemList groups_;
    int recentSelected_ = -1;
    int groupSelected_ = -1;
    std::string findText_;
    long record_ = 0;
    bool teeChosen_ = false;
};

} // namespace kip::manage
