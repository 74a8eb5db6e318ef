// The runner and the real engine on a disk that fills: a limit on the size of
// files (which needs no root) makes the report's writes fail with EFBIG, as a
// full disk makes them fail with ENOSPC. The job fails, says which file and
// why, and nothing of the files an earlier run left is shown as this run's.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "cli_support.hpp"
#include "job_fixture.hpp"

namespace fs = std::filesystem;
using namespace orvane::test;

namespace {

// The runner under a file-size limit of `kib` KiB; SIGXFSZ ignored, so a write
// past the limit fails instead of ending the process.
CommandRun runLimited(const fs::path& data, int kib)
{
    return runCommand("bash -c \"trap '' XFSZ; ulimit -f " + std::to_string(kib) + "; exec '" +
                      runnerProgram().string() + "' '" + data.string() + "'\"");
}

}  // namespace

TEST(FullDisk, TheRunnerFailsNamingTheReportAndShowsNothingStale)
{
    JobFolder work;
    const fs::path data = work.dir() / "wall.ov5d";
    fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "examples" / "cantilever-user-py.ov5d", data);
    const CommandRun first = runCommand("'" + runnerProgram().string() + "' '" + data.string() + "'");
    ASSERT_EQ(first.status, 0) << first.output;
    ASSERT_NE(first.output.find("max deflection"), std::string::npos) << first.output;

    // The report of this example is about 11 KiB: 8 KiB cut it in the middle.
    const CommandRun r = runLimited(data, 8);
    EXPECT_EQ(r.status, 1) << r.output;
    EXPECT_NE(r.output.find("The report " + (work.dir() / "wall.ov5o").string() +
                            " could not be written: " + std::strerror(EFBIG)),
              std::string::npos)
        << r.output;
    EXPECT_EQ(r.output.find("max deflection"), std::string::npos) << r.output;
    EXPECT_EQ(r.output.find("  set 1"), std::string::npos) << r.output;
    EXPECT_EQ(r.output.find("job completed"), std::string::npos) << r.output;
    EXPECT_EQ(fs::file_size(work.dir() / "wall.ov5o"), 8u * 1024u);
    EXPECT_EQ(readFile(work.dir() / "wall.ov5o").find("END OF ANALYSIS"), std::string::npos);
}
