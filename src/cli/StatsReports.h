#pragma once
// kipgolf-cli report basic, basic-all, holes and fairways: the golfer statistics with their limits.

#include "cli/CliCommand.h"

#include <string>
#include <vector>

namespace kip::cli {

int reportBasic(Invocation& call, const std::vector<std::string>& args);
int reportBasicAll(Invocation& call, const std::vector<std::string>& args);
int reportHoles(Invocation& call, const std::vector<std::string>& args);
int reportFairways(Invocation& call, const std::vector<std::string>& args);

} // namespace kip::cli
