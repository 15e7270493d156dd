#include "ui/QtDialogHost.h"

namespace kip::ui {

bool QtDialogHost::hasView(const platform::DialogModel& model) const {
    return runners_.count(std::type_index(typeid(model))) != 0;
}

int QtDialogHost::run(platform::DialogModel& model) {
    const auto it = runners_.find(std::type_index(typeid(model)));
    if (it == runners_.end())
        return platform::dialogCancel;
    return it->second(model, parent_.data());
}

} // namespace kip::ui
