// dump, check and reindex: maintenance of the table files in a data folder.

#include "cli/CliCommand.h"
#include "golfdb/GolfSchema.h"
#include "store/DbfExaminer.h"
#include "store/DbfReindex.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sys/stat.h>

namespace kip::cli {
namespace {

namespace fs = std::filesystem;
using store::storeOk;

constexpr int exitFault = 1;
constexpr int exitNoInput = 66;

bool isFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool hasTableExtension(const fs::path& p) {
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".dbf";
}

// TABLE is a path without extension, relative to the current folder; a bare name is also looked
// up in the data folder.
std::string findTable(const Invocation& call, const std::string& table) {
    std::vector<std::string> candidates;
    const bool bare = table.find('/') == std::string::npos;
    for (const std::string& base :
         bare ? std::vector<std::string>{table, call.dataDir + table} : std::vector<std::string>{table}) {
        if (hasTableExtension(base))
            candidates.push_back(base);
        candidates.push_back(base + ".dbf");
        candidates.push_back(base + ".DBF");
    }
    for (const auto& c : candidates)
        if (isFile(c))
            return c;
    return {};
}

std::vector<std::string> tablesIn(const std::string& folder) {
    std::vector<std::string> tables;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.is_regular_file(ec) && hasTableExtension(entry.path()))
            tables.push_back(entry.path().string());
    std::sort(tables.begin(), tables.end());
    return tables;
}

std::vector<store::TagSpec> golfTags(const std::string& dbfPath) {
    store::TagSpec tag;
    if (golfdb::golfTagFor(fs::path(dbfPath).stem().string(), tag))
        return {tag};
    return {};
}

int reindexOne(Invocation& call, const std::string& dbfPath) {
    std::string problem;
    // A golf table always gets the golf layout, whatever a foreign or damaged index beside it holds.
    const auto golf = golfTags(dbfPath);
    const int rc = golf.empty() ? store::DbfReindex::run(dbfPath, golf, problem)
                                : store::DbfReindex::runWithTags(dbfPath, golf, problem);
    const std::string name = fs::path(dbfPath).stem().string();
    if (rc != storeOk) {
        call.err << "kipgolf-cli reindex: " << name << ": " << problem << " (rc = " << rc << ")\n";
        return exitFault;
    }
    call.out << "reindexed " << name << '\n';
    return 0;
}

} // namespace

int runDump(Invocation& call) {
    if (call.args.empty() || call.args.size() > 2 || (call.args.size() == 2 && call.args[1] != "records")) {
        call.err << "usage: kipgolf-cli dump TABLE [records]\n";
        return exitUsage;
    }
    const std::string path = findTable(call, call.args[0]);
    store::DbfExaminer examiner;
    const int rc = path.empty() ? store::storeErrOpen : examiner.open(path);
    if (rc != storeOk) {
        call.err << "kipgolf-cli dump: cannot open table " << call.args[0] << " (rc = " << rc << ")\n";
        return exitNoInput;
    }
    if (call.args.size() == 2) {
        examiner.listRecords(call.out);
        return 0;
    }
    call.out << "kipgolf-cli-dump\t1\n";
    examiner.dump(call.out);
    return 0;
}

int runCheck(Invocation& call) {
    if (!call.args.empty()) {
        call.err << "usage: kipgolf-cli check\n";
        return exitUsage;
    }
    const auto tables = tablesIn(call.dataDir);
    if (tables.empty()) {
        call.err << "kipgolf-cli check: no tables in " << call.dataDir << '\n';
        return exitNoInput;
    }
    int faults = 0;
    for (const char* golfTable : {"Courses", "Golfers", "Scores"})
        if (findTable(call, call.dataDir + golfTable).empty()) {
            call.err << golfTable << ": the table is missing\n";
            call.out << golfTable << ": MISSING\n";
            ++faults;
        }
    for (const auto& path : tables) {
        const std::string name = fs::path(path).stem().string();
        store::DbfExaminer examiner;
        if (const int rc = examiner.open(path); rc != storeOk) {
            call.err << name << ": the table cannot be opened (rc = " << rc << ")\n";
            ++faults;
            continue;
        }
        const auto found = examiner.check();
        for (const auto& fault : found)
            call.err << fault << '\n';
        faults += static_cast<int>(found.size());
        call.out << name << (found.empty() ? ": ok" : ": FAULTY") << '\n';
    }
    return faults == 0 ? 0 : exitFault;
}

int runReindex(Invocation& call) {
    if (call.args.size() != 1) {
        call.err << "usage: kipgolf-cli reindex TABLE|all\n";
        return exitUsage;
    }
    if (call.args[0] == "all") {
        const auto tables = tablesIn(call.dataDir);
        if (tables.empty())
            call.err << "kipgolf-cli reindex: no tables in " << call.dataDir << '\n';
        int rc = tables.empty() ? exitNoInput : 0;
        for (const auto& path : tables)
            rc = std::max(rc, reindexOne(call, path));
        return rc;
    }
    const std::string path = findTable(call, call.args[0]);
    if (path.empty()) {
        call.err << "kipgolf-cli reindex: no table " << call.args[0] << '\n';
        return exitNoInput;
    }
    return reindexOne(call, path);
}

} // namespace kip::cli
