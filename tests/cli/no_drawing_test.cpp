// A runner built without the desktop program analyses as the full one does,
// and a drawing mode says plainly that it is not part of the build.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli_support.hpp"
#include "job_fixture.hpp"

namespace fs = std::filesystem;
using namespace orvane::test;

TEST(NoDrawing, AnalysisRunsAndEveryDrawingModeSaysItIsNotBuilt)
{
    JobFolder work;
    fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "examples/cantilever-user-py.ov5d", work.data());
    const std::string runner = "'" + runnerProgram().string() + "' ";
    const std::string data = "'" + work.data().string() + "' ";
    const CommandRun analysis = runCommand(runner + data);
    EXPECT_EQ(analysis.status, 0) << analysis.output;
    EXPECT_NE(analysis.output.find("  set 1: iteration"), std::string::npos) << analysis.output;

    const fs::path out = work.dir() / "out";
    for (const std::string& mode : {"--side-view " + data + "'" + out.string() + ".png'",
                                   "--view-3d " + data + "'" + out.string() + ".png'",
                                   "--export-xlsx " + data + "'" + out.string() + ".xlsx'",
                                   "--picture pltDef " + data + "'" + out.string() + ".png'"}) {
        const CommandRun r = runCommand(runner + mode);
        EXPECT_EQ(r.status, 1) << mode << "\n" << r.output;
        EXPECT_NE(r.output.find("the drawing modes are not part of this build"), std::string::npos) << r.output;
    }
    EXPECT_FALSE(fs::exists(work.dir() / "out.png"));
    EXPECT_FALSE(fs::exists(work.dir() / "out.xlsx"));
}
