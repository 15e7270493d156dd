// kipgolf-cli report handicaps | course-handicaps | handicap-scores | handicap: the handicap listings
// as their "Print" buttons print them, built by the window's own listing models.

#include "cli/CliCommand.h"
#include "cli/CliSession.h"
#include "handicap/CHandicapHistoryDlg.h"
#include "handicap/HandicapListingCommands.h"
#include "report/CListDlg.h"

#include <algorithm>

namespace kip::cli {
namespace {

using handicap::HandicapOrder;

// The golfer and course named on the command line stand for the choices of the selection dialogs.
handicap::ListingServices chosen(std::optional<long> golfer, std::optional<long> course) {
    handicap::ListingServices services;
    services.chooseGolfer = [golfer] { return golfer; };
    services.chooseCourse = [course] { return course; };
    return services;
}

HandicapOrder orderFrom(std::vector<std::string>& args) {
    const auto flag = std::find(args.begin(), args.end(), "--by-handicap");
    if (flag == args.end())
        return HandicapOrder::ByGolfer;
    args.erase(flag);
    return HandicapOrder::ByHandicap;
}

int printList(CliSession& session, const handicap::ListingServices& services, HandicapOrder order,
              bool courseForm) {
    bool shown = false;
    session.dialogs.on<report::CListDlg>([&](report::CListDlg& d) {
        shown = true;
        session.call.out << d.title() << '\n';
        for (const auto& line : d.texts())
            session.call.out << line << '\n';
        return d.ok();
    });
    if (courseForm)
        handicap::showCourseHandicaps(session.dialogs, session.doc, services, order);
    else
        handicap::showAllHandicaps(session.dialogs, session.doc, services, order);
    if (!shown) {
        session.call.err << "kipgolf-cli: the course row could not be read\n";
        return exitWriteFailed;
    }
    return exitDone;
}

int printScores(CliSession& session, const handicap::ListingServices& services, bool allGolfers) {
    session.dialogs.on<report::CListDlg>([&](report::CListDlg& d) {
        for (const auto& line : d.lines())
            session.call.out << line.text << '\n';
        return d.ok();
    });
    if (allGolfers)
        handicap::showAllHandicapScores(session.dialogs, session.doc, services);
    else
        handicap::showHandicapScores(session.dialogs, session.doc, services);
    const bool failed = !session.prompter.messages.empty();
    session.prompter.print(session.call, !failed);
    return failed ? exitWriteFailed : exitDone;
}

int printHistory(CliSession& session, const handicap::ListingServices& services) {
    session.dialogs.on<handicap::CHandicapHistoryDlg>([&](handicap::CHandicapHistoryDlg& d) {
        for (const auto& line : d.lines())
            session.call.out << line << '\n';
        return d.ok();
    });
    handicap::showHandicapHistory(session.dialogs, session.doc, services);
    const bool failed = !session.prompter.messages.empty();
    session.prompter.print(session.call, !failed);
    return failed ? exitWriteFailed : exitDone;
}

int usageError(Invocation& call) {
    call.err << "usage: kipgolf-cli report handicaps [--by-handicap]\n"
                "       kipgolf-cli report course-handicaps \"Course\" \"Tee\" [--by-handicap]\n"
                "       kipgolf-cli report handicap-scores --all\n"
                "       kipgolf-cli report handicap \"Last, First\"\n"
                "       kipgolf-cli report history \"Last, First\"\n";
    return exitBadUsage;
}

} // namespace

int runHandicapReport(Invocation& call, const std::string& kind, const std::vector<std::string>& arguments) {
    std::vector<std::string> args = arguments;
    const HandicapOrder order = orderFrom(args);
    const bool ordered = kind == "handicaps" || kind == "course-handicaps";
    if (!ordered && order == HandicapOrder::ByHandicap)
        return usageError(call);
    CliSession session(call);
    if (kind == "handicaps" && args.empty()) {
        if (!session.open())
            return session.openFailure();
        return printList(session, chosen(std::nullopt, std::nullopt), order, false);
    }
    if (kind == "course-handicaps" && args.size() == 2) {
        if (!session.open())
            return session.openFailure();
        const auto course = namedCourse(session, args[0], args[1]);
        if (!course)
            return exitRefused;
        return printList(session, chosen(std::nullopt, course), order, true);
    }
    if (kind == "handicap-scores" && args.size() == 1 && args[0] == "--all") {
        if (!session.open())
            return session.openFailure();
        return printScores(session, chosen(std::nullopt, std::nullopt), true);
    }
    if ((kind == "handicap" || kind == "history") && args.size() == 1) {
        if (!session.open())
            return session.openFailure();
        if (args[0].empty() || session.doc.golferTable().find(args[0]) != store::storeOk) {
            call.err << "kipgolf-cli: no golfer named \"" << args[0] << "\"\n";
            return exitRefused;
        }
        const long golfer = session.doc.golferTable().recordNumber();
        if (kind == "history")
            return printHistory(session, chosen(golfer, std::nullopt));
        return printScores(session, chosen(golfer, std::nullopt), false);
    }
    return usageError(call);
}

} // namespace kip::cli
