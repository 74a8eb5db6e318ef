#include "model/TProjectTables.hpp"
#include "model/TEnumColumn.hpp"
#include "model/TUnits.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace orvane {
namespace {

TEST(TProjectTables, TablesHaveTheirIdentifiersCaptionsAndLimits)
{
    TProjectTables t;
    const std::tuple<TGridTable*, int, const char*, int, int, int> cases[] = {
        {&t.PileSect, 15, "Wall Stiffness", 1, 10, 4},
        {&t.SoilLayer, 0, "Specify Deflection and Slope on Wall", 1, 10, 4},
        {&t.BoundCond, 123, "Concentrated Loads on Wall", 1, 20, 6},
        {&t.SoilStrength, 4, "Lateral Spring and Rotation Spring", 1, 20, 5},
        {&t.TiebackTable1, 77, "Tieback (ground anchor) Table", 1, 20, 7},
        {&t.PYMod, 16, "p-y Modification Factors", 2, 30, 3},
        {&t.DistLoad, 22, "Distributed Loads", 2, 100, 2},
        {&t.LongDist, 104, "Distributed Load (Long-Term)", 1, 0, 2},
        {&t.SurchargeTable, 23, "Surcharge Loads", 1, 20, 4},
        {&t.NewSoil, 19, "Soil Layers", 1, 10, 3},
        {&t.LongSoil, 44, "Soil Layers (Long-Term)", 1, 10, 3},
        {&t.TblClay1, 18, "Clay", 2, 2, 5},
        {&t.TblSand1, 17, "Sand", 2, 2, 4},
        {&t.TblSilt1, 29, "Silt", 2, 2, 6},
        {&t.TblRock1, 30, "Strong Rock", 2, 2, 2},
        {&t.TblRock2, 31, "Weak Rock", 2, 2, 5},
        {&t.PYCurves2, 37, "Sets of Ext. p-y Curves", 2, 30, 4},
        {&t.PYCurve2, 38, "External p-y Curve", 2, 17, 2},
        {&t.MEICurves2, 36, "Nonlinear Moment vs EI Curves", 1, 20, 3},
        {&t.Rows2, 0, "Moment and EI data", 1, 100, 2},
    };
    for (const auto& [table, identifier, caption, minRows, maxRows, columns] : cases) {
        SCOPED_TRACE(caption);
        EXPECT_EQ(table->identifier(), identifier);
        EXPECT_EQ(table->caption(), caption);
        EXPECT_EQ(table->minRows(), minRows);
        EXPECT_EQ(table->maxRows(), maxRows);
        EXPECT_EQ(table->columnCount(), columns);
        EXPECT_EQ(table->rowCount(), minRows);
    }
}

TEST(TProjectTables, ColumnsShowTheirUnits)
{
    TProjectTables t;
    const std::tuple<TGridTable*, int, size_t, const char*> cases[] = {
        {&t.PileSect, 3, 0, "Flexural Stiffness (EI) (lbs-in^2)  "},
        {&t.SoilStrength, 4, 1, "Stiff. (lbs-in/RAD.)  "},
        {&t.TiebackTable1, 1, 1, "of steel rod, (in^2)  "},
        {&t.TiebackTable1, 4, 1, "horizontal, (DEG.)  "},
        {&t.DistLoad, 1, 0, "Lateral distributed line load, (lbs/ft)  "},
        {&t.TblClay1, 0, 1, "Weight, (lbs/ft^3)  "},
        {&t.TblClay1, 1, 1, "Strength, (lbs/ft^2)  "},
        {&t.TblRock1, 1, 1, "Strength, (lbs/in^2)  "},
        {&t.PYCurve2, 0, 0, "Lateral Deflection, y (*) (in)  "},
        {&t.Rows2, 1, 0, "Flexural rigidity (lbs-in^2)  "},
    };
    for (const auto& [table, column, line, text] : cases)
        EXPECT_EQ(table->column(column).captionLine(line, TUnits::kEnglish), text);
}

TEST(TProjectTables, CurveSetsOwnChartCurves)
{
    TProjectTables t;
    auto* curve = dynamic_cast<TGridTableChart*>(t.PYCurves2.cell(1, 0).subTable());
    ASSERT_NE(curve, nullptr);
    EXPECT_EQ(curve->caption(), "External p-y Curve");
    EXPECT_TRUE(curve->chartShown());
    auto* moments = dynamic_cast<TGridTableChart*>(t.MEICurves2.cell(2, 0).subTable());
    ASSERT_NE(moments, nullptr);
    EXPECT_EQ(moments->caption(), "Moment and EI data");
    // Identifier 0 of the chart tables does not clash with the restraints table.
    EXPECT_EQ(t.SoilLayer.identifier(), t.Rows2.identifier());
    EXPECT_EQ(t.PYCurves2.cell(2, 0).asReal(), 1.0);
}

TEST(TProjectTables, WindowsHearOfEverySubTableThatGoes)
{
    TProjectTables t;
    std::vector<const TGridTable*> gone;
    t.setDestroyedHook([&gone](const TGridTable& table) { gone.push_back(&table); });
    t.NewSoil.setRowCount(3);
    const TGridTable* second = t.NewSoil.cell(2, 1).subTable();
    const TGridTable* third = t.NewSoil.cell(2, 2).subTable();

    t.NewSoil.deleteRowGroup(1);
    EXPECT_EQ(gone, std::vector<const TGridTable*>{second});
    EXPECT_EQ(t.NewSoil.cell(2, 1).subTable(), third);

    gone.clear();
    const TGridTable* curve = t.PYCurves2.cell(1, 0).subTable();
    const TGridTable* first = t.NewSoil.cell(2, 0).subTable();
    t.NewSoil.commit(0, 0, "4");
    t.PYCurves2.setRowCount(0);
    EXPECT_EQ(gone[0], first);
    EXPECT_EQ(std::count(gone.begin(), gone.end(), curve), 1);
    t.setDestroyedHook({});
}

TEST(TProjectTables, SubTablesCarryTheNotesOfTheirTemplates)
{
    TProjectTables t;
    t.NewSoil.commit(0, 0, "7");
    EXPECT_EQ(t.NewSoil.cell(2, 0).subTable()->comments(),
              "* krm is a strain constant that seve to establish the overall stiffness of the curves");
    t.NewSoil.commit(0, 0, "2");
    EXPECT_EQ(t.NewSoil.cell(2, 0).subTable()->comments().substr(0, 79),
              "The user may optionally enter an earth pressure coefficient for generating \rlat");
}

// The surcharge magnitudes are of three kinds; the note names their units in
// the tables' unit system.
TEST(TProjectTables, LayerTablesChooseTheSoilTypesInTheOrderOfTheirCodes)
{
    TProjectTables t;
    const std::vector<std::string> texts{"Soft Clay",         "Stiff Clay with Free Water", "Stiff Clay w/o Free Water",
                                         "Sand",              "Silt (c-phi soil)",          "Strong Rock",
                                         "Weak Rock"};
    for (TGridTable* layers : {&t.NewSoil, &t.LongSoil}) {
        const auto* type = dynamic_cast<const TEnumColumn*>(&layers->column(0));
        ASSERT_NE(type, nullptr) << layers->caption();
        EXPECT_EQ(type->choices(), texts) << layers->caption();
    }
}

TEST(TProjectTables, TheSurchargeNoteFollowsTheUnitSystem)
{
    TProjectTables t;
    const std::string strip = "\rFor strip load, Distance X goes from the wall to the middle of the strip width";
    const std::pair<int, std::string> cases[] = {
        {2, "The unit for point load is kN\rThe unit for line load is kN/m\rThe unit for strip load is kN/m^2" + strip},
        {3, "The unit for point load is F\rThe unit for line load is F/L\rThe unit for strip load is F/L^2" + strip},
        {1, "The unit for point load is lbs\rThe unit for line load is lbs/in\rThe unit for strip load is lbs/in^2" +
                strip},
    };
    EXPECT_EQ(t.SurchargeTable.comments(), cases[2].second);
    for (const auto& [units, note] : cases) {
        t.setUnits(units);
        EXPECT_EQ(t.SurchargeTable.comments(), note) << units;
    }
}

}  // namespace
}  // namespace orvane
