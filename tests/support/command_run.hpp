#pragma once
// Running a command through the shell as a user does, for the tests that run
// the installed or built programs.

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace orvane::test {

struct CommandRun {
    int status = -1;
    std::string output;
};

// Runs a shell command; its standard output, and its standard error unless
// `withErrors` is false or the command redirects it, are captured together.
inline CommandRun runCommand(const std::string& command, bool withErrors = true)
{
    CommandRun r;
    FILE* p = popen((command + (withErrors ? " 2>&1" : "")).c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf{};
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.output.append(buf.data(), n);
    const int s = pclose(p);
    r.status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    return r;
}

}  // namespace orvane::test
