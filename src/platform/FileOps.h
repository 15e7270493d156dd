#pragma once
// File system operations the program needs beyond the table store. Paths are UTF-8 text.
// Results: 0 success, otherwise the platform's error number (errno).

#include <string>

namespace kip::platform {

class FileOps {
public:
    virtual ~FileOps() = default;
    virtual bool exists(const std::string& path) = 0;
    // Copies a whole file, overwriting `to`; the copy is complete and durable, or `to` is unchanged
    // (written beside it and renamed into place).
    virtual int copyFile(const std::string& from, const std::string& to) = 0;
    virtual int removeFile(const std::string& path) = 0;
    // Moves a file within one folder, replacing `to` in one step; durable when it returns 0.
    virtual int renameFile(const std::string& from, const std::string& to) = 0;
    virtual int clearReadOnly(const std::string& path) = 0;
    virtual int createDirectory(const std::string& path) = 0;
    // True when both paths name the same existing file or folder, however they are spelled
    // (relative, through links, doubled slashes); two paths that do not both exist compare as text.
    virtual bool sameLocation(const std::string& a, const std::string& b) = 0;
    virtual std::string currentDirectory() = 0;
    virtual int setCurrentDirectory(const std::string& path) = 0;
};

class LocalFileOps : public FileOps {
public:
    bool exists(const std::string& path) override;
    int copyFile(const std::string& from, const std::string& to) override;
    int removeFile(const std::string& path) override;
    int renameFile(const std::string& from, const std::string& to) override;
    int clearReadOnly(const std::string& path) override;
    int createDirectory(const std::string& path) override;
    bool sameLocation(const std::string& a, const std::string& b) override;
    std::string currentDirectory() override;
    int setCurrentDirectory(const std::string& path) override;
};

} // namespace kip::platform
