#pragma once
// Rebuilds every tag of a table from its records into a new structural index, written beside the
// old one and put in its place only when complete. The tag definitions come from the old index when
// it can be read, else from the caller (for tables whose tags are fixed).

#include "store/TableStore.h"

#include <string>
#include <vector>

namespace kip::store {

class DbfReindex {
public:
    // dbfPath includes the extension. Returns 0 or a negative store error; `problem` then says why.
    static int run(const std::string& dbfPath, const std::vector<TagSpec>& fallbackTags,
                   std::string& problem);
    // As run, with the given tags whatever the old index holds (a foreign or damaged index is
    // replaced by the table's own layout).
    static int runWithTags(const std::string& dbfPath, const std::vector<TagSpec>& tags,
                           std::string& problem);
};

} // namespace kip::store
