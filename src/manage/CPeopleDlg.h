#pragma once
// The Golfer Information dialog: adds a golfer (with the choice of an initial handicap) or changes
// the chosen golfer's row.

#include "manage/GolferForm.h"
#include "platform/DialogHost.h"
#include "platform/Prompter.h"

#include <array>
#include <cstddef>
#include <string>

namespace kip::manage {

inline constexpr int lowestTeam = -999; // the team's four stored characters
inline constexpr int highestTeam = 9999;

class CPeopleDlg : public platform::DialogModel {
public:
    enum class Mode { Add, Change };
    enum Field { Team, FirstName, LastName, Street, City, State, Zip, Phone, fieldCount };

    // Returned by save() while the dialog stays open.
    static constexpr int staysOpen = 0;

    CPeopleDlg(Mode mode, platform::Prompter& prompter, const GolferForm& form = {});

    static const char* title() { return "Golfer Information"; }
    static const char* label(Field field);
    static const char* initialHandicapLabel() {
        return "  I want to enter an initial handicap for this golfer";
    }
    // Characters a field takes; 0: no limit.
    static std::size_t limit(Field field);

    Mode mode() const { return mode_; }
    // The check box exists in add mode only.
    bool showsInitialHandicapCheck() const { return mode_ == Mode::Add; }
    // The field that has the cursor when the dialog opens.
    Field initialFocus() const { return mode_ == Mode::Change ? Street : FirstName; }

    const std::string& text(Field field) const { return texts_.at(field); }
    // As typed: the state's letters become capitals.
    void setText(Field field, const std::string& text);
    bool wantsInitialHandicap() const { return initialHandicap_; }
    void setWantsInitialHandicap(bool on) { initialHandicap_ = on; }

    // Takes the values: on a refused field or an empty last name a message and staysOpen; otherwise
    // the form holds them and the result is dialogOk.
    int save();
    int cancel() { return platform::dialogCancel; }

    // The values taken by the last successful save (or given at opening).
    GolferForm& form() { return form_; }
    const GolferForm& form() const { return form_; }

private:
    Mode mode_;
    platform::Prompter& prompter_;
    GolferForm form_;
    std::array<std::string, fieldCount> texts_;
    bool initialHandicap_ = false;
};

} // namespace kip::manage
