#pragma once
// Test doubles of the platform interfaces.

#include "platform/Clock.h"
#include "platform/DialogHost.h"
#include "platform/FileOps.h"
#include "platform/FolderChooser.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "platform/WaitCursor.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <typeindex>
#include <vector>

namespace kip::test {

// Records every message and answers from a script (Ok / Yes by default when the script is empty).
class ScriptedPrompter : public platform::Prompter {
public:
    platform::Answer show(const platform::Message& message) override;
    void answer(platform::Answer a) { answers_.push_back(a); }

    std::vector<platform::Message> shown;
    std::function<void(const platform::Message&)> onShow; // called as each message appears
    std::vector<std::string> texts() const;
    const platform::Message& last() const { return shown.back(); }

private:
    std::deque<platform::Answer> answers_;
};

class MemorySettingsStore : public platform::SettingsStore {
public:
    int readInt(const std::string& section, const std::string& name, int defaultValue) override;
    void writeInt(const std::string& section, const std::string& name, int value) override;
    std::string readText(const std::string& section, const std::string& name,
                         const std::string& defaultValue) override;
    void writeText(const std::string& section, const std::string& name, const std::string& text) override;
    void removeValue(const std::string& section, const std::string& name) override;

    // Every write in order, as "Section/Name=value".
    std::vector<std::string> writes;
    std::map<std::string, std::string> values; // key "Section/Name"
};

class FixedClock : public platform::Clock {
public:
    explicit FixedClock(platform::Date date = {2026, 12, 9}) : date(date) {}
    platform::Date today() override { return date; }
    platform::Date date;
};

class ScriptedFolderChooser : public platform::FolderChooser {
public:
    std::optional<std::string> chooseFolder(const std::string& title) override;
    void choose(std::optional<std::string> folder) { choices_.push_back(std::move(folder)); }
    std::vector<std::string> titles;

private:
    std::deque<std::optional<std::string>> choices_;
};

class CountingWaitCursor : public platform::WaitCursor {
public:
    void begin() override {
        ++begun;
        ++depth;
    }
    void end() override { --depth; }
    int begun = 0;
    int depth = 0;
};

// Local file operations whose copies fail from a given copy on (1-based), to test partial failures.
class FailingFileOps : public platform::LocalFileOps {
public:
    int copyFile(const std::string& from, const std::string& to) override;
    int failFromCopy = 0;  // 0: never fail
    int failUntilCopy = 0; // last failing copy; 0: all from failFromCopy on
    int failureErrno = 28; // ENOSPC
    int copies = 0;
    std::vector<std::string> copied; // "from -> to" of every attempted copy
};

// Plays the user against dialog models: one handler per model type, consumed in order.
class ScriptedDialogHost : public platform::DialogHost {
public:
    template <class Model> void on(std::function<int(Model&)> handler) {
        handlers_.push_back({std::type_index(typeid(Model)), [handler](platform::DialogModel& m) {
                                 return handler(dynamic_cast<Model&>(m));
                             }});
    }
    int run(platform::DialogModel& model) override;
    int runs = 0;

private:
    struct Entry {
        std::type_index type;
        std::function<int(platform::DialogModel&)> play;
    };
    std::deque<Entry> handlers_;
};

} // namespace kip::test
