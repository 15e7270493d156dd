#pragma once
// The Preferences dialog: the shell's settings, the points earned per hole result, the menu style.

#include "app/Settings.h"
#include "platform/DialogHost.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"

#include <array>
#include <string>

namespace kip::app {

class CPreferencesDlg : public platform::DialogModel {
public:
    enum Check { NoShow, NoCheckScores, UsePoints, UseClassicMenus, AllowMeters, CheckForBackup, checkCount };

    // Reads every control's setting; the point values only while points are kept.
    CPreferencesDlg(platform::SettingsStore& settings, platform::Prompter& prompter);

    static const char* title() { return "Preferences"; }
    static const char* checkLabel(Check check);
    static const char* pointsLabel() { return "Eagle    Birdie     Par     Bogie    Double (or more)"; }

    bool checked(Check check) const { return checks_.at(check); }
    void setChecked(Check check, bool on);
    // The five boxes and their label are usable only while points are kept.
    bool pointsEnabled() const { return checks_.at(UsePoints); }

    const std::string& pointText(int box) const { return pointTexts_.at(static_cast<std::size_t>(box)); }
    // A change that leaves anything but digits (and a leading '-') is undone with a message; returns
    // whether the new text was kept.
    bool changePointText(int box, const std::string& text);
    // Whether a box may hold this text; a view undoes a refused edit before the message appears.
    static bool validPointText(const std::string& text);

    // Checks and writes the changed settings; false keeps the dialog open after a message.
    bool ok();

    // After OK: whether the leaderboard or the menus must follow.
    bool menuTypeChanged() const { return menuTypeChanged_; }

    // The value a points box stands for; text that is no number counts as 0, a number too large to
    // hold is kept out of range so that the range check refuses it.
    static int pointValue(const std::string& text);

private:
    void writeChangedCheck(Check check, const char* section, const char* name);
    bool pointsAcceptable();

    platform::SettingsStore& settings_;
    platform::Prompter& prompter_;
    std::array<bool, checkCount> stored_{};
    std::array<bool, checkCount> checks_{};
    std::array<std::string, pointKinds> pointTexts_{};
    bool menuTypeChanged_ = false;
};

} // namespace kip::app
