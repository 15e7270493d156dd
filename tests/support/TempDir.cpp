#include "support/TempDir.h"

#include <fstream>
#include <random>
#include <sstream>
#include <sys/stat.h>

namespace kip::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::random_device rd;
    for (;;) {
        root_ = fs::temp_directory_path() / ("kipgolf-test-" + std::to_string(rd()));
        std::error_code ec;
        if (fs::create_directory(root_, ec))
            break;
    }
}

TempDir::~TempDir() {
    std::error_code ec;
    // Read-only files inside must not stop the clean-up.
    for (auto& entry : fs::recursive_directory_iterator(root_, ec))
        fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(root_, ec);
}

std::string TempDir::copyFixture(const std::string& table) const {
    for (const char* ext : {".dbf", ".cdx"}) {
        const fs::path to = root_ / (table + ext);
        fs::copy_file(fixturePath(table + ext), to, fs::copy_options::overwrite_existing);
        fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add);
    }
    return (root_ / table).string();
}

std::string fixturePath(const std::string& name) {
    return std::string(KIP_FIXTURE_DIR) + "/" + name;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

} // namespace kip::test
