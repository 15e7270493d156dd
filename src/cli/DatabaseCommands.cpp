// kipgolf-cli init, backup, restore and compress: the database-wide commands for scripts. They
// run the program's own commands with every question answered Yes and every message printed.

#include "cli/CliCommand.h"
#include "golfdb/CKipGolfDoc.h"
#include "golfdb/DataFolder.h"
#include "golfdb/DatabaseBackup.h"
#include "platform/Clock.h"
#include "platform/FileOps.h"
#include "platform/FolderChooser.h"
#include "platform/IniSettingsStore.h"
#include "platform/Prompter.h"
#include "platform/UserFolders.h"

#include <filesystem>

namespace kip::cli {
namespace {

namespace fs = std::filesystem;

// Prints each message (errors and warnings to stderr) and answers every question with Yes.
class PrintingPrompter : public platform::Prompter {
public:
    PrintingPrompter(std::ostream& out, std::ostream& err, bool printQuestions = false)
        : out_(out), err_(err), printQuestions_(printQuestions) {}

    platform::Answer show(const platform::Message& message) override {
        const bool question = message.buttons != platform::Buttons::Ok;
        if (message.icon == platform::Icon::Error || message.icon == platform::Icon::Warning)
            err_ << message.text << '\n';
        else if (!question || printQuestions_)
            out_ << message.text << '\n';
        return question ? platform::Answer::Yes : platform::Answer::Ok;
    }

private:
    std::ostream& out_;
    std::ostream& err_;
    bool printQuestions_;
};

// The folder named on the command line, refused when it is not an existing folder.
class ArgumentFolderChooser : public platform::FolderChooser {
public:
    ArgumentFolderChooser(std::string folder, std::ostream& err) : folder_(std::move(folder)), err_(err) {}

    std::optional<std::string> chooseFolder(const std::string&) override {
        std::error_code ec;
        if (!fs::is_directory(folder_, ec)) {
            err_ << "kipgolf-cli: " << folder_ << " is not a folder\n";
            return std::nullopt;
        }
        std::string path = fs::absolute(folder_, ec).lexically_normal().string();
        return ec ? folder_ : path;
    }

private:
    std::string folder_;
    std::ostream& err_;
};

bool isDefaultDataFolder(const std::string& dataDir) {
    return dataDir == golfdb::dataDirectoryFor(golfdb::DataDirChoice{});
}

int exitCodeOf(golfdb::CommandOutcome outcome, const golfdb::CKipGolfDoc& doc) {
    if (doc.endRequested())
        return doc.exitCode();
    return outcome == golfdb::CommandOutcome::Succeeded ? exitOk : exitFailure;
}

// The existing database of the data folder, opened as the program opens it but never created.
bool openExisting(golfdb::CKipGolfDoc& doc, Invocation& call) {
    if (!fs::exists(doc.dataDir() + "Courses.dbf")) {
        call.err << "kipgolf-cli: no golf database in " << doc.dataDir() << '\n';
        return false;
    }
    return doc.openDatabase() != golfdb::OpenOutcome::EndProgram;
}

struct BackupRun {
    explicit BackupRun(Invocation& call, const std::string& folder = {})
        : prompter(call.out, call.err), chooser(folder, call.err),
          settings(platform::IniSettingsStore::defaultPath()), doc(call.dataDir, prompter),
          backup(doc, prompter, chooser, settings, clock, files) {}

    PrintingPrompter prompter;
    ArgumentFolderChooser chooser;
    platform::IniSettingsStore settings;
    platform::SystemClock clock;
    platform::LocalFileOps files;
    golfdb::CKipGolfDoc doc;
    golfdb::DatabaseBackup backup;
};

} // namespace

int runInit(Invocation& call) {
    if (!call.args.empty()) {
        call.err << "usage: kipgolf-cli init\n";
        return exitUsage;
    }
    if (isDefaultDataFolder(call.dataDir)) {
        platform::LocalFileOps files;
        platform::IniSettingsStore settings(platform::IniSettingsStore::defaultPath());
        platform::SystemClock clock;
        const int rc = golfdb::prepareDefaultDataFolder(call.dataDir, files, settings, clock);
        if (rc != 0) {
            call.err << "kipgolf-cli: could not make the data folder " << call.dataDir << " (rc = " << rc
                     << ")\n";
            return exitFailure;
        }
    }
    PrintingPrompter prompter(call.out, call.err, false);
    golfdb::CKipGolfDoc doc(call.dataDir, prompter);
    switch (doc.openDatabase()) {
    case golfdb::OpenOutcome::Created:
        call.out << "Golf databases created in " << call.dataDir << '\n';
        return exitOk;
    case golfdb::OpenOutcome::Opened:
        call.out << "Golf databases already exist in " << call.dataDir << '\n';
        return exitOk;
    case golfdb::OpenOutcome::EndProgram:
        break;
    }
    return doc.exitCode();
}

int runBackup(Invocation& call) {
    if (call.args.size() != 1) {
        call.err << "usage: kipgolf-cli backup FOLDER\n";
        return exitUsage;
    }
    BackupRun run(call, call.args[0]);
    if (!openExisting(run.doc, call))
        return run.doc.endRequested() ? run.doc.exitCode() : exitFailure;
    return exitCodeOf(run.backup.backupDatabases(), run.doc);
}

int runRestore(Invocation& call) {
    if (call.args.size() != 1) {
        call.err << "usage: kipgolf-cli restore FOLDER\n";
        return exitUsage;
    }
    BackupRun run(call, call.args[0]);
    // A data folder without tables can still be restored into; one with tables is opened first
    // so that the restore closes and reopens them as the program does.
    if (fs::exists(run.doc.dataDir() + "Courses.dbf") && !openExisting(run.doc, call))
        return run.doc.exitCode();
    return exitCodeOf(run.backup.restoreDatabases(), run.doc);
}

int runCompress(Invocation& call) {
    if (!call.args.empty()) {
        call.err << "usage: kipgolf-cli compress\n";
        return exitUsage;
    }
    BackupRun run(call);
    if (!openExisting(run.doc, call))
        return run.doc.endRequested() ? run.doc.exitCode() : exitFailure;
    return exitCodeOf(run.backup.compressDatabases(), run.doc);
}

} // namespace kip::cli
