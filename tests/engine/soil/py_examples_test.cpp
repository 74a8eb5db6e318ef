// The examples with generated p-y curves in sand, silt and weak rock, analysed
// by orvane-run as a user runs them: every set converges, and the report holds
// the curves of every soil the wall passes through. (Their equilibrium is
// checked with every other example in the core's example tests.)

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "job_fixture.hpp"

namespace fs = std::filesystem;
using namespace orvane::test;

TEST(GeneratedCurveExamples, ConvergeThroughTheRunner)
{
    struct Case {
        const char* file;
        std::vector<std::string> inReport;  // soil lines and curve headings the report must hold
    };
    const Case cases[] = {
        {"sand-cantilever-generated-py.ov5d",
         {"         THE SOIL IS A SAND",
          "           DEPTH BELOW GS  DIAM   PHI  GAMMA AVG    A    B     PCT       PCD"}},
        {"sand-anchored-generated-py.ov5d",
         {"         THE SOIL IS A SAND",
          "           DEPTH BELOW GS  DIAM   PHI  GAMMA AVG    A    B     PCT       PCD"}},
        {"sand-over-weak-rock-socket.ov5d",
         {"         THE SOIL IS A SAND", "         THE LAYER IS WEAK ROCK",
          "              DEPTH     DIAM       Qu        Eu    GAMMA AVG      E50"}},
        {"silt-cantilever.ov5d",
         {"         THE SOIL IS A SILT",
          "     DEPTH      DIAM      PHI  GAMMA AVG        A         B     Puc       Pu\u03c6"}},
        {"si-sand-cantilever.ov5d",
         {"         THE SOIL IS A SAND", "                   M          M    DEG   kN/M^3                 kN/M     kN/M"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        JobFolder work;
        fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "examples" / c.file, work.dir() / c.file);
        const fs::path output = work.dir() / "runner.txt";
        const int status = std::system(((fs::path(ORVANE_BIN_DIR) / "orvane-run").string() + " '" +
                                        (work.dir() / c.file).string() + "' > '" + output.string() + "' 2>&1")
                                           .c_str());
        const std::string printed = readFile(output);
        ASSERT_TRUE(WIFEXITED(status)) << printed;
        EXPECT_EQ(WEXITSTATUS(status), 0) << printed;
        EXPECT_NE(printed.find("  set 1: iteration"), std::string::npos) << printed;
        EXPECT_NE(printed.find(", converged"), std::string::npos) << printed;
        EXPECT_NE(printed.find("  job completed"), std::string::npos) << printed;

        const auto report = lines(readFile(fs::path(work.dir() / c.file).replace_extension(".ov5o")));
        for (const std::string& text : c.inReport)
            EXPECT_NE(std::find(report.begin(), report.end(), text), report.end()) << text;
        EXPECT_EQ(report.back(), "     END OF ANALYSIS" + std::string(29, ' '));
    }
}
