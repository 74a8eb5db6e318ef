// The side view's geometry on small projects whose numbers are worked out
// by hand: an English wall of 80 increments of 6 in with a free height of
// 15 ft (180 in) in a 1000 x 700 window.
//   L = 480 in, y0 = 48 in, excavation at y = 228 in, bar 9 in wide (a = 4.5).
//   Base range: x = +-4.5 x 1.05 = +-4.725, y = 0 .. 528 x 1.05 = 554.4.
//   r = (1000/700) / (9.45/554.4) = 83.8095 >= 1: x = +-396.
//   px(x) = round(1000 (x + 396) / 792), py(y) = round(700 y / 554.4).

#include "views/TSideViewGeometry.hpp"

#include "model/TProject.hpp"
#include "model/TUnits.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace orvane {
namespace {

constexpr double kW = 1000, kH = 700;

double py(double y) { return std::round(kH * y / 554.4); }
double px(double x) { return std::round(kW * (x + 396.0) / 792.0); }

class SideViewGeometry : public ::testing::Test {
protected:
    SideViewGeometry()
    {
        TProgramData& d = project.data();
        d.Increments = 80;
        d.IncrementLength = 6;
        d.WallHeight = 180;
        project.tables().PileSect.setRowCount(1);
    }

    // Layers: type and bottom depth in ft, with the bottom row's two first
    // values.
    void layers(const std::vector<std::array<double, 4>>& rows)
    {
        TGridTable& soil = project.tables().NewSoil;
        soil.setRowCount(static_cast<int>(rows.size()));
        for (int row = 0; row < soil.rowCount(); ++row) {
            const auto& r = rows[static_cast<size_t>(row)];
            soil.cell(0, row).setInteger(static_cast<int>(r[0]));
            soil.cell(1, row).setReal(r[1]);
            TGridTable& p = *soil.cell(2, row).subTable();
            p.setRowCount(2);
            p.cell(0, 1).setReal(r[2]);
            p.cell(1, 1).setReal(r[3]);
        }
    }

    TSideViewScene scene(double w = kW, double h = kH, bool page = false) const
    {
        TSideViewSurface s;
        s.width = w;
        s.height = h;
        s.page = page;
        return TSideViewGeometry(project).scene(s);
    }

    TProject project;
};

TEST_F(SideViewGeometry, WallLengthTopBandExcavationAndBar)
{
    const TSideViewGeometry g(project);
    EXPECT_DOUBLE_EQ(g.wallLength(), 480);
    EXPECT_DOUBLE_EQ(g.y0(), 48);
    EXPECT_DOUBLE_EQ(g.excavationY(), 228);
    EXPECT_DOUBLE_EQ(2 * g.wallHalfWidth(), 9);
    EXPECT_NEAR(g.baseRange().xmax, 4.725, 1e-12);
    EXPECT_NEAR(g.baseRange().ymax, 554.4, 1e-9);

    const TSideViewScene s = scene();
    const auto excavation = s.linesOf(TSceneRole::Excavation);
    ASSERT_EQ(excavation.size(), 1u);
    EXPECT_EQ(excavation[0].x1, 500);
    EXPECT_EQ(excavation[0].x2, kW);
    EXPECT_EQ(excavation[0].y1, py(228));
    EXPECT_EQ(py(228), 288);
    ASSERT_EQ(s.rects.size(), 1u);
    EXPECT_EQ(s.rects[0].left, px(-4.5));
    EXPECT_EQ(s.rects[0].left + s.rects[0].width, px(4.5));
    EXPECT_EQ(s.rects[0].top, py(48));
    EXPECT_EQ(s.rects[0].top + s.rects[0].height, py(528));
    // The first layer's ground line and the retained side's line coincide.
    const auto ground = s.linesOf(TSceneRole::Ground);
    ASSERT_FALSE(ground.empty());
    for (const TSceneLine& l : ground) {
        EXPECT_EQ(l.x1, 0);
        EXPECT_EQ(l.x2, 500);
        EXPECT_EQ(l.y1, py(48));
    }
}

TEST_F(SideViewGeometry, LayersAboveExcavationCloseOnRetainedSideOnly)
{
    layers({{4, 10, 0.0694, 32}, {1, 30, 0.07, 5.5}, {6, 45, 0.08, 1000}});
    const TSideViewScene s = scene();
    const auto bottoms = s.linesOf(TSceneRole::LayerBottom);
    ASSERT_EQ(bottoms.size(), 3u);
    // 10 ft = 120 in: y = 168 above the excavation level 228.
    EXPECT_EQ(bottoms[0].y1, py(168));
    EXPECT_EQ(bottoms[0].x1, 0);
    EXPECT_EQ(bottoms[0].x2, 500);
    EXPECT_EQ(bottoms[1].y1, py(408));
    EXPECT_EQ(bottoms[1].x2, kW);
    EXPECT_EQ(bottoms[2].y1, py(588));
    EXPECT_EQ(bottoms[2].x2, kW);

    const auto texts = s.textsOf(TSceneRole::Text);
    ASSERT_GE(texts.size(), 6u);
    EXPECT_EQ(texts[0].text, "Sand");
    EXPECT_EQ(texts[1].text, "\u00f8= 32\u00b0; gamma= 0.0694 lbs/ft^3");
    EXPECT_EQ(texts[0].y, py(48) + 1);
    EXPECT_EQ(texts[2].text, "Soft clay");
    EXPECT_EQ(texts[3].text, "c= 5.5 lbs/ft^2; gamma= 0.07 lbs/ft^3");
    EXPECT_EQ(texts[2].y, py(168) + 1);
    EXPECT_EQ(texts[4].text, "Rock");
    EXPECT_EQ(texts[5].text, "compressive strength= 1000 lbs/in^2; gamma= 0.08 lbs/ft^3");
}

TEST_F(SideViewGeometry, LevelBackfillHatchedSlopeDrawnAsLine)
{
    layers({{4, 30, 0.0694, 32}});
    auto hatch = scene().linesOf(TSceneRole::Hatch);
    ASSERT_EQ(hatch.size(), 5u);
    EXPECT_EQ(hatch[0].x1, 120);
    EXPECT_EQ(hatch[0].x2, 135);
    EXPECT_EQ(hatch[4].x1, 200);
    EXPECT_EQ(hatch[0].y2 - hatch[0].y1, 5);
    EXPECT_TRUE(scene().linesOf(TSceneRole::Slope).empty());

    project.data().BackfillSlope = 20;
    EXPECT_TRUE(scene().linesOf(TSceneRole::Hatch).empty());
    const auto slope = scene().linesOf(TSceneRole::Slope);
    ASSERT_EQ(slope.size(), 1u);
    EXPECT_EQ(slope[0].x1, 500);
    EXPECT_EQ(slope[0].x2, 250);
    // W/4 x tan 20 = 250 x 0.36397 = 90.99 above the wall top.
    EXPECT_NEAR(slope[0].y1 - slope[0].y2, 90.99, 0.01);
}

TEST_F(SideViewGeometry, SpringsOnlyAboveExcavation)
{
    project.data().UseSprings = true;
    TGridTable& springs = project.tables().SoilStrength;
    springs.setRowCount(3);
    // Nodes 10, 30 and 50: y = 108, 228 (the excavation level), 348.
    for (int row = 0; row < 3; ++row) springs.cell(1, row).setInteger(10 + 20 * row);
    const auto lines = scene().linesOf(TSceneRole::Spring);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].y1, py(108));
    EXPECT_EQ(lines[0].x1, 500);
    EXPECT_EQ(lines[0].x2, 600);
    EXPECT_EQ(lines[0].width, 5);
    project.data().UseSprings = false;
    EXPECT_TRUE(scene().linesOf(TSceneRole::Spring).empty());
}

TEST_F(SideViewGeometry, RestraintArrowTipOnAxis)
{
    project.data().UseRestraints = true;
    project.tables().SoilLayer.setRowCount(1);
    project.tables().SoilLayer.cell(1, 0).setInteger(20);
    const auto lines = scene().linesOf(TSceneRole::Restraint);
    ASSERT_EQ(lines.size(), 3u);
    const double y = py(20 * 6 + 48);
    for (const TSceneLine& l : lines) {
        EXPECT_EQ(l.x1, 500);
        EXPECT_EQ(l.y1, y);
        EXPECT_EQ(l.x2, 520);
        EXPECT_EQ(l.width, 2);
    }
    EXPECT_EQ(lines[1].y2, y - 10);
    EXPECT_EQ(lines[2].y2, y + 10);
}

TEST_F(SideViewGeometry, TallNarrowWindowKeepsAxisCentredAndWidensX)
{
    const TSideViewGeometry g(project);
    const TViewRange base = g.baseRange();
    // 200 x 1000: r = 0.2 x 58.667 = 11.73, still widening x.
    const TViewRange narrow = g.layout(200, 1000);
    EXPECT_NEAR(narrow.xmax, 4.725 * 0.2 * 554.4 / 9.45, 1e-9);
    EXPECT_GT(narrow.width(), base.width());
    EXPECT_DOUBLE_EQ(narrow.height(), base.height());
    // 10 x 1000: r = 0.587 < 1, the depth range grows instead.
    const TViewRange thin = g.layout(10, 1000);
    EXPECT_DOUBLE_EQ(thin.width(), base.width());
    EXPECT_NEAR(thin.ymax, 554.4 / (0.01 * 554.4 / 9.45), 1e-9);
    for (double w : {200.0, 10.0, 1600.0}) {
        TSideViewSurface s;
        s.width = w;
        s.height = 1000;
        EXPECT_EQ(g.mapping(s).px(0), std::round(w / 2)) << w;
    }
}

TEST_F(SideViewGeometry, NoStiffnessRowsDefaultRangeNoWall)
{
    project.tables().PileSect.setRowCount(0);
    const TSideViewGeometry g(project);
    EXPECT_FALSE(g.hasWall());
    EXPECT_EQ(g.baseRange().xmin, -5);
    EXPECT_EQ(g.baseRange().xmax, 5);
    EXPECT_EQ(g.baseRange().ymin, 0);
    EXPECT_EQ(g.baseRange().ymax, 5);
    const TSideViewScene s = scene();
    EXPECT_TRUE(s.rects.empty());
    EXPECT_TRUE(s.linesOf(TSceneRole::Scale).empty());
}

TEST_F(SideViewGeometry, ZeroSizeRangeDrawsNothingAndShowsNoDepth)
{
    TSideViewSurface none;
    none.width = 0;
    none.height = 700;
    const TSideViewGeometry g(project);
    EXPECT_TRUE(g.scene(none).empty());
    EXPECT_EQ(g.depthCaption(none, 100), "");
    // A wall without free height is a bar of no width: the range has none.
    project.data().WallHeight = 0;
    EXPECT_TRUE(scene().empty());
}

TEST_F(SideViewGeometry, DepthUnderPointer)
{
    TSideViewSurface s;
    s.width = kW;
    s.height = kH;
    // Row 288: y = 288 x 554.4 / 700 = 228.096, depth 180.096 in, shown in
    // feet as the tables give depths.
    EXPECT_EQ(TSideViewGeometry(project).depthCaption(s, 288), "  Depth: 15.0 ft");
    project.data().Units = TUnits::kSI;
    EXPECT_EQ(TSideViewGeometry(project).depthCaption(s, 288), "  Depth: 180.1 m");
}

TEST_F(SideViewGeometry, PrintedPageMapping)
{
    layers({{4, 30, 0.0694, 32}});
    project.data().UseSprings = true;
    project.tables().SoilStrength.setRowCount(1);
    project.tables().SoilStrength.cell(1, 0).setInteger(10);
    // Page 1100 x 850: depth over 680 pixels from 85; x over the full width.
    const TSideViewScene s = scene(1100, 850, true);
    const auto bottom = s.linesOf(TSceneRole::LayerBottom);
    ASSERT_EQ(bottom.size(), 1u);
    EXPECT_EQ(bottom[0].x1, 110);
    EXPECT_EQ(bottom[0].x2, 990);
    const double ymax = 554.4;  // 1100/680 against 9.45/554.4 widens x
    EXPECT_EQ(bottom[0].y1, std::round(85 + 680 * 408 / ymax));
    const auto ground = s.linesOf(TSceneRole::Ground);
    ASSERT_FALSE(ground.empty());
    EXPECT_EQ(ground[0].x2, 550);
    const auto hatch = s.linesOf(TSceneRole::Hatch);
    ASSERT_EQ(hatch.size(), 5u);
    EXPECT_EQ(hatch[0].y2 - hatch[0].y1, 70);
    EXPECT_EQ(hatch[1].x1 - hatch[0].x1, 50);
    EXPECT_EQ(s.linesOf(TSceneRole::Spring)[0].width, 35);
    EXPECT_EQ(s.textsOf(TSceneRole::Text)[0].x, 110);
}

TEST_F(SideViewGeometry, WaterTiebackAndSurchargeBehindWall)
{
    layers({{4, 45, 0.0694, 32}});
    TProgramData& d = project.data();
    d.WaterDepthBackfill = 120;
    d.WaterDepthExcavation = 900;  // below the wall: not drawn
    d.UseTiebacks = true;
    TGridTable& t = project.tables().TiebackTable1;
    t.setRowCount(1);
    t.cell(0, 0).setReal(8);   // ft
    t.cell(3, 0).setReal(20);  // free length, ft
    t.cell(4, 0).setReal(30);  // degrees
    d.UseSurcharges = true;
    TGridTable& q = project.tables().SurchargeTable;
    q.setRowCount(1);
    q.cell(0, 0).setInteger(1);
    q.cell(1, 0).setReal(5000);
    q.cell(2, 0).setReal(120);  // in

    const TSideViewScene s = scene();
    const auto water = s.linesOf(TSceneRole::Water);
    ASSERT_EQ(water.size(), 1u);
    EXPECT_EQ(water[0].y1, py(168));
    EXPECT_EQ(water[0].x2, 500);

    const auto free = s.linesOf(TSceneRole::TiebackFree);
    const auto bond = s.linesOf(TSceneRole::TiebackBond);
    ASSERT_EQ(free.size(), 1u);
    ASSERT_EQ(bond.size(), 1u);
    EXPECT_EQ(free[0].y1, py(48 + 96));
    // 240 in at 30 degrees: 207.85 in back, 120 in down.
    EXPECT_EQ(free[0].x2, px(-240 * std::cos(std::numbers::pi / 6)));
    EXPECT_EQ(free[0].y2, py(48 + 96 + 120));
    EXPECT_EQ(bond[0].x1, free[0].x2);
    EXPECT_EQ(bond[0].x2, px(-360 * std::cos(std::numbers::pi / 6)));

    const auto load = s.linesOf(TSceneRole::Surcharge);
    ASSERT_EQ(load.size(), 1u);
    EXPECT_EQ(load[0].x1, px(-120));
    EXPECT_LT(load[0].y2, py(48));
    EXPECT_EQ(s.textsOf(TSceneRole::Surcharge)[0].text, "P= 5000 lbs");
}

TEST_F(SideViewGeometry, ScaleLabelGivesWayUnderTheExcavationLine)
{
    // 1.26 pixels per inch: ticks every 5 ft; the 15 ft tick lies on the
    // excavation line, so its label goes just under it.
    const TSideViewScene s = scene();
    std::vector<std::string> labels;
    double at15 = -1;
    for (const TSceneText& t : s.textsOf(TSceneRole::Scale)) {
        labels.push_back(t.text);
        if (t.text == "15 ft") at15 = t.y;
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"0 ft", "5 ft", "10 ft", "15 ft", "20 ft", "25 ft", "30 ft", "35 ft",
                                                "40 ft"}));
    EXPECT_EQ(at15, py(228) + 2);
}

TEST_F(SideViewGeometry, PageLeavesItsBottomMarginBlank)
{
    // The second layer ends at 60 ft, below the depth band of the page
    // (85 .. 765); in a window it would fall outside the client area.
    layers({{4, 30, 0.0694, 32}, {1, 60, 0.07, 5.5}});
    const TSideViewScene page = scene(1100, 850, true);
    const auto bottoms = page.linesOf(TSceneRole::LayerBottom);
    ASSERT_EQ(bottoms.size(), 1u);
    EXPECT_EQ(bottoms[0].y1, std::round(85 + 680 * 408 / 554.4));
    for (const TSceneLine& l : page.lines) EXPECT_LE(std::max(l.y1, l.y2), 765) << static_cast<int>(l.role);
    EXPECT_EQ(scene().linesOf(TSceneRole::LayerBottom).size(), 2u);
}

TEST_F(SideViewGeometry, SurchargeDistancesInMillimetresForSI)
{
    TProgramData& d = project.data();
    d.Units = 2;
    d.Increments = 40;
    d.IncrementLength = 0.25;  // m: L = 10 m
    d.WallHeight = 4;
    d.UseSurcharges = true;
    TGridTable& q = project.tables().SurchargeTable;
    q.setRowCount(1);
    q.cell(0, 0).setInteger(3);
    q.cell(1, 0).setReal(20);
    q.cell(2, 0).setReal(3000);  // mm
    q.cell(3, 0).setReal(2000);  // mm
    TSideViewSurface surface;
    surface.width = kW;
    surface.height = kH;
    const TSideViewGeometry g(project);
    const TViewMapping m = g.mapping(surface);
    const TSideViewScene s = g.scene(surface);
    const auto load = s.linesOf(TSceneRole::Surcharge);
    ASSERT_FALSE(load.empty());
    // The strip's top from 2 m to 4 m behind the wall.
    EXPECT_EQ(load[0].x1, m.px(-3) - (m.px(1) - m.px(0)));
    EXPECT_EQ(load[0].x2, m.px(-3) + (m.px(1) - m.px(0)));
    EXPECT_EQ(s.textsOf(TSceneRole::Surcharge)[0].text, "q= 20 kN/m^2");
}

}  // namespace
}  // namespace orvane
