#include "golfdb/StagedFiles.h"

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace kip::golfdb {
namespace {

namespace fs = std::filesystem;

std::string withSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

bool syncPath(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

bool leftover(const std::string& name) {
    if (!name.starts_with("Scores") && !name.starts_with("Courses") && !name.starts_with("Golfers"))
        return false;
    for (const char* ending : {".staged", ".staged.part", ".dbf.packing", ".cdx.tmp", ".CDX.tmp"})
        if (name.size() > std::string(ending).size() && name.ends_with(ending))
            return true;
    return false;
}

} // namespace

bool writeCommitMark(const std::string& folder, const std::vector<std::string>& targets) {
    const std::string mark = withSlash(folder) + commitMarkName;
    {
        std::ofstream out(mark, std::ios::trunc);
        for (const std::string& target : targets)
            out << target << '\n';
        out.flush();
        if (!out)
            return false;
    }
    return syncPath(mark, O_RDONLY) && syncPath(withSlash(folder), O_RDONLY | O_DIRECTORY);
}

void clearCommitMark(const std::string& folder) {
    ::unlink((withSlash(folder) + commitMarkName).c_str());
    syncPath(withSlash(folder), O_RDONLY | O_DIRECTORY);
}

bool settleStagedFiles(const std::string& folder, platform::FileOps& files,
                       std::vector<std::string>* removed) {
    const std::string mark = withSlash(folder) + commitMarkName;
    bool finished = false;
    if (files.exists(mark)) {
        std::ifstream in(mark);
        for (std::string target; std::getline(in, target);)
            if (!target.empty() && files.exists(target + stagedSuffix))
                files.renameFile(target + stagedSuffix, target);
        clearCommitMark(folder);
        finished = true;
    }
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(withSlash(folder), ec))
        if (leftover(entry.path().filename().string()) && files.removeFile(entry.path().string()) == 0 &&
            removed)
            removed->push_back(entry.path().filename().string());
    return finished;
}

} // namespace kip::golfdb
