// A job that could not write its files prints nothing of the files an earlier
// run left beside the data file: the summary is this run's, from the job's
// outcome, and says which file could not be written and why.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli_support.hpp"
#include "job_fixture.hpp"

namespace fs = std::filesystem;
using namespace orvane::test;

namespace {

class StaleFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "examples" / "cantilever-user-py.ov5d", data_);
        // An earlier run that went well leaves its files.
        const CommandRun first = runCommand("'" + runnerProgram().string() + "' '" + data_.string() + "'");
        ASSERT_EQ(first.status, 0) << first.output;
        ASSERT_NE(first.output.find("  set 1: iteration"), std::string::npos) << first.output;
    }
    // A copy of the runner with `library` beside it as its engine.
    fs::path runnerWith(const fs::path& library) const
    {
        const fs::path bin = work_.dir() / "bin";
        fs::create_directories(bin);
        fs::copy_file(runnerProgram(), bin / "orvane-run", fs::copy_options::overwrite_existing);
        fs::copy_file(library, bin / "libOrvaneEngine.so", fs::copy_options::overwrite_existing);
        return bin / "orvane-run";
    }
    static void expectNothingStale(const CommandRun& r)
    {
        EXPECT_EQ(r.status, 1) << r.output;
        EXPECT_EQ(r.output.find("  set 1"), std::string::npos) << r.output;
        EXPECT_EQ(r.output.find("max deflection"), std::string::npos) << r.output;
        EXPECT_EQ(r.output.find("  report: "), std::string::npos) << r.output;
        EXPECT_EQ(r.output.find("job completed"), std::string::npos) << r.output;
    }

    JobFolder work_;
    fs::path data_ = work_.dir() / "wall.ov5d";
    fs::path report_ = work_.dir() / "wall.ov5o";
};

}  // namespace

// Engines that end the job at once with a failure word, touching no file
// (as a read-only folder or a full disk leaves it): the earlier files stay,
// and the runner shows none of them, whether or not the library can say more
// than its word.
TEST_F(StaleFiles, AFailedJobShowsNoneOfTheEarlierFiles)
{
    struct Case {
        const char* engine;
        std::string says;
    };
    const Case cases[] = {
        {FAKE_WORD4_JOB_ENTRY, "job failed: The output report " + report_.string() + " cannot be written: Permission denied"},
        {FAKE_WORD4_FOLDER_ENTRY, "job failed: The engine could not read its control file or open its files"},
        {FAKE_WORD_FULL_DISK_FOLDER_ENTRY,
         "job failed: The report " + report_.string() + " could not be written: No space left on device"},
        {FAKE_WORD_REFUSED_FOLDER_ENTRY, "job refused"},
    };
    for (const Case& c : cases) {
        const fs::path runner = runnerWith(c.engine);
        const CommandRun r = runCommand("'" + runner.string() + "' '" + data_.string() + "'");
        SCOPED_TRACE(c.engine);
        expectNothingStale(r);
        EXPECT_NE(r.output.find(c.says), std::string::npos) << r.output;
        const CommandRun json = runCommand("'" + runner.string() + "' --json '" + data_.string() + "'", false);
        EXPECT_EQ(json.status, 1);
        EXPECT_NE(json.output.find("\"sets\": []"), std::string::npos) << json.output;
        EXPECT_NE(json.output.find("\"report\": null"), std::string::npos) << json.output;
        EXPECT_EQ(json.output.find("\"outcome\": \"completed\""), std::string::npos) << json.output;
        ASSERT_TRUE(fs::exists(report_));  // the earlier report is still there, unread
    }
}

// The real engine, where an output file cannot be created (here the run
// notes' name is taken by a folder, which stops root as well as anyone).
TEST_F(StaleFiles, AnOutputThatCannotBeOpenedIsNamedWithTheReason)
{
    const fs::path notes = work_.dir() / "wall.ov5r";
    fs::remove(notes);
    fs::create_directory(notes);
    const CommandRun r = runCommand("'" + runnerProgram().string() + "' '" + data_.string() + "'");
    expectNothingStale(r);
    EXPECT_NE(r.output.find("job failed: "), std::string::npos) << r.output;
    EXPECT_NE(r.output.find(notes.string()), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("Is a directory"), std::string::npos) << r.output;
}

// The real engine in a read-only folder whose files are read-only too.
TEST_F(StaleFiles, AReadOnlyFolderShowsNoEarlierResults)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root's writes; the stand-in engines and the folder in the way of "
                        "the run notes cover this case";
    for (const char* ext : {".ov5o", ".ov5p", ".ov5r"})
        fs::permissions(fs::path(data_).replace_extension(ext), fs::perms::owner_write | fs::perms::group_write |
                                                                      fs::perms::others_write,
                        fs::perm_options::remove);
    fs::permissions(work_.dir(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const CommandRun r = runCommand("'" + runnerProgram().string() + "' '" + data_.string() + "'");
    fs::permissions(work_.dir(), fs::perms::owner_write, fs::perm_options::add);
    for (const char* ext : {".ov5o", ".ov5p", ".ov5r"})
        fs::permissions(fs::path(data_).replace_extension(ext), fs::perms::owner_write, fs::perm_options::add);
    expectNothingStale(r);
    EXPECT_NE(r.output.find(report_.string()), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("Permission denied"), std::string::npos) << r.output;
}

// A summary that cannot reach standard output (here a full device) is not a
// success, whatever the jobs did.
TEST_F(StaleFiles, ASummaryThatCannotBeWrittenIsAFailure)
{
    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this machine";
    for (const char* options : {"", "--json ", "-j 2 "}) {
        const CommandRun r =
            runCommand("'" + runnerProgram().string() + "' " + options + "'" + data_.string() + "' 2>&1 >/dev/full", false);
        EXPECT_EQ(r.status, 1) << options;
        EXPECT_NE(r.output.find("the summary could not be written to standard output"), std::string::npos)
            << options << r.output;
    }
}
