#pragma once
// Running orvane-run as a user does, for the runner's tests.

#include "../support/command_run.hpp"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace orvane::test {

inline const std::filesystem::path& runnerProgram()
{
    static const std::filesystem::path runner = std::filesystem::path(ORVANE_BIN_DIR) / "orvane-run";
    return runner;
}

// Every example project, copied into `folder`; the copies' paths in name order.
inline std::vector<std::filesystem::path> copyExamples(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> copies;
    for (const auto& e : std::filesystem::directory_iterator(std::filesystem::path(ORVANE_SOURCE_DIR) / "examples"))
        if (e.path().extension() == ".ov5d") {
            copies.push_back(folder / e.path().filename());
            std::filesystem::copy_file(e.path(), copies.back(), std::filesystem::copy_options::overwrite_existing);
        }
    std::sort(copies.begin(), copies.end());
    return copies;
}

inline std::string joined(const std::vector<std::filesystem::path>& paths)
{
    std::string text;
    for (const auto& p : paths) text += " '" + p.string() + "'";
    return text;
}

}  // namespace orvane::test
