#include "rounds/RoundSelectionDlgs.h"

#include "golfdb/ChangeUnit.h"

#include <cctype>

namespace kip::rounds {

CSelectScoreDlg::CSelectScoreDlg(golfdb::ItemList rounds, platform::Prompter& prompter,
                                 const std::string& firstName, const std::string& lastName)
    : RowChoice(prompter, std::move(rounds), "You must select a round!"),
      title_("Select Round for " + firstName + " " + lastName) {}

CDeleteScore::CDeleteScore(golfdb::CKipGolfDoc& doc, const std::string& golferKey)
    : doc_(doc), lines_(doc.roundList(golferKey)), chosen_(lines_.size(), false) {}

void CDeleteScore::setSelected(int index, bool on) {
    if (index >= 0 && index < static_cast<int>(chosen_.size()))
        chosen_[static_cast<std::size_t>(index)] = on;
}

bool CDeleteScore::selected(int index) const {
    return index >= 0 && index < static_cast<int>(chosen_.size()) && chosen_[static_cast<std::size_t>(index)];
}

int CDeleteScore::selectedCount() const {
    int count = 0;
    for (const bool on : chosen_)
        count += on ? 1 : 0;
    return count;
}

int CDeleteScore::pressDelete() {
    const int count = selectedCount();
    resultText_ = "No rounds deleted";
    if (count == 0)
        return platform::dialogOk;
    const std::string question =
        count == 1 ? "Are you sure you want to delete the selected round?"
                   : "Are you sure you want to delete these " + std::to_string(count) + " rounds?";
    if (doc_.prompter().show({question, "Confirm Delete", platform::Icon::Question,
                              platform::Buttons::YesNo}) != platform::Answer::Yes)
        return platform::dialogOk;
    golfdb::ScoreTable& scores = doc_.scoreTable();
    std::vector<long> records;
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (chosen_[i])
            records.push_back(lines_[i].record);
    golfdb::ChangeUnit unit({&scores});
    unit.keepRows(scores, records);
    for (const long record : records) {
        // A row that cannot be reached any more is passed over.
        if (scores.goTo(record) != store::storeOk)
            continue;
        scores.packOnClose = 1;
        scores.remove();
    }
    unit.commit();
    resultText_.clear();
    return platform::dialogOk;
}

int CEnterYearDlg::ok() {
    std::size_t digits = 0;
    while (digits < yearText_.size() && digits < 9 &&
           std::isdigit(static_cast<unsigned char>(yearText_[digits])))
        ++digits;
    const int year = digits == 0 ? 0 : std::stoi(yearText_.substr(0, digits));
    if (year < earliestYear) {
        prompter_.show({"Enter a valid year in the format yyyy", "Incorrect Year", platform::Icon::Error,
                        platform::Buttons::Ok});
        return staysOpen;
    }
    year_ = year;
    return platform::dialogOk;
}

} // namespace kip::rounds
