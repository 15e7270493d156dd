#include "manage/CNumberRoundsDlg.h"

#include "manage/FieldChecks.h"

#include <algorithm>

namespace kip::manage {

CNumberRoundsDlg::CNumberRoundsDlg(platform::Prompter& prompter, const std::string& firstName,
                                   const std::string& lastName)
    : prompter_(prompter), prompt_("Enter " + firstName + " " + lastName + "'s initial handicap below:") {}

const char* CNumberRoundsDlg::explanation() {
    return "You have specified a starting handicap for this golfer. To ensure the proper weight when "
           "calculating handicaps, aprroximately how many rounds is this handicap based on (up to 20)? If "
           "more than 20, select 20.";
}

void CNumberRoundsDlg::stepRounds(int delta) {
    const long current = parseInteger(roundsText_).value_or(highestHandicapRounds);
    const long next = std::clamp<long>(current + delta, lowestHandicapRounds, highestHandicapRounds);
    roundsText_ = std::to_string(next);
}

int CNumberRoundsDlg::ok() {
    const auto handicap =
        takeNumber(prompter_, handicapText_, lowestStartingHandicap, highestStartingHandicap);
    if (!handicap)
        return staysOpen;
    const auto rounds = takeInteger(prompter_, roundsText_, lowestHandicapRounds, highestHandicapRounds);
    if (!rounds)
        return staysOpen;
    handicap_ = *handicap;
    rounds_ = static_cast<int>(*rounds);
    return platform::dialogOk;
}

} // namespace kip::manage
