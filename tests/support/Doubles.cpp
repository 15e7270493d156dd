#include "support/Doubles.h"

#include <gtest/gtest.h>

namespace kip::test {

platform::Answer ScriptedPrompter::show(const platform::Message& message) {
    shown.push_back(message);
    if (onShow)
        onShow(message);
    if (answers_.empty())
        return message.buttons == platform::Buttons::YesNo ? platform::Answer::Yes : platform::Answer::Ok;
    const platform::Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

std::vector<std::string> ScriptedPrompter::texts() const {
    std::vector<std::string> out;
    for (const auto& m : shown)
        out.push_back(m.text);
    return out;
}

int MemorySettingsStore::readInt(const std::string& section, const std::string& name, int defaultValue) {
    const auto it = values.find(section + "/" + name);
    if (it == values.end())
        return defaultValue;
    try {
        return std::stoi(it->second);
    } catch (...) {
        return defaultValue;
    }
}

void MemorySettingsStore::writeInt(const std::string& section, const std::string& name, int value) {
    writeText(section, name, std::to_string(value));
}

std::string MemorySettingsStore::readText(const std::string& section, const std::string& name,
                                          const std::string& defaultValue) {
    const auto it = values.find(section + "/" + name);
    return it == values.end() ? defaultValue : it->second;
}

void MemorySettingsStore::writeText(const std::string& section, const std::string& name,
                                    const std::string& text) {
    values[section + "/" + name] = text;
    writes.push_back(section + "/" + name + "=" + text);
}

void MemorySettingsStore::removeValue(const std::string& section, const std::string& name) {
    values.erase(section + "/" + name);
    writes.push_back(section + "/" + name + " removed");
}

std::optional<std::string> ScriptedFolderChooser::chooseFolder(const std::string& title) {
    titles.push_back(title);
    if (choices_.empty())
        return std::nullopt;
    auto choice = choices_.front();
    choices_.pop_front();
    return choice;
}

int FailingFileOps::copyFile(const std::string& from, const std::string& to) {
    ++copies;
    copied.push_back(from + " -> " + to);
    const bool failing =
        failFromCopy > 0 && copies >= failFromCopy && (failUntilCopy == 0 || copies <= failUntilCopy);
    if (failing)
        return failureErrno;
    return LocalFileOps::copyFile(from, to);
}

int ScriptedDialogHost::run(platform::DialogModel& model) {
    ++runs;
    if (handlers_.empty()) {
        ADD_FAILURE() << "dialog shown with no scripted handler: " << typeid(model).name();
        return platform::dialogCancel;
    }
    Entry entry = handlers_.front();
    handlers_.pop_front();
    if (entry.type != std::type_index(typeid(model))) {
        ADD_FAILURE() << "unexpected dialog " << typeid(model).name();
        return platform::dialogCancel;
    }
    return entry.play(model);
}

} // namespace kip::test
