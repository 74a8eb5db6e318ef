#include "model/EWriteError.hpp"
#include "model/TControlFile.hpp"
#include "model/TProject.hpp"
#include "model/TProjectFiles.hpp"
#include "model/TRunCommand.hpp"

#include "FileText.hpp"
#include "SampleProject.hpp"
#include "TestFolder.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <dlfcn.h>
#include <thread>

namespace orvane {
namespace {

const char* const kCompleted = "Computations are completed. Please, check output file for results or error messages.";

bool loaded(const std::string& path)
{
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle) ::dlclose(handle);
    return handle != nullptr;
}

bool isEmpty(const std::filesystem::path& folder)
{
    return std::filesystem::directory_iterator(folder) == std::filesystem::directory_iterator();
}

// A saved project in its own folder; the run folders go to a private
// temporary folder so the test sees everything a run leaves behind.
class RunCommandTest : public ::testing::Test {
protected:
    RunCommandTest()
    {
        const char* tmp = std::getenv("TMPDIR");
        oldTmp_ = tmp ? tmp : "";
        hadTmp_ = tmp != nullptr;
        ::setenv("TMPDIR", temporary.path().c_str(), 1);
        project.data().Increments = 40;
        setRows(project.tables().PileSect, {{0, 40, 1, 1e9}});
        TProjectFiles::saveAs(project, dataFile());
    }
    ~RunCommandTest() override
    {
        if (hadTmp_)
            ::setenv("TMPDIR", oldTmp_.c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }
    std::filesystem::path dataFile() const { return projectFolder.path() / "wall.ov5d"; }

    TestFolder temporary;
    TestFolder projectFolder;
    TProject project;

private:
    std::string oldTmp_;
    bool hadTmp_ = false;
};

TEST_F(RunCommandTest, ANormalRunLeavesResultsAndNothingElse)
{
    const std::filesystem::path before = std::filesystem::current_path();
    const TRunOutcome outcome = TRunCommand(FAKE_ENGINE).run(project);
    EXPECT_EQ(outcome.result, TRunResult::Completed);
    EXPECT_EQ(outcome.message, kCompleted);
    EXPECT_EQ(outcome.engineResult, 0);
    EXPECT_EQ(outcome.plotFile, projectFolder.path() / "wall.ov5p");
    EXPECT_EQ(std::filesystem::current_path(), before);
    EXPECT_FALSE(loaded(FAKE_ENGINE));
    EXPECT_TRUE(isEmpty(temporary.path()));  // control file, scratch file and run folder are gone

    // The engine ran in a private folder under the temporary folder and found
    // the control file there.
    const std::string report = fileText(projectFolder.path() / "wall.ov5o");
    const std::string runFolder = report.substr(0, report.find('\n'));
    EXPECT_EQ(std::filesystem::path(runFolder).parent_path(), temporary.path());
    EXPECT_EQ(report.substr(runFolder.size() + 1), TControlFile::text(dataFile()));
    EXPECT_EQ(fileText(projectFolder.path() / "wall.ov5r"), "run notes\n");
}

TEST_F(RunCommandTest, AFailedCheckWritesNoControlFile)
{
    project.data().Increments = 30;
    const TRunOutcome outcome = TRunCommand(FAKE_ENGINE).run(project);
    EXPECT_EQ(outcome.result, TRunResult::CheckFailed);
    EXPECT_EQ(outcome.message,
              "End Node, 40 in row 1 of Wall Stiffness definition\ris greater than number of nodes defined, 30.\r"
              "Please check on Wall Properties Windows and Wall Stiffness Table");
    EXPECT_TRUE(isEmpty(temporary.path()));
    EXPECT_FALSE(std::filesystem::exists(projectFolder.path() / "wall.ov5o"));
}

size_t entries(const std::filesystem::path& folder)
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

// A line break in the data file's path would split its line of the control
// file, and the parts would name other files as the report, the plot data
// and the run notes: here the planted file that the broken line names.
TEST_F(RunCommandTest, APathWithALineBreakIsRefusedBeforeTheRun)
{
    const std::filesystem::path planted = projectFolder.path() / "vdir" / "wall.ov5d";
    std::filesystem::create_directories(planted.parent_path());
    writeFileText(planted, "planted\n");
    for (const auto& [lineBreak, shown] : {std::pair{"\n", "\\n"}, std::pair{"\r", "\\r"}}) {
        const std::string evil = projectFolder.path().string() + "/evil" + lineBreak;
        const std::filesystem::path folder = evil + planted.parent_path().string();
        std::filesystem::create_directories(folder);
        TProjectFiles::saveAs(project, folder / "wall.ov5d");
        const TRunOutcome outcome = TRunCommand(FAKE_ENGINE).run(project);
        EXPECT_EQ(outcome.result, TRunResult::WriteFailed);
        EXPECT_EQ(outcome.message, "The data file \"" + projectFolder.path().string() + "/evil" + shown +
                                       (folder / "wall.ov5d").string().substr(evil.size()) +
                                       "\" cannot be analysed: its path holds a line break, and the control file "
                                       "names.dat names each file of the run on a line of its own. Rename the file "
                                       "or its folder.");
        EXPECT_EQ(fileText(planted), "planted\n");
        EXPECT_EQ(entries(planted.parent_path()), 1u);
        EXPECT_FALSE(std::filesystem::exists(projectFolder.path() / "evil"));
        EXPECT_EQ(entries(folder), 1u);  // the data file alone
        EXPECT_THROW(TControlFile::text(folder / "wall.ov5d"), EWriteError);
        std::filesystem::remove_all(evil);
    }
}

TEST_F(RunCommandTest, AMissingLibraryFailsAndRemovesTheControlFile)
{
    const TRunOutcome outcome = TRunCommand(temporary.path() / "libOrvaneEngine.so").run(project);
    EXPECT_EQ(outcome.result, TRunResult::LibraryFailed);
    EXPECT_EQ(outcome.message, "Attempt to initialize DLL failed");
    EXPECT_NE(outcome.detail.find("Library is not open"), std::string::npos);
    EXPECT_TRUE(isEmpty(temporary.path()));
    EXPECT_FALSE(std::filesystem::exists(projectFolder.path() / "wall.ov5o"));
}

TEST_F(RunCommandTest, ALibraryWithoutTheEntryFails)
{
    const TRunOutcome outcome = TRunCommand(FAKE_ENGINE_NO_ENTRY).run(project);
    EXPECT_EQ(outcome.result, TRunResult::LibraryFailed);
    EXPECT_EQ(outcome.message, "Attempt to initialize DLL failed");
    EXPECT_TRUE(isEmpty(temporary.path()));
    EXPECT_FALSE(loaded(FAKE_ENGINE_NO_ENTRY));
}

TEST_F(RunCommandTest, TheEngineRefusingTheInterfaceIsReported)
{
    const TRunOutcome outcome = TRunCommand(FAKE_ENGINE_REFUSING).run(project);
    EXPECT_EQ(outcome.result, TRunResult::Refused);
    EXPECT_EQ(outcome.engineResult, 1);
    EXPECT_EQ(outcome.message.substr(0, outcome.message.rfind('\r')),
              "Computations can not be performed. Executable files are not consistent.\r"
              "You may need to reinstall the program.");
    EXPECT_TRUE(outcome.plotFile.empty());
    EXPECT_TRUE(isEmpty(temporary.path()));
    EXPECT_FALSE(loaded(FAKE_ENGINE_REFUSING));
}

TEST_F(RunCommandTest, AnUnsavedProjectDoesNotRun)
{
    TProject unsaved;
    const TRunOutcome outcome = TRunCommand(FAKE_ENGINE).run(unsaved);
    EXPECT_EQ(outcome.result, TRunResult::NotSaved);
    EXPECT_EQ(outcome.message, "");
    EXPECT_TRUE(isEmpty(temporary.path()));
}

TEST_F(RunCommandTest, OnlyOneRunAtATime)
{
    TRunOutcome first;
    std::thread running([&] { first = TRunCommand(FAKE_ENGINE_SLOW).run(project); });
    while (isEmpty(temporary.path())) std::this_thread::yield();
    const TRunOutcome second = TRunCommand(FAKE_ENGINE).run(project);
    running.join();
    EXPECT_EQ(second.result, TRunResult::AlreadyRunning);
    EXPECT_EQ(second.message, "Attempt to reinitialize DLL");
    EXPECT_EQ(first.result, TRunResult::Completed);
}

TEST(TControlFile, HoldsTheVersionTextsAndTheFilePaths)
{
    EXPECT_EQ(TControlFile::text("/data/walls/wall one.ov5d"),
              "2015.5.8\r\n"
              "\r\n"
              ", \r\n"
              "0\r\n"
              "/data/walls/wall one.ov5d\r\n"
              "/data/walls/wall one.ov5o\r\n"
              "/data/walls/wall one.ov5p\r\n"
              "/data/walls/wall one.ov5r\r\n");
    EXPECT_EQ(TControlFile::text("/w/a.ov5d", "  Engineer ", " Firm  ").substr(12, 17), "Engineer, Firm\r\n0");
    const std::string relative = TControlFile::text("wall.ov5d");
    EXPECT_NE(relative.find("\r\n" + (std::filesystem::current_path() / "wall.ov5d").string() + "\r\n"),
              std::string::npos);
}

TEST(TRunCommand, TheEngineLibraryIsLookedForBesideTheProgram)
{
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(TRunCommand::defaultLibrary(), program.parent_path() / "libOrvaneEngine.so");
}

}  // namespace
}  // namespace orvane
