// kipgolf-cli export FILE and import FILE: the Export Rounds and Import Rounds commands of the
// window, with FILE as the chooser's answer and the status message printed.

#include "cli/CliCommand.h"
#include "exchange/RoundsCommands.h"
#include "golfdb/CKipGolfDoc.h"
#include "platform/FileChooser.h"
#include "platform/Prompter.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kip::cli {
namespace {

// Keeps the messages; the caller prints them where the outcome says they belong. A question (only
// opening a folder without every table asks one: create them?) is answered No.
class KeepingPrompter : public platform::Prompter {
public:
    platform::Answer show(const platform::Message& message) override {
        messages.push_back(message);
        return message.buttons == platform::Buttons::YesNo ? platform::Answer::No : platform::Answer::Ok;
    }
    void print(std::ostream& to) const {
        for (const auto& message : messages)
            to << message.text << '\n';
    }
    std::vector<platform::Message> messages;
};

// Answers either chooser with the file named on the command line.
class ArgumentFileChooser : public platform::FileChooser {
public:
    explicit ArgumentFileChooser(std::string path) : path_(std::move(path)) {}
    std::optional<std::string> chooseOpen(const platform::FileRequest&) override { return path_; }
    std::optional<std::string> chooseSave(const platform::FileRequest&) override { return path_; }

private:
    std::string path_;
};

struct ExchangeRun {
    explicit ExchangeRun(Invocation& call) : chooser(call.args[0]), doc(call.dataDir, prompter) {}

    // The existing database of the data folder; it is never created here.
    bool open(Invocation& call) {
        std::error_code ec;
        if (!std::filesystem::exists(doc.dataDir() + "Scores.dbf", ec)) {
            call.err << "kipgolf-cli: no golf database in " << doc.dataDir() << '\n';
            return false;
        }
        if (doc.openDatabase() == golfdb::OpenOutcome::EndProgram || doc.endRequested()) {
            prompter.print(call.err);
            return false;
        }
        prompter.messages.clear();
        return true;
    }

    KeepingPrompter prompter;
    ArgumentFileChooser chooser;
    golfdb::CKipGolfDoc doc;
};

bool oneFile(Invocation& call, const char* usage) {
    if (call.args.size() == 1 && !call.args[0].empty())
        return true;
    call.err << "usage: kipgolf-cli " << usage << '\n';
    return false;
}

} // namespace

int runExport(Invocation& call) {
    if (!oneFile(call, "export FILE"))
        return exitUsage;
    ExchangeRun run(call);
    if (!run.open(call))
        return exitDatabase;
    const int result = run.doc.isOpen() ? exchange::exportRoundsCommand(run.doc, run.chooser).value_or(0)
                                        : exchange::roundsFileTableError;
    run.prompter.print(result == exchange::roundsFileDone ? call.out : call.err);
    if (result == exchange::roundsFileTableError)
        return exitDatabase;
    return result == exchange::roundsFileDone ? exitOk : exitFailure;
}

int runImport(Invocation& call) {
    if (!oneFile(call, "import FILE"))
        return exitUsage;
    ExchangeRun run(call);
    if (!run.open(call))
        return exitDatabase;
    const auto summary =
        exchange::importRoundsCommand(run.doc, run.chooser).value_or(exchange::ImportSummary{});
    run.prompter.print(summary.storedAsRead() ? call.out : call.err);
    if (summary.storedAsRead())
        return exitOk;
    return summary.storeFailure != 0 ? exitDatabase : exitFailure;
}

} // namespace kip::cli
