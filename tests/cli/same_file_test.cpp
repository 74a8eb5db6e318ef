// One data file analysed twice at once, by two jobs of one batch or by two
// runner processes: both end as they would one after the other, with whole
// files, as the analyses of one file wait for each other.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_support.hpp"
#include "job_fixture.hpp"

namespace fs = std::filesystem;
using namespace orvane::test;

namespace {

// Unguarded, about one run in eight of this example lost the race for its
// report, so a hundred runs show it.
constexpr int kRepeats = 100;

std::string fileText(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string quoted(const fs::path& p) { return "'" + p.string() + "'"; }

class SameFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "examples" / "sand-over-weak-rock-socket.ov5d", data_);
        fs::create_directories(tmp_);
    }
    std::string runner() const { return "TMPDIR=" + quoted(tmp_) + " " + quoted(runnerProgram()); }
    // The files a run leaves beside the data file that hold no date.
    std::string results() const
    {
        return fileText(fs::path(data_).replace_extension(".ov5p")) +
               fileText(fs::path(data_).replace_extension(".ov5r"));
    }
    // What the folder holds: the data file, the run's three files, the run folders' TMPDIR.
    void expectOnlyTheRunsFiles() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(work_.dir())) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"tmp", "wall.ov5d", "wall.ov5o", "wall.ov5p", "wall.ov5r"}));
        EXPECT_TRUE(fs::is_empty(tmp_)) << "a run folder was left behind";
    }

    JobFolder work_;
    fs::path data_ = work_.dir() / "wall.ov5d";
    fs::path tmp_ = work_.dir() / "tmp";
};

}  // namespace

TEST_F(SameFile, TwoJobsOfOneBatchEndAsOneAfterTheOther)
{
    // The file named twice, the second time through "." (one file, two names).
    const std::string twice = " " + quoted(data_) + " " + quoted(work_.dir() / "." / data_.filename());
    const CommandRun serial = runCommand(runner() + twice);
    ASSERT_EQ(serial.status, 0) << serial.output;
    const std::string files = results();
    for (int k = 0; k < kRepeats; ++k) {
        const CommandRun side = runCommand(runner() + " -j 2" + twice);
        ASSERT_EQ(side.status, serial.status) << "run " << k << "\n" << side.output;
        ASSERT_EQ(side.output, serial.output) << "run " << k;
        ASSERT_EQ(results(), files) << "run " << k;
    }
    expectOnlyTheRunsFiles();
}

TEST_F(SameFile, TwoRunnersOnOneFileEndAsOneAfterTheOther)
{
    const CommandRun alone = runCommand(runner() + " " + quoted(data_), false);
    ASSERT_EQ(alone.status, 0) << alone.output;
    const std::string files = results();
    const fs::path out[] = {work_.dir() / "out1", work_.dir() / "out2"};
    const fs::path err[] = {work_.dir() / "err1", work_.dir() / "err2"};
    const std::string waiting = "orvane-run: waiting for another analysis of " + data_.string() + " to end\n";
    const std::string one = runner() + " " + quoted(data_);
    const std::string both = one + " >" + quoted(out[0]) + " 2>" + quoted(err[0]) + " & " + one + " >" +
                             quoted(out[1]) + " 2>" + quoted(err[1]) + "; b=$?; wait $!; echo $? $b";
    for (int k = 0; k < kRepeats; ++k) {
        const CommandRun r = runCommand(both, false);
        ASSERT_EQ(r.output, "0 0\n") << "run " << k << "\n" << fileText(out[0]) << fileText(out[1]);
        for (int p = 0; p < 2; ++p) {
            ASSERT_EQ(fileText(out[p]), alone.output) << "run " << k << ", runner " << p + 1;
            const std::string errors = fileText(err[p]);
            ASSERT_TRUE(errors.empty() || errors == waiting) << errors;
        }
        ASSERT_EQ(results(), files) << "run " << k;
    }
    for (const fs::path& p : out) fs::remove(p);
    for (const fs::path& p : err) fs::remove(p);
    expectOnlyTheRunsFiles();
}

// A runner that finds the file's analysis lock taken says so once and
// waits; it analyses the file when the lock is let go.
TEST_F(SameFile, ARunnerWaitsForTheLockAndSaysSoOnce)
{
    const int lock = ::open((data_.string() + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    ASSERT_GE(lock, 0);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    const fs::path err = work_.dir() / "err";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const std::string command = runner() + " " + quoted(data_) + " >/dev/null 2>" + quoted(err);
        ::execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const std::string waiting = "orvane-run: waiting for another analysis of " + data_.string() + " to end\n";
    for (int k = 0; k < 1000 && fileText(err) != waiting; ++k) ::usleep(10000);
    EXPECT_EQ(fileText(err), waiting);
    EXPECT_FALSE(fs::exists(fs::path(data_).replace_extension(".ov5o"))) << "ran while the lock was held";
    ::close(lock);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(fileText(err), waiting);
    fs::remove(err);
    expectOnlyTheRunsFiles();
}

// A symbolic link planted at the lock's name is never followed: the file it
// names is not made, and the job fails saying why.
TEST_F(SameFile, ALinkAtTheLocksNameIsNotFollowed)
{
    const fs::path target = work_.dir() / "elsewhere";
    fs::create_symlink(target, data_.string() + ".lock");
    const CommandRun r = runCommand(runner() + " " + quoted(data_), false);
    EXPECT_EQ(r.status, 1) << r.output;
    EXPECT_EQ(r.output, data_.string() + "\n  Cannot lock the analysis of " + data_.string() + ": " + data_.string() +
                            ".lock is a symbolic link, which is not followed\n");
    EXPECT_FALSE(fs::exists(fs::symlink_status(target)));
    EXPECT_FALSE(fs::exists(fs::path(data_).replace_extension(".ov5o")));
}
