#include "app/CPreferencesDlg.h"

#include <cctype>
#include <climits>

namespace kip::app {
namespace {

constexpr int pointLimit = 100;

const char* settingName(CPreferencesDlg::Check check) {
    static constexpr std::array<const char*, CPreferencesDlg::checkCount> names = {
        noShowSetting,          noCheckScoresSetting, usePointsSetting,
        useClassicMenusSetting, allowMetersSetting,   checkForBackupSetting};
    return names.at(check);
}

const char* sectionOf(CPreferencesDlg::Check check) {
    return check == CPreferencesDlg::UsePoints ? pointsSection : settingsSection;
}

} // namespace

CPreferencesDlg::CPreferencesDlg(platform::SettingsStore& settings, platform::Prompter& prompter)
    : settings_(settings), prompter_(prompter) {
    for (int i = 0; i < checkCount; ++i) {
        const auto check = static_cast<Check>(i);
        stored_.at(i) = settings_.readInt(sectionOf(check), settingName(check), 0) != 0;
    }
    checks_ = stored_;
    for (int i = 0; i < pointKinds; ++i)
        pointTexts_.at(i) =
            std::to_string(stored_[UsePoints] ? settings_.readInt(pointsSection, pointSettings[i], 0) : 0);
}

const char* CPreferencesDlg::checkLabel(Check check) {
    static constexpr std::array<const char*, checkCount> labels = {
        "Do not show the Leaderboard on the main window.",
        "Turn off check for reasonable values when entering rounds.",
        "Keep points for rounds based on the following :",
        "Use Classic menus instead of Office like menus.",
        "Allow option to enter hole lengths in meters.",
        "Remind me when I haven't backed up databases for 30 days."};
    return labels.at(check);
}

void CPreferencesDlg::setChecked(Check check, bool on) {
    checks_.at(check) = on;
}

bool CPreferencesDlg::validPointText(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(text[i])) != 0;
        if (!digit && !(i == 0 && text[i] == '-'))
            return false;
    }
    return true;
}

bool CPreferencesDlg::changePointText(int box, const std::string& text) {
    if (!validPointText(text)) {
        prompter_.show({"Please only enter a number for points", "Invalid Number", platform::Icon::None,
                        platform::Buttons::Ok});
        return false;
    }
    pointTexts_.at(static_cast<std::size_t>(box)) = text;
    return true;
}

int CPreferencesDlg::pointValue(const std::string& text) {
    long long value = 0;
    bool negative = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 0 && text[i] == '-') {
            negative = true;
            continue;
        }
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return 0;
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX / 2)
            return negative ? INT_MIN / 2 : INT_MAX / 2;
    }
    return static_cast<int>(negative ? -value : value);
}

bool CPreferencesDlg::pointsAcceptable() {
    bool allZero = true;
    for (const auto& text : pointTexts_) {
        const int value = pointValue(text);
        if (value < -pointLimit || value > pointLimit) {
            prompter_.show({"Points values must be in the range of -100 to 100, please reenter",
                            "Points Error", platform::Icon::Error, platform::Buttons::Ok});
            return false;
        }
        allZero = allZero && value == 0;
    }
    if (allZero) {
        prompter_.show({"At least one of the points earned must not be 0, please correct",
                        "Points Earned Error", platform::Icon::Error, platform::Buttons::Ok});
        return false;
    }
    return true;
}

void CPreferencesDlg::writeChangedCheck(Check check, const char* section, const char* name) {
    if (checks_.at(check) != stored_.at(check))
        settings_.writeInt(section, name, checks_.at(check) ? 1 : 0);
}

bool CPreferencesDlg::ok() {
    // Taking the values: an emptied box, or one holding just "-", holds no number.
    for (const auto& text : pointTexts_) {
        if (text.find_first_of("0123456789") == std::string::npos || !validPointText(text)) {
            prompter_.show({"Enter an integer.", platform::defaultCaption, platform::Icon::Warning,
                            platform::Buttons::Ok});
            return false;
        }
    }
    if (checks_[UsePoints]) {
        if (!pointsAcceptable())
            return false;
        for (int i = 0; i < pointKinds; ++i) {
            const int value = pointValue(pointTexts_.at(i));
            if (value != settings_.readInt(pointsSection, pointSettings[i], 0))
                settings_.writeInt(pointsSection, pointSettings[i], value);
        }
    } else if (stored_[UsePoints]) {
        for (const char* name : pointSettings)
            settings_.writeInt(pointsSection, name, 0);
        for (auto& text : pointTexts_)
            text.assign(1, '0');
    }
    for (const Check check : {NoShow, NoCheckScores, CheckForBackup, UseClassicMenus, AllowMeters, UsePoints})
        writeChangedCheck(check, sectionOf(check), settingName(check));
    menuTypeChanged_ = checks_[UseClassicMenus] != stored_[UseClassicMenus];
    if (menuTypeChanged_)
        prompter_.show(
            {"You have changed the type of menus you want to use. This change will take effect the next "
             "time you start Kip Golf",
             "Menu Type Change", platform::Icon::Information, platform::Buttons::Ok});
    stored_ = checks_;
    return true;
}

} // namespace kip::app
