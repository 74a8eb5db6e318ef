#include "model/TCommandStates.hpp"
#include "model/TMainGraphs.hpp"
#include "model/TPlotFileReader.hpp"
#include "model/TProject.hpp"

#include "FileText.hpp"
#include "TestFolder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace orvane {
namespace {

const char* const kGraphics[] = {"Comppy", "CompDef", "CompMom",    "CompShear",  "CompSoil",
                                 "DefMomShear", "CompLD", "CompCombine", "ExportPlots"};

// One English case of two stations (and the one below the tip that the
// results end with), two earth-pressure points and, when asked, one p-y
// curve of two points.
std::string plotData(bool pyCurves)
{
    return std::string("2\n0 1 1 0\n12 2 2 0\n") + (pyCurves ? "1 1\n24 2\n0 0\n1 5\n" : "1 0\n") +
           "1 3 1\n0 1 0 0 0\n12 0.5 100 10 3\n24 0.2 50 5 2\n";
}

class TCommandStatesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        project.newProject();
        project.data().FileName = (folder.path() / "wall.ov5d").string();
    }
    std::filesystem::path plotFile() const { return folder.path() / "wall.ov5p"; }
    bool readResults(bool pyCurves)
    {
        writeFileText(plotFile(), plotData(pyCurves));
        return TPlotFileReader::read(graphs, project, plotFile());
    }
    TCommandStates states(bool resultsAvailable) const { return TCommandStates(project, resultsAvailable, graphs); }

    TestFolder folder;
    TProject project;
    TMainGraphs graphs;
};

TEST_F(TCommandStatesTest, WithoutResultsEveryGraphicsCommandIsDisabled)
{
    for (const char* name : kGraphics) EXPECT_FALSE(states(false).enabled(name)) << name;
    // A plot-data file alone is not enough: the last read must have succeeded.
    ASSERT_TRUE(readResults(true));
    for (const char* name : kGraphics) EXPECT_FALSE(states(false).enabled(name)) << name;
}

TEST_F(TCommandStatesTest, ResultsEnableTheGraphsThatHoldCurves)
{
    ASSERT_TRUE(readResults(true));
    for (const char* name : kGraphics) EXPECT_TRUE(states(true).enabled(name)) << name;
}

TEST_F(TCommandStatesTest, ResultsWithoutPYCurvesLeaveThePYCommandDisabled)
{
    ASSERT_TRUE(readResults(false));
    const TCommandStates s = states(true);
    EXPECT_FALSE(s.enabled("Comppy"));
    for (const char* name : {"CompDef", "CompMom", "CompShear", "CompSoil", "DefMomShear", "CompLD", "CompCombine",
                             "ExportPlots"})
        EXPECT_TRUE(s.enabled(name)) << name;
}

TEST_F(TCommandStatesTest, OneStationIsNoCurveAndTheThreePanelsFollowTheirGraphs)
{
    writeFileText(plotFile(), "1\n0 1 1 0\n1 0\n1 1 1\n0 1 0 0 0\n");
    ASSERT_TRUE(TPlotFileReader::read(graphs, project, plotFile()));
    const TCommandStates s = states(true);
    for (const char* name : {"CompDef", "CompMom", "CompShear", "CompSoil", "DefMomShear", "CompLD"})
        EXPECT_FALSE(s.enabled(name)) << name;
    EXPECT_TRUE(s.enabled("CompCombine"));
    EXPECT_TRUE(s.enabled("ExportPlots"));
}

TEST_F(TCommandStatesTest, APlotDataFileDeletedAfterTheReadDisablesTheGraphics)
{
    ASSERT_TRUE(readResults(true));
    std::filesystem::remove(plotFile());
    for (const char* name : kGraphics) EXPECT_FALSE(states(true).enabled(name)) << name;
}

TEST_F(TCommandStatesTest, DataOptionAndStageCommandsFollowTheProject)
{
    TProgramData& d = project.data();
    d.UseLongTerm = true;
    d.UseTiebacks = true;
    d.Units = 2;
    TCommandStates s(project, false, graphs);
    EXPECT_FALSE(s["DataSoilLayers"].visible);
    EXPECT_TRUE(s["SoilSubmenu"].visible);
    EXPECT_TRUE(s.enabled("DataTieback"));
    EXPECT_FALSE(s.enabled("DataSprings"));
    EXPECT_FALSE(s.enabled("ToolSoilLayers"));
    EXPECT_TRUE(s["Units2"].checked);
    EXPECT_FALSE(s["Units1"].checked);
    EXPECT_FALSE(s.enabled("OptStaged"));
    EXPECT_FALSE(s["StageMenu"].visible);
    EXPECT_FALSE(s.enabled("EditOutput"));
    EXPECT_THROW(s["NoSuchCommand"], std::out_of_range);

    d.UseLongTerm = false;
    d.StageCount = 3;
    d.CurrentStage = 2;
    writeFileText(folder.path() / "wall.ov5o", "report");
    const TCommandStates staged(project, false, graphs);
    EXPECT_TRUE(staged["StageMenu"].visible);
    EXPECT_TRUE(staged["Stage2"].checked);
    EXPECT_TRUE(staged.enabled("Stage3"));
    EXPECT_FALSE(staged.enabled("Stage4"));
    EXPECT_TRUE(staged.enabled("CopyPreviousStage"));
    EXPECT_FALSE(staged.enabled("OptLongTerm"));
    EXPECT_TRUE(staged.enabled("EditOutput"));
}

}  // namespace
}  // namespace orvane
