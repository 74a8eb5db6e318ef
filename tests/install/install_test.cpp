// `cmake --install` into a temporary prefix, then the installed programs and
// files as a user and a desktop see them: the runner on an installed example
// in a folder outside the build tree, no run path into the build tree, the
// desktop entry, AppStream file and MIME package valid, the icons up to date
// with their SVG, and the user guide found by the installed desktop program.

#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "install_support.hpp"

namespace fs = std::filesystem;
using namespace orvane::install_test;

namespace {

const fs::path kSource = ORVANE_SOURCE_DIR;
const fs::path kBuild = ORVANE_BUILD_DIR;
const std::string kAppId = "com.tarquin.orvane";

class Installed : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prefix_ = std::make_unique<TempDir>("orvane-prefix");
        const CommandRun r = runCommand(shellArg(ORVANE_CMAKE_COMMAND) + " --install " + shellArg(kBuild) + " --prefix " +
                                        shellArg(prefix_->path()));
        installLog_ = r.output;
        installStatus_ = r.status;
    }
    static void TearDownTestSuite() { prefix_.reset(); }

    void SetUp() override { ASSERT_EQ(installStatus_, 0) << installLog_; }

    static fs::path prefix() { return prefix_->path(); }

    static std::unique_ptr<TempDir> prefix_;
    static std::string installLog_;
    static int installStatus_;
};

std::unique_ptr<TempDir> Installed::prefix_;
std::string Installed::installLog_;
int Installed::installStatus_ = -1;

TEST_F(Installed, PutsEveryFileInItsFreedesktopPlace)
{
    const std::string id = kAppId;
    for (const std::string& file : std::vector<std::string>{"bin/orvane", "bin/orvane-run", "lib/libOrvaneEngine.so", "share/doc/orvane/user-guide.md",
          "share/man/man1/orvane.1.gz", "share/man/man1/orvane-run.1.gz", "share/applications/" + id + ".desktop",
          "share/metainfo/" + id + ".metainfo.xml", "share/mime/packages/" + id + ".xml",
          "share/icons/hicolor/scalable/apps/" + id + ".svg", "share/icons/hicolor/48x48/apps/" + id + ".png",
          "share/icons/hicolor/128x128/apps/" + id + ".png", "share/icons/hicolor/256x256/apps/" + id + ".png"})
        EXPECT_TRUE(fs::is_regular_file(prefix() / file)) << file;
    // The engine lives in lib/ only; a copy beside the programs would hide a broken ../lib lookup.
    EXPECT_FALSE(fs::exists(prefix() / "bin" / "libOrvaneEngine.so"));
    for (const char* program : {"bin/orvane", "bin/orvane-run"})
        EXPECT_EQ(fs::status(prefix() / program).permissions() & fs::perms::owner_exec, fs::perms::owner_exec)
            << program;
    for (const fs::directory_entry& e : fs::directory_iterator(kSource / "examples")) {
        if (e.path().extension() != ".ov5d") continue;
        EXPECT_TRUE(fs::is_regular_file(prefix() / "share/doc/orvane/examples" / e.path().filename()))
            << e.path().filename();
    }
}

TEST_F(Installed, RunnerAnalysesAnInstalledExampleOutsideTheBuildTree)
{
    TempDir work("orvane-user");
    ASSERT_FALSE(isInside(work.path(), kBuild));
    ASSERT_FALSE(isInside(work.path(), kSource));
    fs::copy_file(prefix() / "share/doc/orvane/examples/short-long-term.ov5d", work.path() / "wall.ov5d");
    const fs::path tmp = work.path() / "tmp";
    fs::create_directories(tmp);
    const CommandRun r = runCommand("cd " + shellArg(work.path()) + " && TMPDIR=" + shellArg(tmp) + " " +
                                    shellArg(prefix() / "bin/orvane-run") + " wall.ov5d");
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.output.find("  set 1: iteration"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("  set 2: iteration"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("job completed"), std::string::npos) << r.output;
    for (const char* ext : {".ov5o", ".ov5p", ".ov5r"})
        EXPECT_TRUE(fs::is_regular_file(fs::path(work.path() / "wall").replace_extension(ext))) << ext;
    EXPECT_TRUE(fs::is_empty(tmp)) << "a run folder was left behind";
}

TEST_F(Installed, ProgramsCarryNoRunPathIntoTheBuildTree)
{
    for (const char* binary : {"bin/orvane", "bin/orvane-run", "lib/libOrvaneEngine.so"}) {
        const CommandRun r = runCommand("readelf -d " + shellArg(prefix() / binary));
        ASSERT_EQ(r.status, 0) << binary << "\n" << r.output;
        std::istringstream lines(r.output);
        for (std::string line; std::getline(lines, line);) {
            if (line.find("RPATH") == std::string::npos && line.find("RUNPATH") == std::string::npos) continue;
            EXPECT_EQ(line.find(kBuild.string()), std::string::npos) << binary << ": " << line;
            EXPECT_EQ(line.find(kSource.string()), std::string::npos) << binary << ": " << line;
        }
    }
}

TEST_F(Installed, DesktopEntryAndAppStreamFileValidate)
{
    const CommandRun desktop =
        runCommand("desktop-file-validate " + shellArg(prefix() / "share/applications" / (kAppId + ".desktop")));
    EXPECT_EQ(desktop.status, 0) << desktop.output;
    EXPECT_EQ(desktop.output, "") << "warnings count as failures";
    // The installed file, and the same file with screenshots listed (as made when their address is configured).
    for (const fs::path& metainfo : {prefix() / "share/metainfo" / (kAppId + ".metainfo.xml"),
                                     kBuild / "packaging/test" / (kAppId + ".metainfo.xml")}) {
        const CommandRun r = runCommand("appstreamcli validate --no-net " + shellArg(metainfo));
        EXPECT_EQ(r.status, 0) << metainfo << "\n" << r.output;
    }
    EXPECT_NE(readText(kBuild / "packaging/test" / (kAppId + ".metainfo.xml")).find("<screenshot"), std::string::npos);
}

// What the desktop entry names must be installed: the program, its icon and the MIME types it opens.
TEST_F(Installed, DesktopEntryNamesWhatIsInstalled)
{
    const std::string entry = readText(prefix() / "share/applications" / (kAppId + ".desktop"));
    EXPECT_NE(entry.find("\nExec=orvane %f\n"), std::string::npos);
    EXPECT_NE(entry.find("\nIcon=" + kAppId + "\n"), std::string::npos);
    const std::string mime = readText(prefix() / "share/mime/packages" / (kAppId + ".xml"));
    const size_t at = entry.find("\nMimeType=");
    ASSERT_NE(at, std::string::npos);
    std::istringstream types(entry.substr(at + 10, entry.find('\n', at + 1) - at - 10));
    int count = 0;
    for (std::string type; std::getline(types, type, ';');) {
        if (type.empty()) continue;
        ++count;
        EXPECT_NE(mime.find("<mime-type type=\"" + type + "\">"), std::string::npos) << type;
    }
    EXPECT_EQ(count, 3) << "the three data-file layouts";
}

// update-mime-database builds the lookup files a desktop reads; the names and parents come out of them.
TEST_F(Installed, MimeDatabaseKnowsTheFileNames)
{
    const fs::path mime = prefix() / "share/mime";
    const CommandRun r = runCommand("update-mime-database " + shellArg(mime));
    ASSERT_EQ(r.status, 0) << r.output;
    const std::string globs = readText(mime / "globs2");
    for (const char* line : {":application/x-orvane-data:*.ov5d\n", ":application/x-orvane-data-2013:*.ov4d\n",
                             ":application/x-orvane-data-30:*.ovd\n", ":text/x-orvane-report:*.ov5o\n"})
        EXPECT_NE(globs.find(line), std::string::npos) << line << globs;
    const std::string parents = readText(mime / "subclasses");
    EXPECT_NE(parents.find("text/x-orvane-report text/plain\n"), std::string::npos) << parents;
}

// The PNGs are kept in the sources; rendered again from the SVG they must look the same.
TEST_F(Installed, IconPicturesMatchTheirSvg)
{
    TempDir work("orvane-icons");
    for (int size : {48, 128, 256}) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        const fs::path fresh = work.path() / (folder + ".png");
        const CommandRun r = runCommand("QT_QPA_PLATFORM=offscreen " + shellArg(fs::path(ORVANE_BIN_DIR) / "orvane-render-icon") +
                                        " " + shellArg(prefix() / "share/icons/hicolor/scalable/apps" / (kAppId + ".svg")) +
                                        " " + std::to_string(size) + " " + shellArg(fresh));
        ASSERT_EQ(r.status, 0) << r.output;
        const QImage installed(QString::fromStdString((prefix() / "share/icons/hicolor" / folder / "apps" / (kAppId + ".png")).string()));
        const QImage rendered(QString::fromStdString(fresh.string()));
        ASSERT_EQ(installed.size(), QSize(size, size)) << folder;
        ASSERT_EQ(rendered.size(), installed.size());
        int worst = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QColor a = installed.pixelColor(x, y), b = rendered.pixelColor(x, y);
                worst = std::max({worst, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                  std::abs(a.blue() - b.blue()), std::abs(a.alpha() - b.alpha())});
            }
        // A few levels of antialiasing may differ between Qt versions; an edit of the drawing moves far more.
        EXPECT_LE(worst, 24) << folder << ": render the PNGs again with orvane-render-icon";
    }
}

// The installed desktop program shows the installed guide, not the one in the sources.
TEST_F(Installed, DesktopProgramFindsTheInstalledUserGuide)
{
    const fs::path probe = prefix() / "bin" / "orvane-guide-probe";
    fs::copy_file(ORVANE_PROBE, probe);
    const CommandRun r = runCommand("QT_QPA_PLATFORM=offscreen " + shellArg(probe), false);
    fs::remove(probe);
    ASSERT_EQ(r.status, 0) << r.output;
    std::string found = r.output;
    while (!found.empty() && (found.back() == '\n' || found.back() == '\r')) found.pop_back();
    ASSERT_FALSE(found.empty());
    EXPECT_TRUE(fs::equivalent(found, prefix() / "share/doc/orvane/user-guide.md")) << found;
}

}  // namespace
