#include "model/EWriteError.hpp"
#include "model/TDataFileReader.hpp"
#include "model/TProject.hpp"
#include "model/TProjectFiles.hpp"
#include "model/TRealFormat.hpp"
#include "model/TStageFiles.hpp"
#include "model/TStages.hpp"

#include "FileText.hpp"
#include "ProjectDump.hpp"
#include "SampleProject.hpp"
#include "TestFolder.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane {
namespace {

// Second line of a stage file: the control line, whose 8th item is the stage count.
std::string controlLine(const std::string& text)
{
    const size_t start = text.find("\r\n") + 2;
    return text.substr(start, text.find("\r\n", start) - start);
}

std::string lastLine(const std::string& text)
{
    const size_t end = text.size() - 2;
    return text.substr(text.rfind("\r\n", end - 1) + 2, end - text.rfind("\r\n", end - 1) - 2);
}

std::string firstLine(const std::string& text)
{
    return text.substr(0, text.find("\r\n"));
}

// The stage's set without its first and last lines (title and stage number).
std::string body(const std::string& text)
{
    const size_t start = text.find("\r\n") + 2;
    const size_t end = text.rfind("\r\n", text.size() - 3);
    return text.substr(start, end - start);
}

class StagesTest : public ::testing::Test {
protected:
    StagesTest()
    {
        project.data().FileName = (folder.path() / "wall.ov5d").string();
        project.data().Title = "Staged wall";
        project.data().Increments = 40;
        setRows(project.tables().PileSect, {{0, 40, 1, 1e9}});
    }
    std::filesystem::path stageFile(int stage) const { return TStageFiles::name(project.data().FileName, stage); }
    std::string stageText(int stage) const { return fileText(stageFile(stage)); }

    TestFolder folder;
    TProject project;
    TStages stages{project};
};

TEST_F(StagesTest, AFirstStageCountMakesEveryStageACopyOfTheProject)
{
    ASSERT_EQ(stages.setCount(3), std::nullopt);
    EXPECT_EQ(project.data().StageCount, 3);
    EXPECT_EQ(project.data().CurrentStage, 1);
    EXPECT_TRUE(project.isModified());
    EXPECT_EQ(stages.statusText(), "Construction Stage Number: 1");
    for (int stage = 1; stage <= 3; ++stage) {
        SCOPED_TRACE(stage);
        const std::string text = stageText(stage);
        EXPECT_EQ(firstLine(text), stage == 1 ? "Staged wall" : " Stage No : " + std::to_string(stage));
        EXPECT_EQ(lastLine(text), std::to_string(stage));
        EXPECT_EQ(controlLine(text), "1 0\t1\t0\t2\t2 0 3 0 0");
        EXPECT_EQ(body(text), body(stageText(1)));
    }
    EXPECT_FALSE(std::filesystem::exists(stageFile(4)));
}

TEST_F(StagesTest, TwoToFourCopiesStageTwoAndRewritesTheCount)
{
    ASSERT_EQ(stages.setCount(2), std::nullopt);
    ASSERT_EQ(stages.switchTo(2), std::nullopt);
    project.data().Increments = 55;
    ASSERT_EQ(stages.switchTo(1), std::nullopt);
    ASSERT_EQ(stages.setCount(4), std::nullopt);
    EXPECT_EQ(project.data().CurrentStage, 1);
    EXPECT_EQ(project.data().Increments, 40);
    for (int stage = 1; stage <= 4; ++stage)
        EXPECT_EQ(controlLine(stageText(stage)), "1 0\t1\t0\t2\t2 0 4 0 0") << stage;
    EXPECT_EQ(body(stageText(3)), body(stageText(2)));
    EXPECT_EQ(body(stageText(4)), body(stageText(2)));
    EXPECT_NE(body(stageText(2)).find("\r\n55 "), std::string::npos);
    EXPECT_EQ(firstLine(stageText(4)), " Stage No : 4");
    EXPECT_EQ(lastLine(stageText(4)), "4");
}

TEST_F(StagesTest, ThreeToOneDeletesTheStageFilesAndKeepsStageOne)
{
    ASSERT_EQ(stages.setCount(3), std::nullopt);
    ASSERT_EQ(stages.switchTo(2), std::nullopt);
    project.data().Increments = 55;
    ASSERT_EQ(stages.setCount(1), std::nullopt);
    EXPECT_EQ(project.data().StageCount, 1);
    EXPECT_EQ(project.data().CurrentStage, 1);
    EXPECT_EQ(project.data().Increments, 40);
    EXPECT_EQ(project.data().Title, "Staged wall");
    for (int stage = 1; stage <= 5; ++stage) EXPECT_FALSE(std::filesystem::exists(stageFile(stage))) << stage;
    EXPECT_EQ(stages.statusText(), "");
}

TEST_F(StagesTest, ChangingTheCountKeepsTheEditsOfTheCurrentStage)
{
    ASSERT_EQ(stages.setCount(2), std::nullopt);
    ASSERT_EQ(stages.switchTo(2), std::nullopt);
    project.data().Increments = 66;
    ASSERT_EQ(stages.setCount(3), std::nullopt);
    EXPECT_EQ(project.data().CurrentStage, 2);
    EXPECT_EQ(project.data().Increments, 66);
    EXPECT_NE(body(stageText(3)).find("\r\n66 "), std::string::npos);
}

TEST_F(StagesTest, SwitchingSavesTheStageAndKeepsTheModifiedState)
{
    ASSERT_EQ(stages.setCount(2), std::nullopt);
    project.setModified(false);
    ASSERT_EQ(stages.switchTo(2), std::nullopt);
    EXPECT_EQ(project.data().Title, " Stage No : 2");
    EXPECT_EQ(stages.statusText(), "Construction Stage Number: 2");
    EXPECT_FALSE(project.isModified());
    project.tables().PileSect.commit(3, 0, "2e9");
    ASSERT_EQ(stages.switchTo(1), std::nullopt);
    EXPECT_TRUE(project.isModified());
    EXPECT_EQ(project.data().Title, "Staged wall");
    EXPECT_EQ(project.tables().PileSect.cell(3, 0).asReal(), 1e9);
    EXPECT_NE(stageText(2).find("\t2E9\r\n"), std::string::npos);
}

TEST_F(StagesTest, AReloadedStageKeepsItsTrapezoidalEarthPressure)
{
    project.setEarthPressureChoice(3);
    project.data().GeneratedEarthPressure = true;  // as read from a file
    project.setOption(TOption::GeneratePYCurves, false);
    ASSERT_EQ(stages.setCount(2), std::nullopt);
    ASSERT_EQ(stages.switchTo(2), std::nullopt);
    ASSERT_EQ(stages.switchTo(1), std::nullopt);
    stages.saveCurrentStage();
    EXPECT_EQ(controlLine(stageText(1)), "1 0\t1\t0\t3\t0 0 2 0 0");
}

TEST_F(StagesTest, SwitchingToTheCurrentStageDoesNothing)
{
    ASSERT_EQ(stages.setCount(2), std::nullopt);
    std::filesystem::remove(stageFile(1));
    project.data().Increments = 77;
    ASSERT_EQ(stages.switchTo(1), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(stageFile(1)));
    EXPECT_EQ(project.data().Increments, 77);
}

TEST_F(StagesTest, CopyPreviousStageReplacesTheCurrentStage)
{
    ASSERT_EQ(stages.setCount(3), std::nullopt);
    ASSERT_EQ(stages.switchTo(2), std::nullopt);
    project.data().Increments = 55;
    ASSERT_EQ(stages.switchTo(3), std::nullopt);
    project.data().Increments = 70;
    EXPECT_EQ(stages.copyPreviousQuestion(), "Do you want to copy all information from Stage 2 to Stage 3");
    ASSERT_EQ(stages.copyPrevious(), std::nullopt);
    EXPECT_EQ(project.data().Increments, 55);
    EXPECT_EQ(project.data().Title, " Stage No : 3");
    EXPECT_EQ(firstLine(stageText(3)), " Stage No : 3");
    EXPECT_EQ(lastLine(stageText(3)), "3");
    EXPECT_EQ(body(stageText(3)), body(stageText(2)));
}

TEST_F(StagesTest, AThreeStageFileSplitsAndJoinsBackUnchanged)
{
    fillSampleProject(project);
    project.data().FileName = (folder.path() / "wall.ov5d").string();
    ASSERT_EQ(stages.setCount(3), std::nullopt);
    ASSERT_EQ(stages.switchTo(2), std::nullopt);
    project.data().WallHeight = 240;
    ASSERT_EQ(stages.switchTo(3), std::nullopt);
    project.data().WallHeight = 300;
    TProjectFiles::save(project);
    const std::filesystem::path data = project.data().FileName;
    const std::string joined = fileText(data);
    EXPECT_EQ(joined, stageText(1) + stageText(2) + stageText(3));

    TStageFiles::remove(data, 1, 5);
    TStageFiles::split(data, 3);
    EXPECT_EQ(firstLine(stageText(2)), " Stage No : 2");
    EXPECT_EQ(lastLine(stageText(1)), "1");
    EXPECT_EQ(lastLine(stageText(3)), "3");
    EXPECT_FALSE(std::filesystem::exists(stageFile(4)));
    const std::filesystem::path copy = folder.path() / "joined.ov5d";
    TStageFiles::join(copy, data, 3);
    EXPECT_EQ(fileText(copy), joined);
    EXPECT_FALSE(std::filesystem::exists(stageFile(1)));
    EXPECT_TRUE(std::filesystem::exists(TStageFiles::name(copy, 3)));
}

TEST_F(StagesTest, OpeningAStagedFileLoadsStageOneAndSplitsIt)
{
    ASSERT_EQ(stages.setCount(2), std::nullopt);
    ASSERT_EQ(stages.switchTo(2), std::nullopt);
    project.data().Increments = 55;
    TProjectFiles::save(project);
    TStageFiles::remove(project.data().FileName, 1, 5);

    TProject opened;
    ASSERT_EQ(TProjectFiles::open(opened, project.data().FileName, TLayout::Current), std::nullopt);
    EXPECT_EQ(opened.data().StageCount, 2);
    EXPECT_EQ(opened.data().SetMarker, 1);
    EXPECT_EQ(opened.data().Increments, 40);
    EXPECT_EQ(opened.data().Title, "Staged wall");
    EXPECT_TRUE(std::filesystem::exists(stageFile(2)));
    ASSERT_EQ(TStages(opened).switchTo(2), std::nullopt);
    EXPECT_EQ(opened.data().Increments, 55);
}

TEST_F(StagesTest, SaveAsMovesTheStagesWithTheCurrentEdits)
{
    ASSERT_EQ(stages.setCount(2), std::nullopt);
    ASSERT_EQ(stages.switchTo(2), std::nullopt);
    project.data().Increments = 58;
    const std::filesystem::path renamed = folder.path() / "renamed.ov5d";
    TProjectFiles::saveAs(project, renamed);
    EXPECT_EQ(project.data().FileName, renamed.string());
    EXPECT_FALSE(project.isModified());
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "wall.st2"));
    EXPECT_NE(fileText(TStageFiles::name(renamed, 2)).find("\r\n58 "), std::string::npos);
    EXPECT_NE(fileText(renamed).find(" Stage No : 2\r\n1 0\t1\t0\t2\t2 0 2 0 0\r\n58 "), std::string::npos);
}

TEST(TProjectFiles, SaveNeedsANameForANewOrOldLayoutProject)
{
    TProject project;
    EXPECT_TRUE(TProjectFiles::needsName(project));
    // The extension is told in any letter case.
    const std::pair<const char*, bool> cases[] = {
        {"/x/wall.ovd", true},   {"/x/WALL.OVD", true},   {"/x/wall.ov4d", true},  {"/x/wall", true},
        {"/x/wall.ov5d", false}, {"/x/WALL.OV5D", false}, {"/x/Wall.Ov5D", false},
    };
    for (const auto& [name, needs] : cases) {
        project.data().FileName = name;
        EXPECT_EQ(TProjectFiles::needsName(project), needs) << name;
    }
}

}  // namespace
}  // namespace orvane

namespace orvane {
namespace {

// A stage file's name taken by a folder the program cannot remove: the
// stage files cannot be written there, as in a read-only folder.
TEST_F(StagesTest, AStagedFileWhoseStagesCannotBeWrittenLeavesTheOpenProjectAlone)
{
    ASSERT_EQ(stages.setCount(2), std::nullopt);
    TProjectFiles::save(project);
    const std::filesystem::path data = project.data().FileName;
    TStageFiles::remove(data, 1, 5);
    std::filesystem::create_directories(stageFile(2) / "kept");

    TProject open;
    open.data().Title = "The project on screen";
    open.data().Increments = 77;
    const auto error = TProjectFiles::open(open, data, TLayout::Current);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("cannot be opened"), std::string::npos) << *error;
    EXPECT_NE(error->find(folder.path().string()), std::string::npos) << *error;
    EXPECT_EQ(open.data().Title, "The project on screen");
    EXPECT_EQ(open.data().Increments, 77);
}

TEST_F(StagesTest, AFailedSaveAsKeepsTheProjectsName)
{
    project.data().FileName = (folder.path() / "wall.ov5d").string();
    TProjectFiles::save(project);
    project.data().Increments = 61;
    project.setModified(true);
    EXPECT_THROW(TProjectFiles::saveAs(project, folder.path() / "no such folder" / "copy.ov5d"), EWriteError);
    EXPECT_EQ(project.data().FileName, (folder.path() / "wall.ov5d").string());
    EXPECT_TRUE(project.isModified());
}

// Values the reader could not take back ("inf") are refused at saving, and
// the file on disk stays as it was.
TEST_F(StagesTest, AValueThatOverflowsInTheFilesUnitsIsNotSaved)
{
    fillSampleProject(project);
    project.data().FileName = (folder.path() / "wall.ov5d").string();
    TProjectFiles::save(project);
    const std::string before = fileText(project.data().FileName);
    project.setUnitSystem(1);
    project.tables().NewSoil.cell(1, 1).setReal(1e308);  // feet: the file holds inches
    try {
        TProjectFiles::save(project);
        FAIL() << "an infinite depth was saved";
    } catch (const EWriteError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("row 2, column 2"), std::string::npos) << message;
        EXPECT_NE(message.find(project.tables().NewSoil.caption()), std::string::npos) << message;
    }
    EXPECT_EQ(fileText(project.data().FileName), before);
    project.data().WallHeight = HUGE_VAL;
    EXPECT_THROW(TProjectFiles::save(project), EWriteError);
    EXPECT_EQ(fileText(project.data().FileName), before);
}

}  // namespace
}  // namespace orvane

namespace orvane {
namespace {

// A file value that cannot be held once converted to the table's units (a
// unit weight in lb/in3 becomes pcf) stops the reading with its table named,
// instead of an infinite value that could not be saved again.
TEST(TDataFileReader, AValueThatOverflowsInTheTablesUnitsIsAnError)
{
    TProject project;
    fillSampleProject(project);
    TestFolder folder;
    const auto path = folder.path() / "wall.ov5d";
    project.data().FileName = path.string();
    TProjectFiles::save(project);
    std::string text = fileText(path);
    const std::string weight = TRealFormat::data(120.0 / 1728.0);
    const size_t at = text.find(weight);
    ASSERT_NE(at, std::string::npos) << weight;
    text.replace(at, weight.size(), "1E307");
    TProject read;
    const auto error = TDataFileReader::readProjectText(read, text, TLayout::Current);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find("too large"), std::string::npos) << *error;
    EXPECT_NE(error->find("row 1, column 1"), std::string::npos) << *error;
}

}  // namespace
}  // namespace orvane
