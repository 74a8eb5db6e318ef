// orvane-run -j N: jobs side by side give the summaries, files and exit
// status of a serial run, printed in the order of the files.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_support.hpp"
#include "job_fixture.hpp"
#include "summary.hpp"

namespace fs = std::filesystem;
using namespace orvane::test;

namespace {

// A copy of an example whose allowable deflection no set can keep.
fs::path notConvergingCopy(const fs::path& folder)
{
    std::ifstream in(fs::path(ORVANE_SOURCE_DIR) / "examples" / "cantilever-user-py.ov5d", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string wallLine = "\r\n40 12\t10\t";
    const size_t at = text.find(wallLine);
    if (at == std::string::npos) return {};
    text.replace(at, wallLine.size(), "\r\n40 12\t0.001\t");
    const fs::path copy = folder / "tight.ov5d";
    std::ofstream(copy, std::ios::binary) << text;
    return copy;
}

// The lines that name a data file: the first line of each summary.
std::vector<std::string> summaryHeads(const std::string& output)
{
    std::vector<std::string> heads;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != ' ') heads.push_back(line);
    return heads;
}

std::string fileText(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The part of the output that a file's summary takes.
std::string summaryOf(const std::string& output, const fs::path& data)
{
    const size_t from = output.find(data.string() + "\n");
    if (from == std::string::npos) return {};
    const size_t to = output.find("\n/", from);
    return output.substr(from, to == std::string::npos ? std::string::npos : to + 1 - from);
}

class ParallelRuns : public ::testing::Test {
protected:
    void SetUp() override
    {
        examples_ = copyExamples(work_.dir());
        ASSERT_GE(examples_.size(), 13u);
        tight_ = notConvergingCopy(work_.dir());
        ASSERT_FALSE(tight_.empty());
        fs::create_directories(tmp_);
    }
    CommandRun run(const std::string& options, const std::vector<fs::path>& files) const
    {
        return runCommand("TMPDIR='" + tmp_.string() + "' '" + runnerProgram().string() + "' " + options + joined(files),
                          false);
    }

    JobFolder work_;
    fs::path tmp_ = work_.dir() / "tmp";
    std::vector<fs::path> examples_;
    fs::path tight_;
};

}  // namespace

TEST_F(ParallelRuns, GiveTheSerialSummariesAndExitStatusInFileOrder)
{
    std::vector<fs::path> withTight = examples_;
    withTight.insert(withTight.begin() + 3, tight_);
    std::vector<fs::path> withFailure = withTight;
    withFailure.insert(withFailure.begin() + 1, work_.dir() / "missing.ov5d");
    struct Case {
        const char* name;
        std::vector<fs::path> files;
        int status;
    };
    const Case cases[] = {{"every example", examples_, 0},
                          {"a set not converging", withTight, 3},
                          {"a job failing", withFailure, 1}};
    for (const Case& c : cases) {
        const CommandRun serial = run("", c.files);
        ASSERT_EQ(serial.status, c.status) << c.name << "\n" << serial.output;
        std::vector<std::string> order;
        for (const fs::path& f : c.files) order.push_back(f.string());
        ASSERT_EQ(summaryHeads(serial.output), order) << c.name;
        for (const char* jobs : {"-j 1", "-j 2", "-j 0", "--jobs 3", "-j 64"}) {
            const CommandRun side = run(jobs, c.files);
            EXPECT_EQ(side.status, c.status) << c.name << " " << jobs;
            EXPECT_EQ(side.output, serial.output) << c.name << " " << jobs;
        }
    }
    EXPECT_TRUE(fs::is_empty(tmp_)) << "a run folder was left behind";
}

// Jobs of a batch, side by side or one after the other in run folders the
// batch clears and reuses, write what each job writes in a process of its own.
TEST_F(ParallelRuns, WriteTheFilesOfJobsRunAlone)
{
    for (const fs::path& f : examples_) ASSERT_EQ(run("", {f}).status, 0) << f;
    std::vector<std::string> serial;
    for (const fs::path& f : examples_)
        for (const char* ext : {".ov5p", ".ov5r"}) serial.push_back(fileText(fs::path(f).replace_extension(ext)));
    for (const char* jobs : {"-j 1", "-j 2"}) {
        ASSERT_EQ(run(jobs, examples_).status, 0);
        size_t k = 0;
        for (const fs::path& f : examples_)
            for (const char* ext : {".ov5p", ".ov5r"}) {
                const std::string now = fileText(fs::path(f).replace_extension(ext));
                EXPECT_FALSE(now.empty()) << f << ext;
                EXPECT_EQ(now, serial[k++]) << jobs << " " << f << ext;
            }
    }
    EXPECT_TRUE(fs::is_empty(tmp_)) << "a run folder was left behind";
}

// The runner takes how each set ended from the job's own account; the
// report and plot data the job wrote say the same.
TEST_F(ParallelRuns, SummaryFromTheJobAgreesWithItsFiles)
{
    std::vector<fs::path> files = examples_;
    files.push_back(tight_);
    const CommandRun r = run("-j 2", files);
    ASSERT_EQ(r.status, 3) << r.output;
    int sets = 0;
    for (const fs::path& f : files) {
        std::vector<orvane::cli::SetResult> fromFiles = orvane::cli::readReportSets(fs::path(f).replace_extension(".ov5o"));
        orvane::cli::readPlotExtremes(fs::path(f).replace_extension(".ov5p"), fromFiles);
        ASSERT_FALSE(fromFiles.empty()) << f;
        std::string expected;
        for (size_t k = 0; k < fromFiles.size(); ++k) {
            EXPECT_TRUE(fromFiles[k].extremesRead) << f << " set " << k + 1;
            expected += orvane::cli::formatSet(static_cast<int>(k + 1), fromFiles[k]) + "\n";
            ++sets;
        }
        const std::string summary = summaryOf(r.output, f);
        EXPECT_NE(summary.find("\n" + expected + "  job completed\n"), std::string::npos) << summary << "\nexpected\n"
                                                                                           << expected;
    }
    EXPECT_GT(sets, static_cast<int>(files.size()));  // some examples analyse several sets
    EXPECT_NE(summaryOf(r.output, tight_).find("NOT converged (allowable deflection exceeded)"), std::string::npos);
}

// A library with only the working-folder entry (an older engine): the batch
// runs its jobs one at a time, each in its own run folder as the current
// folder, whatever -j asks. The stand-in copies the control file it finds
// there into the report.
TEST_F(ParallelRuns, AnEngineWithoutTheJobEntryRunsEachJobInItsOwnFolder)
{
    const fs::path bin = work_.dir() / "bin";
    fs::create_directories(bin);
    fs::copy_file(runnerProgram(), bin / "orvane-run");
    fs::copy_file(FAKE_FOLDER_ENTRY_ENGINE, bin / "libOrvaneEngine.so");
    const CommandRun r = runCommand("TMPDIR='" + tmp_.string() + "' '" + (bin / "orvane-run").string() + "' -j 3" +
                                    joined(examples_));
    EXPECT_EQ(r.status, 1) << r.output;  // its reports do not end as the engine's do
    for (const fs::path& f : examples_) {
        const std::string report = fileText(fs::path(f).replace_extension(".ov5o"));
        const std::string folder = report.substr(0, report.find('\n'));
        EXPECT_EQ(fs::path(folder).parent_path(), tmp_) << f << "\n" << report;
        EXPECT_NE(report.find("\r\n" + f.string() + "\r\n"), std::string::npos) << f << "\n" << report;
    }
    EXPECT_TRUE(fs::is_empty(tmp_)) << "a run folder was left behind";
}
