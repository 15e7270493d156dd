#include "manage/CSelectState.h"

#include "manage/ListOrder.h"

namespace kip::manage {

void CSelectState::setStateText(const std::string& text) {
    state_ = upperAscii(text.substr(0, stateLength));
}

int CSelectState::ok() {
    choice_.state = oneState_ ? state_ : std::string();
    choice_.byName = byName_;
    return platform::dialogOk;
}

} // namespace kip::manage
