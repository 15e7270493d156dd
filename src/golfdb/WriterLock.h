#pragma once
// One writer at a time in a data folder: an advisory lock on a small file of our own there
// ("KipGolf.lock"), which also records whether the last writer ended cleanly. Readers need no lock.
// Other FoxPro-compatible programs do not know the file and are not kept out by it.

#include <string>

namespace kip::golfdb {

inline constexpr const char* writerLockFileName = "KipGolf.lock";

class WriterLock {
public:
    enum class State {
        Held,        // this object holds the lock
        Busy,        // another program (or another lock object) holds it
        Unavailable, // the folder does not exist or the lock file cannot be made
    };

    WriterLock() = default;
    ~WriterLock(); // release()
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;

    // Takes the lock without waiting. A writer (markWriting) records that it is writing until
    // release(); a short repair by a program that otherwise only reads leaves the record as it was.
    State acquire(const std::string& dataDir, bool markWriting = true);
    // Records a clean end (for a writer) and lets the lock go; removeFile takes the lock file away
    // too (a folder left without a database).
    void release(bool removeFile = false);
    bool held() const { return fd_ >= 0; }
    // The writer before this one did not end cleanly: its last change may be half made.
    bool lastEndUnclean() const { return lastEndUnclean_; }

    // True when a lock object of this process holds the lock of dataDir; `unclean` then tells
    // whether the writer before it did not end cleanly.
    static bool heldInProcess(const std::string& dataDir, bool* unclean = nullptr);
    // The message of a refused second writer.
    static std::string inUseMessage(const std::string& dataDir);

private:
    int fd_ = -1;
    bool writing_ = false;
    bool lastEndUnclean_ = false;
    std::string key_;
    std::string path_;
};

} // namespace kip::golfdb
