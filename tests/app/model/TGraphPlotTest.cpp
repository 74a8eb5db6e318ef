#include "model/TGraphPlot.hpp"

#include <gtest/gtest.h>

namespace orvane {
namespace {

TEST(TGraphPlot, NewCurvesTakeThePointCountOfTheFirstCurveOfLines)
{
    TGraphPlot graph;
    graph.Lines.setCurveCount(1);
    graph.Lines.setPointCount(4);
    graph.Lines.point(0, 3) = {2.5, 7};
    graph.Lines.setCurveCount(3);
    ASSERT_EQ(graph.Lines.curveCount(), 3);
    EXPECT_EQ(graph.Lines.curve(2).pointCount(), 4);
    EXPECT_EQ(graph.Lines.point(2, 3).X, 0);
    EXPECT_EQ(graph.Lines.point(0, 3).X, 2.5);

    // The other lists size their new curves by Lines too.
    graph.Lines2.setCurveCount(2);
    EXPECT_EQ(graph.Lines2.pointCount(), 4);
    graph.Layers.setCurveCount(1);
    EXPECT_EQ(graph.Layers.curve(0).pointCount(), 4);
}

TEST(TGraphPlot, NewCurvesAreNumberedByTheCurveCountOfLines)
{
    TGraphPlot graph;
    graph.Lines.setCurveCount(3);
    EXPECT_EQ(graph.Lines.curve(0).Value, 1);
    EXPECT_EQ(graph.Lines.curve(1).Value, 2);
    EXPECT_EQ(graph.Lines.curve(2).Value, 3);
    // A curve of another list counts the curves of Lines, not its own list.
    graph.Lines3.setCurveCount(2);
    EXPECT_EQ(graph.Lines3.curve(0).Value, 4);
    EXPECT_EQ(graph.Lines3.curve(1).Value, 4);
    EXPECT_TRUE(graph.Lines.curve(2).Visible);
    EXPECT_TRUE(graph.Lines.curve(2).Active);
}

TEST(TGraphPlot, CountsShrinkFromTheEndAndNegativeCountsMeanZero)
{
    TGraphPlot graph;
    graph.Lines.setCurveCount(3);
    graph.Lines.setPointCount(5);
    graph.Lines.point(1, 1) = {1, 2};
    graph.Lines.curve(1).Name = "kept";
    graph.Lines.setCurveCount(2);
    graph.Lines.setPointCount(2);
    EXPECT_EQ(graph.Lines.curveCount(), 2);
    EXPECT_EQ(graph.Lines.curve(1).Name, "kept");
    EXPECT_EQ(graph.Lines.point(1, 1).Y, 2);
    EXPECT_EQ(graph.Lines.curve(1).pointCount(), 2);

    graph.Lines.setPointCount(-3);
    EXPECT_EQ(graph.Lines.pointCount(), 0);
    EXPECT_EQ(graph.Lines.curveCount(), 2);
    graph.Lines.setCurveCount(-1);
    EXPECT_EQ(graph.Lines.curveCount(), 0);
    EXPECT_EQ(graph.Lines.pointCount(), 0);
    EXPECT_THROW(graph.Lines.curve(0), std::out_of_range);
}

TEST(TGraphPlot, CopiesNumberNewCurvesByTheirOwnLines)
{
    TGraphPlot graph;
    graph.Lines.setCurveCount(2);
    graph.Lines.setPointCount(3);
    TGraphPlot copy = graph;
    graph.Lines.setCurveCount(0);
    copy.Layers.setCurveCount(1);
    EXPECT_EQ(copy.Layers.curve(0).Value, 3);
    EXPECT_EQ(copy.Layers.curve(0).pointCount(), 3);
}

TEST(TGraphPlot, LegendIsTheNameOrTheCurveNameWithTheValue)
{
    TGraphPlot graph;
    graph.CurveName = "Depth";
    TLine line;
    line.Value = 12.5;
    EXPECT_EQ(graph.legendText(line), "Depth12.5");
    line.Value = 1;
    EXPECT_EQ(line.legendText("Load #"), "Load #1");
    line.Value = 0.1 + 0.2;  // 0.30000000000000004 shows with 15 digits
    EXPECT_EQ(line.legendText("Depth"), "Depth0.3");
    line.Value = 123456.789012345;
    EXPECT_EQ(line.legendText("Depth"), "Depth123456.789012345");
    line.Name = "Long-Term";
    EXPECT_EQ(line.legendText("Load #"), "Long-Term");
}

TEST(TGraphPlot, UnitsAreClampedToTheThreeSystems)
{
    TGraphPlot graph;
    EXPECT_EQ(graph.units(), 1);
    graph.setUnits(0);
    EXPECT_EQ(graph.units(), 1);
    graph.setUnits(2);
    EXPECT_EQ(graph.units(), 2);
    graph.setUnits(7);
    EXPECT_EQ(graph.units(), 3);
}

TEST(TGraphPlot, TemplatesExpandTheHighestLevelOnly)
{
    struct Case {
        const char* unitTemplate;
        int units;
        const char* expected;
    };
    const Case cases[] = {
        {"F/L", 1, "lbs/in"},   {"F/L", 2, "kN/m"},      {"F/L", 3, "F/L"},     {"L2", 1, "ft"},
        {"L2", 2, "m"},         {"L1", 2, "mm"},         {"F1-L2", 1, "kips-ft"}, {"F2", 1, "tons"},
        {"F2/F", 1, "tons/F"},  {"F1/L1/L", 1, "kips/in/L"}, {"F", 2, "kN"},     {"", 1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(expandUnits(c.unitTemplate, c.units), c.expected) << c.unitTemplate << " " << c.units;
}

TEST(TGraphPlot, AxisCaptionsAddTheExpandedTemplateInBrackets)
{
    EXPECT_EQ(axisCaption("y", "L", 1), "y (in)");
    EXPECT_EQ(axisCaption("Depth (ft)", "", 1), "Depth (ft)");
    TGraphPlot graph;
    graph.XCaption = "p";
    graph.XUnits = "F/L";
    graph.YCaption2 = "Depth";
    graph.YUnits2 = "L2";
    graph.setUnits(2);
    EXPECT_EQ(graph.xAxisCaption(), "p (kN/m)");
    EXPECT_EQ(graph.yAxisCaption(2), "Depth (m)");
}

TEST(TGraphPlot, ColourTableRepeatsGreyAndSilver)
{
    EXPECT_EQ(kGraphColours[0].Red + kGraphColours[0].Green + kGraphColours[0].Blue, 0);
    EXPECT_EQ(kGraphColours[3].Green, 128);
    EXPECT_EQ(kGraphColours[12].Red, 128);
    EXPECT_EQ(kGraphColours[14].Blue, 192);
    EXPECT_EQ(kGraphColours[16].Red, 0);
    EXPECT_EQ(kGraphColours[16].Blue, 255);
}

}  // namespace
}  // namespace orvane
