#pragma once
// The About box; at start-up it doubles as a splash that closes itself.

#include "platform/DialogHost.h"

#include <string>

namespace kip::app {

class CAboutDlg : public platform::DialogModel {
public:
    explicit CAboutDlg(bool splash = false) : splash_(splash) {}

    static const char* title() { return "About KipGolf"; }
    static const char* productName() { return "Kip Golf"; }
    // "Version %d.%02d" of the program's major and minor version; empty when none was built in.
    static std::string versionText();
    static std::string versionText(int major, int minor);

    bool splash() const { return splash_; }
    // How long the splash stays up unless OK is pressed first.
    static constexpr int splashMilliseconds = 2000;

private:
    bool splash_;
};

} // namespace kip::app
