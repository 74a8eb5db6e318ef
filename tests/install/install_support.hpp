#pragma once
// Helpers of the install tests: commands run through the shell, and private
// temporary folders outside the build tree.

#include "../support/command_run.hpp"
#include "model/TTempFolder.hpp"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace orvane::install_test {

using orvane::test::CommandRun;
using orvane::test::runCommand;

// A path as one shell word.
inline std::string shellArg(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

inline std::string readText(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A fresh folder in the system's temporary folder, removed with the object.
class TempDir : public orvane::TTempFolder {
public:
    explicit TempDir(const char* name = "orvane-install") : TTempFolder(name, "test folder") {}
};

// True when p lies inside folder (both made absolute and normal).
inline bool isInside(const std::filesystem::path& p, const std::filesystem::path& folder)
{
    const std::filesystem::path a = std::filesystem::weakly_canonical(p);
    const std::filesystem::path f = std::filesystem::weakly_canonical(folder);
    auto mismatch = std::mismatch(f.begin(), f.end(), a.begin(), a.end());
    return mismatch.first == f.end();
}

}  // namespace orvane::install_test
