#pragma once
// Runs kipgolf-cli through the shell, as a script would, and collects what it wrote and its exit code.

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace kip::cli {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err; // filled only by callers that send standard error to a file of their own
};

// command: a whole shell command line; its standard output is collected.
inline CliRun runShell(const std::string& command) {
    CliRun result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return result;
    std::array<char, 4096> chunk{};
    for (size_t n; (n = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0;)
        result.out.append(chunk.data(), n);
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace kip::cli
