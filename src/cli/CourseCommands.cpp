// kipgolf-cli courses, master, copy-master and course add: the course commands for scripts. Each
// runs the window's own dialog models, played by a host that answers them as the command line says.

#include "manage/CourseCommands.h"
#include "cli/CliCommand.h"
#include "golfdb/CKipGolfDoc.h"
#include "manage/CCourseDlg.h"
#include "manage/CMergeMaster.h"
#include "manage/CMessageDlg.h"
#include "manage/CSelectState.h"
#include "manage/MasterCopy.h"
#include "manage/QueuedMasterPoster.h"
#include "platform/IniSettingsStore.h"

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <typeindex>

namespace kip::cli {
namespace {

namespace fs = std::filesystem;

// Prints information to standard output and errors and warnings to standard error; a question is
// never printed but answered by `answer`.
class CliPrompter : public platform::Prompter {
public:
    CliPrompter(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
    platform::Answer show(const platform::Message& message) override {
        if (message.buttons == platform::Buttons::YesNo)
            return answer ? answer(message) : platform::Answer::Yes;
        const bool failure = message.icon == platform::Icon::Error ||
                             message.icon == platform::Icon::Warning || (isFailure && isFailure(message));
        if (failure) {
            err_ << message.text << '\n';
            ++errors;
        } else {
            out_ << message.text << '\n';
        }
        return platform::Answer::Ok;
    }
    std::function<platform::Answer(const platform::Message&)> answer;
    // Messages the window shows as information that report a refusal or a failure here.
    std::function<bool(const platform::Message&)> isFailure;
    int errors = 0;

private:
    std::ostream& out_;
    std::ostream& err_;
};

// Plays each dialog with the handler given for its model type; any other dialog counts as cancelled.
class CliDialogHost : public platform::DialogHost {
public:
    template <class Model> void on(std::function<int(Model&)> play) {
        plays_[std::type_index(typeid(Model))] = [play](platform::DialogModel& m) {
            return play(static_cast<Model&>(m));
        };
    }
    int run(platform::DialogModel& model) override {
        const auto it = plays_.find(std::type_index(typeid(model)));
        return it == plays_.end() ? platform::dialogCancel : it->second(model);
    }

private:
    std::map<std::type_index, std::function<int(platform::DialogModel&)>> plays_;
};

struct CourseRun {
    explicit CourseRun(Invocation& call)
        : prompter(call.out, call.err), settings(platform::IniSettingsStore::defaultPath()),
          doc(call.dataDir, prompter) {}

    // The existing database, never created here.
    int open(Invocation& call) {
        if (!fs::exists(doc.dataDir() + "Courses.dbf")) {
            call.err << "kipgolf-cli: no golf database in " << doc.dataDir() << '\n';
            return exitDatabase;
        }
        prompter.answer = [](const platform::Message&) { return platform::Answer::No; };
        if (doc.openDatabase() == golfdb::OpenOutcome::EndProgram)
            return doc.exitCode();
        prompter.answer = nullptr;
        return exitOk;
    }
    manage::CourseServices services() {
        const bool allowMeters = settings.readInt("Settings", "AllowMeters", 0) != 0;
        return {doc, host, prompter, settings, allowMeters};
    }

    CliPrompter prompter;
    CliDialogHost host;
    platform::IniSettingsStore settings;
    golfdb::CKipGolfDoc doc;
};

// Loads the master list in the dialog, as the window does, and waits for its end.
void loadMaster(manage::CMergeMaster& dialog) {
    manage::QueuedMasterPoster poster;
    dialog.open(poster);
    poster.pumpUntilEnd(dialog);
}

std::optional<std::vector<int>> holeNumbers(const std::string& list) {
    std::vector<int> values;
    std::stringstream in(list);
    for (std::string item; std::getline(in, item, ',');) {
        if (item.empty() || item.find_first_not_of("0123456789") != std::string::npos || item.size() > 6)
            return std::nullopt;
        values.push_back(std::stoi(item));
    }
    if (values.size() != 18)
        return std::nullopt;
    return values;
}

} // namespace

int runCourses(Invocation& call) {
    const bool perTee = call.args.size() == 1 && call.args[0] == "--tees";
    if (!call.args.empty() && !perTee) {
        call.err << "usage: kipgolf-cli courses [--tees]\n";
        return exitUsage;
    }
    CourseRun run(call);
    if (const int rc = run.open(call); rc != exitOk)
        return rc;
    for (const auto& line : run.doc.courseList(perTee))
        call.out << line.record << '\t' << line.text << '\n';
    return exitOk;
}

int runMaster(Invocation& call) {
    manage::StateChoice choice;
    for (std::size_t i = 0; i < call.args.size(); ++i) {
        if (call.args[i] == "--state" && i + 1 < call.args.size()) {
            choice.state = call.args[++i];
        } else if (call.args[i] == "--by-name") {
            choice.byName = true;
        } else {
            call.err << "usage: kipgolf-cli master [--state ST] [--by-name]\n";
            return exitUsage;
        }
    }
    CourseRun run(call);
    if (const int rc = run.open(call); rc != exitOk)
        return rc;
    run.host.on<manage::CSelectState>([&choice](manage::CSelectState& s) {
        s.chooseOneState(!choice.state.empty());
        s.setStateText(choice.state);
        s.setByName(choice.byName);
        return s.ok();
    });
    run.host.on<manage::CMergeMaster>([&call](manage::CMergeMaster& d) {
        loadMaster(d);
        for (const auto& line : d.masterLines())
            call.out << line.record << '\t' << line.text << '\n';
        return d.cancel();
    });
    auto services = run.services();
    return manage::copyFromMaster(services, manage::masterMissingFromCommand) ? exitOk : exitFailure;
}

int runCopyMaster(Invocation& call) {
    std::vector<std::string> names;
    bool replace = false;
    for (const auto& arg : call.args) {
        if (arg == "--replace")
            replace = true;
        else
            names.push_back(arg);
    }
    if (names.size() != 3) {
        call.err << "usage: kipgolf-cli copy-master \"Name\" \"City\" \"State\" [--replace]\n";
        return exitUsage;
    }
    CourseRun run(call);
    if (const int rc = run.open(call); rc != exitOk)
        return rc;
    run.prompter.answer = [replace](const platform::Message&) {
        return replace ? platform::Answer::Yes : platform::Answer::No;
    };
    bool found = false;
    std::vector<manage::CopyOutcome> outcomes;
    run.host.on<manage::CSelectState>([&names](manage::CSelectState& s) {
        s.chooseOneState(!names[2].empty());
        s.setStateText(names[2]);
        s.setByName(true);
        return s.ok();
    });
    run.host.on<manage::CMergeMaster>([&](manage::CMergeMaster& d) {
        loadMaster(d);
        const auto& lines = d.masterLines();
        for (std::size_t i = 0; i < lines.size() && !found; ++i) {
            if (lines[i].name == names[0] && lines[i].city == names[1] && lines[i].state == names[2]) {
                d.setSelected({static_cast<int>(i)});
                found = true;
            }
        }
        if (!found)
            return d.cancel();
        const int result = d.copySelected();
        outcomes = d.outcomes();
        return result;
    });
    auto services = run.services();
    if (!manage::copyFromMaster(services, manage::masterMissingFromCommand))
        return exitFailure;
    if (!found) {
        call.err << "kipgolf-cli: the master course table has no course \"" << names[0] << "\" in \""
                 << names[1] << "\", \"" << names[2] << "\"\n";
        return exitFailure;
    }
    int exitCode = exitOk;
    for (const auto& o : outcomes) {
        const std::string course = o.name + " (" + o.tee + ")";
        switch (o.result) {
        case manage::CopyResult::Copied:
            call.out << course << " copied from Master\n";
            break;
        case manage::CopyResult::Replaced:
            call.out << course << " replaced from Master\n";
            break;
        case manage::CopyResult::Kept:
            call.out << course << " already exists in Kip Golf courses, kept (--replace would replace it)\n";
            break;
        case manage::CopyResult::Failed:
            exitCode = exitDatabase;
            break;
        }
    }
    return exitCode;
}

int runCourse(Invocation& call) {
    const char* usageText =
        "usage: kipgolf-cli course add \"Name\" \"City\" \"State\" \"Tee\" RATING SLOPE PARS YARDS "
        "[--stroke-index SI] [--zip Z] [--phone P] [--meters] [--accept]\n";
    std::vector<std::string> values;
    std::string zip, phone;
    std::optional<std::string> strokeIndexes;
    bool meters = false, accept = false;
    for (std::size_t i = 1; i < call.args.size(); ++i) {
        const std::string& arg = call.args[i];
        if ((arg == "--zip" || arg == "--phone") && i + 1 < call.args.size())
            (arg == "--zip" ? zip : phone) = call.args[++i];
        else if (arg == "--stroke-index" && i + 1 < call.args.size())
            strokeIndexes = call.args[++i];
        else if (arg == "--meters")
            meters = true;
        else if (arg == "--accept")
            accept = true;
        else
            values.push_back(arg);
    }
    const auto pars = values.size() == 8 ? holeNumbers(values[6]) : std::nullopt;
    const auto yards = values.size() == 8 ? holeNumbers(values[7]) : std::nullopt;
    const auto strokeIndex = strokeIndexes ? holeNumbers(*strokeIndexes) : std::nullopt;
    if (call.args.empty() || call.args[0] != "add" || !pars || !yards || (strokeIndexes && !strokeIndex)) {
        call.err << usageText;
        return exitUsage;
    }
    CourseRun run(call);
    if (const int rc = run.open(call); rc != exitOk)
        return rc;
    bool refused = false;
    run.prompter.answer = [&](const platform::Message& question) {
        if (accept)
            return platform::Answer::Yes;
        call.err << question.text << " (--accept would accept it)\n";
        refused = true;
        return platform::Answer::No;
    };
    run.prompter.isFailure = [](const platform::Message& m) {
        return m.text.find(" is already in the database") != std::string::npos ||
               m.text.rfind("Could not", 0) == 0;
    };
    int shown = 0;
    run.host.on<manage::CCourseDlg>([&](manage::CCourseDlg& d) {
        if (shown++ > 0)
            return d.cancel(); // shown again after a duplicate course
        using manage::CourseText;
        const CourseText fields[] = {CourseText::Name, CourseText::City,   CourseText::State,
                                     CourseText::Tee,  CourseText::Rating, CourseText::Slope};
        for (std::size_t i = 0; i < 6; ++i)
            d.setText(fields[i], values[i]);
        d.setText(CourseText::Zip, zip);
        d.setText(CourseText::Phone, phone);
        for (int h = 1; h <= 18; ++h) {
            d.setHoleText(manage::CourseRow::Par, h,
                          std::to_string(pars->at(static_cast<std::size_t>(h - 1))));
            d.setHoleText(manage::CourseRow::Yardage, h,
                          std::to_string(yards->at(static_cast<std::size_t>(h - 1))));
            if (strokeIndex)
                d.setStrokeIndexText(h, std::to_string(strokeIndex->at(static_cast<std::size_t>(h - 1))));
        }
        d.setMeters(meters);
        const int result = d.pressSaveAndQuit();
        if (result == manage::dialogStayOpen) {
            refused = true;
            return d.cancel();
        }
        return result;
    });
    run.host.on<manage::CMessageDlg>([&call](manage::CMessageDlg& d) {
        call.out << d.text() << '\n';
        return d.ok();
    });
    auto services = run.services();
    const auto result = manage::addCourse(services);
    if (result.rowsWritten > 0)
        return exitOk;
    if (result.lastError != 0)
        return exitDatabase;
    return exitFailure;
}

} // namespace kip::cli
