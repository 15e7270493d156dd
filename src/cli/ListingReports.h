#pragma once
// kipgolf-cli report lowest, putts, course, rounds, points, teams and graph: the listings and the
// statistics graph.

#include "cli/CliCommand.h"

#include <string>
#include <vector>

namespace kip::cli {

int reportLowest(Invocation& call, const std::vector<std::string>& args);
int reportPutts(Invocation& call, const std::vector<std::string>& args);
int reportCourse(Invocation& call, const std::vector<std::string>& args);
int reportRounds(Invocation& call, const std::vector<std::string>& args);
int reportPoints(Invocation& call, const std::vector<std::string>& args);
int reportTeams(Invocation& call, const std::vector<std::string>& args);
int reportGraph(Invocation& call, const std::vector<std::string>& args);

} // namespace kip::cli
