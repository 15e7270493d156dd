#pragma once
// Delete Course(s): every course/tee row, any number of them selected, deleted after one question.

#include "golfdb/CKipGolfDoc.h"
#include "platform/DialogHost.h"
#include "platform/Prompter.h"

#include <string>
#include <vector>

namespace kip::manage {

class CDeleteCourseDlg : public platform::DialogModel {
public:
    CDeleteCourseDlg(golfdb::CKipGolfDoc& doc, platform::Prompter& prompter);

    static const char* title() { return "Select Course"; }
    static const char* text() { return "Select One or More Courses to Delete:"; }
    static constexpr int tabStop = 150; // dialog units
    const golfdb::ItemList& lines() const { return lines_; }

    void setSelected(std::vector<int> lines);
    const std::vector<int>& selected() const { return selected_; }

    // Asks, deletes the selected rows on Yes and closes (dialogOk); resultText() says what happened.
    int pressDelete();
    int cancel() { return platform::dialogCancel; }
    const std::string& resultText() const { return resultText_; }
    int deleted() const { return deleted_; }

private:
    golfdb::CKipGolfDoc& doc_;
    platform::Prompter& prompter_;
    golfdb::ItemList lines_;
    std::vector<int> selected_;
    std::string resultText_;
    int deleted_ = 0;
};

} // namespace kip::manage
