// The one writer of the user's files: what is at the target before, what is
// planted beside it, what dead writers left, and a write that fails.

#include "model/EWriteError.hpp"
#include "model/TFileReplacer.hpp"

#include "FileSizeLimit.hpp"
#include "FileText.hpp"
#include "TestFolder.hpp"

#include <gtest/gtest.h>

#include <set>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace orvane {
namespace {

namespace fs = std::filesystem;

std::set<std::string> namesIn(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

std::string failureOf(const fs::path& path, const std::string& bytes)
{
    try {
        TFileReplacer::replace(path, bytes, "the picture");
    } catch (const EWriteError& e) {
        return e.what();
    }
    return "no failure";
}

mode_t permissionsOf(const fs::path& path)
{
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st.st_mode & 0777;
}

// The pid of a process that has ended and been reaped.
pid_t deadPid()
{
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(TFileReplacer, ASymlinkAtTheTargetIsReplacedAndWhatItNamesIsUntouched)
{
    TestFolder folder;
    const fs::path data = folder.path() / "wall.ov5d", out = folder.path() / "out.png";
    writeFileText(data, "the data file\r\n");
    fs::create_symlink(data, out);
    TFileReplacer::replace(out, "picture");
    EXPECT_EQ(fileText(data), "the data file\r\n");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(out)));
    EXPECT_EQ(fileText(out), "picture");
}

TEST(TFileReplacer, ADanglingSymlinkCreatesNothingWhereItPoints)
{
    TestFolder folder;
    const fs::path elsewhere = folder.path() / "elsewhere", out = folder.path() / "pictures" / "out.png";
    fs::create_directories(elsewhere);
    fs::create_directories(out.parent_path());
    fs::create_symlink(elsewhere / "new.png", out);
    TFileReplacer::replace(out, "picture");
    EXPECT_TRUE(fs::is_empty(elsewhere));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(out)));
    EXPECT_EQ(fileText(out), "picture");
    EXPECT_EQ(namesIn(out.parent_path()), std::set<std::string>{"out.png"});
}

// Names a writer beside the target might pick if its name could be guessed:
// fixed, counted or by pid alone. Each holds a symlink to a victim file or a
// file of its own; none is ever opened.
TEST(TFileReplacer, FilesAndLinksPlantedAtTemporaryNamesAreNeverOpened)
{
    TestFolder folder;
    const fs::path victim = folder.path() / "victim", out = folder.path() / "out.png";
    writeFileText(victim, "victim");
    const std::string pid = std::to_string(::getpid());
    std::vector<std::string> planted = {"out.png.tmp", ".out.png.orvane-tmp.", ".out.png.orvane-tmp." + pid,
                                        ".out.png.orvane-tmp." + pid + ".", ".out.png.orvane-tmp." + pid + ".AAAAAA"};
    for (int n = 0; n < 20; ++n) planted.push_back("out.png.tmp" + pid + "-" + std::to_string(n));
    for (size_t i = 0; i < planted.size(); ++i) {
        if (i % 2 == 0)
            fs::create_symlink(victim, folder.path() / planted[i]);
        else
            writeFileText(folder.path() / planted[i], "planted");
    }
    for (int n = 0; n < 20; ++n) TFileReplacer::replace(out, "picture " + std::to_string(n));
    EXPECT_EQ(fileText(out), "picture 19");
    EXPECT_EQ(fileText(victim), "victim");
    for (size_t i = 0; i < planted.size(); ++i) {
        const fs::path p = folder.path() / planted[i];
        if (i % 2 == 0)
            EXPECT_TRUE(fs::is_symlink(p)) << p;
        else
            EXPECT_EQ(fileText(p), "planted") << p;
    }
    EXPECT_EQ(namesIn(folder.path()).size(), planted.size() + 2);
}

TEST(TFileReplacer, AReplacedFileKeepsItsPermissionsANewOneHasTheUsualOnes)
{
    TestFolder folder;
    for (const mode_t mode : {0444, 0640, 0755, 0600}) {
        const fs::path path = folder.path() / ("kept-" + std::to_string(mode));
        writeFileText(path, "old");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        TFileReplacer::replace(path, "new");
        EXPECT_EQ(fileText(path), "new");
        EXPECT_EQ(permissionsOf(path), mode) << path;
    }
    const mode_t previous = ::umask(027);
    TFileReplacer::replace(folder.path() / "new", "new");
    // A link is replaced by a new file, which does not take the permissions
    // of what the link names.
    const fs::path locked = folder.path() / "locked", link = folder.path() / "link";
    writeFileText(locked, "locked");
    ::chmod(locked.c_str(), 0400);
    fs::create_symlink(locked, link);
    TFileReplacer::replace(link, "new");
    ::umask(previous);
    EXPECT_EQ(permissionsOf(folder.path() / "new"), 0640u);
    EXPECT_EQ(permissionsOf(link), 0640u);
    EXPECT_EQ(permissionsOf(locked), 0400u);
}

TEST(TFileReplacer, WhatIsNeitherAFileNorALinkIsRefused)
{
    TestFolder folder;
    const fs::path dir = folder.path() / "dir.png", fifo = folder.path() / "fifo.png";
    fs::create_directories(dir);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::vector<std::pair<fs::path, std::string>> cases = {
        {dir, "Is a directory"},
        {fifo, "Not a regular file but a FIFO"},
        {folder.path() / "missing" / "x.png", "No such file or directory"},
        {folder.path() / "dir.png" / "", "Is a directory"},
    };
    std::set<std::string> names = {"dir.png", "fifo.png"};
    // A device (the null device's numbers) only where this user may make one.
    const fs::path device = folder.path() / "device.png";
    if (::mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0) {
        cases.push_back({device, "Not a regular file but a device"});
        names.insert("device.png");
    }
    for (const auto& [path, reason] : cases)
        EXPECT_EQ(failureOf(path, "picture"), "Cannot write the picture \"" + path.string() + "\": " + reason);
    EXPECT_TRUE(fs::is_empty(dir));
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(namesIn(folder.path()), names);
}

TEST(TFileReplacer, TemporariesOfDeadWritersOfTheTargetAreRemovedOthersKept)
{
    TestFolder folder;
    const std::string dead = std::to_string(deadPid()), live = std::to_string(::getpid());
    const std::set<std::string> stale = {".out.png.orvane-tmp." + dead + ".abcDE9"};
    const std::set<std::string> kept = {
        ".out.png.orvane-tmp." + live + ".abcDE9",  // a writer still at work
        ".out.png.orvane-tmp.1.abcDE9",             // (init never ends)
        ".other.png.orvane-tmp." + dead + ".abcDE9",  // another target's
        ".out.png.orvane-tmp." + dead + ".abc",       // not a name the writer makes
        ".out.png.orvane-tmp." + dead + ".abcDE9x",
        "out.png.orvane-tmp." + dead + ".abcDE9",
    };
    for (const auto& names : {stale, kept})
        for (const std::string& name : names) writeFileText(folder.path() / name, "left");
    TFileReplacer::replace(folder.path() / "out.png", "picture");
    std::set<std::string> expected = kept;
    expected.insert("out.png");
    EXPECT_EQ(namesIn(folder.path()), expected);
}

TEST(TFileReplacer, AFailedWriteLeavesTheOldFileAndNoTemporary)
{
    TestFolder folder;
    const fs::path out = folder.path() / "out.png";
    writeFileText(out, "old picture");
    std::string message;
    {
        const FileSizeLimit limit(4096);
        message = failureOf(out, std::string(10000, 'x'));
    }
    EXPECT_EQ(message, "Cannot write the picture \"" + out.string() + "\": File too large");
    EXPECT_EQ(fileText(out), "old picture");
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"out.png"});
    EXPECT_EQ(TFileReplacer::tryReplace(out, "new"), std::nullopt);
    EXPECT_EQ(fileText(out), "new");
}

TEST(TFileReplacer, WritersOfOneFileAtOnceEachLeaveAWholeFile)
{
    TestFolder folder;
    const fs::path out = folder.path() / "out.png";
    constexpr int kWriters = 6, kWrites = 15;
    const auto content = [](int writer) { return std::string(200000 + writer * 1000, static_cast<char>('a' + writer)); };
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w)
        writers.emplace_back([&, w] {
            for (int n = 0; n < kWrites; ++n) TFileReplacer::replace(out, content(w));
        });
    for (std::thread& t : writers) t.join();
    const std::string text = fileText(out);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text, content(text.front() - 'a'));
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"out.png"});
}

}  // namespace
}  // namespace orvane
