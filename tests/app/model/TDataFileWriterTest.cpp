#include "model/TDataFileReader.hpp"
#include "model/TDataFileWriter.hpp"
#include "model/TProject.hpp"
#include "model/TUnits.hpp"

#include "ProjectDump.hpp"
#include "SampleProject.hpp"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(TDataFileWriter, AProjectWithEveryOptionOffWritesOnlyTheWallAndEmptyBlocks)
{
    TProject project;
    project.toggleOption(TOption::GeneratePYCurves);
    project.data().Increments = 40;
    project.data().IncrementLength = 12;
    project.data().WallHeight = 180;
    setRows(project.tables().PileSect, {{0, 40, 1, 4.5e9}});
    EXPECT_EQ(TDataFileWriter(project).dataFileText(),
              "New Wall\r\n"
              "1 0\t1\t0\t0\t0 0 1 0 0\r\n"
              "40 12\t100\t0.00001\t180\t0\r\n"
              "0\t40\t1\t4.5E9\r\n"
              "0\r\n"
              "0\r\n"
              "0\r\n");
}

TEST(TDataFileWriter, SwitchedOffOptionsLoseTheirRows)
{
    TProject project;
    fillSampleProject(project);
    project.setOption(TOption::Restraints, false);
    project.setOption(TOption::Tiebacks, false);
    project.setOption(TOption::MEICurves, false);
    const std::string text = TDataFileWriter(project).dataFileText();
    EXPECT_EQ(project.tables().SoilLayer.rowCount(), 0);
    EXPECT_EQ(project.tables().TiebackTable1.rowCount(), 0);
    // The M-EI sets stay in memory; only the file leaves them out.
    EXPECT_EQ(project.tables().MEICurves2.rowCount(), 1);
    EXPECT_EQ(text.substr(text.find('\n') + 1, 21), "1 0\t2\t2\t3\t2 2 1 0 0\r\n");

    TProject back;
    ASSERT_FALSE(TDataFileReader::readProjectText(back, text, TLayout::Current));
    EXPECT_FALSE(back.data().UseRestraints);
    EXPECT_FALSE(back.data().UseTiebacks);
    EXPECT_FALSE(back.data().UseMEICurves);
    EXPECT_EQ(back.tables().SoilLayer.rowCount(), 1);  // its minimum, with defaults
}

TEST(TDataFileWriter, EnglishFeetBasedValuesAreWrittenInInches)
{
    TProject project;
    project.setEarthPressureChoice(1);
    setRows(project.tables().DistLoad, {{0, 0}, {25, 75}});
    setRows(project.tables().NewSoil, {{1, 10}, {5, 20}});
    setRows(*project.tables().NewSoil.cell(2, 0).subTable(), {{120, 1000, 0.01, 100, 0.5}, {120, 1000, 0.01, 100, 0.5}});
    setRows(*project.tables().NewSoil.cell(2, 1).subTable(), {{110, 30, 200, 0.02, 50, 0}, {110, 30, 200, 0.02, 50, 0}});
    project.toggleOption(TOption::GeneratePYCurves);
    project.toggleOption(TOption::GeneratePYCurves);
    const std::string text = TDataFileWriter(project).dataFileText();
    EXPECT_NE(text.find("\r\n2\r\n0\t0\r\n300\t6.25\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n2\r\n"
                        "1 120 \r\n"
                        "0.069444444 6.9444444 0.0  0.01 100 0.5 \r\n"
                        "0.069444444 6.9444444 0.0  0.01 100 0.5 \r\n"
                        "5 240 \r\n"
                        "0.063657407 1.3888889 30 0.02 50 0 \r\n"),
              std::string::npos)
        << text;
}

TEST(TDataFileWriter, SITiebackAreaIsWrittenInSquareMetres)
{
    TProject project;
    project.setUnitSystem(TUnits::kSI);
    project.setOption(TOption::Tiebacks, true);
    setRows(project.tables().TiebackTable1, {{3, 1000, 2e8, 6, 15, 2.5, 300}});
    const std::string text = TDataFileWriter(project).dataFileText();
    EXPECT_NE(text.find("\r\n3\t0.001\t2E8\t6\t15\t2.5\t300\r\n"), std::string::npos) << text;
}

TEST(TDataFileWriter, TheLastStiffnessLineAlwaysHoldsItsValue)
{
    TProject project;
    setRows(project.tables().PileSect, {{0, 20, 2, 1e9}, {20, 40, 2, 2e9}});
    TDataFileWriter(project).dataFileText();
    EXPECT_EQ(project.tables().PileSect.cell(2, 0).asInteger(), 2);
    EXPECT_EQ(project.tables().PileSect.cell(2, 1).asInteger(), 1);
}

TEST(TDataFileWriter, ControlCodesFollowTheOptions)
{
    struct Case {
        int choice;
        bool generatePY;
        bool external;
        bool readGenerated;
        int pressureCode;
        int pyCode;
    };
    const Case cases[] = {
        {2, true, false, false, 2, 2}, {3, true, true, false, 3, 2},  {1, false, false, false, 1, 0},
        {2, false, true, false, 0, 1}, {3, false, false, true, 3, 0}, {0, true, false, false, 0, 2},
    };
    for (const Case& c : cases) {
        TProject project;
        project.setEarthPressureChoice(c.choice);
        project.data().GeneratePYCurves = c.generatePY;
        project.data().UseExternalPY = c.external;
        project.data().GeneratedEarthPressure = c.readGenerated;
        TDataFileWriter(project).dataFileText();
        EXPECT_EQ(project.data().EarthPressureCode, c.pressureCode) << c.choice << c.generatePY;
        EXPECT_EQ(project.data().PYCode, c.pyCode) << c.choice << c.generatePY;
    }
}

TEST(TDataFileWriter, EveryTableRoundTrips)
{
    TProject project;
    fillSampleProject(project);
    const std::string first = TDataFileWriter(project).dataFileText();
    TProject back;
    ASSERT_FALSE(TDataFileReader::readProjectText(back, first, TLayout::Current));
    EXPECT_EQ(dumpProject(back), dumpProject(project));
    EXPECT_EQ(TDataFileWriter(back).dataFileText(), first);
}

TEST(TDataFileWriter, LongTermProjectsWriteBothSetsAndReadBack)
{
    TProject project;
    fillSampleProject(project);
    project.setOption(TOption::LongTerm, true);
    setRows(project.tables().LongSoil, {{2, 15}, {4, 40}});
    setRows(*project.tables().LongSoil.cell(2, 0).subTable(), {{118, 400, 0.02, 30, 0.7}, {118, 500, 0.02, 30, 0.7}});
    setRows(*project.tables().LongSoil.cell(2, 1).subTable(), {{115, 28, 60, 0}, {115, 30, 60, 0}});
    const std::string text = TDataFileWriter(project).dataFileText();
    EXPECT_EQ(project.data().SetMarker, 9);

    // Trapezoidal in the short-term set, written as 2 in the long-term set.
    const size_t second = text.find("\r\n9\r\nSample wall with every option\r\n1 2\t2\t2\t2\t2 2 1 1 2\r\n");
    ASSERT_NE(second, std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - 3), "0\r\n");
    EXPECT_NE(text.find("2 180 \r\n0.068287037 2.7777778 0.0  0.02 30 0.0  \r\n", second), std::string::npos) << text;

    TProject back;
    ASSERT_FALSE(TDataFileReader::readProjectText(back, text, TLayout::Current));
    EXPECT_TRUE(back.data().UseLongTerm);
    EXPECT_EQ(back.data().SetMarker, 9);
    EXPECT_EQ(back.data().EarthPressureChoice, 3);
    // The long-term optional coefficient is not carried by the file.
    EXPECT_EQ(back.tables().LongSoil.cell(2, 0).subTable()->cell(4, 0).asReal(), 0.0);
    project.tables().LongSoil.cell(2, 0).subTable()->cell(4, 0).setReal(0.0);
    project.tables().LongSoil.cell(2, 0).subTable()->cell(4, 1).setReal(0.0);
    EXPECT_EQ(dumpProject(back), dumpProject(project));
    EXPECT_EQ(TDataFileWriter(back).dataFileText(), text);
}

TEST(TDataFileWriter, TheSecondTitleOfALongTermFileBecomesTheProjectTitle)
{
    TProject project;
    project.setOption(TOption::LongTerm, true);
    std::string text = TDataFileWriter(project).dataFileText();
    text.replace(text.find("\r\nNew Wall\r\n") + 2, 8, "Long-term title");
    TProject back;
    ASSERT_FALSE(TDataFileReader::readProjectText(back, text, TLayout::Current));
    EXPECT_EQ(back.data().Title, "Long-term title");
}

// A title read whole from a longer line is written as the file keeps it, in
// every set and in the first stage's file.
TEST(TDataFileWriter, ATitleLongerThanTheFileKeepsIsWrittenCutToTheLimit)
{
    const std::string title139 = std::string(100, 't') + std::string(39, 'u');
    const std::string kept = std::string(80, 't') + "\r\n";
    TProject project;
    project.data().Title = title139;
    const std::string plain = TDataFileWriter(project).dataFileText();
    EXPECT_EQ(plain.substr(0, plain.find('\n') + 1), kept);

    project.setOption(TOption::LongTerm, true);
    const std::string both = TDataFileWriter(project).dataFileText();
    EXPECT_EQ(both.substr(0, both.find('\n') + 1), kept);
    EXPECT_NE(both.find("\r\n9\r\n" + kept), std::string::npos) << both;
    EXPECT_EQ(both.find(std::string(81, 't')), std::string::npos);
    project.setOption(TOption::LongTerm, false);

    const std::string stage = TDataFileWriter(project).stageFileText();
    EXPECT_EQ(stage.substr(0, stage.find('\n') + 1), kept);
    EXPECT_EQ(project.data().Title, title139);  // the project keeps what the user has not deleted
}

}  // namespace
}  // namespace orvane
