#pragma once
// Kills a child process at random moments of the golf database's write sequences and proves after
// each kill that the database opens, that no confirmed row is lost or duplicated, and that every
// index agrees with its table. Used by the crash test (a few kills) and by bench_kill (many).
//
// The child reports each step on a pipe: an intent line ("A key", "D key", "M old new", "P", ...)
// before it starts and "ok" when the step is confirmed (written and synced). The last intent
// without "ok" may have happened or not, but never half.

#include "golfdb/CKipGolfDoc.h"
#include "golfdb/DatabaseBackup.h"
#include "golfdb/StagedFiles.h"
#include "golfdb/WriterLock.h"
#include "platform/Clock.h"
#include "platform/FileOps.h"
#include "platform/FolderChooser.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "store/DbfExaminer.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace kip::killtest {

namespace fs = std::filesystem;

enum class Operation { Append, Change, Delete, Pack, Backup, Restore, Recalc };
inline const char* operationName(Operation op) {
    static const char* names[] = {"append", "change", "delete", "pack", "backup", "restore", "recalc"};
    return names[static_cast<int>(op)];
}

struct Outcome {
    int kills = 0;
    int opened = 0;         // the database opened after the kill
    int rowsFaulty = 0;     // a confirmed row lost, a deleted one back, a row twice or from nowhere
    int indexFaulty = 0;    // an index disagreed with its table after the open
    int mixedSets = 0;      // a backup or restore left tables of different moments
    int indexesRebuilt = 0; // opens that rebuilt an index (a kill between table and index write)
    int finishedBefore = 0; // the child was done before the kill came
    std::vector<std::string> faults;
};

class SilentPrompter : public platform::Prompter {
public:
    platform::Answer show(const platform::Message& m) override {
        if (m.icon == platform::Icon::Information && m.text.find("has been rebuilt") != std::string::npos)
            ++rebuilt;
        return m.buttons == platform::Buttons::YesNo ? platform::Answer::Yes : platform::Answer::Ok;
    }
    int rebuilt = 0;
};

class FixedFolder : public platform::FolderChooser {
public:
    explicit FixedFolder(std::string folder) : folder_(std::move(folder)) {}
    std::optional<std::string> chooseFolder(const std::string&) override { return folder_; }

private:
    std::string folder_;
};

class NoSettings : public platform::SettingsStore {
public:
    int readInt(const std::string&, const std::string&, int fallback) override { return fallback; }
    void writeInt(const std::string&, const std::string&, int) override {}
    std::string readText(const std::string&, const std::string&, const std::string& fallback) override {
        return fallback;
    }
    void writeText(const std::string&, const std::string&, const std::string&) override {}
};

class TodayClock : public platform::Clock {
public:
    platform::Date today() override { return {2026, 12, 9}; }
};

// Dates far from the filled ones, one per number: every row key is unique.
inline std::string dateOf(long n) {
    char text[32];
    std::snprintf(text, sizeof text, "%04ld%02ld%02ld", 2100 + n / 336, 1 + (n / 28) % 12, 1 + n % 28);
    return text;
}

inline std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class Harness {
public:
    // folder: an empty data folder; backupFolder: an empty folder for the backup set.
    Harness(std::string folder, std::string backupFolder, std::string cliPath, int golfers, int roundsEach,
            unsigned seed)
        : dir_(std::move(folder)), backup_(std::move(backupFolder)), cli_(std::move(cliPath)), random_(seed) {
        SilentPrompter prompter;
        golfdb::CKipGolfDoc doc(dir_, prompter);
        doc.openDatabase();
        for (int g = 0; g < golfers; ++g) {
            doc.golferTable().record().clear();
            doc.golferTable().joinName("Golfer" + std::to_string(g), "Kill");
            doc.golferTable().add();
            for (int r = 0; r < roundsEach; ++r)
                addRound(doc, "Golfer" + std::to_string(g) + ", Kill", dateOf(next_++));
        }
        doc.syncAll();
        rows_ = liveKeys(doc, nullptr);
        golfers_ = golferNames(doc);
    }

    // Rows one append, change or delete child writes (each synced) before it ends by itself.
    void setStepsPerChild(int steps) { steps_ = steps; }

    // Runs `kills` kills of the operation, each after a random delay within the time one whole run
    // of it takes, and checks the database after each.
    void run(Operation op, int kills, Outcome& outcome) {
        const double whole = std::max(0.002, timeWholeRun(op));
        std::uniform_real_distribution<double> moment(0.0, whole * 1.2);
        for (int k = 0; k < kills; ++k) {
            prepare(op);
            const Snapshot before = snapshot();
            int pipeFds[2];
            if (::pipe(pipeFds) != 0)
                return;
            const pid_t child = ::fork();
            if (child == 0) {
                ::close(pipeFds[0]);
                runChild(op, pipeFds[1]);
                ::_exit(0);
            }
            ::close(pipeFds[1]);
            ::usleep(static_cast<useconds_t>(moment(random_) * 1e6));
            ::kill(child, SIGKILL);
            int status = 0;
            ::waitpid(child, &status, 0);
            const std::string report = readAll(pipeFds[0]);
            ::close(pipeFds[0]);
            ++outcome.kills;
            if (WIFEXITED(status))
                ++outcome.finishedBefore;
            check(op, before, report, outcome);
        }
    }

private:
    struct Snapshot {
        std::map<std::string, std::string> files; // name -> bytes, data folder and backup folder
    };

    static void addRound(golfdb::CKipGolfDoc& doc, const std::string& golfer, const std::string& date) {
        auto& r = doc.scoreTable().record();
        r.clear();
        r.golfer = golfer;
        r.name = "Alder Run";
        r.tee = "Blue";
        r.slope = 125;
        r.rating = 71.5;
        r.year = std::stoi(date.substr(0, 4));
        r.month = std::stoi(date.substr(4, 2));
        r.day = std::stoi(date.substr(6, 2));
        r.totalStrokes = 80 + static_cast<int>(date.back() - '0');
        doc.scoreTable().add();
    }

    // Live rows by reading every record (not through the index): key -> how often.
    static std::map<std::string, int> liveKeys(golfdb::CKipGolfDoc& doc, int* tagCount) {
        std::map<std::string, int> keys;
        store::Table* t = doc.scoreTable().storeTable();
        store::Field* golfer = store::fieldByName(t, "GOLFER");
        store::Field* date = store::fieldByName(t, "DATE");
        const long n = store::recordCount(t);
        for (long i = 1; i <= n; ++i)
            if (store::goRecord(t, i) == store::storeOk && !store::recordDeleted(t))
                ++keys[store::fieldText(golfer) + store::fieldText(date)];
        if (tagCount) {
            *tagCount = 0;
            for (int rc = doc.scoreTable().goTop(); rc == store::storeOk; rc = doc.scoreTable().skip())
                ++*tagCount;
        }
        return keys;
    }

    static std::map<std::string, int> golferNames(golfdb::CKipGolfDoc& doc) {
        std::map<std::string, int> names;
        store::Table* t = doc.golferTable().storeTable();
        store::Field* name = store::fieldByName(t, "NAME");
        const long n = store::recordCount(t);
        for (long i = 1; i <= n; ++i)
            if (store::goRecord(t, i) == store::storeOk && !store::recordDeleted(t))
                ++names[store::fieldText(name)];
        return names;
    }

    static std::string key(const std::string& golfer, const std::string& date) {
        std::string k = golfer;
        k.resize(40, ' ');
        return k + date;
    }

    static std::string readAll(int fd) {
        std::string text;
        char chunk[4096];
        for (ssize_t n; (n = ::read(fd, chunk, sizeof chunk)) > 0;)
            text.append(chunk, static_cast<size_t>(n));
        return text;
    }

    Snapshot snapshot() const {
        Snapshot s;
        for (const char* t : {"Courses", "Golfers", "Scores"}) {
            s.files[std::string(t) + ".dbf"] = fileText(dir_ + t + ".dbf");
            s.files[std::string(t) + ".bkdbf"] = fileText(backup_ + t + ".bkdbf");
            s.files[std::string(t) + ".bkcdx"] = fileText(backup_ + t + ".bkcdx");
        }
        return s;
    }

    double timeWholeRun(Operation op) {
        prepare(op);
        const auto start = std::chrono::steady_clock::now();
        const pid_t child = ::fork();
        if (child == 0) {
            const int null = ::open("/dev/null", O_WRONLY);
            runChild(op, null);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        Outcome ignored;
        check(op, Snapshot{}, "", ignored, true);
        return seconds;
    }

    // What each operation needs before it runs: rows to delete, deleted rows to pack away, a
    // backup set that differs from the database.
    void prepare(Operation op) {
        SilentPrompter prompter;
        golfdb::CKipGolfDoc doc(dir_, prompter);
        doc.holdWriterLock();
        doc.openDatabase();
        if (op == Operation::Delete && rows_.size() < 1500)
            for (int i = 0; i < 600; ++i)
                addRound(doc, "Golfer2, Kill", dateOf(next_++));
        if (op == Operation::Pack) {
            int marked = 0;
            for (int rc = doc.scoreTable().goTop(); rc == store::storeOk && marked < 200;
                 rc = doc.scoreTable().skip())
                if (++marked % 3 == 0)
                    doc.scoreTable().remove();
        }
        if (op == Operation::Backup || op == Operation::Restore) {
            if (op == Operation::Restore || !fs::exists(backup_ + "Scores.bkdbf")) {
                FixedFolder chooser(backup_);
                NoSettings settings;
                TodayClock clock;
                platform::LocalFileOps files;
                golfdb::DatabaseBackup(doc, prompter, chooser, settings, clock, files).backupDatabases();
            }
            for (int i = 0; i < 40; ++i)
                addRound(doc, "Golfer0, Kill", dateOf(next_++));
        }
        doc.syncAll();
        rows_ = liveKeys(doc, nullptr);
        golfers_ = golferNames(doc);
    }

    void runChild(Operation op, int out) {
        const auto say = [out](const std::string& line) {
            const std::string text = line + "\n";
            [[maybe_unused]] const ssize_t n = ::write(out, text.data(), text.size());
        };
        if (op == Operation::Recalc) {
            ::dup2(::open("/dev/null", O_WRONLY), 1);
            ::dup2(1, 2);
            const std::string datadir = "/datadir=" + dir_;
            ::execl(cli_.c_str(), cli_.c_str(), datadir.c_str(), "recalc", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        SilentPrompter prompter;
        golfdb::CKipGolfDoc doc(dir_, prompter);
        doc.holdWriterLock();
        if (doc.openDatabase() != golfdb::OpenOutcome::Opened)
            ::_exit(3);
        auto& scores = doc.scoreTable();
        long n = next_ + 500; // dates of this child only
        switch (op) {
        case Operation::Append:
            for (int i = 0; i < steps_; ++i) {
                const std::string date = dateOf(n++);
                say("A " + key("Golfer1, Kill", date));
                addRound(doc, "Golfer1, Kill", date);
                scores.sync();
                say("ok");
            }
            break;
        case Operation::Change:
        case Operation::Delete: {
            std::vector<long> records;
            for (int rc = scores.goTop();
                 rc == store::storeOk && records.size() < static_cast<size_t>(steps_); rc = scores.skip())
                records.push_back(scores.recordNumber());
            for (long record : records) {
                if (scores.goTo(record) != store::storeOk)
                    continue;
                const std::string old = key(scores.record().golfer, scores.record().dateText());
                if (op == Operation::Delete) {
                    say("D " + old);
                    scores.remove();
                } else {
                    const std::string date = dateOf(n++);
                    say("M " + old + "|" + key(scores.record().golfer, date));
                    scores.record().year = std::stoi(date.substr(0, 4));
                    scores.record().month = std::stoi(date.substr(4, 2));
                    scores.record().day = std::stoi(date.substr(6, 2));
                    scores.change();
                }
                scores.sync();
                say("ok");
            }
            break;
        }
        case Operation::Pack:
        case Operation::Backup:
        case Operation::Restore: {
            FixedFolder chooser(backup_);
            NoSettings settings;
            TodayClock clock;
            platform::LocalFileOps files;
            golfdb::DatabaseBackup backup(doc, prompter, chooser, settings, clock, files);
            say("P");
            if (op == Operation::Pack)
                backup.compressDatabases();
            else if (op == Operation::Backup)
                backup.backupDatabases();
            else
                backup.restoreDatabases();
            say("ok");
            break;
        }
        case Operation::Recalc:
            break;
        }
    }

    void fault(Outcome& outcome, int& counter, const std::string& text) {
        ++counter;
        if (outcome.faults.size() < 20)
            outcome.faults.push_back(text);
    }

    void check(Operation op, const Snapshot& before, const std::string& report, Outcome& outcome,
               bool wholeRun = false) {
        // The rows the child confirmed change what must be there; its last unconfirmed step may
        // or may not have happened.
        std::map<std::string, int> expected = rows_;
        std::set<std::string> maybePresent, maybeAbsent;
        std::istringstream lines(report);
        std::string intent;
        for (std::string line; std::getline(lines, line);) {
            if (line != "ok") {
                intent = line;
                continue;
            }
            if (intent.rfind("A ", 0) == 0)
                expected[intent.substr(2)] = 1;
            else if (intent.rfind("D ", 0) == 0)
                expected.erase(intent.substr(2));
            else if (intent.rfind("M ", 0) == 0) {
                const auto bar = intent.find('|');
                expected.erase(intent.substr(2, bar - 2));
                expected[intent.substr(bar + 1)] = 1;
            }
            intent.clear();
        }
        std::string movedFrom, movedTo;
        if (intent.rfind("A ", 0) == 0)
            maybePresent.insert(intent.substr(2));
        else if (intent.rfind("D ", 0) == 0)
            maybeAbsent.insert(intent.substr(2));
        else if (intent.rfind("M ", 0) == 0) {
            const auto bar = intent.find('|');
            movedFrom = intent.substr(2, bar - 2);
            movedTo = intent.substr(bar + 1);
        }

        SilentPrompter prompter;
        golfdb::CKipGolfDoc doc(dir_, prompter);
        doc.holdWriterLock();
        if (doc.openDatabase() != golfdb::OpenOutcome::Opened) {
            fault(outcome, outcome.rowsFaulty,
                  std::string(operationName(op)) + ": the database does not open");
            return;
        }
        ++outcome.opened;
        outcome.indexesRebuilt += prompter.rebuilt;
        int inTag = 0;
        const auto actual = liveKeys(doc, &inTag);
        const auto golfers = golferNames(doc);
        long live = 0;
        for (const auto& [k, count] : actual) {
            live += count;
            if (count > 1)
                fault(outcome, outcome.rowsFaulty, std::string(operationName(op)) + ": row twice: " + k);
        }
        if (inTag != live)
            fault(outcome, outcome.indexFaulty,
                  std::string(operationName(op)) + ": tag walk " + std::to_string(inTag) + " rows, table " +
                      std::to_string(live));
        for (const char* t : {"Courses", "Golfers", "Scores"}) {
            store::DbfExaminer examiner;
            if (examiner.open(dir_ + t + ".dbf") != store::storeOk || !examiner.check().empty())
                fault(outcome, outcome.indexFaulty, std::string(operationName(op)) + ": index of " + t);
        }
        if (golfers != golfers_)
            fault(outcome, outcome.rowsFaulty, std::string(operationName(op)) + ": golfer rows changed");
        if (op == Operation::Restore && !wholeRun) {
            // The tables are all of the database before the restore or all of the backup.
            bool allOld = true, allNew = true;
            for (const char* t : {"Courses", "Golfers", "Scores"}) {
                const std::string now = fileText(dir_ + t + ".dbf");
                allOld = allOld && now == before.files.at(std::string(t) + ".dbf");
                allNew = allNew && now == before.files.at(std::string(t) + ".bkdbf");
            }
            if (!allOld && !allNew)
                fault(outcome, outcome.mixedSets, "restore: tables of different moments");
        } else if (op == Operation::Backup && !wholeRun) {
            platform::LocalFileOps files;
            golfdb::settleStagedFiles(backup_, files);
            bool allOld = true, allNew = true;
            for (const char* t : {"Courses", "Golfers", "Scores"})
                for (const char* ext : {".bkdbf", ".bkcdx"}) {
                    const std::string name = std::string(t) + ext;
                    const std::string now = fileText(backup_ + name);
                    allOld = allOld && now == before.files.at(name);
                    const std::string source = dir_ + t + (std::string(ext) == ".bkdbf" ? ".dbf" : ".cdx");
                    allNew = allNew && now == fileText(source);
                }
            if (!allOld && !allNew)
                fault(outcome, outcome.mixedSets, "backup: a set of different moments");
        } else if (!wholeRun) {
            for (const auto& [k, count] : actual)
                if (!expected.count(k) && !maybePresent.count(k) && k != movedTo)
                    fault(outcome, outcome.rowsFaulty,
                          std::string(operationName(op)) + ": row from nowhere " + k);
            for (const auto& [k, count] : expected)
                if (!actual.count(k) && !maybeAbsent.count(k) && k != movedFrom)
                    fault(outcome, outcome.rowsFaulty, std::string(operationName(op)) + ": row lost " + k);
            if (!movedFrom.empty() && actual.count(movedFrom) + actual.count(movedTo) != 1)
                fault(outcome, outcome.rowsFaulty,
                      std::string(operationName(op)) + ": a changed row twice or lost");
        }
        rows_ = actual;
        golfers_ = golfers;
        next_ += 1000;
    }

    std::string dir_;
    std::string backup_;
    std::string cli_;
    std::mt19937 random_;
    long next_ = 0;
    int steps_ = 300;
    std::map<std::string, int> rows_;
    std::map<std::string, int> golfers_;
};

} // namespace kip::killtest
