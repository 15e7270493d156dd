#pragma once
// The Course Information dialog: the course form as typed, its Out / In / Total sums, its three
// modes and the checks of "Save and Quit" and "Save and New Tee".

#include "manage/CourseForm.h"
#include "manage/CourseServices.h"
#include "platform/DialogHost.h"
#include "platform/Prompter.h"

#include <array>
#include <string>

namespace kip::manage {

enum class CourseMode { Add, Change, View };
enum class CourseRow { Yardage, Par };
enum class CourseText { Name, City, State, Zip, Phone, Tee, Rating, Slope };
inline constexpr int courseTextCount = 8;

// How the dialog ended besides dialogOk ("Save and Quit", or "OK" in view mode) and dialogCancel.
inline constexpr int dialogSaveAndNewTee = 3;

class CCourseDlg : public platform::DialogModel {
public:
    CCourseDlg(platform::Prompter& prompter, CourseMode mode, bool allowMeters);

    // Every field from the form (numbers as text); the sums follow.
    void load(const CourseForm& form);
    // What opening the dialog does: the sums, and in change mode the opening key.
    void open();

    std::string title() const;
    static const char* label(CourseText field);
    // The most characters a text field takes; 0 for the two number fields.
    static int maxLength(CourseText field);
    bool metersCheckShown() const { return allowMeters_; }
    bool metersNoteShown() const { return metersNote_; }
    bool readOnly() const { return mode_ == CourseMode::View; }
    std::string firstButton() const { return readOnly() ? "OK" : "Save and Quit"; }
    bool saveAndNewTeeShown() const { return !readOnly(); }
    bool cancelShown() const { return !readOnly(); }
    bool enterTextShown() const { return !readOnly(); }
    static const char* enterText() { return "Enter Yardage and Par for each hole"; }
    static const char* metersLabel() { return "Distances are in Meters"; }
    static const char* metersNote() { return "Distances are in Meters for This Course"; }

    const std::string& text(CourseText field) const { return texts_.at(static_cast<std::size_t>(field)); }
    // State and province letters are upper-cased as typed.
    void setText(CourseText field, std::string text);
    const std::string& holeText(CourseRow row, int hole) const;
    void setHoleText(CourseRow row, int hole, std::string text);
    // Leaving a hole field recomputes the sums of its row; a field that holds no number counts 0.
    void leaveHole(CourseRow row, int hole);
    // The Stroke Index row: 1 (hardest) to 18 on every hole, each once, or every field empty.
    static const char* strokeIndexLabel() { return "Stroke Index"; }
    static const char* strokeIndexError() {
        return "Enter the stroke indexes 1 to 18, each number on one hole, or leave every stroke index empty";
    }
    const std::string& strokeIndexText(int hole) const;
    void setStrokeIndexText(int hole, std::string text);
    int out(CourseRow row) const { return sums_.at(index(row)).at(0); }
    int in(CourseRow row) const { return sums_.at(index(row)).at(1); }
    int total(CourseRow row) const { return sums_.at(index(row)).at(2); }
    bool meters() const { return meters_; }
    void setMeters(bool on) { meters_ = on; }

    // Run the checks; on a pass return dialogOk / dialogSaveAndNewTee, else dialogStayOpen after the
    // messages. In view mode the first button only closes.
    int pressSaveAndQuit();
    int pressSaveAndNewTee();
    int cancel() { return platform::dialogCancel; }

    // Add after a change confirmed as a new course/tee combination.
    CourseMode mode() const { return mode_; }
    // The values taken by the last press that passed.
    const CourseForm& form() const { return form_; }

private:
    static std::size_t index(CourseRow row) { return row == CourseRow::Yardage ? 0 : 1; }
    void computeSums(CourseRow row);
    bool takeValues(CourseForm& form);
    bool refuse(const std::string& text);
    bool courseError(const char* text);
    bool validate(CourseForm& form);
    bool takeStrokeIndexes(CourseForm& form);
    int press(int result);

    platform::Prompter& prompter_;
    CourseMode mode_;
    bool allowMeters_;
    bool metersNote_ = false;
    bool meters_ = false;
    std::array<std::string, courseTextCount> texts_;
    std::array<std::array<std::string, golfdb::holeSlots>, 2> holes_;
    std::array<std::array<int, 3>, 2> sums_{};
    std::array<std::string, golfdb::holeSlots> strokeIndexTexts_;
    std::string openingKey_;
    CourseForm form_;
};

} // namespace kip::manage
