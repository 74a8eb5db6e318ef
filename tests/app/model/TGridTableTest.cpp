#include "model/EEntryError.hpp"
#include "model/EGridError.hpp"
#include "model/EMathError.hpp"
#include "model/TEnumColumn.hpp"
#include "model/TFloatColumn.hpp"
#include "model/TIntColumn.hpp"
#include "model/TProjectTables.hpp"
#include "model/TStringColumn.hpp"
#include "model/TTableColumn.hpp"
#include "model/TUnits.hpp"

#include <gtest/gtest.h>

#include <tuple>

namespace orvane {
namespace {

std::string commitError(TGridTable& table, int column, int row, const std::string& text)
{
    try {
        table.commit(column, row, text);
    } catch (const EEntryError& e) {
        return e.what();
    }
    return "(accepted)";
}

class GridTableTest : public ::testing::Test {
protected:
    TProjectTables tables;
};

TEST_F(GridTableTest, CommittingTextStoresTheEvaluatedValueAndMarksTheTable)
{
    TGridTable& stiffness = tables.PileSect;
    ASSERT_FALSE(stiffness.isModified());
    stiffness.commit(3, 0, "12*3");
    EXPECT_EQ(stiffness.cell(3, 0).asReal(), 36.0);
    EXPECT_EQ(stiffness.cell(3, 0).asText(), "36");
    EXPECT_TRUE(stiffness.isModified());
}

TEST_F(GridTableTest, RejectedEntriesKeepTheOldValue)
{
    TGridTable& stiffness = tables.PileSect;  // from, to, mode, EI
    stiffness.cell(3, 0).setReal(5.0);
    const std::tuple<int, const char*, const char*> cases[] = {
        {3, "abc", "Entry could not be evaluated:\rinvalid character(s) in expression"},
        {0, "2.5", "Entry must be an integer."},
        {0, "-1", "Entry must be between 0 and 2147483600."},
        {2, "1.5", "Value must be an integer."},
        {2, "3", "Entry must be between 1 and 2."},
    };
    for (const auto& [column, text, message] : cases) EXPECT_EQ(commitError(stiffness, column, 0, text), message) << text;
    EXPECT_THROW(stiffness.commit(3, 0, "1/0"), EMathError);
    EXPECT_EQ(stiffness.cell(3, 0).asReal(), 5.0);
    EXPECT_EQ(stiffness.cell(0, 0).asInteger(), 0);
    EXPECT_EQ(stiffness.cell(2, 0).asInteger(), 1);
    EXPECT_FALSE(stiffness.isModified());
}

TEST_F(GridTableTest, NewRowsTakeTheColumnDefaults)
{
    TGridTable& stiffness = tables.PileSect;
    stiffness.setRowCount(3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(stiffness.cell(0, row).asInteger(), 0);
        EXPECT_EQ(stiffness.cell(1, row).asInteger(), 1);
        EXPECT_EQ(stiffness.cell(2, row).asInteger(), 1);
        EXPECT_EQ(stiffness.cell(3, row).asReal(), 0.0);
    }
    EXPECT_EQ(tables.PYMod.cell(1, 1).asReal(), 1.0);
    stiffness.setRowCount(-4);
    EXPECT_EQ(stiffness.rowCount(), 0);
    EXPECT_THROW(stiffness.cell(0, 0), EGridError);
}

TEST_F(GridTableTest, RowButtonRulesFollowTheLimits)
{
    EXPECT_FALSE(tables.TblClay1.rowButtonsVisible());  // 2 to 2 rows
    EXPECT_TRUE(tables.PileSect.rowButtonsVisible());

    tables.LongDist.setRowCount(500);  // no limit
    EXPECT_TRUE(tables.LongDist.canAddRows());

    tables.PileSect.setRowCount(10);
    EXPECT_FALSE(tables.PileSect.canAddRows());
    tables.PileSect.setRowCount(1);
    EXPECT_TRUE(tables.PileSect.canAddRows());
    EXPECT_FALSE(tables.PileSect.canDeleteRows());
    tables.PileSect.addRowGroup();
    EXPECT_TRUE(tables.PileSect.canDeleteRows());
    EXPECT_TRUE(tables.PileSect.isModified());
}

TEST_F(GridTableTest, RowCommandsWorkOnTheCurrentRow)
{
    TGridTable& table = tables.PileSect;
    table.setRowCount(2);
    table.cell(3, 0).setReal(1.0);
    table.cell(3, 1).setReal(2.0);
    table.insertRowGroup(1);
    ASSERT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.cell(3, 1).asReal(), 0.0);
    EXPECT_EQ(table.cell(3, 2).asReal(), 2.0);
    table.deleteRowGroup(0);
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.cell(3, 1).asReal(), 2.0);
    for (int row : {-1, 2}) {
        try {
            table.deleteRowGroup(row);
            ADD_FAILURE() << row;
        } catch (const EGridError& e) {
            EXPECT_STREQ(e.what(), "Grid.Row not in valid range");
        }
    }
    EXPECT_THROW(table.setMinRows(0), EGridError);
}

TEST_F(GridTableTest, ChangingASoilTypeGivesTheLayerFreshParametersOfItsKind)
{
    TGridTable& layers = tables.NewSoil;
    layers.setRowCount(3);
    TGridTable* clay = layers.cell(2, 0).subTable();
    ASSERT_NE(clay, nullptr);
    EXPECT_EQ(clay->caption(), "Clay");
    EXPECT_EQ(clay->rowCount(), 2);
    clay->cell(1, 0).setReal(500.0);

    layers.commit(0, 0, "2");  // stiff clay with free water: also a clay table, but a new one
    TGridTable* stiffClay = layers.cell(2, 0).subTable();
    EXPECT_EQ(stiffClay->caption(), "Clay");
    EXPECT_EQ(stiffClay->cell(1, 0).asReal(), 0.0);

    const std::tuple<int, const char*, int> kinds[] = {
        {1, "Clay", 5}, {3, "Clay", 5}, {4, "Sand", 4}, {5, "Silt", 6}, {6, "Strong Rock", 2}, {7, "Weak Rock", 5}};
    for (const auto& [type, caption, columns] : kinds) {
        layers.cell(0, 1).setInteger(type);
        const TGridTable* parameters = layers.cell(2, 1).subTable();
        EXPECT_EQ(parameters->caption(), caption) << type;
        EXPECT_EQ(parameters->columnCount(), columns) << type;
        EXPECT_EQ(parameters->parent(), &layers);
    }
}

TEST_F(GridTableTest, SubTablesAreNumberedByTheirRow)
{
    TGridTable& layers = tables.NewSoil;
    layers.setRowCount(3);
    EXPECT_EQ(layers.cell(2, 2).subTable()->windowCaption(), "Clay 3");
    TGridTable* third = layers.cell(2, 2).subTable();
    layers.deleteRows(0, 1);
    EXPECT_EQ(layers.cell(2, 1).subTable(), third);
    EXPECT_EQ(third->number(), 2);
    EXPECT_EQ(third->windowCaption(), "Clay 2");
    layers.insertRows(0, 1);
    EXPECT_EQ(third->number(), 3);
    EXPECT_EQ(tables.PileSect.windowCaption(), "Wall Stiffness");
}

TEST_F(GridTableTest, ModifiedSubTablesMakeTheParentModifiedUntilCleared)
{
    tables.NewSoil.setRowCount(2);
    TGridTable& parameters = *tables.NewSoil.cell(2, 1).subTable();
    parameters.commit(0, 0, "120");
    EXPECT_TRUE(tables.NewSoil.isModified());
    EXPECT_TRUE(tables.isModified());
    tables.NewSoil.setModified(false);
    EXPECT_FALSE(parameters.isModified());
    EXPECT_FALSE(tables.isModified());
}

TEST_F(GridTableTest, UnitSwitchConvertsRealColumnsAndSubTables)
{
    tables.NewSoil.setRowCount(1);
    tables.NewSoil.cell(1, 0).setReal(10.0);  // ft
    TGridTable& clay = *tables.NewSoil.cell(2, 0).subTable();
    clay.cell(0, 0).setReal(120.0);  // pcf
    clay.cell(2, 0).setReal(0.01);   // E50, no unit

    tables.NewSoil.setUnits(TUnits::kSI);
    EXPECT_EQ(clay.units(), TUnits::kSI);
    EXPECT_NEAR(tables.NewSoil.cell(1, 0).asReal(), 3.048, 1e-9);
    EXPECT_NEAR(clay.cell(0, 0).asReal(), 120.0 / 6.36588, 1e-4);
    EXPECT_EQ(clay.cell(2, 0).asReal(), 0.01);
    tables.NewSoil.setUnits(TUnits::kSI);  // unchanged: no second conversion
    EXPECT_NEAR(tables.NewSoil.cell(1, 0).asReal(), 3.048, 1e-9);

    tables.NewSoil.setUnits(TUnits::kEnglish);
    EXPECT_NEAR(clay.cell(0, 0).asReal(), 120.0, 1e-9);
    // A layer added now gets a parameter table in the table's units.
    tables.NewSoil.setRowCount(2);
    EXPECT_EQ(tables.NewSoil.cell(2, 1).subTable()->units(), TUnits::kEnglish);
}

TEST_F(GridTableTest, HeadersShowTheUnitOnTheLastCaptionLine)
{
    const TColumn& bottom = tables.NewSoil.column(1);
    EXPECT_EQ(tables.NewSoil.headerRowCount(), 2);
    EXPECT_EQ(bottom.captionLine(0, TUnits::kEnglish), "Depth at Bottom");
    EXPECT_EQ(bottom.captionLine(1, TUnits::kEnglish), "of the Layer, (ft)  ");
    EXPECT_EQ(bottom.captionLine(1, TUnits::kSI), "of the Layer, (m)  ");
    EXPECT_EQ(tables.SurchargeTable.column(1).captionLine(0, TUnits::kSI), "Load Magnitude (SEE NOTES)  ");
    EXPECT_EQ(tables.TblClay1.column(2).captionLine(0, TUnits::kEnglish), "E50");
}

TEST(GridTable, TopDepthColumnStartsWhereThePreviousRowEnded)
{
    TTableRegistry registry;
    TGridTable layers(registry);
    layers.addColumn(std::make_unique<TFloatColumn>(std::vector<std::string>{"Top"}, "L2", 0.0, true));
    layers.addColumn(std::make_unique<TFloatColumn>(std::vector<std::string>{"Bottom"}, "L2"));
    layers.setRowCount(1);
    layers.cell(1, 0).setReal(12.5);
    layers.setRowCount(2);
    EXPECT_EQ(layers.cell(0, 1).asReal(), 12.5);
    EXPECT_EQ(layers.cell(0, 0).asReal(), 0.0);

    TGridTable wrong(registry);
    wrong.addColumn(std::make_unique<TFloatColumn>(std::vector<std::string>{"Top"}, "L2", 0.0, true));
    wrong.addColumn(std::make_unique<TStringColumn>(std::vector<std::string>{"Name"}));
    try {
        wrong.setRowCount(1);
        ADD_FAILURE();
    } catch (const EGridError& e) {
        EXPECT_STREQ(e.what(), "If column if a topdepth then the next column must be a float column");
    }
}

TEST(GridTable, IdentifiersStayUniqueInARegistry)
{
    TTableRegistry registry;
    TGridTable a(registry);
    TGridTable b(registry);
    EXPECT_NE(a.identifier(), b.identifier());
    a.setIdentifier(40);
    const int old = b.identifier();
    b.setIdentifier(40);
    EXPECT_EQ(b.identifier(), 40);
    EXPECT_EQ(a.identifier(), old);
    EXPECT_EQ(registry.find(40), &b);
    TGridTable c(registry);
    EXPECT_NE(c.identifier(), a.identifier());
    EXPECT_NE(c.identifier(), b.identifier());
}

TEST(GridTable, KindSpecificAccessRaisesDataOfWrongType)
{
    TTableRegistry registry;
    TGridTable table(registry);
    table.addColumn(std::make_unique<TStringColumn>(std::vector<std::string>{"Name"}));
    table.addColumn(std::make_unique<TIntColumn>(std::vector<std::string>{"N"}, 0));
    table.setRowCount(1);
    table.commit(0, 0, "1+1");
    EXPECT_EQ(table.cell(0, 0).asText(), "1+1");
    try {
        table.cell(0, 0).asReal();
        ADD_FAILURE();
    } catch (const EGridError& e) {
        EXPECT_STREQ(e.what(), "Data of wrong type");
    }
    EXPECT_THROW(table.cell(1, 0).setReal(1.5), EGridError);
}

}  // namespace
}  // namespace orvane
