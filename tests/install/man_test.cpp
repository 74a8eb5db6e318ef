// The manual pages render without a warning, in groff's strictest mode and
// as man shows them at 80 columns, and orvane-run(1) documents every option
// that `orvane-run --help` lists and every exit status.

#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <regex>
#include <sstream>
#include <set>
#include <string>

#include "install_support.hpp"

namespace fs = std::filesystem;
using namespace orvane::install_test;

namespace {

const fs::path kPages = fs::path(ORVANE_SOURCE_DIR) / "docs/man";

class ManualPage : public ::testing::TestWithParam<const char*> {};

TEST_P(ManualPage, GroffFindsNothingToWarnAbout)
{
    const CommandRun r = runCommand("groff -ww -z -man " + shellArg(kPages / GetParam()));
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.output, "");
}

TEST_P(ManualPage, ManRendersItAtEightyColumnsWithoutWarnings)
{
    TempDir work("orvane-man");
    const fs::path errors = work.path() / "errors";
    const CommandRun r = runCommand("MANWIDTH=80 MANPAGER=cat man --warnings -E UTF-8 -l " +
                                        shellArg(kPages / GetParam()) + " 2>" + shellArg(errors),
                                    false);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(readText(errors), "");
    EXPECT_NE(r.output.find("NAME"), std::string::npos);
    EXPECT_NE(r.output.find("EXIT STATUS"), std::string::npos);
    EXPECT_NE(r.output.find("FILES"), std::string::npos);
    EXPECT_NE(r.output.find("EXAMPLES"), std::string::npos);
    std::istringstream lines(r.output);
    for (std::string line; std::getline(lines, line);) {
        // Columns, not bytes: the UTF-8 hyphen man uses at line breaks is one column.
        const auto columns = std::count_if(line.begin(), line.end(), [](char c) { return (c & 0xC0) != 0x80; });
        EXPECT_LE(columns, 80) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, ManualPage, ::testing::Values("orvane.1", "orvane-run.1"));

TEST(RunnerManualPage, DocumentsEveryOptionOfTheHelpAndEveryExitStatus)
{
    const CommandRun help = runCommand(shellArg(fs::path(ORVANE_BIN_DIR) / "orvane-run") + " --help");
    ASSERT_EQ(help.status, 0) << help.output;
    const CommandRun page = runCommand("MANWIDTH=200 MANPAGER=cat man -E ascii -l " + shellArg(kPages / "orvane-run.1"), false);
    ASSERT_EQ(page.status, 0);
    const std::regex option("--[a-z][a-z-]*");
    std::set<std::string> options;
    for (auto it = std::sregex_iterator(help.output.begin(), help.output.end(), option); it != std::sregex_iterator(); ++it)
        options.insert(it->str());
    EXPECT_GE(options.size(), 10u) << help.output;
    for (const std::string& o : options) EXPECT_NE(page.output.find(o), std::string::npos) << o;
    const size_t exit = page.output.find("EXIT STATUS");
    ASSERT_NE(exit, std::string::npos);
    const std::string section = page.output.substr(exit, page.output.find("FILES", exit) - exit);
    // Each status opens a line of its own, whether man sets its text beside it
    // or below it.
    for (const char* status : {"0", "1", "2", "3"})
        EXPECT_TRUE(std::regex_search(section, std::regex(std::string("\n +") + status + "( |\n)")))
            << status << section;
}

}  // namespace
