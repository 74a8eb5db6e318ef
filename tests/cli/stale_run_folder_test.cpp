// A runner killed outright leaves its run folders: the next run removes
// those whose makers are gone, and nothing else.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_support.hpp"
#include "job_fixture.hpp"

namespace fs = std::filesystem;
using namespace orvane::test;

namespace {

// The pid of a process that has ended.
pid_t deadPid()
{
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

enum class Lock { Free, Held };
enum class Kind { Folder, FolderWithALinkOut, LinkToAFolder };

struct Case {
    const char* what;
    std::string name;
    Lock lock;
    Kind kind;
    bool removed;
};

}  // namespace

TEST(StaleRunFolders, AreRemovedByTheNextRunWhenTheirMakersAreGone)
{
    JobFolder work;
    const fs::path tmp = work.dir() / "tmp";
    const fs::path elsewhere = work.dir() / "elsewhere";
    fs::create_directories(tmp);
    fs::create_directories(elsewhere);
    std::ofstream(elsewhere / "keep") << "not a run folder's\n";
    const std::string dead = std::to_string(deadPid());
    const std::string live = std::to_string(::getpid());
    const Case cases[] = {
        {"a dead maker's folder", "orvane-run-" + dead + "-a1b2c3", Lock::Free, Kind::Folder, true},
        {"a dead maker's folder with a link out", "orvane-run-" + dead + "-d4e5f6", Lock::Free,
         Kind::FolderWithALinkOut, true},
        {"a folder still locked (a maker whose pid is not seen here)", "orvane-run-" + dead + "-g7h8i9", Lock::Held,
         Kind::Folder, false},
        {"a live maker's folder not locked yet", "orvane-run-" + live + "-j0k1l2", Lock::Free, Kind::Folder, false},
        {"a link named as a dead maker's folder", "orvane-run-" + dead + "-m3n4o5", Lock::Free, Kind::LinkToAFolder,
         false},
        {"another prefix", "orvane-runner-" + dead + "-p6q7r8", Lock::Free, Kind::Folder, false},
        {"a name without a pid", "orvane-run-s9t0u1", Lock::Free, Kind::Folder, false},
    };
    std::vector<int> held;
    for (const Case& c : cases) {
        const fs::path folder = tmp / c.name;
        if (c.kind == Kind::LinkToAFolder) {
            fs::create_directory_symlink(elsewhere, folder);
            continue;
        }
        fs::create_directories(folder);
        std::ofstream(folder / "names.dat") << "a killed run's control file\n";
        if (c.kind == Kind::FolderWithALinkOut) fs::create_directory_symlink(elsewhere, folder / "out");
        if (c.lock == Lock::Free) continue;
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ASSERT_GE(fd, 0) << c.what;
        ASSERT_EQ(::flock(fd, LOCK_EX), 0) << c.what;
        held.push_back(fd);
    }

    const fs::path data = work.dir() / "wall.ov5d";
    fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "examples" / "cantilever-user-py.ov5d", data);
    const CommandRun r = runCommand("TMPDIR='" + tmp.string() + "' '" + runnerProgram().string() + "' '" +
                                    data.string() + "'");
    EXPECT_EQ(r.status, 0) << r.output;
    for (const Case& c : cases)
        EXPECT_EQ(!fs::exists(fs::symlink_status(tmp / c.name)), c.removed) << c.what;
    EXPECT_TRUE(fs::exists(elsewhere / "keep"));
    size_t left = 0;
    for (const Case& c : cases) left += c.removed ? 0 : 1;
    EXPECT_EQ(static_cast<size_t>(std::distance(fs::directory_iterator(tmp), {})), left)
        << "the run's own folder is removed too";
    for (const int fd : held) ::close(fd);
}
