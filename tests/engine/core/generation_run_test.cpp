// The generation run ahead of the curve generators: the layers below the
// excavation, the curve depths, the property tables and their report sections.

#include <gtest/gtest.h>

#include <string>

#include "io/single.hpp"
#include "job_fixture.hpp"
#include "soil/py_generation.hpp"

using namespace orvane;
using namespace orvane::soil;
using orvane::test::JobFolder;
using orvane::test::lines;
using orvane::test::readFile;

namespace {

// A clay layer to 96 in, then sand to 600 in; excavation at 120 in, water
// table behind the wall at 150 in; wall of 20 increments of 12 in.
SoilBlock twoLayers()
{
    SoilBlock b;
    b.present = true;
    b.wall.freeHeight = 120;
    b.wall.activeWidth = 12;
    b.wall.resistanceWidth = 12;
    b.wall.waterBackfill = 150;
    InputLayer clay{SoilType::SoftClay, 96, {0.069444444, 5, 0, 0.02, 100, 0}, {0.069444444, 7, 0, 0.02, 100, 0}};
    InputLayer sand{SoilType::Sand, 504, {0.0625, 0, 32, 0, 90, 0}, {0.0625, 0, 36, 0, 90, 0}};
    b.layers = {clay, sand};
    return b;
}

PyGenerationInput input(const SoilBlock& b)
{
    PyGenerationInput in;
    in.block = &b;
    in.units = 1;
    in.NI = 20;
    in.h = 12;
    return in;
}

}  // namespace

TEST(GenerationRun, LayersBelowTheExcavationCutTwoIncrementsBelowTheTip)
{
    const SoilBlock b = twoLayers();
    const GenerationSetup s = buildGenerationSetup(input(b));
    ASSERT_EQ(s.layers.size(), 1u);  // the clay lies wholly above the excavation
    const PyLayer& sand = s.layers[0];
    EXPECT_EQ(code(sand.type), 4);
    EXPECT_EQ(sand.top, 0);
    EXPECT_EQ(sand.bottom, 240 + 24 - 120);  // tip plus 2h, from the excavation level
    // The cut bottom takes the friction angle at the cut depth: 32 + 4 * 144 / 480.
    EXPECT_DOUBLE_EQ(sand.bottomLine[2], 32 + 4 * 144.0 / 480);
    // Above the water table the total weight; below it less the weight of water.
    EXPECT_EQ(sand.weightTop, 0.0625);
    EXPECT_DOUBLE_EQ(sand.weightBottom, 0.0625 - 0.035999998450279236);
    // Five depths: top + 0.1, quarters, bottom - 0.1 (0.1 as a single-precision value).
    ASSERT_EQ(s.depths.size(), 5u);
    EXPECT_DOUBLE_EQ(s.depths[0], f32(0.1));
    EXPECT_DOUBLE_EQ(s.depths[1], 36);
    EXPECT_DOUBLE_EQ(s.depths[2], 72);
    EXPECT_DOUBLE_EQ(s.depths[3], 108);
    EXPECT_DOUBLE_EQ(s.depths[4], 144 - f32(0.1));
    // Tables: two rows per layer, angles in radians with pi as 3.1416.
    ASSERT_EQ(s.tables.depth.size(), 2u);
    EXPECT_DOUBLE_EQ(s.tables.phi[0], 32 * f32(3.1416) / 180);
}

TEST(GenerationRun, LayerEndingAboveTheCutIsKeptWhole)
{
    SoilBlock b = twoLayers();
    b.layers[1].thickness = 60;  // sand from 96 to 156
    const GenerationSetup s = buildGenerationSetup(input(b));
    ASSERT_EQ(s.layers.size(), 1u);
    EXPECT_EQ(s.layers[0].bottom, 36);
    EXPECT_EQ(s.layers[0].bottomLine[2], 36);
    // SI: depths one hundredth from the layer ends.
    PyGenerationInput si = input(b);
    si.units = 2;
    EXPECT_DOUBLE_EQ(buildGenerationSetup(si).depths[4], 36 - f32(0.01));
}

TEST(GenerationRun, ReportSections)
{
    JobFolder folder;
    const SoilBlock b = twoLayers();
    {
        io::Records report;
        report.open(folder.dir() / "report");
        writeSoilLayerSections(buildGenerationSetup(input(b)), io::UnitLabels::english(), report);
    }
    // Built from the layouts: F15.4 depth below the top, D15.4 weight; F15.2,
    // D13.4 strength, F13.3 degrees and "-----" where there is no E50.
    const std::vector<std::string> expected = {
        "",
        "",
        "      **************************************************",
        "      *        SOIL LAYERS AND STRENGTH DATA           *",
        "      **************************************************",
        "",
        "",
        "         X AT THE SURFACE OF EXCAVATION SIDE     =     120.00 IN",
        "",
        "         1 LAYER(S) OF SOIL",
        "",
        "         LAYER  1",
        "         THE SOIL IS A SAND",
        "",
        "",
        "         DISTRIBUTION OF EFFECTIVE UNIT WEIGHT WITH DEPTH",
        "                            2 POINTS",
        "",
        "                     X,IN   WEIGHT,LBS/IN**3",
        "                 120.0000     0.6250D-01",
        "                 264.0000     0.2650D-01",
        "",
        "",
        "         DISTRIBUTION OF STRENGTH PARAMETERS WITH DEPTH",
        "                            2 POINTS",
        "",
        "                     X,IN     S,LBS/IN**2      PHI,DEGREES      E50",
        "                   120.00     0.0000D+00         32.000       -----",
        "                   264.00     0.0000D+00         33.200       -----",
    };
    EXPECT_EQ(lines(readFile(folder.dir() / "report")), expected);
}
