#include "results/TGraphLayout.hpp"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using graph::roundedRange;

// Hand-worked: span, its decade step (a tenth of it below log10(3)), then
// both ends rounded out to the step.
TEST(GraphRange, RoundsBothEndsToTheStepOfTheSpan)
{
    struct Case {
        double lo, hi;
        TAxisRange expected;
    };
    const Case cases[] = {
        {0, 0, {-0.01, 0.01}},           // empty span: +-0.01, step 0.001
        {0, 7.3, {0, 8}},                // log 0.86: step 1
        {-2.46, 0, {-2.5, 0}},           // log 0.39: step 0.1
        {0, 123, {0, 130}},              // log 2.09: step 10
        {-0.0042, 0.0011, {-0.005, 0.002}},
        {0, 10, {0, 10}},                // whole multiples stay
        {0, 0.3, {0, 0.3}},              // 0.3 / 0.1 is not quite 3 in binary
    };
    for (const Case& c : cases) {
        const TAxisRange r = roundedRange(c.lo, c.hi);
        EXPECT_NEAR(r.min, c.expected.min, 1e-12) << c.lo << " .. " << c.hi;
        EXPECT_NEAR(r.max, c.expected.max, 1e-12) << c.lo << " .. " << c.hi;
    }
}

TEST(GraphRange, AllZeroGraphSpansMinusToPlusOneHundredth)
{
    TGraphPlot plot;
    plot.Lines.setCurveCount(2);
    plot.Lines.setPointCount(5);
    const TPanelRange r = graph::autoRange(plot.Lines);
    EXPECT_NEAR(r.x.min, -0.01, 1e-15);
    EXPECT_NEAR(r.x.max, 0.01, 1e-15);
    EXPECT_NEAR(r.y.min, -0.01, 1e-15);
    EXPECT_NEAR(r.y.max, 0.01, 1e-15);
}

TEST(GraphRange, HoldsZeroAndEveryPointOfHiddenCurvesToo)
{
    TGraphPlot plot;
    plot.Lines.setCurveCount(2);
    plot.Lines.setPointCount(1);
    plot.Lines.point(0, 0) = {3.2, 4.1};
    plot.Lines.point(1, 0) = {5.5, 6.7};
    plot.Lines.curve(1).Visible = false;
    const TPanelRange r = graph::autoRange(plot.Lines);
    EXPECT_EQ(r.x, (TAxisRange{0, 6}));
    EXPECT_EQ(r.y, (TAxisRange{0, 7}));
}

TEST(GraphTicks, MajorStepFollowsTheLeadingDigitOfTheRawStep)
{
    struct Case {
        double span;
        int intervals;
        double step;
    };
    const Case cases[] = {
        {7, 7, 1},        // raw 1: digit 1
        {1.9, 1, 1},      // digit 1
        {10, 5, 2},       // raw 2: digit 2
        {130, 4, 20},     // raw 32.5: digit 3
        {30, 6, 5},       // raw 5: digit 5
        {8, 1, 5},        // digit 8
        {0.02, 3, 0.005}, // raw 0.00667: digit 6
        {0.9, 1, 1},      // digit 9: the next decade
        {2500, 2, 1000},  // raw 1250: digit 1
    };
    for (const Case& c : cases)
        EXPECT_NEAR(graph::majorStep(c.span, c.intervals), c.step, c.step * 1e-12) << c.span << " / " << c.intervals;
}

TEST(GraphTicks, MinorTicksAreAnchoredAtZeroAndNeedSixFontHeightsEach)
{
    // 168 pixels with h = 14 hold two intervals: raw 1.25, major 1, minor 0.2.
    const TTicks t = graph::ticks({-2.5, 0}, 168, 14);
    EXPECT_DOUBLE_EQ(t.major, 1);
    EXPECT_DOUBLE_EQ(t.minor, 0.2);
    EXPECT_EQ(t.first, -12);  // -2.4: -2.5 is no multiple of 0.2
    EXPECT_EQ(t.last, 0);
    EXPECT_TRUE(graph::ticks({0, 0}, 168, 14).empty());
    EXPECT_TRUE(graph::ticks({0, 10}, 0, 14).empty());
}

TEST(GraphTicks, EveryAxisHasThreeLabelledTicksHoweverShort)
{
    // Axes that hold one interval of 6h or none at all: the step is made
    // finer (1, 2, 5 in each decade) until three major ticks fall inside.
    struct Case {
        TAxisRange range;
        int pixels;
        double major;
    };
    const Case cases[] = {
        {{0, 10}, 83, 5},          // one interval would give 10: 0 and 10 only
        {{0, 10}, 20, 5},          // shorter than one interval
        {{-350, 100}, 90, 100},    // a moment panel: 200 gives only -200 and 0; 100 gives five
        {{-0.4, 0.1}, 60, 0.2},    // -0.4, -0.2, 0
        {{0, 60}, 400, 10},        // room for four intervals, raw 15: 10 as before
        {{-12, 8}, 15, 5},         // -10, -5, 0, 5
    };
    for (const Case& c : cases) {
        const TTicks t = graph::ticks(c.range, c.pixels, 14);
        int labelled = 0;
        for (std::int64_t k = t.first; k <= t.last; ++k) labelled += k % 5 == 0;
        EXPECT_GE(labelled, graph::kLeastLabelledTicks) << c.range.min << " .. " << c.range.max << " over " << c.pixels;
        EXPECT_EQ(labelled, graph::majorCount(c.range, t.major));
        EXPECT_NEAR(t.major, c.major, c.major * 1e-12) << c.range.min << " .. " << c.range.max;
    }
}

TEST(GraphTicks, LabelsShrinkOnlyWhenTheyWouldTouch)
{
    // Widest label 30 pixels at h = 14 needs 37 between ticks.
    EXPECT_EQ(graph::labelFontHeight(14, 37, 30), 14);
    EXPECT_EQ(graph::labelFontHeight(14, 100, 30), 14);
    EXPECT_EQ(graph::labelFontHeight(14, 18.5, 30), 7);  // half the room: half the size
    EXPECT_EQ(graph::labelFontHeight(14, 5, 30), graph::kSmallestLabelFont);
}

TEST(GraphLayout, WindowRectanglesForOneAndThreePanelsWithTheStrip)
{
    TLayoutInput in;
    in.client = {0, 0, 600, 400};
    in.xOnTop = true;
    TGraphRects g = graph::layout(in);
    // left 2h + ppi/8 + h/8 = 28 + 12 + 1; right 600 - 24 - 7; bottom 400 - 31
    EXPECT_EQ(g.plot, (TPixelRect{41, 41, 569, 369}));
    in.showLayers = true;
    in.showThree = true;
    g = graph::layout(in);
    EXPECT_EQ(g.plot.r, 473);
    EXPECT_EQ(g.strip, (TPixelRect{492, 41, 569, 369}));
    // w = (473 - 41 - 56 - 48) / 3 = 109; gaps 2h + ppi/4 = 52
    EXPECT_EQ(g.panels[0], (TPixelRect{41, 41, 150, 369}));
    EXPECT_EQ(g.panels[1], (TPixelRect{202, 41, 311, 369}));
    EXPECT_EQ(g.panels[2], (TPixelRect{363, 41, 473, 369}));
    in.kind = TSurfaceKind::Picture;
    g = graph::layout(in);
    EXPECT_EQ(g.strip, (TPixelRect{540, 41, 569, 369}));  // half an inch
}

TEST(GraphLayout, TitleAndXAtTheBottom)
{
    TLayoutInput in;
    in.client = {0, 0, 600, 400};
    in.hasTitle = true;
    const TGraphRects g = graph::layout(in);
    // top h/2 + ppi/4; bottom 400 - 2h - ppi/8 - h/8 - h (title below)
    EXPECT_EQ(g.plot, (TPixelRect{41, 31, 569, 345}));
}

TEST(GraphLayout, PrintedPageIsOneInchInsideOrAtTheUnprintableBorder)
{
    // Letter paper at 600 ppi, printable area = the whole sheet.
    EXPECT_EQ(graph::printClient(5100, 6600, 0, 0, 600, 600, {1000, 1000, 1000, 1000}),
              (TPixelRect{600, 600, 4500, 6000}));
    // A border of 700 pixels is wider than an inch: the client starts at
    // the printable area's edge.
    EXPECT_EQ(graph::printClient(3700, 5200, 700, 700, 600, 600, {1000, 1000, 1000, 1000}),
              (TPixelRect{0, 0, 3700, 5200}));
    TLayoutInput in;
    in.kind = TSurfaceKind::Printer;
    in.client = {600, 600, 4500, 6000};
    in.ppiX = in.ppiY = 600;
    in.h = 88;
    in.xOnTop = true;
    const TGraphRects g = graph::layout(in);
    EXPECT_EQ(g.plot, (TPixelRect{600 + 176 + 75 + 11, 600 + 176 + 75 + 11, 4500, 6000}));
}

TEST(GraphPixels, DepthAxisPointsDownWithXOnTop)
{
    const TPixelRect p{40, 40, 540, 340};
    const TAxisRange depth{0, 10};
    EXPECT_EQ(graph::pixelY(0, depth, p, true), 40);
    EXPECT_EQ(graph::pixelY(10, depth, p, true), 340);
    EXPECT_EQ(graph::pixelY(0, depth, p, false), 340);
    EXPECT_DOUBLE_EQ(graph::valueY(190, depth, p, true), 5);
    EXPECT_DOUBLE_EQ(graph::valueX(290, {0, 2}, p), 1);
    EXPECT_DOUBLE_EQ(graph::valueX(39, {1, 2}, p), 0);  // left of the panel
}

TEST(GraphMarkers, EveryMarkerIntervalFromPointZero)
{
    EXPECT_EQ(graph::markerPoints(10, 2), (std::vector<int>{0, 2, 4, 6, 8}));
    EXPECT_EQ(graph::markerPoints(10, 5), (std::vector<int>{0, 5}));
    EXPECT_TRUE(graph::markerPoints(10, 0).empty());
}

TEST(GraphMarkers, TenShapesRepeatAndColoursRepeatAfterSeventeen)
{
    EXPECT_EQ(graph::markerShape(0), graph::markerShape(10));  // curves 1 and 11
    EXPECT_EQ(graph::markerVertices(0, 50, 50, 3, 3), graph::markerVertices(10, 50, 50, 3, 3));
    EXPECT_NE(graph::markerVertices(0, 50, 50, 3, 3), graph::markerVertices(1, 50, 50, 3, 3));
    // Shape 1: a triangle pointing down, closed.
    EXPECT_EQ(graph::markerVertices(0, 50, 50, 3, 3),
              (std::vector<graph::TVertex>{{50, 53}, {47, 48}, {53, 48}, {50, 53}}));
    // Shape 4 (curve 3): a square on its corner with a vertex straight up.
    EXPECT_EQ(graph::markerVertices(3, 0, 0, 4, 4).front(), (graph::TVertex{0, -4}));
    EXPECT_EQ(graph::markerVertices(3, 0, 0, 4, 4).size(), 5u);
    const TGraphColour& c18 = graph::curveColour(17);  // curve 18
    EXPECT_EQ(c18.Red + c18.Green + c18.Blue, 0);
    EXPECT_EQ(graph::curveColour(1).Blue, 255);
}

TEST(GraphFormat, GeneralFormatWithFourAndFiveDigits)
{
    EXPECT_EQ(graph::generalFormat(0.1 * 3, 4), "0.3");
    EXPECT_EQ(graph::generalFormat(-0.0, 4), "0");
    EXPECT_EQ(graph::generalFormat(2.5, 4), "2.5");
    EXPECT_EQ(graph::generalFormat(123456, 4), "1.235E+05");
    EXPECT_EQ(graph::generalFormat(3.14159, 5), "3.1416");
}

TEST(GraphZoom, RubberBandIsAtLeastOneTwentiethOfTheFullRange)
{
    const TAxisRange full{0, 10};
    const TAxisRange narrow = graph::zoomIn(5.0, 4.9, full);
    EXPECT_NEAR(narrow.min, 4.7, 1e-12);
    EXPECT_NEAR(narrow.max, 5.2, 1e-12);
    const TAxisRange edge = graph::zoomIn(0, 0.1, full);  // shifted inside
    EXPECT_NEAR(edge.min, 0, 1e-12);
    EXPECT_NEAR(edge.max, 0.5, 1e-12);
    EXPECT_EQ(graph::zoomIn(2, 6, full), (TAxisRange{2, 6}));
}

TEST(GraphZoom, RightClickDoublesTheRangeButNeverBeyondTheFullRange)
{
    const TAxisRange full{0, 10};
    TAxisRange r{4.7, 5.2};
    r = graph::zoomOut(5, r, full);
    EXPECT_NEAR(r.width(), 1.0, 1e-12);
    EXPECT_NEAR(r.min, 4.5, 1e-12);
    r = graph::zoomOut(0.2, r, full);  // moved to stay inside
    EXPECT_NEAR(r.min, 0, 1e-12);
    EXPECT_NEAR(r.max, 2, 1e-12);
    for (int i = 0; i < 5; ++i) r = graph::zoomOut(9, r, full);
    EXPECT_EQ(r, full);
}

}  // namespace
}  // namespace orvane
