#include "model/TProject.hpp"
#include "model/TProjectFiles.hpp"
#include "model/TRunWarnings.hpp"
#include "model/TStages.hpp"

#include "SampleProject.hpp"
#include "TestFolder.hpp"

#include <gtest/gtest.h>

#include <functional>

namespace orvane {
namespace {

const std::filesystem::path kExamples = std::filesystem::path(ORVANE_SOURCE_DIR) / "examples";

std::vector<std::string> texts(const TProject& project)
{
    std::vector<std::string> out;
    for (const TRunWarning& w : TRunWarnings::of(project)) out.push_back(w.text);
    return out;
}

// Opens a copy: a staged example is split into stage files beside it.
void openExample(TProject& project, const TestFolder& folder, const std::filesystem::path& example)
{
    const auto copy = folder.path() / example.filename();
    std::filesystem::copy_file(example, copy, std::filesystem::copy_options::overwrite_existing);
    ASSERT_EQ(TProjectFiles::open(project, copy, TLayout::Current), std::nullopt) << example;
}

TEST(TRunWarnings, EveryExampleIsClean)
{
    for (const auto& entry : std::filesystem::directory_iterator(kExamples)) {
        if (entry.path().extension() != ".ov5d") continue;
        TestFolder folder;
        TProject project;
        openExample(project, folder, entry.path());
        EXPECT_EQ(texts(project), std::vector<std::string>{}) << entry.path();
    }
}

// The soft-clay example: 40 increments of 12 in (tip at 40 ft), free height
// 10 ft, one clay layer down to 50 ft, generated pressure and p-y curves.
struct Case {
    const char* name;
    const char* example;
    std::function<void(TProject&)> change;
    TRunWarning expected;
};

const Case kCases[] = {
    {"stiffness 0", "soft-clay-cantilever.ov5d", [](TProject& p) { p.tables().PileSect.cell(3, 0).setReal(0); },
     {"Wall Stiffness", 1, "Wall Stiffness, row 1: the flexural stiffness EI is 0 lbs-in^2; a wall needs a stiffness above 0."}},
    {"stiffness below 0", "soft-clay-cantilever.ov5d",
     [](TProject& p) { p.tables().PileSect.cell(3, 0).setReal(-4.5e9); },
     {"Wall Stiffness", 1,
      "Wall Stiffness, row 1: the flexural stiffness EI is -4.5E9 lbs-in^2; a wall needs a stiffness above 0."}},
    {"free height 0", "soft-clay-cantilever.ov5d", [](TProject& p) { p.data().WallHeight = 0; },
     {"Wall Properties", 0,
      "Wall Properties: the free height of wall is 0 ft; the excavation level must lie below the top of the wall."}},
    {"free height below the tip", "soft-clay-cantilever.ov5d", [](TProject& p) { p.data().WallHeight = 540; },
     {"Wall Properties", 0,
      "Wall Properties: the free height of wall, 45 ft, is at or below the wall tip at 40 ft (40 increments of 12 in); "
      "the excavation goes below the tip."}},
    {"free height at the tip", "soft-clay-cantilever.ov5d", [](TProject& p) { p.data().WallHeight = 480; },
     {"Wall Properties", 0,
      "Wall Properties: the free height of wall, 40 ft, is at or below the wall tip at 40 ft (40 increments of 12 in); "
      "the excavation goes below the tip."}},
    {"layers above the tip", "soft-clay-cantilever.ov5d", [](TProject& p) { p.tables().NewSoil.cell(1, 0).setReal(30); },
     {"Soil Layers", 1,
      "Soil Layers, row 1: the deepest layer ends at 30 ft, above the wall tip at 40 ft; below it the wall has no soil "
      "for earth pressures and p-y curves."}},
    {"p-y deflections not increasing", "cantilever-user-py.ov5d",
     [](TProject& p) { p.tables().PYCurves2.cell(1, 1).subTable()->cell(0, 3).setReal(-0.6); },
     {"External p-y Curve 2 (node 20)", 4,
      "External p-y Curve 2 (node 20), row 4: the deflection y = -0.6 in does not increase from the row before "
      "(-0.6 in); the deflections of a curve must increase."}},
    {"moment-EI curvatures not increasing", "soft-clay-cantilever.ov5d",
     [](TProject& p) {
         p.data().UseMEICurves = true;
         setRows(p.tables().MEICurves2, {{0, 40}});
         // Curvatures 1e-6, 2e-6, then 1.5e-6 per inch.
         setRows(*p.tables().MEICurves2.cell(2, 0).subTable(), {{4500, 4.5e9}, {8000, 4e9}, {4500, 3e9}});
     },
     {"Moment vs EI Curve 1 (nodes 0 to 40)", 3,
      "Moment vs EI Curve 1 (nodes 0 to 40), row 3: the curvature M/EI = 1.5E-6 1/in does not increase from the row "
      "before (2E-6 1/in); the curvatures of a curve must increase."}},
    {"moment-EI stiffness 0", "soft-clay-cantilever.ov5d",
     [](TProject& p) {
         p.data().UseMEICurves = true;
         setRows(p.tables().MEICurves2, {{0, 40}});
         setRows(*p.tables().MEICurves2.cell(2, 0).subTable(), {{4500, 4.5e9}, {8000, 0}});
     },
     {"Moment vs EI Curve 1 (nodes 0 to 40)", 2,
      "Moment vs EI Curve 1 (nodes 0 to 40), row 2: the flexural rigidity EI is 0 lbs-in^2; a wall needs a stiffness "
      "above 0."}},
};

TEST(TRunWarnings, EachFindingNamesItsTableRowAndValue)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        TestFolder folder;
        TProject project;
        openExample(project, folder, kExamples / c.example);
        ASSERT_EQ(texts(project), std::vector<std::string>{});
        c.change(project);
        const std::vector<TRunWarning> found = TRunWarnings::of(project);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].table, c.expected.table);
        EXPECT_EQ(found[0].row, c.expected.row);
        EXPECT_EQ(found[0].text, c.expected.text);
    }
}

TEST(TRunWarnings, ValuesAreNamedInTheProjectsUnits)
{
    TestFolder folder;
    TProject project;
    openExample(project, folder, kExamples / "soft-clay-cantilever.ov5d");
    project.setUnitSystem(2);
    project.data().WallHeight = 15;  // m, below the tip at 40 ft = 12.192 m
    EXPECT_EQ(texts(project), std::vector<std::string>{
                                  "Wall Properties: the free height of wall, 15 m, is at or below the wall tip at 12.192 m "
                                  "(40 increments of 0.3048 m); the excavation goes below the tip."});
}

// Soil layers matter only where they make pressures or curves; water tables
// at the surface of a dry soil are not a fault.
TEST(TRunWarnings, LayersAreCheckedOnlyWhenTheSoilIsUsedAndWaterAtTheSurfaceIsNoFinding)
{
    TestFolder folder;
    TProject project;
    openExample(project, folder, kExamples / "cantilever-user-py.ov5d");
    ASSERT_FALSE(project.data().GeneratePYCurves);
    project.tables().NewSoil.setRowCount(1);
    project.tables().NewSoil.cell(1, 0).setReal(1);
    EXPECT_EQ(texts(project), std::vector<std::string>{});

    openExample(project, folder, kExamples / "soft-clay-cantilever.ov5d");
    project.data().WaterDepthBackfill = 0;
    project.data().WaterDepthExcavation = 0;
    EXPECT_EQ(texts(project), std::vector<std::string>{});
}

TEST(TRunWarnings, EveryStageIsCheckedAndNamed)
{
    TestFolder folder;
    TProject project;
    openExample(project, folder, kExamples / "three-stage.ov5d");
    ASSERT_EQ(project.data().StageCount, 3);
    TStages stages(project);
    ASSERT_EQ(stages.switchTo(2), std::nullopt);
    project.tables().PileSect.cell(3, 0).setReal(0);
    ASSERT_EQ(stages.switchTo(3), std::nullopt);  // stage 2 goes to its stage file
    project.data().WallHeight = 0;
    const auto found = TRunWarnings::of(project);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].table, "Stage 2, Wall Stiffness");
    EXPECT_EQ(found[0].text.rfind("Stage 2, Wall Stiffness, row 1: the flexural stiffness EI is 0 ", 0), 0u)
        << found[0].text;
    EXPECT_EQ(found[1].text.rfind("Stage 3, Wall Properties: the free height of wall is 0 ", 0), 0u) << found[1].text;
}

TEST(TRunWarnings, LongTermLayersAreCheckedToo)
{
    TestFolder folder;
    TProject project;
    openExample(project, folder, kExamples / "short-long-term.ov5d");
    ASSERT_TRUE(project.data().UseLongTerm);
    ASSERT_EQ(texts(project), std::vector<std::string>{});
    // Generated curves bring the soil in: short-term layers to the tip at
    // 50 ft, long-term ones ending at 20 ft.
    project.data().GeneratePYCurves = true;
    setRows(project.tables().NewSoil, {{1, 50}});
    setRows(project.tables().LongSoil, {{1, 10}, {4, 20}});
    const auto found = TRunWarnings::of(project);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].table, "Soil Layers (Long-Term)");
    EXPECT_EQ(found[0].row, 2);
}

}  // namespace
}  // namespace orvane
