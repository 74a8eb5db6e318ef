// The checks before a run that the desktop program asks about ("Run anyway")
// are lines of the runner's summary and a "findings" array of its JSON; they
// do not stop the job and do not change the exit status.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "cli_support.hpp"
#include "job_fixture.hpp"
#include "model/TDataFileReader.hpp"
#include "model/TDataFileWriter.hpp"
#include "model/TLayout.hpp"
#include "model/TProject.hpp"
#include "model/TProjectFiles.hpp"
#include "model/TStageFiles.hpp"
#include "model/TStages.hpp"

namespace fs = std::filesystem;
using namespace orvane::test;

namespace {

// Written by hand from the table, row and value changed below.
const char* const kFinding =
    "External p-y Curve 2 (node 20), row 4: the deflection y = -0.6 in does not increase from the row before "
    "(-0.6 in); the deflections of a curve must increase.";

class Findings : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The example with a p-y curve whose fourth deflection repeats the third.
        orvane::TProject project;
        ASSERT_FALSE(orvane::TDataFileReader::readProject(
            project, fs::path(ORVANE_SOURCE_DIR) / "examples/cantilever-user-py.ov5d", orvane::TLayout::Current));
        project.tables().PYCurves2.cell(1, 1).subTable()->cell(0, 3).setReal(-0.6);
        orvane::TDataFileWriter(project).writeDataFile(flawed_);
        fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "examples/soft-clay-cantilever.ov5d", clean_);
    }
    CommandRun run(const std::string& options) const
    {
        return runCommand("'" + runnerProgram().string() + "' " + options + " '" + flawed_.string() + "' '" +
                          clean_.string() + "'", false);
    }

    JobFolder work_;
    fs::path flawed_ = work_.dir() / "flawed.ov5d";
    fs::path clean_ = work_.dir() / "clean.ov5d";
};

}  // namespace

TEST_F(Findings, AFindingIsALineUnderItsFileAndDoesNotStopTheJob)
{
    const CommandRun r = run("");
    EXPECT_EQ(r.status, 0) << r.output;  // both jobs converge: a finding is no failure
    const std::string head = flawed_.string() + "\n  warning: " + kFinding + "\n  set 1: iteration ";
    EXPECT_EQ(r.output.rfind(head, 0), 0u) << r.output;
    const size_t clean = r.output.find("\n" + clean_.string() + "\n");
    ASSERT_NE(clean, std::string::npos) << r.output;
    EXPECT_NE(r.output.find("  job completed\n"), std::string::npos) << r.output;
    EXPECT_EQ(r.output.find("warning:", clean), std::string::npos) << r.output;
    EXPECT_EQ(r.output.find("warning:", head.size()), std::string::npos) << "one finding only\n" << r.output;
}

TEST_F(Findings, TheJsonHoldsEachFindingWithItsTableRowAndText)
{
    const CommandRun r = run("--json");
    EXPECT_EQ(r.status, 0) << r.output;
    const nlohmann::json doc = nlohmann::json::parse(r.output);
    const nlohmann::json& files = doc.at("files");
    ASSERT_EQ(files.size(), 2u);
    const nlohmann::json& flawed = files[0].at("findings");
    ASSERT_EQ(flawed.size(), 1u) << flawed.dump();
    EXPECT_EQ(flawed[0].at("table"), "External p-y Curve 2 (node 20)");
    EXPECT_EQ(flawed[0].at("row"), 4);
    EXPECT_EQ(flawed[0].at("text"), kFinding);
    EXPECT_EQ(files[0].at("outcome"), "completed");
    EXPECT_EQ(files[1].at("findings"), nlohmann::json::array());
}

// The runner's byte-for-byte tests run the examples; none of them has a
// finding, so their summaries are as before.
TEST(FindingsOfExamples, NoExampleHasAFinding)
{
    JobFolder work;
    const std::vector<fs::path> files = copyExamples(work.dir());
    const CommandRun text = runCommand("'" + runnerProgram().string() + "'" + joined(files), false);
    EXPECT_EQ(text.status, 0) << text.output;
    EXPECT_EQ(text.output.find("warning:"), std::string::npos) << text.output;
    const CommandRun json = runCommand("'" + runnerProgram().string() + "' --json" + joined(files), false);
    const nlohmann::json doc = nlohmann::json::parse(json.output);
    ASSERT_EQ(doc.at("files").size(), files.size());
    for (const nlohmann::json& f : doc.at("files")) EXPECT_EQ(f.at("findings"), nlohmann::json::array()) << f.at("path");
}

namespace {

std::string bytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

// Every stage of a staged file is checked as the data file holds it, even
// when stage files of another state lie beside it (a desktop session's), and
// those are left as they are.
TEST(FindingsOfStages, EveryStageOfTheDataFileIsChecked)
{
    JobFolder work;
    const fs::path clean = work.dir() / "wall.ov5d";
    fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "examples/three-stage.ov5d", clean);
    const fs::path edited = work.dir() / "edit" / "wall.ov5d";
    fs::create_directories(edited.parent_path());
    fs::copy_file(clean, edited);
    {
        orvane::TProject project;
        ASSERT_EQ(orvane::TProjectFiles::open(project, edited, orvane::TLayout::Current), std::nullopt);
        ASSERT_EQ(project.data().StageCount, 3);
        orvane::TStages stages(project);
        ASSERT_EQ(stages.switchTo(2), std::nullopt);
        project.tables().PileSect.cell(3, 0).setReal(0);
        orvane::TProjectFiles::save(project);
    }
    // The data file now holds the edited stages; the clean example's stage
    // files lie beside it.
    orvane::TStageFiles::split(clean, 3);
    fs::copy_file(edited, clean, fs::copy_options::overwrite_existing);
    const std::string stage2 = bytesOf(orvane::TStageFiles::name(clean, 2));
    ASSERT_FALSE(stage2.empty());

    const CommandRun r = runCommand("'" + runnerProgram().string() + "' '" + clean.string() + "'", false);
    const std::string expected = clean.string() + "\n  warning: Stage 2, Wall Stiffness, row 1: the flexural stiffness EI is 0 ";
    EXPECT_EQ(r.output.rfind(expected, 0), 0u) << r.output;
    EXPECT_EQ(r.output.find("warning:", expected.size()), std::string::npos) << "one finding only\n" << r.output;
    EXPECT_EQ(bytesOf(orvane::TStageFiles::name(clean, 2)), stage2);
}
