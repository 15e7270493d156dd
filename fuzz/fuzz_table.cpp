// Builds a table file and its index from arbitrary bytes (the first two bytes give the length of
// the table part), then opens, walks, seeks, checks and packs it.

#include "store/DbfExaminer.h"
#include "store/TableStore.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace kip::store;

// The table of this process; removed after every input because libFuzzer may end the process
// without running destructors.
const std::string& tableBase() {
    static const std::string base =
        (std::filesystem::temp_directory_path() / ("kipgolf-fuzz-table-" + std::to_string(::getpid())))
            .string();
    return base;
}

void writeFile(const std::string& path, const uint8_t* data, size_t size) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void walkAndSeek(Table* t) {
    for (const char* name : {"COURSETAG", "PEOPLETAG", "SCORESTAG", "T"})
        if (Tag* tag = findTag(t, name))
            selectTag(t, tag);
    int steps = 0;
    for (int rc = goTop(t); rc == storeOk && steps < 10000; rc = skipRecords(t, 1), ++steps)
        if (Field* f = fieldByName(t, "NAME"))
            fieldText(f);
    seekKey(t, "A");
    seekKey(t, std::string(300, 'z'));
    skipRecords(t, -1);
    goRecord(t, 2);
    if (Field* f = fieldByName(t, "NAME")) {
        assignText(f, "Fuzz");
        flushTable(t);
    }
    packTable(t);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const size_t split = std::min<size_t>(size - 2, static_cast<size_t>(data[0]) << 8 | data[1]);
    const std::string& base = tableBase();
    writeFile(base + ".dbf", data + 2, split);
    writeFile(base + ".cdx", data + 2 + split, size - 2 - split);
    {
        DbfExaminer examiner;
        if (examiner.open(base + ".dbf") == storeOk)
            examiner.check();
    }
    TableContext ctx;
    if (Table* t = openTable(ctx, base))
        walkAndSeek(t);
    releaseContext(ctx);
    std::error_code ec;
    std::filesystem::remove(base + ".dbf", ec);
    std::filesystem::remove(base + ".cdx", ec);
    return 0;
}
