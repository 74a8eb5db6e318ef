#include "model/TMainGraphs.hpp"
#include "model/TPlotFileReader.hpp"
#include "model/TDataFileReader.hpp"
#include "model/TLayout.hpp"
#include "model/TProject.hpp"
#include "model/TUnits.hpp"

#include "FileText.hpp"
#include "TestFolder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

namespace orvane {
namespace {

using Points = std::vector<std::pair<double, double>>;

Points points(const TCurveList& list, int curve)
{
    Points result;
    for (const TFloatPoint& p : list.curve(curve).Points) result.emplace_back(p.X, p.Y);
    return result;
}

class TPlotFileReaderTest : public ::testing::Test {
protected:
    void SetUp() override { project.newProject(); }

    bool read(const std::string& text)
    {
        const auto path = folder.path() / "wall.ov5p";
        writeFileText(path, text);
        return TPlotFileReader::read(graphs, project, path, &error);
    }

    TestFolder folder;
    TProject project;
    TMainGraphs graphs;
    std::string error;
};

TEST_F(TPlotFileReaderTest, CountsOfZeroLeaveTheirBlocksEmpty)
{
    ASSERT_TRUE(read("0\n1 0\n1 0 1\n"));
    EXPECT_EQ(graphs.pltLD.Lines.curveCount(), 1);
    EXPECT_EQ(graphs.pltLD.Lines.pointCount(), 0);
    EXPECT_EQ(graphs.PltCombine.Lines.curveCount(), 3);
    EXPECT_EQ(graphs.PltCombine.Lines.curve(1).Name, "from Soils ");
    EXPECT_EQ(graphs.pltPY.Lines.curveCount(), 0);
    EXPECT_EQ(graphs.pltDef.Lines.curveCount(), 1);
    EXPECT_EQ(graphs.pltDef.Lines.pointCount(), 0);
    EXPECT_EQ(graphs.pltDMS.Layers.curveCount(), 0);
    EXPECT_EQ(project.data().PressurePointCount, 0);
    EXPECT_EQ(graphs.pltDef.YCaption, "Depth (ft)");
}

TEST_F(TPlotFileReaderTest, NoDepthResultsStillGiveOneCurvePerGraph)
{
    // NCASE 0: the reader keeps one case; SI captions.
    ASSERT_TRUE(read("0\n2 0\n0 0 2\n"));
    EXPECT_EQ(graphs.pltDef.Lines.curveCount(), 1);
    EXPECT_EQ(graphs.pltDMS.Lines3.curveCount(), 1);
    EXPECT_EQ(graphs.pltMom.XCaption, "Bending Moment (m-kN)");
    EXPECT_EQ(graphs.pltSoil.units(), 2);
}

// One English case: depths in inches become feet, moments and shears kips;
// its last row is the station below the tip, which the graphs leave out.
const char* const kOneCase = "2\n"
                             "0 100 90 10\n"
                             "120 200 150 50\n"
                             "1 2\n"
                             "24 2\n"
                             "0 0\n"
                             "0.5 100\n"
                             "48 3\n"
                             "0 0\n"
                             "0.5 300\n"
                             "1 350\n"
                             "1 4 1\n"
                             "0 0.5 0 0 0\n"
                             "12 0.25 -2000 500 10\n"
                             "24 0.1 -1000 -1500 20\n"
                             "36 -0.05 0 800 -30\n";

TEST_F(TPlotFileReaderTest, OneEnglishCase)
{
    project.data().SetMarker = 9;  // not consulted with one case
    ASSERT_TRUE(read(kOneCase));
    EXPECT_EQ(points(graphs.pltLD.Lines, 0), (Points{{100, 0}, {200, 10}}));
    EXPECT_EQ(points(graphs.PltCombine.Lines, 1), (Points{{90, 0}, {150, 10}}));
    EXPECT_EQ(points(graphs.PltCombine.Lines, 2), (Points{{10, 0}, {50, 10}}));
    EXPECT_EQ(graphs.PltCombine.legendText(graphs.PltCombine.Lines.curve(0)), "Total Earth Pressure");
    EXPECT_EQ(project.data().PressurePointCount, 2);

    ASSERT_EQ(graphs.pltDef.Lines.curveCount(), 1);
    EXPECT_EQ(points(graphs.pltDef.Lines, 0), (Points{{0.5, 0}, {0.25, 1}, {0.1, 2}}));
    EXPECT_EQ(points(graphs.pltMom.Lines, 0), (Points{{0, 0}, {-2, 1}, {-1, 2}}));
    EXPECT_EQ(points(graphs.pltShear.Lines, 0), (Points{{0, 0}, {0.5, 1}, {-1.5, 2}}));
    EXPECT_EQ(points(graphs.pltSoil.Lines, 0), (Points{{0, 0}, {10, 1}, {20, 2}}));
    EXPECT_EQ(points(graphs.pltDMS.Lines2, 0), points(graphs.pltMom.Lines, 0));
    EXPECT_EQ(points(graphs.pltDMS.Lines3, 0), points(graphs.pltShear.Lines, 0));
    EXPECT_EQ(graphs.pltDef.legendText(graphs.pltDef.Lines.curve(0)), "Load #1");
    EXPECT_EQ(graphs.pltDMS.legendText(graphs.pltDMS.Lines.curve(0)), "Curve #1");
    EXPECT_TRUE(graphs.pltDMS.ShowThree);

    EXPECT_EQ(graphs.pltDef.YCaption, "Depth (ft)");
    EXPECT_EQ(graphs.pltLD.YCaption, "Depth (ft)");
    EXPECT_EQ(graphs.pltMom.XCaption, "Bending Moment (in-kips)");
    EXPECT_EQ(graphs.pltShear.XCaption, "Shear (kips)");
    EXPECT_EQ(graphs.pltDMS.xAxisCaption(1), "Deflection (in)");
    EXPECT_EQ(graphs.pltDMS.xAxisCaption(2), "Bending Moment (in-kips)");
    EXPECT_EQ(graphs.pltDMS.YCaption3, "Depth (ft)");
    EXPECT_EQ(graphs.pltPY.units(), 1);
}

TEST_F(TPlotFileReaderTest, TheResultsEndAtTheWallsTipWithoutTheStationBelowIt)
{
    // Every example's plot data: the depth graphs and the three panels end
    // at the tip (increments x increment length), while the file goes one
    // station further.
    const std::filesystem::path golden = std::filesystem::path(ORVANE_SOURCE_DIR) / "tests/engine/golden/expected";
    for (const char* name : {"sand-anchored-generated-py", "si-sand-cantilever", "three-stage", "short-long-term"}) {
        TProject example;
        ASSERT_FALSE(TDataFileReader::readProject(example, std::filesystem::path(ORVANE_SOURCE_DIR) / "examples" /
                                                               (std::string(name) + ".ov5d"),
                                                  TLayout::Current));
        TMainGraphs results;
        ASSERT_TRUE(TPlotFileReader::read(results, example, golden / name / "wall.ov5p")) << name;
        const TProgramData& d = example.data();
        const double tip = d.Increments * d.IncrementLength / (d.Units == TUnits::kEnglish ? 12.0 : 1.0);
        for (const TCurveList* list : {&results.pltDef.Lines, &results.pltMom.Lines, &results.pltShear.Lines,
                                       &results.pltSoil.Lines, &results.pltDMS.Lines, &results.pltDMS.Lines2,
                                       &results.pltDMS.Lines3})
            for (const TLine& curve : *list) {
                ASSERT_FALSE(curve.Points.empty()) << name;
                double deepest = 0;
                for (const TFloatPoint& p : curve.Points) deepest = std::max(deepest, p.Y);
                EXPECT_NEAR(deepest, tip, 1e-6 * tip) << name;
            }
    }
}

TEST_F(TPlotFileReaderTest, ShorterPYCurvesRepeatTheirLastPoint)
{
    ASSERT_TRUE(read(kOneCase));
    ASSERT_EQ(graphs.pltPY.Lines.curveCount(), 2);
    EXPECT_EQ(points(graphs.pltPY.Lines, 0), (Points{{0, 0}, {0.5, 100}, {0.5, 100}}));
    EXPECT_EQ(points(graphs.pltPY.Lines, 1), (Points{{0, 0}, {0.5, 300}, {1, 350}}));
    // Generated curves at 24 and 48 in: their depths in feet, with the unit.
    EXPECT_EQ(graphs.pltPY.legendText(graphs.pltPY.Lines.curve(0)), "z = 2.0 ft");
    EXPECT_EQ(graphs.pltPY.legendText(graphs.pltPY.Lines.curve(1)), "z = 4.0 ft");
    // The user's curves name their station: one increment (12 in here) apart.
    project.data().GeneratePYCurves = false;
    project.data().IncrementLength = 12;
    std::string stations = kOneCase;
    stations.replace(stations.find("24 2\n"), 5, "25 2\n");
    ASSERT_TRUE(read(stations));
    EXPECT_EQ(graphs.pltPY.legendText(graphs.pltPY.Lines.curve(0)), "z = 25.0 ft");
}

TEST_F(TPlotFileReaderTest, LongTermPairNamesShortAndLongTerm)
{
    project.data().SetMarker = 9;
    ASSERT_TRUE(read("0\n1 0\n2 3 1\n0 1 0 0 0\n12 2 1000 2000 3\n24 9 9 9 9\n"
                     "0\n1 0\n2 3 1\n0 3 0 0 0\n12 4 3000 4000 5\n24 9 9 9 9\n"));
    for (const TCurveList* list : {&graphs.pltDef.Lines, &graphs.pltMom.Lines, &graphs.pltShear.Lines,
                                   &graphs.pltSoil.Lines, &graphs.pltDMS.Lines}) {
        ASSERT_EQ(list->curveCount(), 2);
        EXPECT_EQ(list->curve(0).Name, "Short-Term");
        EXPECT_EQ(list->curve(1).Name, "Long-Term");
    }
    EXPECT_EQ(points(graphs.pltDef.Lines, 0), (Points{{1, 0}, {2, 1}}));
    EXPECT_EQ(points(graphs.pltDef.Lines, 1), (Points{{3, 0}, {4, 1}}));
    EXPECT_EQ(points(graphs.pltDMS.Lines2, 1), (Points{{0, 0}, {3, 1}}));
    EXPECT_EQ(points(graphs.pltSoil.Lines, 1), (Points{{0, 0}, {5, 1}}));
    EXPECT_EQ(graphs.pltLD.Lines.curveCount(), 2);
}

// Three SI stages: the second has more earth-pressure points, the third
// fewer depth points than the first (each case's last row is the station
// below the tip).
const char* const kThreeStages = "2\n0 10 10 0\n3 40 30 10\n"
                                 "2 1\n1.5 2\n0 0\n0.01 50\n"
                                 "3 4 2\n0 0.02 0 0 0\n1 0.01 5 2 4\n2 0.005 3 -1 6\n3 -1 -1 -1 -1\n"
                                 "3\n0 11 0 0\n2 21 0 0\n4 41 0 0\n"
                                 "2 1\n2.5 2\n0 0\n0.02 60\n"
                                 "3 4 2\n0 0.03 0 0 0\n1 0.02 6 3 5\n2 0.01 4 -2 7\n3 -1 -1 -1 -1\n"
                                 "1\n0 12 0 0\n"
                                 "2 1\n3.5 3\n0 0\n0.03 70\n0.06 80\n"
                                 "3 3 2\n0 0.04 0 0 0\n1 0.03 7 4 6\n2 -1 -1 -1 -1\n";

TEST_F(TPlotFileReaderTest, StagesAreNamedAndShortCasesPadded)
{
    project.setUnitSystem(2);
    ASSERT_TRUE(read(kThreeStages));
    for (const TCurveList* list : {&graphs.pltDef.Lines, &graphs.pltSoil.Lines, &graphs.pltDMS.Lines}) {
        ASSERT_EQ(list->curveCount(), 3);
        EXPECT_EQ(list->curve(0).Name, "Stage: 1");
        EXPECT_EQ(list->curve(1).Name, "Stage: 2");
        EXPECT_EQ(list->curve(2).Name, "Stage: 3");
    }
    EXPECT_EQ(points(graphs.pltDef.Lines, 0), (Points{{0.02, 0}, {0.01, 1}, {0.005, 2}}));
    EXPECT_EQ(points(graphs.pltDef.Lines, 2), (Points{{0.04, 0}, {0.03, 1}, {0.03, 1}}));
    EXPECT_EQ(points(graphs.pltMom.Lines, 2), (Points{{0, 0}, {7, 1}, {7, 1}}));
    EXPECT_EQ(points(graphs.pltDMS.Lines3, 2), (Points{{0, 0}, {4, 1}, {4, 1}}));

    EXPECT_EQ(project.data().PressurePointCount, 3);
    EXPECT_EQ(points(graphs.pltLD.Lines, 0), (Points{{10, 0}, {40, 3}, {40, 3}}));
    EXPECT_EQ(points(graphs.pltLD.Lines, 1), (Points{{11, 0}, {21, 2}, {41, 4}}));
    EXPECT_EQ(points(graphs.pltLD.Lines, 2), (Points{{12, 0}, {12, 0}, {12, 0}}));
    EXPECT_EQ(graphs.pltLD.legendText(graphs.pltLD.Lines.curve(2)), "Curve #3");
    // The combined graph shows the first case; SI depths stay metres.
    EXPECT_EQ(points(graphs.PltCombine.Lines, 1), (Points{{10, 0}, {30, 3}}));
    // The p-y graph shows the last case.
    ASSERT_EQ(graphs.pltPY.Lines.curveCount(), 1);
    EXPECT_EQ(graphs.pltPY.Lines.curve(0).Value, 3.5);
    EXPECT_EQ(graphs.pltPY.legendText(graphs.pltPY.Lines.curve(0)), "z = 3.50 m");  // SI depths in metres
    EXPECT_EQ(graphs.pltPY.Lines.pointCount(), 3);

    EXPECT_EQ(graphs.pltDef.YCaption, "Depth (m)");
    EXPECT_EQ(graphs.pltMom.XCaption, "Bending Moment (m-kN)");
    EXPECT_EQ(graphs.pltShear.XCaption, "Shear (kN)");
    EXPECT_EQ(graphs.pltLD.units(), 2);
    EXPECT_EQ(graphs.PltCombine.yAxisCaption(), "Depth (m)");
}

TEST_F(TPlotFileReaderTest, AFileThatEndsEarlyKeepsItsCurvesButNotItsCaptions)
{
    graphs.pltDef.setUnits(2);
    const std::string text(kOneCase);
    ASSERT_FALSE(read(text.substr(0, text.find("24 0.1"))));
    EXPECT_EQ(error, "This file either invalid or incomplete.");
    EXPECT_EQ(graphs.pltPY.Lines.curveCount(), 2);
    EXPECT_EQ(points(graphs.pltDef.Lines, 0), (Points{{0.5, 0}, {0.25, 1}, {0, 0}}));
    EXPECT_EQ(graphs.pltDef.YCaption, "");
    EXPECT_EQ(graphs.pltMom.XCaption, "");
    EXPECT_EQ(graphs.pltDef.units(), 2);
}

TEST_F(TPlotFileReaderTest, UnreadableFilesFail)
{
    EXPECT_FALSE(TPlotFileReader::read(graphs, project, folder.path() / "missing.ov5p", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(read("2\n0 100 x 10\n"));
    // A count no file of this size can hold.
    EXPECT_FALSE(read("0\n1 2000000000\n"));
    EXPECT_EQ(error, "This file either invalid or incomplete.");
}

// A count beyond what the engine writes stops the reading at it, naming it,
// before curves of that many points are made (the file is long enough that
// its size would allow them).
TEST_F(TPlotFileReaderTest, ACountBeyondTheEnginesTablesStopsTheReading)
{
    std::string padding;
    for (int k = 0; k < 500; ++k) padding += "0 0 0 0 0\n";
    const struct Case {
        const char* from;
        const char* to;
        const char* error;
    } cases[] = {
        {"2\n0 100", "2001\n0 100",
         "Error on Line 1 Item 1\rThe file asks for 2001 earth-pressure points; the program holds at most 2000."},
        {"1 2\n24 2", "1 64\n24 2", "Error on Line 4 Item 2\rThe file asks for 64 p-y curves; the program holds at most 63."},
        {"24 2\n", "24 35\n",
         "Error on Line 5 Item 2\rThe file asks for 35 points of a p-y curve; the program holds at most 34."},
        {"1 4 1\n", "6 4 1\n", "Error on Line 12 Item 1\rThe file asks for 6 analysis cases; the program holds at most 5."},
        {"1 4 1\n", "1 415 1\n", "Error on Line 12 Item 2\rThe file asks for 415 stations; the program holds at most 414."},
    };
    for (const Case& c : cases) {
        std::string text = kOneCase;
        text.replace(text.find(c.from), std::string(c.from).size(), c.to);
        EXPECT_FALSE(read(text + padding)) << c.to;
        EXPECT_EQ(error, c.error);
    }
}

TEST_F(TPlotFileReaderTest, ANewReadReplacesTheCurvesOfTheLastOne)
{
    ASSERT_TRUE(read(kThreeStages));
    graphs.pltDef.Lines.curve(0).Visible = false;
    ASSERT_TRUE(read(kOneCase));
    ASSERT_EQ(graphs.pltDef.Lines.curveCount(), 1);
    EXPECT_EQ(graphs.pltDef.legendText(graphs.pltDef.Lines.curve(0)), "Load #1");
    EXPECT_TRUE(graphs.pltDef.Lines.curve(0).Visible);
    EXPECT_EQ(graphs.pltLD.Lines.curveCount(), 1);
}

void setLayers(TProject& project, const std::vector<std::pair<int, double>>& layers)
{
    TGridTable& soil = project.tables().NewSoil;
    soil.setRowCount(static_cast<int>(layers.size()));
    for (int i = 0; i < soil.rowCount(); ++i) {
        soil.cell(0, i).setInteger(layers[static_cast<size_t>(i)].first);
        soil.cell(1, i).setReal(layers[static_cast<size_t>(i)].second);
    }
}

TEST_F(TPlotFileReaderTest, SoilLayersAndTheWallOverlayTheThreePanels)
{
    setLayers(project, {{1, 10}, {4, 20}, {7, 35}});
    project.data().Increments = 40;
    project.data().IncrementLength = 12;  // inches: the tip at 40 ft
    project.data().WallHeight = 120;      // 10 ft
    ASSERT_TRUE(read(kOneCase));
    const TCurveList& layers = graphs.pltDMS.Layers;
    ASSERT_EQ(layers.curveCount(), 5);
    EXPECT_EQ(layers.pointCount(), 1);
    EXPECT_EQ(graphs.pltDMS.WallLineCount, 3);
    const std::vector<std::pair<std::string, Points>> expected{
        {" CLAY ", {{1, 10}}}, {" SAND ", {{7, 20}}}, {"WEAK ROCK", {{10, 35}}},
        {"PILE", {{0, 40}}},   {"PILE", {{0, 10}}},
    };
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(layers.curve(i).Name, expected[static_cast<size_t>(i)].first) << i;
        EXPECT_EQ(points(layers, i), expected[static_cast<size_t>(i)].second) << i;
    }
}

TEST_F(TPlotFileReaderTest, EverySoilTypeHasItsOverlayCode)
{
    project.setUnitSystem(2);
    setLayers(project, {{2, 1}, {3, 2}, {5, 3}, {6, 4}});
    project.data().Increments = 10;
    project.data().IncrementLength = 0.5;
    project.data().WallHeight = 2;
    ASSERT_TRUE(read(kOneCase));
    const TCurveList& layers = graphs.pltDMS.Layers;
    ASSERT_EQ(layers.curveCount(), 6);
    EXPECT_EQ(layers.curve(0).Name, " CLAY ");
    EXPECT_EQ(layers.point(1, 0).X, 1);
    EXPECT_EQ(layers.curve(2).Name, " SILT ");
    EXPECT_EQ(layers.point(2, 0).X, 8);
    EXPECT_EQ(layers.curve(3).Name, "STRONG ROCK");
    EXPECT_EQ(layers.point(3, 0).X, 9);
    // SI lengths stay metres.
    EXPECT_EQ(layers.point(4, 0).Y, 5);
    EXPECT_EQ(layers.point(5, 0).Y, 2);
}

TEST(TMainGraphs, GraphsAreCreatedWithTheirFixedProperties)
{
    TMainGraphs graphs;
    ASSERT_EQ(graphs.byId("pltPY"), &graphs.pltPY);
    EXPECT_EQ(graphs.byId("PltCombine"), &graphs.PltCombine);
    EXPECT_EQ(graphs.byId("pltNone"), nullptr);
    EXPECT_EQ(graphs.id(graphs.pltDMS), "pltDMS");
    EXPECT_EQ(graphs.pltPY.xAxisCaption(), "y (in)");
    EXPECT_EQ(graphs.pltPY.yAxisCaption(), "p (lbs/in)");
    EXPECT_FALSE(graphs.pltPY.XOnTop);
    EXPECT_EQ(graphs.pltSoil.xAxisCaption(), "Reaction (lbs)");
    EXPECT_EQ(graphs.PltCombine.yAxisCaption(), "Depth (ft)");
    EXPECT_EQ(graphs.pltLD.XCaption, "Distributed load");
    EXPECT_EQ(graphs.pltDMS.CurveName, "Curve #");
    for (const TGraphPlot* graph : graphs.all()) {
        EXPECT_EQ(graph->Markers, 1);
        EXPECT_EQ(graph->SizeFont, 10);
        EXPECT_EQ(graph->LegendFont, 11);
        EXPECT_TRUE(graph->ShowFontWidth);
        EXPECT_TRUE(graph->ShowLegend);
        EXPECT_FALSE(graph->ShowThree);
        EXPECT_EQ(graph->XOnTop, graph != &graphs.pltPY);
    }
    graphs.pltMom.Markers = 5;
    graphs.reset();
    EXPECT_EQ(graphs.pltMom.Markers, 1);
}

}  // namespace
}  // namespace orvane
