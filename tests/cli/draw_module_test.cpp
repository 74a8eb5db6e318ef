// The drawing modes load from their module beside orvane-run or in ../lib of
// it (the installed layout); without the module the analysis still runs and
// a drawing mode says what it could not load.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli_support.hpp"
#include "job_fixture.hpp"

namespace fs = std::filesystem;
using namespace orvane::test;

namespace {

const fs::path kModule = fs::path(ORVANE_BIN_DIR) / "liborvane-run-draw.so";
const fs::path kEngine = fs::path(ORVANE_BIN_DIR) / "libOrvaneEngine.so";

}  // namespace

TEST(DrawModule, FoundInLibBesideTheProgramsFolder)
{
    JobFolder work;
    const fs::path prefix = work.dir() / "prefix";
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "lib");
    fs::copy_file(runnerProgram(), prefix / "bin/orvane-run");
    fs::copy_file(kModule, prefix / "lib" / kModule.filename());
    fs::copy_file(kEngine, prefix / "lib" / kEngine.filename());
    fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "examples/cantilever-user-py.ov5d", work.data());
    const std::string runner = "'" + (prefix / "bin/orvane-run").string() + "' ";
    ASSERT_EQ(runCommand(runner + "'" + work.data().string() + "'").status, 0);
    const fs::path picture = work.dir() / "side.png";
    const CommandRun r = runCommand(runner + "--side-view '" + work.data().string() + "' '" + picture.string() + "'");
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_GT(fs::file_size(picture), 1000u);
}

TEST(DrawModule, WithoutItAnalysisRunsAndDrawingSaysWhatIsMissing)
{
    JobFolder work;
    const fs::path bin = work.dir() / "bin";
    fs::create_directories(bin);
    fs::copy_file(runnerProgram(), bin / "orvane-run");
    fs::copy_file(kEngine, bin / kEngine.filename());
    fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "examples/cantilever-user-py.ov5d", work.data());
    const std::string runner = "'" + (bin / "orvane-run").string() + "' ";
    const CommandRun analysis = runCommand(runner + "'" + work.data().string() + "'");
    EXPECT_EQ(analysis.status, 0) << analysis.output;
    EXPECT_NE(analysis.output.find("  set 1: iteration"), std::string::npos) << analysis.output;
    const fs::path picture = work.dir() / "side.png";
    const CommandRun r = runCommand(runner + "--side-view '" + work.data().string() + "' '" + picture.string() + "'");
    EXPECT_EQ(r.status, 1) << r.output;
    EXPECT_NE(r.output.find("the drawing modes cannot be loaded from " + (bin / kModule.filename()).string()),
              std::string::npos)
        << r.output;
    EXPECT_FALSE(fs::exists(picture));
}
