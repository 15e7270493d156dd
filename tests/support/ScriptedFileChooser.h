#pragma once
// A file chooser that answers from a script (cancel when the script is empty) and keeps every
// request it was shown.

#include "platform/FileChooser.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace kip::test {

class ScriptedFileChooser : public platform::FileChooser {
public:
    std::optional<std::string> chooseOpen(const platform::FileRequest& request) override {
        return answer(request, false);
    }
    std::optional<std::string> chooseSave(const platform::FileRequest& request) override {
        return answer(request, true);
    }
    void choose(std::optional<std::string> path) { choices_.push_back(std::move(path)); }

    struct Shown {
        platform::FileRequest request;
        bool save;
    };
    std::vector<Shown> shown;

private:
    std::optional<std::string> answer(const platform::FileRequest& request, bool save) {
        shown.push_back({request, save});
        if (choices_.empty())
            return std::nullopt;
        auto path = choices_.front();
        choices_.pop_front();
        return path;
    }
    std::deque<std::optional<std::string>> choices_;
};

} // namespace kip::test
