#include "platform/FileOps.h"
#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace kip::platform {
namespace {

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

TEST(LocalFileOps, CopyOverwritesAndLeavesNoTemporary) {
    test::TempDir dir;
    LocalFileOps files;
    writeFile(dir.file("a"), "new contents");
    writeFile(dir.file("b"), "old contents that are longer");
    ASSERT_EQ(files.copyFile(dir.file("a"), dir.file("b")), 0);
    EXPECT_EQ(test::readFile(dir.file("b")), "new contents");
    EXPECT_FALSE(files.exists(dir.file("b.part")));
}

TEST(LocalFileOps, FailedCopyKeepsTheDestination) {
    test::TempDir dir;
    LocalFileOps files;
    writeFile(dir.file("b"), "keep me");
    EXPECT_NE(files.copyFile(dir.file("missing"), dir.file("b")), 0);
    EXPECT_EQ(test::readFile(dir.file("b")), "keep me");
    EXPECT_NE(files.copyFile(dir.file("b"), dir.file("no/such/folder/b")), 0);
}

TEST(LocalFileOps, RenameReplacesTheDestination) {
    test::TempDir dir;
    LocalFileOps files;
    writeFile(dir.file("staged"), "new");
    writeFile(dir.file("target"), "old");
    ASSERT_EQ(files.renameFile(dir.file("staged"), dir.file("target")), 0);
    EXPECT_EQ(test::readFile(dir.file("target")), "new");
    EXPECT_FALSE(files.exists(dir.file("staged")));
    EXPECT_NE(files.renameFile(dir.file("staged"), dir.file("target")), 0);
    EXPECT_EQ(test::readFile(dir.file("target")), "new");
}

TEST(LocalFileOps, ClearReadOnlyMakesFileWritable) {
    test::TempDir dir;
    LocalFileOps files;
    writeFile(dir.file("r"), "x");
    std::filesystem::permissions(dir.file("r"), std::filesystem::perms::owner_read);
    ASSERT_EQ(files.clearReadOnly(dir.file("r")), 0);
    const auto perms = std::filesystem::status(dir.file("r")).permissions();
    EXPECT_NE(perms & std::filesystem::perms::owner_write, std::filesystem::perms::none);
}

TEST(LocalFileOps, CreateDirectoryMakesParentsAndAcceptsExisting) {
    test::TempDir dir;
    LocalFileOps files;
    EXPECT_EQ(files.createDirectory(dir.file("x/y/Download")), 0);
    EXPECT_EQ(files.createDirectory(dir.file("x/y/Download")), 0);
    writeFile(dir.file("plain"), "");
    EXPECT_NE(files.createDirectory(dir.file("plain")), 0);
}

} // namespace
} // namespace kip::platform
