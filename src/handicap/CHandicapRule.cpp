#include "handicap/CHandicapRule.h"

#include "golfdb/ScoreTable.h"
#include "handicap/HandicapRule.h"

namespace kip::handicap {
namespace {

static_assert(RuleUsga == golfdb::ruleUsga && RuleLowestHalf == golfdb::ruleLowestHalf &&
              RuleAllRecent == golfdb::ruleAllRecent && RuleWorld == golfdb::ruleWorld);

int choiceFor(int rule) {
    return rule >= RuleUsga && rule <= RuleWorld ? rule : -1;
}

} // namespace

CHandicapRule::CHandicapRule(platform::SettingsStore& settings, int currentRule)
    : settings_(settings), rule_(currentRule), selected_(choiceFor(currentRule)) {}

const std::string& CHandicapRule::title() const {
    static const std::string title = "Choose Handicap Rules";
    return title;
}

const std::string& CHandicapRule::text() const {
    static const std::string text =
        "Select the number of rounds you want to use to calculate golfer handicaps. Generally this means how "
        "many of the 20 most recent rounds are used in the handicap calculation. The handicap calculation "
        "itself remains the same (USGA formula).";
    return text;
}

const std::vector<std::string>& CHandicapRule::choices() const {
    static const std::vector<std::string> choices = {
        "Strong USGA - Except for first 5 rounds, based on USGA number of rounds rule.",
        "Use the lowest half of the recent rounds.",
        "Use all recent rounds.",
        "World Handicap System",
    };
    return choices;
}

const std::vector<std::string>& CHandicapRule::buttons() const {
    static const std::vector<std::string> buttons = {"OK", "Cancel", "Help"};
    return buttons;
}

void CHandicapRule::select(int index) {
    if (choiceFor(index) >= 0)
        selected_ = index;
}

int CHandicapRule::ok() {
    if (selected_ >= 0) {
        settings_.writeInt(handicapSection, ruleSetting, selected_);
        rule_ = selected_;
    }
    return platform::dialogOk;
}

int CHandicapRule::cancel() {
    return platform::dialogCancel;
}

} // namespace kip::handicap
