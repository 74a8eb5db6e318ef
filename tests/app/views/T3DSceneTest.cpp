// The 3D view's scene and camera on small projects worked out by hand, and
// the deformed wall of an analysed example against the deflections printed
// in its report.

#include "views/T3DCamera.hpp"
#include "views/T3DSceneBuilder.hpp"

#include "model/TDataFileReader.hpp"
#include "model/TLayout.hpp"
#include "model/TMainGraphs.hpp"
#include "model/TPlotFileReader.hpp"
#include "model/TProject.hpp"
#include "model/TUnits.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <numbers>
#include <sstream>
#include <string>

namespace orvane {
namespace {

constexpr double kTight = 1e-12;

// An English wall of 40 increments of 12 in (L = 40 ft) with a free height of
// 15 ft, Wa = 24 in and Wp = 12 in: w = 2 ft, t = 0.1 ft, b = 10 ft, a = 25 ft.
class Scene3D : public ::testing::Test {
protected:
    Scene3D()
    {
        TProgramData& d = project.data();
        d.Increments = 40;
        d.IncrementLength = 12;
        d.WallHeight = 180;
        d.ActiveWidth = 24;
        d.PYWidth = 12;
        d.GeneratePYCurves = true;
        project.tables().PileSect.setRowCount(1);
    }

    void layers(const std::vector<double>& bottomsFt)
    {
        TGridTable& soil = project.tables().NewSoil;
        soil.setRowCount(static_cast<int>(bottomsFt.size()));
        for (int row = 0; row < soil.rowCount(); ++row) {
            soil.cell(0, row).setInteger(4);
            soil.cell(1, row).setReal(bottomsFt[static_cast<size_t>(row)]);
        }
    }

    T3DScene scene(const T3DDisplay& display = {}, const TGraphPlot* deflection = nullptr) const
    {
        return T3DSceneBuilder::build(project, deflection, display);
    }

    TProject project;
};

double minX(const T3DSolid& s)
{
    double m = s.corners[0].x;
    for (const T3DPoint& p : s.corners) m = std::min(m, p.x);
    return m;
}
double maxX(const T3DSolid& s)
{
    double m = s.corners[0].x;
    for (const T3DPoint& p : s.corners) m = std::max(m, p.x);
    return m;
}
double minZ(const T3DSolid& s)
{
    double m = s.corners[0].z;
    for (const T3DPoint& p : s.corners) m = std::min(m, p.z);
    return m;
}
double maxZ(const T3DSolid& s)
{
    double m = s.corners[0].z;
    for (const T3DPoint& p : s.corners) m = std::max(m, p.z);
    return m;
}
double spanY(const T3DSolid& s)
{
    double lo = s.corners[0].y, hi = lo;
    for (const T3DPoint& p : s.corners) lo = std::min(lo, p.y), hi = std::max(hi, p.y);
    return hi - lo;
}

TEST_F(Scene3D, ExtentsAndUnitSizes)
{
    layers({10, 60});
    const T3DExtents x = T3DSceneBuilder::extents(project);
    EXPECT_DOUBLE_EQ(x.L, 40);
    EXPECT_DOUBLE_EQ(x.e, 1);
    EXPECT_DOUBLE_EQ(x.H, 15);
    EXPECT_DOUBLE_EQ(x.w, 2);
    EXPECT_DOUBLE_EQ(x.t, 0.1);
    EXPECT_DOUBLE_EQ(x.b, 10);
    EXPECT_DOUBLE_EQ(x.a, 25);
    EXPECT_DOUBLE_EQ(x.D, 60);  // the last layer reaches below the wall
    EXPECT_DOUBLE_EQ(x.S, 120);
}

TEST_F(Scene3D, ZeroWidthsGiveUnitsTenthAndHundredthOfTheWall)
{
    project.data().ActiveWidth = 0;
    project.data().PYWidth = 0;
    const T3DExtents x = T3DSceneBuilder::extents(project);
    EXPECT_DOUBLE_EQ(x.w, 4);    // L/10
    EXPECT_DOUBLE_EQ(x.t, 0.4);  // L/100
    const auto units = scene().solidsOf(T3DRole::WallUnit);
    ASSERT_EQ(units.size(), 20u);
    for (const T3DSolid& u : units) {
        EXPECT_NEAR(spanY(u), 4, kTight);
        EXPECT_NEAR(maxX(u) - minX(u), 0.4, kTight);
        EXPECT_NEAR(minZ(u), -40, kTight);
        EXPECT_NEAR(maxZ(u), 0, kTight);
    }
    // Centred along y at +-(k + 0.5) w.
    std::vector<double> centres;
    for (const T3DSolid& u : units) centres.push_back(u.centre().y);
    std::sort(centres.begin(), centres.end());
    for (int k = 0; k < 10; ++k) {
        EXPECT_NEAR(centres[static_cast<size_t>(10 + k)], (k + 0.5) * 4, kTight);
        EXPECT_NEAR(centres[static_cast<size_t>(9 - k)], -(k + 0.5) * 4, kTight);
    }
}

TEST_F(Scene3D, SurchargeReachWidensTheSoil)
{
    TProgramData& d = project.data();
    d.UseSurcharges = true;
    TGridTable& q = project.tables().SurchargeTable;
    q.setRowCount(2);
    q.cell(0, 0).setInteger(1);
    q.cell(2, 0).setReal(120);  // in: 10 ft
    q.cell(0, 1).setInteger(3);
    q.cell(2, 1).setReal(360);  // 30 ft, strip 8 ft wide: reach 34 ft
    q.cell(3, 1).setReal(96);
    const T3DExtents x = T3DSceneBuilder::extents(project);
    EXPECT_NEAR(x.c, 0.9 * 34, kTight);
    EXPECT_NEAR(x.a, 30.6, kTight);
    d.UseSurcharges = false;
    EXPECT_DOUBLE_EQ(T3DSceneBuilder::extents(project).a, 25);
}

TEST_F(Scene3D, LayerAboveExcavationOnRetainedSideOnly)
{
    // 0-10 ft ends above the excavation at 15 ft; 10-30 ft is cut there.
    layers({10, 30});
    const T3DScene s = scene();
    const auto retained = s.solidsOf(T3DRole::SoilRetained);
    const auto excavated = s.solidsOf(T3DRole::SoilExcavated);
    ASSERT_EQ(retained.size(), 2u);
    ASSERT_EQ(excavated.size(), 1u);
    EXPECT_NEAR(maxZ(retained[0]), 0, kTight);
    EXPECT_NEAR(minZ(retained[0]), -10, kTight);
    EXPECT_NEAR(minX(retained[0]), -25, kTight);
    EXPECT_NEAR(maxX(retained[0]), -0.05, kTight);
    EXPECT_NEAR(maxZ(excavated[0]), -15, kTight);
    EXPECT_NEAR(minZ(excavated[0]), -30, kTight);
    EXPECT_NEAR(minX(excavated[0]), 0.05, kTight);
    EXPECT_NEAR(maxX(excavated[0]), 25, kTight);
    // Colour table entries 0 and 1; outlines opaque, fills half.
    EXPECT_EQ(retained[0].outline, (T3DColour{0.8, 0.55, 0, 1}));
    EXPECT_EQ(retained[0].fill, (T3DColour{0.8, 0.55, 0, 0.5}));
    EXPECT_EQ(retained[1].outline, (T3DColour{0.55, 0.4, 0.2, 1}));
    EXPECT_EQ(excavated[0].fill, (T3DColour{0.55, 0.4, 0.2, 0.5}));
}

TEST_F(Scene3D, LayerColoursRepeatAfterTen)
{
    std::vector<double> bottoms;
    for (int i = 1; i <= 12; ++i) bottoms.push_back(5.0 * i);
    layers(bottoms);
    const auto retained = scene().solidsOf(T3DRole::SoilRetained);
    ASSERT_EQ(retained.size(), 12u);
    EXPECT_EQ(retained[10].outline, retained[0].outline);
    EXPECT_EQ(retained[11].outline, retained[1].outline);
    EXPECT_EQ(retained[8].outline, (T3DColour{0.15, 0.15, 0.45, 1}));
}

TEST_F(Scene3D, SoilAndWaterOnlyWithGeneratedCurvesAndTheirSwitches)
{
    layers({30});
    project.data().WaterDepthBackfill = 120;    // 10 ft
    project.data().WaterDepthExcavation = 240;  // 20 ft
    const T3DScene s = scene();
    const auto planes = s.quadsOf(T3DRole::WaterPlane);
    ASSERT_EQ(planes.size(), 2u);
    EXPECT_NEAR(planes[0].corners[0].z, -10, kTight);
    EXPECT_NEAR(planes[1].corners[0].z, -20, kTight);
    EXPECT_EQ(planes[0].fill, (T3DColour{0, 0, 1, 0.75}));
    EXPECT_EQ(planes[0].outline, (T3DColour{0, 0, 1, 1}));
    const auto marks = s.pyramidsOf(T3DRole::WaterMark);
    ASSERT_EQ(marks.size(), 50u);
    // Inverted: the apex on the plane, the base 4 e above it.
    EXPECT_NEAR(marks[0].apex.z, -10, kTight);
    EXPECT_NEAR(marks[0].base[0].z, -6, kTight);

    T3DDisplay noWater;
    noWater.waterLevel = false;
    EXPECT_TRUE(scene(noWater).quadsOf(T3DRole::WaterPlane).empty());
    EXPECT_FALSE(scene(noWater).solidsOf(T3DRole::SoilRetained).empty());
    T3DDisplay noSoil;
    noSoil.soilLayers = false;
    EXPECT_TRUE(scene(noSoil).solidsOf(T3DRole::SoilRetained).empty());
    project.data().GeneratePYCurves = false;
    EXPECT_TRUE(scene().soil.empty());
}

TEST_F(Scene3D, UndeformedWallColours)
{
    const T3DScene s = scene();
    const auto units = s.solidsOf(T3DRole::WallUnit);
    const auto tops = s.quadsOf(T3DRole::WallTop);
    ASSERT_EQ(units.size(), 20u);
    ASSERT_EQ(tops.size(), 20u);
    EXPECT_EQ(units[0].fill, (T3DColour{0.75, 0.75, 0.75, 1}));
    EXPECT_EQ(units[0].outline, (T3DColour{0.9, 0.9, 0, 1}));
    EXPECT_EQ(tops[0].fill, (T3DColour{0.25, 0.25, 0.25, 1}));
    EXPECT_EQ(tops[0].outline, (T3DColour{1, 0.5, 0, 1}));
    for (const T3DPoint& p : tops[0].corners) EXPECT_EQ(p.z, 0);
    T3DDisplay noWall;
    noWall.wall = false;
    EXPECT_TRUE(scene(noWall).solidsOf(T3DRole::WallUnit).empty());
}

TEST_F(Scene3D, FacesPointOutwards)
{
    const T3DSolid unit = scene().solidsOf(T3DRole::WallUnit)[0];
    const T3DPoint c = unit.centre();
    for (const auto& face : unit.faces()) {
        const T3DPoint& p0 = unit.corners[static_cast<size_t>(face[0])];
        const T3DPoint& p1 = unit.corners[static_cast<size_t>(face[1])];
        const T3DPoint& p2 = unit.corners[static_cast<size_t>(face[2])];
        const T3DPoint u{p1.x - p0.x, p1.y - p0.y, p1.z - p0.z}, v{p2.x - p1.x, p2.y - p1.y, p2.z - p1.z};
        const T3DPoint n{u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
        const T3DPoint out{p0.x - c.x, p0.y - c.y, p0.z - c.z};
        EXPECT_GT(n.x * out.x + n.y * out.y + n.z * out.z, 0);
    }
}

TEST_F(Scene3D, OptionsAndSwitchesGateTheMarks)
{
    TProgramData& d = project.data();
    TProjectTables& t = project.tables();
    t.SoilStrength.setRowCount(1);
    t.SoilStrength.cell(1, 0).setInteger(2);
    t.SoilStrength.cell(2, 0).setInteger(4);
    t.TiebackTable1.setRowCount(1);
    t.TiebackTable1.cell(0, 0).setReal(5);   // ft
    t.TiebackTable1.cell(3, 0).setReal(16);  // free length, ft
    t.TiebackTable1.cell(4, 0).setReal(30);
    t.TiebackTable1.cell(5, 0).setReal(8);  // spacing: 0, +-8, +-16 within +-20
    EXPECT_TRUE(scene().solidsOf(T3DRole::Spring).empty());
    EXPECT_TRUE(scene().solidsOf(T3DRole::TiebackRod).empty());
    d.UseSprings = true;
    d.UseTiebacks = true;
    const T3DScene s = scene();
    // Nodes 2 to 4 in front of each of the twenty units, half an increment high.
    const auto springs = s.solidsOf(T3DRole::Spring);
    ASSERT_EQ(springs.size(), 60u);
    EXPECT_NEAR(maxZ(springs[0]) - minZ(springs[0]), 0.5, kTight);
    EXPECT_NEAR(springs[0].centre().z, -2, kTight);
    EXPECT_EQ(springs[0].fill, (T3DColour{0.5, 0.5, 0.5, 1}));
    EXPECT_EQ(springs[0].outline, (T3DColour{1, 0.5, 0, 1}));
    const auto rods = s.solidsOf(T3DRole::TiebackRod);
    const auto anchors = s.solidsOf(T3DRole::TiebackAnchor);
    ASSERT_EQ(rods.size(), 5u);
    ASSERT_EQ(anchors.size(), 5u);
    // The rod leaves the wall at 5 ft and runs 16 ft at 30 degrees down into
    // the retained side; the anchor adds an eighth of it.
    const T3DPoint end = rods[0].centre();
    EXPECT_NEAR(end.x, -0.05 - 8 * std::cos(std::numbers::pi / 6), kTight);
    EXPECT_NEAR(end.z, -5 - 8 * std::sin(std::numbers::pi / 6), kTight);
    EXPECT_NEAR(anchors[0].centre().x, -0.05 - 17 * std::cos(std::numbers::pi / 6), kTight);
    // Every anchor lies in the retained soil block, whose half-width grows
    // beyond the longest tieback's reach.
    for (const T3DSolid& a : anchors)
        for (const T3DPoint& c : a.corners) EXPECT_GT(c.x, -s.extents.a) << "anchor corner at x " << c.x;
    t.TiebackTable1.cell(3, 0).setReal(400);
    const T3DScene far = scene();
    for (const T3DSolid& a : far.solidsOf(T3DRole::TiebackAnchor))
        for (const T3DPoint& c : a.corners) EXPECT_GT(c.x, -far.extents.a) << "a 400 ft tieback's anchor at x " << c.x;
    T3DDisplay off;
    off.springs = off.tiebacks = false;
    EXPECT_TRUE(scene(off).solidsOf(T3DRole::Spring).empty());
    EXPECT_TRUE(scene(off).solidsOf(T3DRole::TiebackAnchor).empty());
}

TEST_F(Scene3D, LoadsBoundariesAndSurcharges)
{
    TProgramData& d = project.data();
    TProjectTables& t = project.tables();
    d.UseConcentratedLoads = d.UseRestraints = d.UseSurcharges = true;
    t.BoundCond.setRowCount(1);
    t.BoundCond.cell(1, 0).setInteger(0);
    t.BoundCond.cell(2, 0).setInteger(0);
    t.BoundCond.cell(3, 0).setReal(1000);
    t.BoundCond.cell(4, 0).setReal(0);
    t.BoundCond.cell(5, 0).setReal(500);
    t.SoilLayer.setRowCount(2);
    t.SoilLayer.cell(0, 0).setInteger(1);
    t.SoilLayer.cell(1, 0).setInteger(40);
    t.SoilLayer.cell(2, 0).setReal(0.5);
    t.SoilLayer.cell(0, 1).setInteger(2);
    t.SoilLayer.cell(1, 1).setInteger(0);
    t.SoilLayer.cell(3, 1).setReal(0.01);
    t.SurchargeTable.setRowCount(1);
    t.SurchargeTable.cell(0, 0).setInteger(3);
    t.SurchargeTable.cell(2, 0).setReal(120);
    t.SurchargeTable.cell(3, 0).setReal(48);
    const T3DScene s = scene();
    // Shaft and head per unit.
    EXPECT_EQ(s.linesOf(T3DRole::LoadForce).size(), 40u);
    EXPECT_EQ(s.linesOf(T3DRole::LoadAxial).size(), 40u);
    EXPECT_TRUE(s.linesOf(T3DRole::LoadMoment).empty());
    // The axial load points down onto the wall top.
    const T3DPolyline axial = s.linesOf(T3DRole::LoadAxial)[0];
    EXPECT_GT(axial.points[0].z, axial.points[1].z);
    EXPECT_NEAR(axial.points[1].z, 0, kTight);
    const auto deflection = s.labelsOf(T3DRole::BoundaryDeflection);
    const auto slope = s.labelsOf(T3DRole::BoundarySlope);
    ASSERT_EQ(deflection.size(), 1u);
    ASSERT_EQ(slope.size(), 1u);
    EXPECT_EQ(deflection[0].text, "y= 0.5");
    EXPECT_NEAR(deflection[0].at.z, -40, kTight);
    EXPECT_EQ(slope[0].text, "S= 0.01");
    // The strip 8..12 ft behind the wall: a translucent yellow slab and three
    // rows of nine arrows.
    const auto slab = s.solidsOf(T3DRole::SurchargeSlab);
    ASSERT_EQ(slab.size(), 1u);
    EXPECT_NEAR(minX(slab[0]), -12, kTight);
    EXPECT_NEAR(maxX(slab[0]), -8, kTight);
    EXPECT_EQ(slab[0].fill, (T3DColour{1, 1, 0, 0.25}));
    EXPECT_EQ(s.linesOf(T3DRole::SurchargeArrow).size(), 54u);
}

TEST(Camera3D, FactorSteppingTable)
{
    struct Case {
        double from;
        bool up;
        double to;
    };
    const Case cases[] = {{1, true, 2},     {2, true, 3},       {3, true, 4},    {9, true, 10},   {10, true, 20},
                          {1, false, 0.9},  {0.5, false, 0.4},  {0.9, true, 1},  {0.1, false, 0.09},
                          {20, false, 10},  {250, true, 300},   {0, true, 1},    {-2, false, 1}, {0.3, false, 0.2}};
    for (const Case& c : cases)
        EXPECT_EQ(T3DCamera::stepFactor(c.from, c.up), c.to) << c.from << (c.up ? " up" : " down");
    double f = 1;
    for (int i = 0; i < 3; ++i) f = T3DCamera::stepFactor(f, true);
    EXPECT_EQ(f, 4);
}

T3DCamera camera()
{
    T3DCamera c;
    T3DExtents x;
    x.a = 25;
    x.b = 10;
    x.D = 40;
    x.S = 80;
    c.setExtents(x);
    c.setViewport(800, 600);
    return c;
}

TEST(Camera3D, BaseScaleAndAxesOf80Pixels)
{
    T3DCamera c = camera();
    EXPECT_DOUBLE_EQ(c.s0(), std::min(550.0 / 80, 750.0 / 50));
    for (double zoom : {1.0, 2.5, 0.3}) {
        c.zoom = zoom;
        const auto o = c.toWindow({0, 0, 0}), x = c.toWindow({c.axisLength(), 0, 0});
        EXPECT_NEAR(std::hypot(x[0] - o[0], x[1] - o[1]), 80, 1e-9);
        // Depth points down the screen.
        const auto d = c.toWindow({0, 0, -c.axisLength()});
        EXPECT_NEAR(d[0], o[0], 1e-9);
        EXPECT_NEAR(d[1] - o[1], 80, 1e-9);
    }
}

TEST(Camera3D, ZoomInThenOutRestoresExactly)
{
    T3DCamera c = camera();
    for (double start : {1.0, 0.7, 3.3, 1e-3}) {
        c.zoom = start;
        c.zoomIn();
        c.zoomIn();
        c.zoomIn();
        EXPECT_NE(c.zoom, start);
        c.zoomOut();
        c.zoomOut();
        c.zoomOut();
        EXPECT_EQ(c.zoom, start);
    }
    c.zoom = 1;
    c.zoomOut();
    EXPECT_DOUBLE_EQ(c.zoom, 1 / 1.4142);
    c.restart();
    EXPECT_EQ(c.zoom, 1);
}

TEST(Camera3D, ZeroSizeZoomWindowChangesNothing)
{
    T3DCamera c = camera();
    c.mode = T3DMouseMode::ZoomWindow;
    c.press(100, 100);
    c.release(100, 300, false);  // no width
    EXPECT_EQ(c.zoom, 1);
    EXPECT_EQ(c.pan.x, 0);
    EXPECT_EQ(c.pan.y, 0);
    EXPECT_EQ(c.pan.z, 0);
    c.press(100, 100);
    c.release(300, 100, false);  // no height
    EXPECT_EQ(c.zoom, 1);
    EXPECT_EQ(c.pan.z, 0);
}

TEST(Camera3D, ZoomWindowCentresAndFillsTheWindow)
{
    T3DCamera c = camera();
    c.ry = 30;
    const T3DPoint p{3, 4, -5};
    const auto at = c.toWindow(p);
    c.mode = T3DMouseMode::ZoomWindow;
    c.press(at[0] - 50, at[1] - 20);
    c.move(at[0] + 50, at[1] + 20, false);
    ASSERT_TRUE(c.zoomWindow());
    EXPECT_NEAR((*c.zoomWindow())[2], 100, 1e-9);
    c.release(at[0] + 50, at[1] + 20, false);
    EXPECT_NEAR(c.zoom, std::min(600.0 / 40, 800.0 / 100), 1e-9);
    const auto now = c.toWindow(p);
    EXPECT_NEAR(now[0], 400, 1e-6);
    EXPECT_NEAR(now[1], 300, 1e-6);
}

TEST(Camera3D, PanFollowsThePointerWhateverTheRotation)
{
    T3DCamera c = camera();
    c.rx = 20;
    c.rz = -35;
    c.zoom = 1.7;
    const T3DPoint p{-6, 2, -12};
    const auto before = c.toWindow(p);
    c.mode = T3DMouseMode::Pan;
    c.press(200, 200);
    c.move(260, 170, false);
    auto after = c.toWindow(p);
    EXPECT_NEAR(after[0] - before[0], 60, 1e-6);
    EXPECT_NEAR(after[1] - before[1], -30, 1e-6);
    // With Shift only the larger component.
    c.move(260, 170, true);
    after = c.toWindow(p);
    EXPECT_NEAR(after[0] - before[0], 60, 1e-6);
    EXPECT_NEAR(after[1] - before[1], 0, 1e-6);
}

TEST(Camera3D, ZoomDragAndRotation)
{
    T3DCamera c = camera();
    c.mode = T3DMouseMode::Zoom;
    c.press(10, 100);
    c.move(10, 40, false);  // up by a tenth of the height
    EXPECT_DOUBLE_EQ(c.zoom, 1.1);
    c.move(10, 100 + 5000, false);  // far below: stays positive
    EXPECT_GT(c.zoom, 0);
    c.release(10, 100, false);
    EXPECT_DOUBLE_EQ(c.zoom, 1);

    // A horizontal drag across the whole width turns the model by 90
    // degrees about its vertical (z) axis, a vertical one over the whole
    // height tilts it by 90 degrees, from the oblique start view and from
    // any other: the model is never rolled (ry stays).
    for (const T3DPoint start : {T3DPoint{T3DCamera::kObliqueTilt, 0, T3DCamera::kObliqueTurn}, T3DPoint{-40, 0, 70}}) {
        c.restart();
        c.rx = start.x;
        c.rz = start.z;
        c.mode = T3DMouseMode::Rotate;
        c.press(0, 0);
        c.release(800, 0, false);
        EXPECT_NEAR(c.rx, start.x, 1e-9);
        EXPECT_NEAR(c.ry, 0, 1e-9);
        EXPECT_NEAR(c.rz, start.z + 90, 1e-9);
        c.press(0, 0);
        c.release(0, 300, false);
        EXPECT_NEAR(c.rx, start.x + 45, 1e-9);
        EXPECT_NEAR(c.ry, 0, 1e-9);
        EXPECT_NEAR(c.rz, start.z + 90, 1e-9);
    }
    // The wall's vertical stays vertical on the screen after any turn.
    c.restart();
    c.press(0, 0);
    c.release(523, 0, false);
    const auto top = c.toWindow({0, 0, 0}), bottom = c.toWindow({0, 0, -10});
    EXPECT_NEAR(top[0], bottom[0], 1e-9);
    EXPECT_LT(top[1], bottom[1]);
}

TEST(Camera3D, RestartFitsEveryPointInsideTheWindowAtTheObliqueAngle)
{
    T3DCamera c = camera();  // 800 x 600
    // A model far off the origin and much larger than the window at zoom 1.
    std::vector<T3DPoint> points;
    for (double x : {-300.0, 500.0})
        for (double y : {-40.0, 40.0})
            for (double z : {0.0, -900.0}) points.push_back({x, y, z});
    c.setFitPoints(points);
    c.zoom = 7;
    c.pan = {1, 2, 3};
    c.restart();
    EXPECT_EQ(c.rx, T3DCamera::kObliqueTilt);
    EXPECT_EQ(c.ry, 0);
    EXPECT_EQ(c.rz, T3DCamera::kObliqueTurn);
    double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
    for (const T3DPoint& p : points) {
        const auto w = c.toWindow(p);
        x0 = std::min(x0, w[0]);
        x1 = std::max(x1, w[0]);
        y0 = std::min(y0, w[1]);
        y1 = std::max(y1, w[1]);
    }
    // Inside with the margin, touching it on the tighter side, centred.
    const double m = T3DCamera::kFitMargin;
    EXPECT_GE(x0, m - 1e-6);
    EXPECT_LE(x1, 800 - m + 1e-6);
    EXPECT_GE(y0, m - 1e-6);
    EXPECT_LE(y1, 600 - m + 1e-6);
    EXPECT_TRUE(std::fabs(x1 - x0 - (800 - 2 * m)) < 1e-6 || std::fabs(y1 - y0 - (600 - 2 * m)) < 1e-6);
    EXPECT_NEAR((x0 + x1) / 2, 400, 1e-6);
    EXPECT_NEAR((y0 + y1) / 2, 300, 1e-6);
    EXPECT_FALSE(c.movedByUser());
    c.zoomIn();
    EXPECT_TRUE(c.movedByUser());
}

// The deflections of the last results table of a report, by station.
std::map<int, double> reportDeflections(const std::string& path)
{
    std::ifstream in(path);
    std::string line;
    std::map<int, double> found;
    bool table = false;
    while (std::getline(in, line)) {
        if (line.find("STA I") != std::string::npos && line.find("DEFL.") != std::string::npos) {
            table = true;
            found.clear();
            continue;
        }
        if (!table) continue;
        std::istringstream row(line);
        int station;
        double x, defl;
        if (row >> station >> x >> defl)
            found[station] = defl;
        else if (!found.empty() && line.find_first_not_of(" \r") == std::string::npos)
            table = false;
    }
    return found;
}

// The factor magnifies the deflection in the model's own length unit: the
// report prints English deflections in inches on a wall drawn in feet, SI
// ones in metres on a wall drawn in metres.
class Scene3DExample : public ::testing::TestWithParam<std::pair<const char*, double>> {};

INSTANTIATE_TEST_SUITE_P(EnglishAndSi, Scene3DExample,
                         ::testing::Values(std::make_pair("sand-anchored-generated-py", 1.0 / 12.0),
                                           std::make_pair("si-sand-cantilever", 1.0)));

TEST_P(Scene3DExample, DeformedBricksFollowFactorTimesDeflection)
{
    const std::string root = ORVANE_SOURCE_DIR;
    const std::string name = GetParam().first;
    const double toModel = GetParam().second;
    TProject project;
    ASSERT_FALSE(TDataFileReader::readProject(project, root + "/examples/" + name + ".ov5d", TLayout::Current));
    EXPECT_EQ(project.data().Units, toModel == 1.0 ? TUnits::kSI : TUnits::kEnglish);
    TMainGraphs graphs;
    const std::string expected = root + "/tests/engine/golden/expected/" + name + "/";
    ASSERT_TRUE(TPlotFileReader::read(graphs, project, expected + "wall.ov5p"));
    const std::map<int, double> printed = reportDeflections(expected + "wall.ov5o");
    const int NI = project.data().Increments;
    ASSERT_EQ(static_cast<int>(printed.size()), NI + 1);
    ASSERT_TRUE(T3DSceneBuilder::hasDeflection(&graphs.pltDef));

    T3DDisplay display;
    display.deformed = true;
    display.undeformed = true;
    display.factor = 20;
    const T3DScene s = T3DSceneBuilder::build(project, &graphs.pltDef, display);
    const auto bricks = s.solidsOf(T3DRole::WallDeformed);
    ASSERT_EQ(static_cast<int>(bricks.size()), 20 * NI);
    EXPECT_TRUE(s.solidsOf(T3DRole::WallUnit).empty());
    const auto outlines = s.solidsOf(T3DRole::WallUndeformedOutline);
    ASSERT_EQ(outlines.size(), 20u);
    EXPECT_FALSE(outlines[0].filled);
    const double e = s.extents.e, t = s.extents.t;
    for (int i = 1; i <= NI; ++i) {
        const T3DSolid& b = bricks[static_cast<size_t>(i - 1)];  // the first unit's bricks
        const T3DPoint top{(b.corners[0].x + b.corners[1].x) / 2, 0, (b.corners[0].z + b.corners[1].z) / 2};
        const T3DPoint bottom{(b.corners[4].x + b.corners[5].x) / 2, 0, (b.corners[4].z + b.corners[5].z) / 2};
        // Three significant digits in the report.
        auto near = [&](double x, int n) {
            const double u = 20 * toModel * printed.at(n);
            EXPECT_NEAR(x, u, 20 * toModel * std::max(5e-3 * std::fabs(printed.at(n)), 5e-6)) << "node " << n;
        };
        near(top.x, i - 1);
        near(bottom.x, i);
        EXPECT_NEAR(top.z, -(i - 1) * e, 1e-9);
        EXPECT_NEAR(bottom.z, -i * e, 1e-9);
        // Faces t apart, and shared with the next brick.
        EXPECT_NEAR(std::hypot(b.corners[1].x - b.corners[0].x, b.corners[1].z - b.corners[0].z), t, 1e-9);
        if (i < NI)
            for (int k = 0; k < 4; ++k) {
                EXPECT_EQ(b.corners[static_cast<size_t>(k + 4)].x, bricks[static_cast<size_t>(i)].corners[static_cast<size_t>(k)].x);
                EXPECT_EQ(b.corners[static_cast<size_t>(k + 4)].z, bricks[static_cast<size_t>(i)].corners[static_cast<size_t>(k)].z);
            }
    }
    // The factor scales the shape: at 0 no deflection is left.
    display.factor = 0;
    for (const T3DSolid& b : T3DSceneBuilder::build(project, &graphs.pltDef, display).solidsOf(T3DRole::WallDeformed))
        EXPECT_NEAR(b.centre().x, 0, 1e-12);
}

TEST(Scene3DDeflection, NoDeformedShapeWithoutTwoPoints)
{
    TGraphPlot graph;
    EXPECT_FALSE(T3DSceneBuilder::hasDeflection(nullptr));
    EXPECT_FALSE(T3DSceneBuilder::hasDeflection(&graph));
    graph.Lines.setCurveCount(1);
    graph.Lines.setPointCount(1);
    EXPECT_FALSE(T3DSceneBuilder::hasDeflection(&graph));
    graph.Lines.setPointCount(2);
    EXPECT_TRUE(T3DSceneBuilder::hasDeflection(&graph));
}

}  // namespace
}  // namespace orvane
