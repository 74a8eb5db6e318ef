// The engine library's job entry as the runner calls it: jobs in folders of
// their own on several threads at once write what they write one at a time
// and hand back the outcome their report states; and the runner loads the
// library once for a batch where the desktop program loads it per run.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "cli_support.hpp"
#include "core/job_entry.h"
#include "job_fixture.hpp"
#include "model/TControlFile.hpp"
#include "model/TDataFileReader.hpp"
#include "model/TLayout.hpp"
#include "model/TProject.hpp"
#include "model/TRunCommand.hpp"
#include "summary.hpp"

namespace fs = std::filesystem;
using namespace orvane::test;

namespace {

struct Outcome {
    int32_t word = -1;
    std::vector<OrvaneSetEnd> sets;
    std::string message;
};

void onSet(void* c, const OrvaneSetEnd* s) { static_cast<Outcome*>(c)->sets.push_back(*s); }
void onMessage(void* c, const char* text) { static_cast<Outcome*>(c)->message = text; }

// A report without its date and time, which differ from run to run.
std::string undated(const std::string& report)
{
    std::istringstream in(report);
    std::string kept;
    for (std::string line; std::getline(in, line);)
        if (line.find("Date:  ") == std::string::npos) kept += line + "\n";
    return kept;
}

class JobEntry : public ::testing::Test {
protected:
    void SetUp() override
    {
        handle_ = dlopen((fs::path(ORVANE_BIN_DIR) / "libOrvaneEngine.so").c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
        entry_ = reinterpret_cast<OrvaneJobEntry>(dlsym(handle_, ORVANE_JOB_ENTRY_NAME));
        ASSERT_NE(entry_, nullptr);
    }
    void TearDown() override
    {
        if (handle_) dlclose(handle_);
    }
    // A job folder per example under `root`, its control file naming a copy of the example there.
    std::vector<fs::path> jobFolders(const fs::path& root) const
    {
        std::vector<fs::path> folders;
        for (const fs::path& example : copyExamples(work_.dir())) {
            const fs::path folder = root / example.stem();
            fs::create_directories(folder);
            fs::copy_file(example, folder / example.filename());
            orvane::TControlFile::write(folder, folder / example.filename());
            folders.push_back(folder);
        }
        return folders;
    }
    Outcome run(const fs::path& folder) const
    {
        Outcome o;
        const OrvaneJobSink sink{&o, onSet, onMessage};
        o.word = entry_(8, folder.c_str(), &sink);
        return o;
    }

    JobFolder work_;
    void* handle_ = nullptr;
    OrvaneJobEntry entry_ = nullptr;
};

}  // namespace

TEST_F(JobEntry, JobsSideBySideWriteWhatTheyWriteAlone)
{
    const std::vector<fs::path> alone = jobFolders(work_.dir() / "alone");
    const std::vector<fs::path> together = jobFolders(work_.dir() / "together");
    ASSERT_GE(alone.size(), 13u);
    std::vector<Outcome> first, second(together.size());
    for (const fs::path& f : alone) first.push_back(run(f));
    std::atomic<size_t> next{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (size_t k; (k = next++) < together.size();) second[k] = run(together[k]);
        });
    for (std::thread& t : threads) t.join();

    for (size_t k = 0; k < alone.size(); ++k) {
        const std::string name = alone[k].filename().string();
        EXPECT_EQ(second[k].word, first[k].word) << name;
        EXPECT_EQ(first[k].word, 0) << name << ": " << first[k].message;
        ASSERT_EQ(second[k].sets.size(), first[k].sets.size()) << name;
        const fs::path data = alone[k] / (name + ".ov5d");
        // The outcome's sets are the report's.
        const std::vector<orvane::cli::SetResult> reported = orvane::cli::readReportSets(fs::path(data).replace_extension(".ov5o"));
        ASSERT_EQ(reported.size(), first[k].sets.size()) << name;
        for (size_t s = 0; s < reported.size(); ++s) {
            const OrvaneSetEnd& a = first[k].sets[s];
            const OrvaneSetEnd& b = second[k].sets[s];
            EXPECT_EQ(a.iteration, b.iteration) << name;
            EXPECT_EQ(a.iteration, reported[s].iteration) << name;
            EXPECT_EQ(a.offCurve != 0, reported[s].offCurve) << name;
            EXPECT_EQ(a.exceeded > 0, reported[s].exceeded) << name;
            EXPECT_EQ(a.notClosed > 0, reported[s].notClosed) << name;
            EXPECT_EQ(a.exceeded, b.exceeded) << name;
            EXPECT_EQ(a.notClosed, b.notClosed) << name;
        }
        const fs::path twin = together[k] / (name + ".ov5d");
        for (const char* ext : {".ov5p", ".ov5r"})
            EXPECT_EQ(readFile(fs::path(twin).replace_extension(ext)), readFile(fs::path(data).replace_extension(ext)))
                << name << ext;
        // The reports name their own folders; otherwise they are the same.
        std::string report = undated(readFile(fs::path(twin).replace_extension(".ov5o")));
        const std::string from = together[k].string(), to = alone[k].string();
        for (size_t at; (at = report.find(from)) != std::string::npos;) report.replace(at, from.size(), to);
        EXPECT_EQ(report, undated(readFile(fs::path(data).replace_extension(".ov5o")))) << name;
    }
}

TEST_F(JobEntry, RefusesOtherInterfaceNumbersAndSaysWhyAJobFailed)
{
    const fs::path folder = jobFolders(work_.dir() / "jobs").front();
    const size_t files = std::distance(fs::directory_iterator(folder), fs::directory_iterator());
    Outcome refused;
    const OrvaneJobSink sink{&refused, onSet, onMessage};
    for (int32_t number : {7, 9, 0})
        EXPECT_EQ(entry_(number, folder.c_str(), &sink), 1) << number;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), static_cast<long>(files));
    EXPECT_EQ(entry_(8, nullptr, &sink), 4);
    EXPECT_EQ(entry_(8, "", &sink), 4);
    EXPECT_TRUE(refused.sets.empty());

    const Outcome noControl = run(work_.dir() / "no such folder");
    EXPECT_EQ(noControl.word, 4);
    EXPECT_FALSE(noControl.message.empty());

    // The report's name taken by a folder: the message names it and says why.
    const fs::path report = fs::path(folder / (folder.filename().string() + ".ov5o"));
    fs::create_directory(report);
    const Outcome blocked = run(folder);
    EXPECT_EQ(blocked.word, 4);
    EXPECT_TRUE(blocked.sets.empty());
    EXPECT_NE(blocked.message.find(report.string()), std::string::npos) << blocked.message;
    EXPECT_NE(blocked.message.find("Is a directory"), std::string::npos) << blocked.message;
    fs::remove(report);
    EXPECT_EQ(entry_(8, folder.c_str(), nullptr), 0);  // no sink: the job still runs
}

// The runner loads its engine once for the whole batch; the desktop
// program's run command loads it for every run.
TEST(EngineLoading, OncePerRunnerAndOncePerDesktopRun)
{
    JobFolder work;
    const fs::path log = work.dir() / "loads.log";
    const fs::path bin = work.dir() / "bin";
    fs::create_directories(bin);
    fs::copy_file(runnerProgram(), bin / "orvane-run");
    fs::copy_file(FAKE_WORD4_JOB_ENTRY, bin / "libOrvaneEngine.so");
    const std::vector<fs::path> files = copyExamples(work.dir());
    const CommandRun r = runCommand("FAKE_ENGINE_LOAD_LOG='" + log.string() + "' '" + (bin / "orvane-run").string() +
                                    "' -j 2" + joined(files));
    EXPECT_EQ(r.status, 1) << r.output;
    EXPECT_EQ(readFile(log), "loaded\n");

    fs::remove(log);
    ::setenv("FAKE_ENGINE_LOAD_LOG", log.c_str(), 1);
    orvane::TProject project;
    ASSERT_FALSE(orvane::TDataFileReader::readProject(project, files.front(), orvane::TLayout::Current));
    const orvane::TRunCommand perRun(bin / "libOrvaneEngine.so");
    for (int k = 0; k < 2; ++k) EXPECT_EQ(perRun.run(project).result, orvane::TRunResult::FilesFailed);
    const orvane::TRunCommand held(bin / "libOrvaneEngine.so", orvane::TRunCommand::Loading::Held);
    for (int k = 0; k < 2; ++k) EXPECT_EQ(held.run(project).result, orvane::TRunResult::FilesFailed);
    ::unsetenv("FAKE_ENGINE_LOAD_LOG");
    EXPECT_EQ(readFile(log), "loaded\nloaded\nloaded\n");
}

// The desktop program's run command (library loaded for the run) says a job
// whose report cannot be written failed, naming the report and the reason,
// and hands back the sets of a job that ran.
TEST(DesktopRunCommand, AJobThatCouldNotWriteIsAFailureWithTheEnginesWords)
{
    JobFolder work;
    fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "examples/short-long-term.ov5d", work.data());
    orvane::TProject project;
    ASSERT_FALSE(orvane::TDataFileReader::readProject(project, work.data(), orvane::TLayout::Current));
    const orvane::TRunCommand command(fs::path(ORVANE_BIN_DIR) / "libOrvaneEngine.so");

    const orvane::TRunOutcome ran = command.run(project);
    EXPECT_EQ(ran.result, orvane::TRunResult::Completed) << ran.message;
    EXPECT_EQ(ran.engineResult, 0);
    EXPECT_TRUE(ran.hasSets);
    EXPECT_EQ(ran.sets.size(), orvane::cli::readReportSets(fs::path(work.data()).replace_extension(".ov5o")).size());
    EXPECT_EQ(ran.sets.size(), 2u);

    const fs::path report = fs::path(work.data()).replace_extension(".ov5o");
    fs::remove(report);
    fs::create_directory(report);
    const orvane::TRunOutcome blocked = command.run(project);
    EXPECT_EQ(blocked.result, orvane::TRunResult::FilesFailed);
    EXPECT_FALSE(blocked.completed());
    EXPECT_EQ(blocked.engineResult, 4);
    EXPECT_NE(blocked.message.find(report.string()), std::string::npos) << blocked.message;
    EXPECT_NE(blocked.message.find("Is a directory"), std::string::npos) << blocked.message;
    EXPECT_TRUE(blocked.sets.empty());
    EXPECT_TRUE(blocked.plotFile.empty());
}
