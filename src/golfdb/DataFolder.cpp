#include "golfdb/DataFolder.h"

#include "platform/TextFormat.h"
#include "platform/UserFolders.h"

namespace kip::golfdb {
namespace {

constexpr std::string_view dataDirSwitch = "/datadir=";
constexpr const char* neverSet = "00000000";

std::string withSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

DataDirChoice parseDataDirArgument(const std::vector<std::string>& argumentsAfterProgram) {
    DataDirChoice choice;
    if (!argumentsAfterProgram.empty() &&
        argumentsAfterProgram.front().compare(0, dataDirSwitch.size(), dataDirSwitch) == 0) {
        choice.dataDirGiven = true;
        choice.dataDirArgument = argumentsAfterProgram.front().substr(dataDirSwitch.size());
    }
    return choice;
}

std::string dataDirectoryFor(const DataDirChoice& choice, const std::string& userDataFolder) {
    if (choice.dataDirGiven)
        return withSlash(choice.dataDirArgument);
    return withSlash(userDataFolder) + "KipGolf/";
}

std::string dataDirectoryFor(const DataDirChoice& choice) {
    return dataDirectoryFor(choice, choice.dataDirGiven ? std::string() : platform::userDataFolder());
}

std::string safetyFolderOf(const std::string& dataDir) {
    return withSlash(dataDir) + "Download/";
}

int prepareDefaultDataFolder(const std::string& dataDir, platform::FileOps& files,
                             platform::SettingsStore& settings, platform::Clock& clock) {
    for (const std::string& folder : {dataDir, safetyFolderOf(dataDir)}) {
        if (!files.exists(folder)) {
            const int rc = files.createDirectory(folder);
            if (rc != 0)
                return rc;
        }
    }
    if (settings.readText("Settings", "InstallDate", neverSet) == neverSet) {
        const platform::Date today = clock.today();
        settings.writeText("Settings", "InstallDate",
                           platform::formatText("%04d%02d%02d", today.year, today.month, today.day));
    }
    return 0;
}

} // namespace kip::golfdb
