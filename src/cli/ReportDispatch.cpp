// kipgolf-cli report KIND: hands each kind to the command that builds it.

#include "cli/CliCommand.h"
#include "cli/CliSession.h"

namespace kip::cli {

int runReport(Invocation& call) {
    if (!call.args.empty() && isHandicapReport(call.args[0]))
        return runHandicapReport(call);
    call.err << "usage: kipgolf-cli report KIND [ARGS] [LIMITS]\n";
    return exitBadUsage;
}

} // namespace kip::cli
