#include "cli/CliSession.h"

#include "handicap/HandicapRule.h"
#include "platform/IniSettingsStore.h"

#include <algorithm>
#include <filesystem>

namespace kip::cli {

platform::Answer KeptPrompter::show(const platform::Message& message) {
    messages.push_back(message);
    if (message.buttons == platform::Buttons::Ok)
        return platform::Answer::Ok;
    if (!answers.empty()) {
        const platform::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return message.buttons == platform::Buttons::YesNo ? platform::Answer::Yes : platform::Answer::Ok;
}

void KeptPrompter::print(Invocation& call, bool succeeded) const {
    for (const auto& message : messages)
        if (message.buttons == platform::Buttons::Ok)
            (succeeded ? call.out : call.err) << message.text << '\n';
}

int PlayedDialogs::run(platform::DialogModel& model) {
    // A dialog that is skipped (Select Golfer with a single golfer) leaves its handler unused.
    const auto entry = std::find_if(handlers_.begin(), handlers_.end(), [&model](const Entry& e) {
        return e.type == std::type_index(typeid(model));
    });
    if (entry == handlers_.end())
        return platform::dialogCancel;
    const Entry played = *entry;
    handlers_.erase(entry);
    return played.play(model);
}

CliSession::CliSession(Invocation& call) : call(call), doc(call.dataDir, prompter) {}

bool CliSession::open() {
    if (!std::filesystem::exists(doc.dataDir() + "Courses.dbf")) {
        call.err << "kipgolf-cli: no golf database in " << doc.dataDir() << '\n';
        openFailure_ = exitRefused;
        return false;
    }
    platform::IniSettingsStore settings(platform::IniSettingsStore::defaultPath());
    doc.setHandicapRule(
        settings.readInt(handicap::handicapSection, handicap::ruleSetting, handicap::RuleUsga));
    if (doc.openDatabase() == golfdb::OpenOutcome::EndProgram || doc.endRequested()) {
        prompter.print(call, false);
        openFailure_ = exitWriteFailed;
        return false;
    }
    doc.scoreTable().selectRoundsUsedTable(doc.handicapRule());
    return true;
}

// The course rows of that name and tee: one is the course; several are listed and refused.
std::optional<long> namedCourse(CliSession& session, const std::string& name, const std::string& tee) {
    std::vector<std::pair<long, golfdb::CourseRecord>> found;
    golfdb::CourseTable& courses = session.doc.courseTable();
    for (int rc = courses.goTop(); rc == store::storeOk; rc = courses.skip())
        if (courses.record().name == name && courses.record().tee == tee)
            found.emplace_back(courses.recordNumber(), courses.record());
    if (found.size() == 1)
        return found.front().first;
    if (found.empty()) {
        session.call.err << "kipgolf-cli: no course \"" << name << "\" with the tee \"" << tee << "\"\n";
        return std::nullopt;
    }
    session.call.err << "kipgolf-cli: several courses \"" << name << "\" with the tee \"" << tee << "\":\n";
    for (const auto& [record, course] : found)
        session.call.err << record << '\t' << course.name << ", " << course.city << ", " << course.state
                         << '\n';
    return std::nullopt;
}

std::optional<std::string> takeOption(std::vector<std::string>& args, const std::string& name, bool& bad) {
    const auto at = std::find(args.begin(), args.end(), name);
    if (at == args.end())
        return std::nullopt;
    if (at + 1 == args.end()) {
        bad = true;
        args.erase(at);
        return std::nullopt;
    }
    std::string value = *(at + 1);
    args.erase(at, at + 2);
    return value;
}

} // namespace kip::cli
