#include "app/CKipGolfApp.h"

#include "golfdb/DataFolder.h"

namespace kip::app {

void CKipGolfApp::parseCommandLine(const std::vector<std::string>& arguments) {
    const std::vector<std::string> afterProgram(arguments.empty() ? arguments.end() : arguments.begin() + 1,
                                                arguments.end());
    const golfdb::DataDirChoice choice = golfdb::parseDataDirArgument(afterProgram);
    dataDirGiven_ = choice.dataDirGiven;
    dataDirArgument_ = choice.dataDirArgument;
}

std::string CKipGolfApp::dataDirectory(const std::string& userDataFolder) const {
    return golfdb::dataDirectoryFor({dataDirGiven_, dataDirArgument_}, userDataFolder);
}

int CKipGolfApp::run(StartupShell& shell, const std::string& userDataFolder) {
    shell.selectSettingsStore();
    shell.showSplash();
    if (!shell.createMainWindow(dataDirectory(userDataFolder), dataDirGiven_))
        return shell.exitCode();
    shell.showMainWindow(caption);
    return shell.runEventLoop();
}

} // namespace kip::app
