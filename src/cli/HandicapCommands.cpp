// kipgolf-cli handicap, recalc and rule: the handicap commands for scripts.

#include "handicap/HandicapCommands.h"
#include "cli/CliCommand.h"
#include "golfdb/GolferTable.h"
#include "golfdb/ScoreTable.h"
#include "handicap/HandicapIndex.h"
#include "handicap/HandicapRecalculation.h"
#include "handicap/HandicapRule.h"
#include "handicap/ScoreLines.h"
#include "platform/IniSettingsStore.h"
#include "store/TableStore.h"

namespace kip::cli {
namespace {

int ruleInForce() {
    platform::IniSettingsStore settings(platform::IniSettingsStore::defaultPath());
    return settings.readInt(handicap::handicapSection, handicap::ruleSetting, handicap::RuleUsga);
}

// The golfer and score tables of the data folder, opened as they are (never created here).
class HandicapTables {
public:
    explicit HandicapTables(const std::string& dataDir)
        : golfers(dataDir + "Golfers"), scores(dataDir + "Scores") {}
    ~HandicapTables() {
        scores.close();
        golfers.close();
    }
    HandicapTables(const HandicapTables&) = delete;
    HandicapTables& operator=(const HandicapTables&) = delete;

    bool open(Invocation& call) {
        const int golfersRc = golfers.open();
        const int scoresRc = golfersRc == store::storeOk ? scores.open() : golfersRc;
        if (scoresRc == store::storeOk) {
            scores.selectRoundsUsedTable(ruleInForce());
            return true;
        }
        call.err << "kipgolf-cli: could not open the golf database in " << call.dataDir
                 << " (rc = " << scoresRc << ")\n";
        return false;
    }

    golfdb::GolferTable golfers;
    golfdb::ScoreTable scores;
};

} // namespace

int runHandicap(Invocation& call) {
    if (call.args.size() != 1) {
        call.err << "usage: kipgolf-cli handicap \"Last, First\"\n";
        return exitUsage;
    }
    const std::string& name = call.args[0];
    HandicapTables tables(call.dataDir);
    if (!tables.open(call))
        return exitDatabase;
    if (name.empty() || tables.golfers.find(name) != store::storeOk) {
        call.err << "kipgolf-cli: no golfer named \"" << name << "\"\n";
        return exitFailure;
    }
    const std::string key = tables.golfers.record().name;
    handicap::HandicapListing listing;
    const auto result = handicap::computeHandicapIndex(tables.scores, key, &listing);
    const auto parts = golfdb::GolferTable::splitName(key);
    golfdb::ItemList lines;
    handicap::buildScoreLines(std::move(listing), parts.first, parts.last, result.index, lines,
                              tables.scores.handicapRule());
    for (const auto& line : lines)
        call.out << line.text << '\n';
    return exitOk;
}

int runRecalc(Invocation& call) {
    if (!call.args.empty()) {
        call.err << "usage: kipgolf-cli recalc\n";
        return exitUsage;
    }
    HandicapTables tables(call.dataDir);
    if (!tables.open(call))
        return exitDatabase;
    const auto result = handicap::recalculateAllHandicaps(tables.golfers, tables.scores, nullptr);
    const std::string outcome = handicap::recalculationOutcome(result);
    if (!result.succeeded()) {
        call.err << outcome << '\n';
        return exitFailure;
    }
    call.out << outcome << '\n';
    return exitOk;
}

int runRule(Invocation& call) {
    const bool valid =
        call.args.size() == 1 && call.args[0].size() == 1 && call.args[0][0] >= '0' && call.args[0][0] <= '3';
    if (!valid) {
        call.err << "usage: kipgolf-cli rule 0|1|2|3\n";
        return exitUsage;
    }
    platform::IniSettingsStore settings(platform::IniSettingsStore::defaultPath());
    const int rule = call.args[0][0] - '0';
    settings.writeInt(handicap::handicapSection, handicap::ruleSetting, rule);
    if (settings.readInt(handicap::handicapSection, handicap::ruleSetting, -1) != rule) {
        call.err << "kipgolf-cli: could not store the rule in " << settings.path() << '\n';
        return exitFailure;
    }
    return exitOk;
}

} // namespace kip::cli
