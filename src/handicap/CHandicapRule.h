#pragma once
// The Change Handicap Rules dialog: three exclusive choices; OK stores the chosen rule.

#include "platform/DialogHost.h"
#include "platform/SettingsStore.h"

#include <string>
#include <vector>

namespace kip::handicap {

class CHandicapRule : public platform::DialogModel {
public:
    // currentRule selects the matching choice; a value outside 0 to 3 selects none.
    CHandicapRule(platform::SettingsStore& settings, int currentRule);

    const std::string& title() const;
    const std::string& text() const;
    const std::vector<std::string>& choices() const; // index = rule value
    const std::vector<std::string>& buttons() const; // "OK", "Cancel", "Help"

    int selectedIndex() const { return selected_; } // -1: nothing selected
    void select(int index);

    // OK writes the chosen rule to the settings. With nothing chosen there is nothing to store, so the
    // rule stays as it was. Returns platform::dialogOk.
    int ok();
    // Returns platform::dialogCancel; nothing changes.
    int cancel();

    // The rule in force once the dialog has closed: the chosen one after OK, otherwise the one it
    // opened with.
    int rule() const { return rule_; }

private:
    platform::SettingsStore& settings_;
    int rule_;
    int selected_;
};

} // namespace kip::handicap
