#pragma once
// Where the golf database lives, and the first-start preparation of the default data folder that
// an installer would do elsewhere. Used by the window program and kipgolf-cli alike.

#include "platform/Clock.h"
#include "platform/FileOps.h"
#include "platform/SettingsStore.h"

#include <string>
#include <vector>

namespace kip::golfdb {

struct DataDirChoice {
    bool dataDirGiven = false;
    std::string dataDirArgument; // the text after "/datadir="
};

// Only the first argument after the program name counts, and only when its first nine characters
// are exactly "/datadir=".
DataDirChoice parseDataDirArgument(const std::vector<std::string>& argumentsAfterProgram);

// The data directory, ending in '/': the given folder as is, or userDataFolder + "KipGolf/".
std::string dataDirectoryFor(const DataDirChoice& choice, const std::string& userDataFolder);
std::string dataDirectoryFor(const DataDirChoice& choice); // with platform::userDataFolder()

// dataDir + "Download/": where a restore keeps the previous files until it has succeeded.
std::string safetyFolderOf(const std::string& dataDir);

// First start in the default folder: create the data folder and its Download folder when missing,
// and write Settings/InstallDate ("%04d%02d%02d" of today) while it still reads "00000000".
// Returns 0 or the platform's error number of the folder that could not be made.
int prepareDefaultDataFolder(const std::string& dataDir, platform::FileOps& files,
                             platform::SettingsStore& settings, platform::Clock& clock);

} // namespace kip::golfdb
