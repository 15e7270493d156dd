// kipgolf-cli rounds, round add-total|delete and year delete: the window's round commands played
// with the command line's values.

#include "cli/CliCommand.h"
#include "cli/CliSession.h"
#include "exchange/RoundTextFile.h"
#include "manage/CSelectPersonDlg.h"
#include "platform/Clock.h"
#include "platform/IniSettingsStore.h"
#include "rounds/CScoresDlg.h"
#include "rounds/CTotalScoreDlg.h"
#include "rounds/RoundCommands.h"
#include "rounds/RoundSelectionDlgs.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <vector>

namespace kip::cli {
namespace {

constexpr const char* roundUsage =
    "usage: kipgolf-cli round add \"Last, First\" \"Course\" \"Tee\" FILE [--pcc N]\n"
    "       kipgolf-cli round add-total \"Last, First\" \"Course\" \"Tee\" YYYYMMDD TOTAL [--accept] [--pcc "
    "N]\n"
    "       kipgolf-cli round delete \"Last, First\" RECNO...\n";

bool allDigits(const std::string& text, std::size_t length) {
    return text.size() == length && std::all_of(text.begin(), text.end(), [](char c) {
               return std::isdigit(static_cast<unsigned char>(c));
           });
}

bool knownGolfer(CliSession& session, const std::string& key) {
    if (!key.empty() && session.doc.golferTable().find(key) == store::storeOk)
        return true;
    session.call.err << "kipgolf-cli: no golfer named \"" << key << "\"\n";
    return false;
}

// Takes "--pcc N" out of the arguments: the text to type into the PCC field, "" when not given, or
// nothing when the option has no value.
std::optional<std::string> takePcc(std::vector<std::string>& args) {
    const auto at = std::find(args.begin(), args.end(), "--pcc");
    if (at == args.end())
        return std::string();
    if (at + 1 == args.end())
        return std::nullopt;
    std::string value = *(at + 1);
    args.erase(at, at + 2);
    if (value.empty())
        return std::nullopt;
    return value;
}

// The PCC field is shown under the World Handicap System only; typing into a hidden field is refused.
template <class Dialog> bool typePcc(Dialog& dialog, const std::string& pcc, Invocation& call) {
    if (pcc.empty() || dialog.changePccText(pcc))
        return true;
    call.err << "kipgolf-cli: refused: the PCC is kept only under the World Handicap System (rule 3)\n";
    return false;
}

void chooseGolfer(CliSession& session, const std::string& key) {
    session.dialogs.on<manage::CSelectPersonDlg>([key](manage::CSelectPersonDlg& d) {
        d.selectKey(key);
        return closedOr(d.ok(), manage::CSelectPersonDlg::staysOpen);
    });
}

// The command's services over the session, with the settings file of both programs.
struct RoundRun {
    explicit RoundRun(CliSession& session)
        : settings(platform::IniSettingsStore::defaultPath()),
          services{session.doc, session.dialogs, session.prompter, settings, clock,  nullptr,
                   false,       nullptr,         nullptr,          nullptr,  nullptr} {}
    platform::IniSettingsStore settings;
    platform::SystemClock clock;
    rounds::RoundServices services;
};

int addTotal(Invocation& call) {
    std::vector<std::string> args(call.args.begin() + 1, call.args.end());
    const auto accept = std::find(args.begin(), args.end(), "--accept");
    const bool accepted = accept != args.end();
    if (accepted)
        args.erase(accept);
    const auto pcc = takePcc(args);
    if (!pcc || args.size() != 5 || !allDigits(args[3], 8) || args[4].empty()) {
        call.err << roundUsage;
        return exitBadUsage;
    }
    CliSession session(call);
    if (!session.open())
        return session.openFailure();
    if (!knownGolfer(session, args[0]))
        return exitRefused;
    const auto course = namedCourse(session, args[1], args[2]);
    if (!course)
        return exitRefused;
    RoundRun run(session);
    run.services.chooseCourse = [course] { return course; };
    chooseGolfer(session, args[0]);
    session.prompter.answers.push_back(platform::Answer::No); // the total only
    if (!accepted)
        session.prompter.answers.push_back(platform::Answer::Cancel); // an excessive total is not saved
    const platform::Date date{std::stoi(args[3].substr(0, 4)), std::stoi(args[3].substr(4, 2)),
                              std::stoi(args[3].substr(6, 2))};
    const std::string total = args[4];
    bool pccRefused = false;
    session.dialogs.on<rounds::CTotalScoreDlg>([&, date, total](rounds::CTotalScoreDlg& d) {
        d.setDatePlayed(date);
        d.changeTotalText(total);
        if (!typePcc(d, *pcc, call)) {
            pccRefused = true;
            return d.cancel();
        }
        return closedOr(d.saveAndQuit(), rounds::stayOpen);
    });
    const int saved = rounds::enterRound(run.services);
    if (pccRefused)
        return exitRefused;
    session.prompter.print(call, saved > 0);
    if (saved > 0)
        return exitDone;
    // The excessive-total question (after the hole-by-hole one) answered Cancel.
    const auto& shown = session.prompter.messages;
    if (!accepted && std::count_if(shown.begin(), shown.end(), [](const platform::Message& m) {
                         return m.buttons != platform::Buttons::Ok;
                     }) > 1)
        call.err << "kipgolf-cli: refused: " << shown.back().text << " (--accept lets it through)\n";
    const bool failedWrite =
        std::any_of(session.prompter.messages.begin(), session.prompter.messages.end(),
                    [](const platform::Message& m) { return m.text.rfind("Could not", 0) == 0; });
    return failedWrite ? exitWriteFailed : exitRefused;
}

int addHoleByHole(Invocation& call) {
    std::vector<std::string> args(call.args.begin(), call.args.end());
    const auto pcc = takePcc(args);
    if (!pcc || args.size() != 5) {
        call.err << roundUsage;
        return exitBadUsage;
    }
    CliSession session(call);
    if (!session.open())
        return session.openFailure();
    const std::string key = args[1];
    if (!knownGolfer(session, key))
        return exitRefused;
    const auto course = namedCourse(session, args[2], args[3]);
    if (!course)
        return exitRefused;
    RoundRun run(session);
    run.services.chooseCourse = [course] { return course; };
    chooseGolfer(session, key);
    session.prompter.answers = {platform::Answer::Yes, platform::Answer::No, platform::Answer::No};
    const std::string path = args[4];
    bool loaded = false;
    bool pccRefused = false;
    session.dialogs.on<rounds::CScoresDlg>([&](rounds::CScoresDlg& d) {
        // A golfer or course in the file that is not the one named is refused (the questions answer No).
        loaded = exchange::readRoundText(path, d, session.prompter) == exchange::roundTextOk;
        if (!loaded)
            return platform::dialogCancel;
        if (!typePcc(d, *pcc, call)) {
            pccRefused = true;
            return platform::dialogCancel;
        }
        return closedOr(d.saveAndQuit(), rounds::stayOpen);
    });
    const int saved = rounds::enterRound(run.services);
    if (pccRefused)
        return exitRefused;
    session.prompter.print(call, saved > 0);
    if (!loaded && session.prompter.messages.size() <= 1)
        call.err << "kipgolf-cli: the round in " << path << " was not loaded\n";
    return saved > 0 ? exitDone : exitRefused;
}

int deleteRounds(Invocation& call) {
    if (call.args.size() < 3) {
        call.err << roundUsage;
        return exitBadUsage;
    }
    std::vector<long> records;
    for (std::size_t i = 2; i < call.args.size(); ++i) {
        const std::string& text = call.args[i];
        if (text.empty() || text.size() > 9 || !allDigits(text, text.size())) {
            call.err << roundUsage;
            return exitBadUsage;
        }
        records.push_back(std::stol(text));
    }
    CliSession session(call);
    if (!session.open())
        return session.openFailure();
    const std::string key = call.args[1];
    if (!knownGolfer(session, key))
        return exitRefused;
    RoundRun run(session);
    chooseGolfer(session, key);
    bool unknown = false;
    session.dialogs.on<rounds::CDeleteScore>([&](rounds::CDeleteScore& d) {
        for (const long record : records) {
            const auto& lines = d.lines();
            const auto at = std::find_if(lines.begin(), lines.end(),
                                         [record](const auto& l) { return l.record == record; });
            if (at == lines.end())
                unknown = true;
            else
                d.setSelected(static_cast<int>(at - lines.begin()), true);
        }
        if (unknown)
            return d.cancel();
        return d.pressDelete();
    });
    const int deleted = rounds::deleteRounds(run.services);
    if (unknown) {
        call.err << "kipgolf-cli: not every record number is a round of \"" << key << "\"\n";
        return exitRefused;
    }
    session.prompter.print(call, deleted > 0);
    return deleted > 0 ? exitDone : exitRefused;
}

} // namespace

int runRounds(Invocation& call) {
    if (call.args.size() != 1) {
        call.err << "usage: kipgolf-cli rounds \"Last, First\"\n";
        return exitBadUsage;
    }
    CliSession session(call);
    if (!session.open())
        return session.openFailure();
    if (!knownGolfer(session, call.args[0]))
        return exitRefused;
    for (const auto& line : session.doc.roundList(call.args[0]))
        call.out << line.record << '\t' << line.text << '\n';
    return exitDone;
}

int runRound(Invocation& call) {
    const std::string action = call.args.empty() ? "" : call.args[0];
    if (action == "add")
        return addHoleByHole(call);
    if (action == "add-total")
        return addTotal(call);
    if (action == "delete")
        return deleteRounds(call);
    call.err << roundUsage;
    return exitBadUsage;
}

int runYear(Invocation& call) {
    if (call.args.size() != 2 || call.args[0] != "delete" || !allDigits(call.args[1], 4)) {
        call.err << "usage: kipgolf-cli year delete YYYY\n";
        return exitBadUsage;
    }
    CliSession session(call);
    if (!session.open())
        return session.openFailure();
    RoundRun run(session);
    const std::string year = call.args[1];
    bool refused = false;
    session.dialogs.on<rounds::CEnterYearDlg>([&](rounds::CEnterYearDlg& d) {
        d.setYearText(year);
        const int result = d.ok();
        refused = result == rounds::CEnterYearDlg::staysOpen;
        return closedOr(result, rounds::CEnterYearDlg::staysOpen);
    });
    rounds::deleteYearRounds(run.services);
    session.prompter.print(call, !refused);
    return refused ? exitRefused : exitDone;
}

} // namespace kip::cli
