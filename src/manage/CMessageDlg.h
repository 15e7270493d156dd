#pragma once
// Course Addition Complete: says which course and tee were added; "OK" and "Help".

#include "platform/DialogHost.h"

#include <string>

namespace kip::manage {

class CMessageDlg : public platform::DialogModel {
public:
    CMessageDlg(std::string title, std::string text) : title_(std::move(title)), text_(std::move(text)) {}

    const std::string& title() const { return title_; }
    const std::string& text() const { return text_; }
    int ok() { return platform::dialogOk; }

private:
    std::string title_;
    std::string text_;
};

} // namespace kip::manage
