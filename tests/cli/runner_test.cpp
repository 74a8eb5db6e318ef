// orvane-run as a user runs it: output, exit status, files beside the data
// file, and nothing left behind in the temporary folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "../support/command_run.hpp"
#include "job_fixture.hpp"

namespace fs = std::filesystem;
using namespace orvane::test;

namespace {


const fs::path kRunner = fs::path(ORVANE_BIN_DIR) / "orvane-run";

}  // namespace

TEST(Runner, AnalysesExamplesAndPrintsASummaryPerSet)
{
    JobFolder work;
    const fs::path tmp = work.dir() / "tmp";
    fs::create_directories(tmp);
    for (const char* name : {"cantilever-user-py.ov5d", "short-long-term.ov5d"})
        fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "examples" / name, work.dir() / name);
    const CommandRun r = runCommand("TMPDIR=" + tmp.string() + " " + kRunner.string() + " " + (work.dir() / "cantilever-user-py.ov5d").string() +
                      " " + (work.dir() / "short-long-term.ov5d").string());
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.output.find("  set 1: iteration"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("  set 2: iteration"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("converged"), std::string::npos);
    EXPECT_NE(r.output.find("max deflection"), std::string::npos);
    EXPECT_NE(r.output.find("max moment"), std::string::npos);
    EXPECT_NE(r.output.find("max shear"), std::string::npos);
    for (const char* ext : {".ov5o", ".ov5p", ".ov5r"})
        EXPECT_TRUE(fs::exists((work.dir() / "cantilever-user-py").replace_extension(ext))) << ext;
    EXPECT_TRUE(fs::is_empty(tmp)) << "a run folder was left behind";
}

TEST(Runner, FailedJobGivesANonZeroStatusAndTheMessage)
{
    JobFolder work;
    std::ofstream(work.data(), std::ios::binary) << crlf("Bad\n1 0 1 0 0 0 0 1 0 0\n408 12 10 1E-05 0 12\n");
    const CommandRun r = runCommand(kRunner.string() + " " + work.data().string());
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.output.find("TOO MUCH DATA FOR AVAILABLE STORAGE"), std::string::npos) << r.output;
}

TEST(Runner, MissingLibraryNamesThePathTried)
{
    JobFolder work;
    const fs::path lonely = work.dir() / "bin" / "orvane-run";
    fs::create_directories(lonely.parent_path());
    fs::copy_file(kRunner, lonely);
    std::ofstream(work.data(), std::ios::binary) << crlf("T\n1 0 1 0 0 0 0 1 0 0\n10 12 10 1E-05 0 12\n0 10 1 1E9\n0\n0\n0\n");
    const CommandRun r = runCommand(lonely.string() + " " + work.data().string());
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.output.find((lonely.parent_path() / "libOrvaneEngine.so").string()), std::string::npos) << r.output;
    EXPECT_FALSE(fs::exists(work.dir() / "wall.ov5o"));
}

TEST(Runner, NoArgumentsPrintsUsage)
{
    const CommandRun r = runCommand(kRunner.string());
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.output.find("usage: orvane-run"), std::string::npos);
}

TEST(Runner, HelpAndVersionSucceed)
{
    const CommandRun help = runCommand(kRunner.string() + " --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.output.find("--side-view"), std::string::npos) << help.output;
    EXPECT_NE(help.output.find("3  every job ran to its end but some set did not converge"), std::string::npos);
    const CommandRun version = runCommand(kRunner.string() + " --version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.output.rfind("orvane-run 2015.5.8 (built ", 0), 0u) << version.output;
}

// A usage error exits 2 and names what was wrong, and no option is ever
// taken for a data file.
TEST(Runner, UsageErrorsExitTwo)
{
    struct Case {
        const char* args;
        const char* says;
    };
    const Case cases[] = {
        {"--bogus wall.ov5d", "--bogus"},
        {"--picture pltDef wall.ov5d", "--picture"},
        {"--convert a.ovd", "--convert"},
        {"--graphs", "--graphs"},
        {"--layout 2013 wall.ov5d", "--layout requires --convert"},
        {"--graphs a.ov5d --side-view a.ov5d b.png", "--graphs excludes --side-view"},
        {"--plots 1 wall.ov5d", "--plots requires --export-xlsx"},
        {"--picture pltDef a.ov5d b.png --wall-geometry", "--wall-geometry requires --soil-layer"},
        {"--graphs a.ov5d b.ov5d", "excludes"},
        {"-j -1 wall.ov5d", "-j"},
    };
    for (const Case& c : cases) {
        const CommandRun r = runCommand(kRunner.string() + " " + c.args);
        EXPECT_EQ(r.status, 2) << c.args << "\n" << r.output;
        EXPECT_NE(r.output.find(c.says), std::string::npos) << c.args << "\n" << r.output;
        EXPECT_NE(r.output.find("usage: orvane-run"), std::string::npos) << c.args;
    }
}

// 0 when every set converged, 3 when a job ran to its end but a set did
// not, 1 when any job failed; the worst of a batch decides.
TEST(Runner, ExitStatusTellsConvergedFromNotConvergedFromFailed)
{
    JobFolder work;
    const fs::path example = fs::path(ORVANE_SOURCE_DIR) / "examples" / "cantilever-user-py.ov5d";
    fs::copy_file(example, work.dir() / "good.ov5d");
    std::ifstream in(example, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string wallLine = "\r\n40 12\t10\t";
    const size_t at = text.find(wallLine);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, wallLine.size(), "\r\n40 12\t0.001\t");  // allowable deflection 0.001 in
    std::ofstream(work.dir() / "tight.ov5d", std::ios::binary) << text;
    const std::string runner = kRunner.string() + " ";
    const std::string good = (work.dir() / "good.ov5d").string();
    const std::string tight = (work.dir() / "tight.ov5d").string();
    const std::string missing = (work.dir() / "missing.ov5d").string();

    EXPECT_EQ(runCommand(runner + good).status, 0);
    const CommandRun notConverged = runCommand(runner + good + " " + tight);
    EXPECT_EQ(notConverged.status, 3) << notConverged.output;
    EXPECT_NE(notConverged.output.find("NOT converged (allowable deflection exceeded)"), std::string::npos);
    EXPECT_EQ(runCommand(runner + tight + " " + missing).status, 1);
}
