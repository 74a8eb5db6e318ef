#include "model/TDataFileWriter.hpp"
#include "model/TProject.hpp"
#include "model/TUnits.hpp"

#include "ProjectDump.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane {
namespace {

TEST(TProject, ANewProjectHasTheDefaults)
{
    TProject project;
    project.data().Increments = 40;
    project.tables().PileSect.setRowCount(4);
    project.setUnitSystem(TUnits::kSI);
    project.newProject();

    const TProgramData& d = project.data();
    EXPECT_EQ(d.FileName, "NewWall.ov5d");
    EXPECT_EQ(d.Title, "New Wall");
    EXPECT_EQ(d.Units, TUnits::kEnglish);
    EXPECT_EQ(d.Increments, 0);
    EXPECT_EQ(d.IncrementLength, 0.0);
    EXPECT_EQ(d.MaxDeflection, 100.0);
    EXPECT_EQ(d.Tolerance, 0.00001);
    EXPECT_EQ(d.ActivePressureFactor, 1.0);
    EXPECT_EQ(d.EarthPressureChoice, 2);
    EXPECT_TRUE(d.GeneratePYCurves);
    for (bool option : {d.UserEarthPressure, d.GeneratedEarthPressure, d.UseExternalPY, d.UseMEICurves,
                        d.UsePYModification, d.UseConcentratedLoads, d.UseSprings, d.UseTiebacks, d.UseSurcharges,
                        d.UseRestraints, d.UseLongTerm})
        EXPECT_FALSE(option);
    EXPECT_EQ(d.StageCount, 1);
    EXPECT_EQ(d.CurrentStage, 1);
    EXPECT_EQ(d.ConfigFlag, 1);
    for (const TGridTable* table : project.tables().all()) {
        EXPECT_EQ(table->rowCount(), table->minRows()) << table->caption();
        EXPECT_EQ(table->units(), TUnits::kEnglish) << table->caption();
    }
    const TGridTable& factors = project.tables().PYMod;
    ASSERT_EQ(factors.rowCount(), 2);
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(factors.cell(0, row).asReal(), 0.0);
        EXPECT_EQ(factors.cell(1, row).asReal(), 1.0);
        EXPECT_EQ(factors.cell(2, row).asReal(), 1.0);
    }
    EXPECT_EQ(project.tables().PileSect.cell(1, 0).asInteger(), 1);
    EXPECT_FALSE(project.isModified());
}

class UnitSwitchTest : public ::testing::Test {
protected:
    UnitSwitchTest()
    {
        TProgramData& d = project.data();
        d.WallHeight = 240.0;
        d.IncrementLength = 12.0;
        d.SurchargePressure = 1.0;  // psi
        d.PointLoad = 1000.0;
        d.ActivePressureFactor = 0.8;
        d.BackfillSlope = 10.0;
        TGridTable& layers = project.tables().NewSoil;
        layers.cell(1, 0).setReal(10.0);
        layers.cell(2, 0).subTable()->cell(0, 0).setReal(120.0);  // pcf
        TGridTable& surcharges = project.tables().SurchargeTable;
        surcharges.setRowCount(3);
        for (int row = 0; row < 3; ++row) {
            surcharges.cell(0, row).setInteger(row + 1);
            surcharges.cell(1, row).setReal(100.0);
        }
    }
    double unitWeight() { return project.tables().NewSoil.cell(2, 0).subTable()->cell(0, 0).asReal(); }

    TProject project;
};

TEST_F(UnitSwitchTest, EnglishToSIAndBackDriftsByTheRoundedConstants)
{
    project.setUnitSystem(TUnits::kSI);
    EXPECT_NEAR(project.data().WallHeight, 240 * 0.0254, 1e-12);
    EXPECT_NEAR(unitWeight(), 120.0 * std::pow(3.280839895, 3) / 224.8089237, 1e-9);
    EXPECT_NEAR(project.data().SurchargePressure, 1.0 / 224.8089 / (0.0254 * 0.0254), 1e-9);
    EXPECT_NEAR(project.data().PointLoad, 1000.0 / 224.8089, 1e-12);
    EXPECT_EQ(project.data().ActivePressureFactor, 0.8);
    EXPECT_EQ(project.data().BackfillSlope, 10.0);
    const TGridTable& surcharges = project.tables().SurchargeTable;
    EXPECT_NEAR(surcharges.cell(1, 0).asReal(), 100.0 / 224.8089, 1e-12);                    // point
    EXPECT_NEAR(surcharges.cell(1, 1).asReal(), 100.0 / 224.8089 / 0.0254, 1e-9);           // line
    EXPECT_NEAR(surcharges.cell(1, 2).asReal(), 100.0 / 224.8089 / (0.0254 * 0.0254), 1e-6);  // strip
    EXPECT_TRUE(project.isModified());

    project.setUnitSystem(TUnits::kEnglish);
    EXPECT_NEAR(project.data().WallHeight, 240.0001296, 1e-9);
    EXPECT_NEAR(unitWeight(), 120.0, 1e-9);
    EXPECT_NEAR(project.data().IncrementLength, 12 * 0.0254 * 39.3701, 1e-12);
}

TEST_F(UnitSwitchTest, OtherUnitsChangeOnlyTheTexts)
{
    const std::string before = dumpProject(project);
    project.setUnitSystem(TUnits::kOther);
    EXPECT_EQ(project.data().WallHeight, 240.0);
    EXPECT_EQ(unitWeight(), 120.0);
    EXPECT_EQ(project.tables().TblClay1.column(0).captionLine(1, project.tables().TblClay1.units()),
              "Weight, (F/L^3)  ");
    project.setUnitSystem(TUnits::kEnglish);
    EXPECT_EQ(dumpProject(project), before);
}

TEST_F(UnitSwitchTest, TheCurrentSystemAgainConvertsNothing)
{
    const std::string before = dumpProject(project);
    project.setUnitSystem(TUnits::kEnglish);
    project.setUnitSystem(0);  // clamped to English
    EXPECT_EQ(dumpProject(project), before);
    EXPECT_FALSE(project.isModified());
    project.setUnitSystem(9);  // clamped to Other
    EXPECT_EQ(project.data().Units, TUnits::kOther);
}

TEST(TProject, OptionsToggleAndMarkTheProjectModified)
{
    TProject project;
    project.toggleOption(TOption::Tiebacks);
    EXPECT_TRUE(project.data().UseTiebacks);
    EXPECT_TRUE(project.isModified());
    project.toggleOption(TOption::GeneratePYCurves);
    EXPECT_FALSE(project.data().GeneratePYCurves);
    EXPECT_EQ(project.optionTable(TOption::Tiebacks), &project.tables().TiebackTable1);
    EXPECT_EQ(project.optionTable(TOption::Restraints), &project.tables().SoilLayer);

    project.data().StageCount = 3;
    EXPECT_THROW(project.setOption(TOption::LongTerm, true), std::logic_error);

    project.setModified(false);
    project.tables().TblSand1.commit(0, 0, "110");
    EXPECT_TRUE(project.isModified());
    project.setModified(false);
    EXPECT_FALSE(project.tables().TblSand1.isModified());
}

TEST(TProject, EarthPressureChoiceKeepsTheUserFlagInStep)
{
    TProject project;
    project.setEarthPressureChoice(1);
    EXPECT_TRUE(project.data().UserEarthPressure);
    project.setEarthPressureChoice(3);
    EXPECT_FALSE(project.data().UserEarthPressure);
    project.data().EarthPressureChoice = 0;
    project.openEarthPressureMenu();
    EXPECT_EQ(project.data().EarthPressureChoice, 1);
    EXPECT_TRUE(project.data().UserEarthPressure);
}

TEST(TProject, AGeneratedDistributionChosenByTheUserIsWrittenWithExternalCurves)
{
    TProject project;
    project.setOption(TOption::GeneratePYCurves, false);
    project.setOption(TOption::ExternalPY, true);
    project.setEarthPressureChoice(1);
    project.setEarthPressureChoice(3);
    TDataFileWriter(project).dataFileText();
    EXPECT_EQ(project.data().EarthPressureCode, 3);
    EXPECT_EQ(project.data().PYCode, 1);
    project.setEarthPressureChoice(1);
    EXPECT_FALSE(project.data().GeneratedEarthPressure);
}

}  // namespace
}  // namespace orvane
