// --convert of a staged project reads the old file and writes only the new
// one: the stage files of the conversion live in a private folder, so a
// read-only folder, a desktop session's stage files beside the old file and
// a second conversion of the same file at once change nothing of it.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "cli_support.hpp"
#include "job_fixture.hpp"

namespace fs = std::filesystem;
using namespace orvane::test;

namespace {

std::string fileText(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string quoted(const fs::path& p) { return "'" + p.string() + "'"; }

// A folder's files as they are: each named with its size, the hash of its
// text and its time of change.
std::vector<std::string> listing(const fs::path& folder)
{
    std::vector<std::string> entries;
    for (const auto& e : fs::directory_iterator(folder)) {
        const std::string text = fileText(e.path());
        entries.push_back(e.path().filename().string() + ": " + std::to_string(text.size()) + " bytes, text " +
                          std::to_string(std::hash<std::string>{}(text)) + ", changed " +
                          std::to_string(fs::last_write_time(e.path()).time_since_epoch().count()));
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::vector<std::string> names(const fs::path& folder)
{
    std::vector<std::string> found;
    for (const auto& e : fs::directory_iterator(folder)) found.push_back(e.path().filename().string());
    std::sort(found.begin(), found.end());
    return found;
}

class ConvertStaged : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const fs::path& f : {old_, new_, tmp_, work_.dir() / "alone"}) fs::create_directories(f);
        const fs::path example = fs::path(ORVANE_SOURCE_DIR) / "examples" / "three-stage.ov5d";
        fs::copy_file(example, from_);
        // A desktop session that has the project open keeps its stages here.
        for (int stage = 1; stage <= 3; ++stage)
            std::ofstream(fs::path(from_).replace_extension(".st" + std::to_string(stage)), std::ios::binary)
                << "a desktop session's stage " << stage << "\r\n";
        // What a conversion gives where nothing else is going on.
        const fs::path alone = work_.dir() / "alone" / "three-stage.ov5d";
        fs::copy_file(example, alone);
        const CommandRun r = convert(alone, work_.dir() / "converted.ov5d");
        ASSERT_EQ(r.status, 0) << r.output;
        expected_ = fileText(work_.dir() / "converted.ov5d");
        ASSERT_NE(expected_.find(" Stage No : 3"), std::string::npos);
        before_ = listing(old_);
    }
    void TearDown() override { fs::permissions(old_, fs::perms::owner_all, fs::perm_options::add); }
    std::string command(const fs::path& from, const fs::path& to) const
    {
        return "TMPDIR=" + quoted(tmp_) + " " + quoted(runnerProgram()) + " --convert " + quoted(from) + " " +
               quoted(to);
    }
    CommandRun convert(const fs::path& from, const fs::path& to) const { return runCommand(command(from, to)); }

    JobFolder work_;
    fs::path old_ = work_.dir() / "old";
    fs::path new_ = work_.dir() / "new";
    fs::path tmp_ = work_.dir() / "tmp";
    fs::path from_ = old_ / "three-stage.ov5d";
    std::string expected_;
    std::vector<std::string> before_;
};

}  // namespace

// Read-only for its owner; the superuser could still write it, so the test
// also checks that nothing in it changed.
TEST_F(ConvertStaged, FromAReadOnlyFolderOnlyReadsIt)
{
    fs::permissions(old_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const fs::path to = new_ / "converted.ov5d";
    const CommandRun r = convert(from_, to);
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.output, from_.string() + " -> " + to.string() + "\n");
    EXPECT_EQ(listing(old_), before_);
    EXPECT_EQ(names(new_), std::vector<std::string>{"converted.ov5d"});
    EXPECT_EQ(fileText(to), expected_);
    EXPECT_TRUE(fs::is_empty(tmp_)) << "the private folder was left behind";
}

TEST_F(ConvertStaged, TwoConversionsOfOneFileAtOnceBothSucceed)
{
    const fs::path to[] = {new_ / "a.ov5d", new_ / "b.ov5d"};
    const std::string both = command(from_, to[0]) + " >/dev/null 2>&1 & " + command(from_, to[1]) +
                             " >/dev/null 2>&1; b=$?; wait $!; echo $? $b";
    for (int k = 0; k < 40; ++k) {
        const CommandRun r = runCommand(both);
        ASSERT_EQ(r.output, "0 0\n") << "run " << k;
        ASSERT_EQ(fileText(to[0]), expected_) << "run " << k;
        ASSERT_EQ(fileText(to[1]), expected_) << "run " << k;
    }
    EXPECT_EQ(listing(old_), before_);
    EXPECT_EQ(names(new_), (std::vector<std::string>{"a.ov5d", "b.ov5d"}));
    EXPECT_TRUE(fs::is_empty(tmp_)) << "a private folder was left behind";
}
