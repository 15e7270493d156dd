// Opens arbitrary bytes as a compound index, then walks, seeks, changes, flushes and checks every tag.

#include "store/CompoundIndex.h"
#include "store/TableStore.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace kip::store;

const std::string& indexPath() {
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("kipgolf-fuzz-index-" + std::to_string(::getpid()) + ".cdx"))
                                        .string();
    return path;
}

void exercise(CompoundIndex& index, int tag) {
    const long count = index.keyCount(tag);
    const int keyLength = index.tagInfo(tag).keyLength;
    IndexEntry e;
    long steps = 0;
    for (int rc = index.first(tag, e); rc == storeOk && steps <= count;
         rc = index.next(tag, e.key, e.record, e))
        ++steps;
    if (steps > count)
        __builtin_trap(); // a walk longer than the tag: the tree has a loop
    for (int rc = index.last(tag, e); rc == storeOk && steps-- > 0;
         rc = index.previous(tag, e.key, e.record, e)) {
    }
    index.seekFirstAtOrAbove(tag, "M", e);
    index.seekLastAtOrBelow(tag, "M", e);
    for (uint32_t r = 1; r <= 40; ++r)
        index.insert(tag, std::string(keyLength, static_cast<char>('A' + r % 7)), r);
    for (uint32_t r = 1; r <= 40; r += 2)
        index.remove(tag, std::string(keyLength, static_cast<char>('A' + r % 7)), r);
    std::string problem;
    index.verify(tag, problem);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::ofstream(indexPath(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    std::unique_ptr<CompoundIndex> index;
    if (CompoundIndex::open(indexPath(), false, index) == storeOk) {
        for (int tag = 0; tag < index->tagCount(); ++tag)
            exercise(*index, tag);
        index->close();
    }
    std::filesystem::remove(indexPath());
    return 0;
}
