#pragma once
// A fresh folder per test, removed afterwards. path() ends with '/'.

#include <filesystem>
#include <string>

namespace kip::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path() const { return root_.string() + "/"; }
    std::string file(const std::string& name) const { return (root_ / name).string(); }
    // Copies the named fixture table (.dbf and .cdx) into this folder; returns the path without extension.
    std::string copyFixture(const std::string& table) const;

private:
    std::filesystem::path root_;
};

std::string fixturePath(const std::string& name); // inside the xbase-peer fixture folder
std::string readFile(const std::string& path);

} // namespace kip::test
