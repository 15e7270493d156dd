#include "manage/RowChoice.h"

#include "manage/CourseServices.h"

namespace kip::manage {

RowChoice::RowChoice(platform::Prompter& prompter, golfdb::ItemList lines, const char* noChoiceText)
    : prompter_(prompter), lines_(std::move(lines)), noChoiceText_(noChoiceText) {}

void RowChoice::select(int index) {
    selected_ = index >= 0 && index < static_cast<int>(lines_.size()) ? index : -1;
}

int RowChoice::ok() {
    if (selected_ < 0) {
        prompter_.show({noChoiceText_, selectionErrorCaption, platform::Icon::Error});
        return dialogStayOpen;
    }
    record_ = lines_[static_cast<std::size_t>(selected_)].record;
    return platform::dialogOk;
}

int RowChoice::doubleClick(int index) {
    select(index);
    return ok();
}

} // namespace kip::manage
