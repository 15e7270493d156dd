#pragma once
// Initial Handicap Information: a new golfer's starting handicap and how many rounds it stands for.

#include "platform/DialogHost.h"
#include "platform/Prompter.h"

#include <string>

namespace kip::manage {

inline constexpr double lowestStartingHandicap = 0.1;
// The initial handicap round stores index / 0.96 + 0.05 in a field that holds at most 99.9; 95.9 is
// the largest starting handicap that comes back as itself.
inline constexpr double highestStartingHandicap = 95.9;
inline constexpr int lowestHandicapRounds = 1;
inline constexpr int highestHandicapRounds = 20;

class CNumberRoundsDlg : public platform::DialogModel {
public:
    static constexpr int staysOpen = 0;

    CNumberRoundsDlg(platform::Prompter& prompter, const std::string& firstName, const std::string& lastName);

    static const char* title() { return "Initial Handicap Information"; }
    static const char* explanation();
    static const char* roundsLabel() { return "Handicap Rounds"; }
    const std::string& prompt() const { return prompt_; } // "Enter %s %s's initial handicap below:"

    const std::string& handicapText() const { return handicapText_; }
    void setHandicapText(const std::string& text) { handicapText_ = text; }
    const std::string& roundsText() const { return roundsText_; }
    void setRoundsText(const std::string& text) { roundsText_ = text; }
    // The up-down control: one step, kept within 1 to 20.
    void stepRounds(int delta);

    // Takes both values (with a message and staysOpen when one is refused); dialogOk otherwise.
    int ok();
    int cancel() { return platform::dialogCancel; }

    double handicap() const { return handicap_; }
    int rounds() const { return rounds_; }

private:
    platform::Prompter& prompter_;
    std::string prompt_;
    std::string handicapText_ = "0";
    std::string roundsText_ = "20";
    double handicap_ = 0.0;
    int rounds_ = highestHandicapRounds;
};

} // namespace kip::manage
