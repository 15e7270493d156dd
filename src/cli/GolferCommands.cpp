// kipgolf-cli golfers and golfer add|rename|delete: the golfer commands of the window, played with
// the command line's values.

#include "manage/GolferCommands.h"
#include "cli/CliCommand.h"
#include "cli/CliSession.h"
#include "manage/CNumberRoundsDlg.h"
#include "manage/CPeopleDlg.h"
#include "manage/CSelectPersonDlg.h"

namespace kip::cli {
namespace {

using manage::CNumberRoundsDlg;
using manage::CPeopleDlg;
using manage::CSelectPersonDlg;
using manage::GolferOutcome;

constexpr const char* golferUsage =
    "usage: kipgolf-cli golfer add \"Last\" \"First\" [--team N] [--handicap X --rounds N] [--street S]\n"
    "                          [--city C] [--state S] [--zip Z] [--phone P]\n"
    "       kipgolf-cli golfer rename \"Last, First\" \"NewLast\" \"NewFirst\"\n"
    "       kipgolf-cli golfer delete \"Last, First\"\n";

int usageError(Invocation& call) {
    call.err << golferUsage;
    return exitBadUsage;
}

int finish(CliSession& session, GolferOutcome outcome) {
    const bool succeeded = outcome == GolferOutcome::Done || outcome == GolferOutcome::RoundsChanged;
    session.prompter.print(session.call, succeeded);
    switch (outcome) {
    case GolferOutcome::Done:
    case GolferOutcome::RoundsChanged:
        return exitDone;
    case GolferOutcome::Failed:
    case GolferOutcome::Incomplete:
        return exitWriteFailed;
    default:
        return exitRefused;
    }
}

// Opens the session and has Select Golfer choose the golfer the command names after its action (a
// single golfer is chosen without it); the exit code when either fails, exitDone otherwise.
int openOnNamedGolfer(CliSession& session) {
    if (!session.open())
        return session.openFailure();
    const std::string key = session.call.args[1];
    if (key.empty() || session.doc.golferTable().find(key) != store::storeOk) {
        session.call.err << "kipgolf-cli: no golfer named \"" << key << "\"\n";
        return exitRefused;
    }
    session.dialogs.on<CSelectPersonDlg>([key](CSelectPersonDlg& d) {
        d.selectKey(key);
        return closedOr(d.ok(), CSelectPersonDlg::staysOpen);
    });
    return exitDone;
}

int addGolfer(Invocation& call) {
    std::vector<std::string> args(call.args.begin() + 1, call.args.end());
    bool bad = false;
    const auto team = takeOption(args, "--team", bad);
    const auto handicap = takeOption(args, "--handicap", bad);
    const auto rounds = takeOption(args, "--rounds", bad);
    const std::pair<CPeopleDlg::Field, std::optional<std::string>> texts[] = {
        {CPeopleDlg::Street, takeOption(args, "--street", bad)},
        {CPeopleDlg::City, takeOption(args, "--city", bad)},
        {CPeopleDlg::State, takeOption(args, "--state", bad)},
        {CPeopleDlg::Zip, takeOption(args, "--zip", bad)},
        {CPeopleDlg::Phone, takeOption(args, "--phone", bad)},
    };
    if (bad || args.size() != 2 || handicap.has_value() != rounds.has_value())
        return usageError(call);

    CliSession session(call);
    if (!session.open())
        return session.openFailure();
    const std::string last = args[0];
    const std::string first = args[1];
    const bool initial = handicap.has_value();
    session.dialogs.on<CPeopleDlg>([&](CPeopleDlg& d) {
        d.setText(CPeopleDlg::LastName, last);
        d.setText(CPeopleDlg::FirstName, first);
        if (team)
            d.setText(CPeopleDlg::Team, *team);
        for (const auto& [field, value] : texts)
            if (value)
                d.setText(field, *value);
        d.setWantsInitialHandicap(initial);
        return closedOr(d.save(), CPeopleDlg::staysOpen);
    });
    if (initial)
        session.dialogs.on<CNumberRoundsDlg>([&](CNumberRoundsDlg& d) {
            d.setHandicapText(*handicap);
            d.setRoundsText(*rounds);
            return d.ok();
        });
    // An initial handicap refused at entry ends the command without adding the golfer.
    bool refusedHandicap = false;
    if (initial) {
        CNumberRoundsDlg check(session.prompter, first, last);
        check.setHandicapText(*handicap);
        check.setRoundsText(*rounds);
        refusedHandicap = check.ok() != platform::dialogOk;
    }
    if (refusedHandicap)
        return finish(session, GolferOutcome::Refused);
    return finish(session, manage::addNewGolfer(session.dialogs, session.doc));
}

int renameGolfer(Invocation& call) {
    if (call.args.size() != 4)
        return usageError(call);
    CliSession session(call);
    if (const int failed = openOnNamedGolfer(session); failed != exitDone)
        return failed;
    const std::string last = call.args[2];
    const std::string first = call.args[3];
    session.dialogs.on<CPeopleDlg>([&](CPeopleDlg& d) {
        d.setText(CPeopleDlg::LastName, last);
        d.setText(CPeopleDlg::FirstName, first);
        return closedOr(d.save(), CPeopleDlg::staysOpen);
    });
    return finish(session, manage::changeGolferInformation(session.dialogs, session.doc));
}

int deleteGolfer(Invocation& call) {
    if (call.args.size() != 2)
        return usageError(call);
    CliSession session(call);
    if (const int failed = openOnNamedGolfer(session); failed != exitDone)
        return failed;
    return finish(session, manage::deleteGolfer(session.dialogs, session.doc));
}

} // namespace

int runGolfers(Invocation& call) {
    if (!call.args.empty()) {
        call.err << "usage: kipgolf-cli golfers\n";
        return exitBadUsage;
    }
    CliSession session(call);
    if (!session.open())
        return session.openFailure();
    for (const auto& line : session.doc.golferList())
        call.out << line.record << '\t' << line.text << '\n';
    return exitDone;
}

int runGolfer(Invocation& call) {
    const std::string action = call.args.empty() ? "" : call.args[0];
    if (action == "add")
        return addGolfer(call);
    if (action == "rename")
        return renameGolfer(call);
    if (action == "delete")
        return deleteGolfer(call);
    return usageError(call);
}

} // namespace kip::cli
