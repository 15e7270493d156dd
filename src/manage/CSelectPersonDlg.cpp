#include "manage/CSelectPersonDlg.h"

namespace kip::manage {

CSelectPersonDlg::CSelectPersonDlg(golfdb::ItemList golfers, platform::Prompter& prompter,
                                   SelectGolferOptions options)
    : lines_(std::move(golfers)), prompter_(prompter), options_(options) {}

void CSelectPersonDlg::setUseAll(bool on) {
    if (!options_.allowAll)
        return;
    useAll_ = on;
    if (on)
        selected_ = -1;
}

void CSelectPersonDlg::select(int index) {
    if (useAll_)
        return;
    selected_ = index >= 0 && index < static_cast<int>(lines_.size()) ? index : -1;
}

bool CSelectPersonDlg::selectKey(const std::string& key) {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].text == key) {
            select(static_cast<int>(i));
            return true;
        }
    return false;
}

int CSelectPersonDlg::ok() {
    if (useAll_) {
        chosen_ = allGolfers;
        return platform::dialogOk;
    }
    if (selected_ < 0) {
        prompter_.show(
            {"You must select a golfer!", "Selection Error", platform::Icon::Error, platform::Buttons::Ok});
        return staysOpen;
    }
    chosen_ = lines_.at(static_cast<std::size_t>(selected_)).record;
    return platform::dialogOk;
}

int CSelectPersonDlg::doubleClick(int index) {
    select(index);
    return ok();
}

std::optional<long> selectGolfer(platform::DialogHost& host, golfdb::CKipGolfDoc& doc,
                                 SelectGolferOptions options) {
    if (!doc.isOpen()) {
        doc.prompter().show({"Select Golfer internal document error, contact support", "Document Error",
                             platform::Icon::Error, platform::Buttons::Ok});
        return std::nullopt;
    }
    CSelectPersonDlg dialog(doc.golferList(), doc.prompter(), options);
    if (dialog.picksAutomatically())
        return dialog.lines().front().record;
    if (host.run(dialog) != platform::dialogOk)
        return std::nullopt;
    return dialog.chosen();
}

} // namespace kip::manage
