// scripts/package-deb.sh makes the Debian package; unpacked into a private
// root, its runner analyses an example, and its control data names the
// libraries found by shlibdeps.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "install_support.hpp"

namespace fs = std::filesystem;
using namespace orvane::install_test;

namespace {

TEST(DebianPackage, BuildsUnpacksAndRuns)
{
    const CommandRun made = runCommand("bash " + shellArg(fs::path(ORVANE_SOURCE_DIR) / "scripts/package-deb.sh") + " " +
                                           shellArg(ORVANE_BUILD_DIR) + " 2>/dev/null",
                                       false);
    ASSERT_EQ(made.status, 0) << made.output;
    std::string deb = made.output.substr(made.output.find_last_of('\n', made.output.size() - 2) + 1);
    while (!deb.empty() && deb.back() == '\n') deb.pop_back();
    ASSERT_TRUE(fs::is_regular_file(deb)) << made.output;

    const CommandRun info = runCommand("dpkg-deb -I " + shellArg(deb));
    ASSERT_EQ(info.status, 0) << info.output;
    EXPECT_NE(info.output.find(" Package: orvane\n"), std::string::npos) << info.output;
    const size_t depends = info.output.find(" Depends: ");
    ASSERT_NE(depends, std::string::npos) << info.output;
    const std::string line = info.output.substr(depends, info.output.find('\n', depends) - depends);
    // The desktop program links Qt Widgets; every program links the C and C++ runtimes.
    for (const char* package : {"libc6 (", "libstdc++6 (", "libqt6core6", "libqt6widgets6"})
        EXPECT_NE(line.find(package), std::string::npos) << package << " in" << line;

    TempDir root("orvane-deb");
    const CommandRun unpacked = runCommand("dpkg-deb -x " + shellArg(deb) + " " + shellArg(root.path()));
    ASSERT_EQ(unpacked.status, 0) << unpacked.output;
    for (const char* file : {"usr/bin/orvane", "usr/bin/orvane-run", "usr/lib/libOrvaneEngine.so",
                             "usr/share/applications/com.tarquin.orvane.desktop", "usr/share/man/man1/orvane-run.1.gz",
                             "usr/share/mime/packages/com.tarquin.orvane.xml"})
        EXPECT_TRUE(fs::is_regular_file(root.path() / file)) << file;

    TempDir work("orvane-deb-user");
    fs::copy_file(root.path() / "usr/share/doc/orvane/examples/soft-clay-cantilever.ov5d", work.path() / "wall.ov5d");
    const CommandRun run = runCommand("cd " + shellArg(work.path()) + " && " + shellArg(root.path() / "usr/bin/orvane-run") +
                                      " wall.ov5d");
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("  set 1: iteration"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("job completed"), std::string::npos) << run.output;
}

}  // namespace
