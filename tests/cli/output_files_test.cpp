// What the drawing modes and --convert write: on a full disk they fail naming the file and
// the reason and leave the old picture whole; a symlink at the output path is
// replaced, not followed; names planted beside it are not opened; two writers
// of one picture leave one whole picture.

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "cli_support.hpp"
#include "job_fixture.hpp"

namespace fs = std::filesystem;
using namespace orvane::test;

namespace {

// A drawing mode and the output it writes.
struct Output {
    std::string options;  // before the data file
    std::string name;     // the output's file name
    std::string what;     // as the failure names it
};

const Output kOutputs[] = {
    {"--picture pltDef", "g.bmp", "the picture"},   {"--picture pltDef", "g.png", "the picture"},
    {"--picture pltDef", "g.pdf", "the picture"},   {"--picture pltDef", "g.svg", "the picture"},
    {"--side-view", "s.png", "the picture"},         {"--side-view", "s.svg", "the picture"},
    {"--side-view", "s.pdf", "the picture"},         {"--view-3d", "v.png", "the picture"},
    {"--export-xlsx", "w.xlsx", "the workbook"},     {"--convert", "c.ov5d", "file"},
};

std::string quoted(const fs::path& p) { return "'" + p.string() + "'"; }

CommandRun draw(const Output& o, const fs::path& data, const fs::path& out)
{
    return runCommand(quoted(runnerProgram()) + " " + o.options + " " + quoted(data) + " " + quoted(out));
}

std::set<std::string> namesIn(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

// An analysed example in a private folder.
class OutputFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "examples" / "cantilever-user-py.ov5d", work_.data());
        const CommandRun r = runCommand(quoted(runnerProgram()) + " " + quoted(work_.data()));
        ASSERT_EQ(r.status, 0) << r.output;
        data_ = readFile(work_.data());
    }

    JobFolder work_;
    std::string data_;
};

// A small tmpfs at `dir`, unmounted when the object goes; mounting needs root.
class SmallDisk {
public:
    explicit SmallDisk(const fs::path& dir) : dir_(dir)
    {
        fs::create_directories(dir_);
        mounted_ = ::mount("tmpfs", dir_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=1m,mode=0755") == 0;
        if (!mounted_) error_ = std::strerror(errno);
    }
    ~SmallDisk()
    {
        if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    const std::string& error() const { return error_; }

    // Takes every free byte but `left`, so a write beyond those fails with ENOSPC.
    void fill(size_t left) const
    {
        std::ofstream(dir_ / "spare", std::ios::binary) << std::string(left, 's');
        {
            std::ofstream filler(dir_ / "filler", std::ios::binary);
            const std::string block(4096, 'f');
            while (filler.write(block.data(), block.size()) && filler.flush()) {
            }
        }
        fs::remove(dir_ / "spare");
    }
    void empty() const { fs::remove(dir_ / "filler"); }

private:
    fs::path dir_;
    bool mounted_ = false;
    std::string error_;
};

TEST_F(OutputFiles, OnAFullDiskEveryModeFailsNamingTheFileAndKeepsTheOldOne)
{
    const SmallDisk disk(work_.dir() / "disk");
    if (!disk.mounted()) GTEST_SKIP() << "a full disk is a small tmpfs, which this user cannot mount: " << disk.error();
    for (const Output& o : kOutputs) {
        const fs::path out = work_.dir() / "disk" / o.name;
        const CommandRun first = draw(o, work_.data(), out);
        ASSERT_EQ(first.status, 0) << o.options << " " << o.name << "\n" << first.output;
        const std::string old = readFile(out);
        // No room at all, and room for a part of the file (which the disk
        // counts in pages).
        for (const size_t left : {size_t(0), size_t(8192)}) {
            if (left > 0 && old.size() <= left + 8192) continue;
            disk.fill(left);
            const CommandRun r = draw(o, work_.data(), out);
            disk.empty();
            EXPECT_EQ(r.status, 1) << o.options << " " << o.name << " " << left;
            const std::string message =
                "Cannot write " + o.what + " \"" + out.string() + "\": " + std::strerror(ENOSPC) + "\n";
            // Nothing else: no line of success, no warning of Qt's.
            EXPECT_TRUE(r.output == "orvane-run: " + message || r.output == message) << o.name << "\n" << r.output;
            EXPECT_EQ(readFile(out), old) << o.name << " " << left;
            EXPECT_EQ(namesIn(out.parent_path()), std::set<std::string>{o.name});
        }
        fs::remove(out);
    }
}

// A symlink to the data file at the output path, and at the names a writer
// with a fixed or counted temporary name would take; temporary files a
// killed writer left.
TEST_F(OutputFiles, LinksAtAndBesideTheOutputAreReplacedOrLeftNeverFollowed)
{
    const fs::path folder = work_.dir() / "out";
    fs::create_directories(folder);
    const pid_t dead = [] {
        const pid_t child = ::fork();
        if (child == 0) ::_exit(0);
        ::waitpid(child, nullptr, 0);
        return child;
    }();
    // A conversion onto the very file it reads is another matter: its links
    // name a copy of the data file.
    const fs::path copy = work_.dir() / "copy.ov5d";
    fs::copy_file(work_.data(), copy);
    for (const Output& o : kOutputs) {
        const fs::path out = folder / o.name, linked = o.options == "--convert" ? copy : work_.data();
        fs::create_symlink(linked, out);
        const std::string planted[] = {o.name + ".tmp", o.name + ".tmp" + std::to_string(::getpid()) + "-0"};
        for (const std::string& name : planted) fs::create_symlink(linked, folder / name);
        const std::string stale = "." + o.name + ".orvane-tmp." + std::to_string(dead) + ".Ab3dE9";
        std::ofstream(folder / stale) << "cut picture";
        const CommandRun r = draw(o, work_.data(), out);
        EXPECT_EQ(r.status, 0) << o.options << " " << o.name << "\n" << r.output;
        EXPECT_EQ(readFile(work_.data()), data_) << o.name;
        EXPECT_EQ(readFile(copy), data_) << o.name;
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(out))) << o.name;
        EXPECT_GT(fs::file_size(out), 100u) << o.name;
        for (const std::string& name : planted) EXPECT_TRUE(fs::is_symlink(folder / name)) << name;
        EXPECT_FALSE(fs::exists(folder / stale)) << stale;
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
}

// Two runs write one picture at once, each another graph: what stays is one
// of the two pictures whole.
TEST_F(OutputFiles, TwoWritersOfOnePictureLeaveOneWholePicture)
{
    const Output moment{"--picture pltMom", "", ""}, deflection{"--picture pltDef", "", ""};
    const fs::path a = work_.dir() / "a.png", b = work_.dir() / "b.png", out = work_.dir() / "out.png";
    ASSERT_EQ(draw(moment, work_.data(), a).status, 0);
    ASSERT_EQ(draw(deflection, work_.data(), b).status, 0);
    const std::string pictureA = readFile(a), pictureB = readFile(b);
    ASSERT_NE(pictureA, pictureB);
    constexpr int kPairs = 24;
    const std::string runner = quoted(runnerProgram());
    for (int pair = 0; pair < kPairs; ++pair) {
        const CommandRun r =
            runCommand(runner + " --picture pltMom " + quoted(work_.data()) + " " + quoted(out) + " & m=$!; " + runner +
                       " --picture pltDef " + quoted(work_.data()) + " " + quoted(out) + " & d=$!; wait $m && wait $d");
        ASSERT_EQ(r.status, 0) << r.output;
        const std::string picture = readFile(out);
        ASSERT_TRUE(picture == pictureA || picture == pictureB) << "pair " << pair << ": " << picture.size() << " bytes";
    }
    for (const std::string& name : namesIn(work_.dir())) EXPECT_EQ(name.find("tmp"), std::string::npos) << name;
}

}  // namespace
