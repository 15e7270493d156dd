#pragma once
// Opens a topic of the program's help ("index" is the start page).

#include <string>

namespace kip::app {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showTopic(const std::string& topic) = 0;
};

} // namespace kip::app
