#pragma once
// "Select State": which master courses to list (all states or one) and in which order.

#include "platform/DialogHost.h"

#include <string>

namespace kip::manage {

struct StateChoice {
    std::string state; // empty: every state
    bool byName = false;
};

class CSelectState : public platform::DialogModel {
public:
    static const char* title() { return "Select State"; }
    static const char* allStatesLabel() { return "Show All States"; }
    static const char* oneStateLabel() { return "Show Only This State\n (Abbrev.)"; }
    static const char* explanation() {
        return "By default courses are listed in order by state and city. If you want the list in course "
               "name "
               "order, check the box below.";
    }
    static const char* byNameLabel() { return "List in Course Name Sequence."; }
    static constexpr int stateLength = 20;

    bool oneState() const { return oneState_; }
    void chooseOneState(bool on) { oneState_ = on; }
    // The state field is usable only while "Show Only This State" is chosen.
    bool stateEnabled() const { return oneState_; }
    const std::string& stateText() const { return state_; }
    // Letters are upper-cased as typed; no more than 20 characters are taken.
    void setStateText(const std::string& text);
    bool byName() const { return byName_; }
    void setByName(bool on) { byName_ = on; }

    int ok();
    int cancel() { return platform::dialogCancel; }
    // After OK.
    const StateChoice& choice() const { return choice_; }

private:
    bool oneState_ = false;
    bool byName_ = false;
    std::string state_;
    StateChoice choice_;
};

} // namespace kip::manage
