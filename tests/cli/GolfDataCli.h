#pragma once
// The fixture of the command tests that run kipgolf-cli on a golf database of their own: a data
// folder with the golf tables, a settings folder of its own, and standard error kept apart.

#include "cli/CliRun.h"
#include "handicap/GolfData.h"

#include <sstream>
#include <string>
#include <vector>

namespace kip::cli {

// The text as one shell word.
inline std::string shellQuoted(const std::string& text) {
    std::string q = "'";
    for (char c : text)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// The text's lines without their line ends.
inline std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class GolfDataCli : public ::testing::Test {
protected:
    // "kipgolf-cli /datadir=FOLDER ARGUMENTS" with the fixture's settings folder; FOLDER is the
    // fixture's data folder unless another is named.
    CliRun run(const std::string& arguments, const std::string& dataFolder = "") {
        const std::string errFile = data.dir.file("stderr.txt");
        const std::string command =
            "XDG_CONFIG_HOME=" + shellQuoted(data.dir.path() + "config") + " " + shellQuoted(KIP_CLI_PATH) +
            " " + shellQuoted("/datadir=" + (dataFolder.empty() ? data.folder : dataFolder)) + " " +
            arguments + " 2>" + shellQuoted(errFile);
        CliRun result = runShell(command);
        result.err = test::readFile(errFile);
        return result;
    }

    handicap::testing::GolfData data{"data/"};
};

} // namespace kip::cli
