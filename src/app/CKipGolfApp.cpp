#include "app/CKipGolfApp.h"

#include <cstring>

namespace kip::app {

void CKipGolfApp::parseCommandLine(const std::vector<std::string>& arguments) {
    dataDirGiven_ = false;
    dataDirArgument_.clear();
    if (arguments.size() < 2)
        return;
    const std::string& first = arguments[1];
    const std::size_t optionLength = std::strlen(dataDirOption);
    if (first.compare(0, optionLength, dataDirOption) == 0) {
        dataDirGiven_ = true;
        dataDirArgument_ = first.substr(optionLength);
    }
}

std::string CKipGolfApp::dataDirectory(const std::string& userDataFolder) const {
    std::string dir = dataDirGiven_ ? dataDirArgument_ : userDataFolder;
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    if (!dataDirGiven_)
        dir += "KipGolf/";
    return dir;
}

int CKipGolfApp::run(StartupShell& shell, const std::string& userDataFolder) {
    shell.selectSettingsStore();
    shell.showSplash();
    if (!shell.createMainWindow(dataDirectory(userDataFolder)))
        return shell.exitCode();
    shell.showMainWindow(caption);
    return shell.runEventLoop();
}

} // namespace kip::app
