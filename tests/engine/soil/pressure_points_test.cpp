// Active pressure at the points of the computed and the trapezoidal
// distributions, against the pressures worked out by hand from the soil
// weights, the coefficients and the water.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "soil/layer_resultants.hpp"
#include "soil/pressure_points.hpp"
#include "soil/soil_stop.hpp"
#include "soil_fixtures.hpp"

using namespace orvane;
using namespace orvane::soil;
using namespace orvane::soil::test;

namespace {

const double Ka30 = rankineActive(30);
const double gw = kGammaWEnglish;

// The package's order: profile, coefficients, resultants (which may raise
// the water flag), then the points.
PressureDistribution distributionOf(const SoilBlock& b, double wallLength, int units = 1)
{
    const double gammaW = units == 2 ? kGammaWSI : kGammaWEnglish;
    SoilProfile p = prepared(b, gammaW);
    computeLayerResultants(p, b.line, b.wall.freeHeight, gammaW);
    PointConditions c = conditions(b, units, wallLength);
    if (waterAboveExcavation(p)) c.waterFlag = 1;
    return computedDistribution(p, c);
}

// The point at a depth (points lie at whole depths in these cases).
const PressurePoint& at(const PressureDistribution& d, double depth)
{
    for (const PressurePoint& pt : d.points)
        if (std::fabs(pt.depth - depth) < 1e-9) return pt;
    throw std::runtime_error("no point at depth " + std::to_string(depth));
}

struct DepthCase {
    double depth;
    double p;
};

void expectPressures(const PressureDistribution& d, std::initializer_list<DepthCase> cases)
{
    for (const DepthCase& c : cases) {
        SCOPED_TRACE("depth " + std::to_string(c.depth));
        EXPECT_NEAR(at(d, c.depth).p, c.p, kTight * std::max(1.0, std::fabs(c.p)));
    }
}

double areaAbove(const PressureDistribution& d, int lastPoint)
{
    double area = 0;
    for (int j = 2; j <= lastPoint; ++j) {
        const PressurePoint& a = d.points[static_cast<size_t>(j - 2)];
        const PressurePoint& b = d.points[static_cast<size_t>(j - 1)];
        area += (a.p + b.p) / 2 * (b.depth - a.depth);
    }
    return area;
}

}  // namespace

TEST(PressurePoints, DrySandGrowsWithGammaKaDownToTheExcavationAndStaysBelow)
{
    // English units, H = 120, profile and wall 240: one point per inch.
    const PressureDistribution d = distributionOf(block(120, 1000, {sand(240, 0.07, 30)}), 240);
    const double slope = 0.07 * Ka30;  // gamma Ka MF
    expectPressures(d, {{1, slope}, {60, 60 * slope}, {119, 119 * slope}, {120, 120 * slope},
                        {121, 120 * slope}, {240, 120 * slope}});
    EXPECT_EQ(d.count, 1 + 120 + 120);
    EXPECT_EQ(d.points[static_cast<size_t>(d.atExcavation - 1)].depth, 120);
    for (double z : {30.0, 200.0}) {
        EXPECT_NEAR(at(d, z).p1, at(d, z).p, kTight);  // no surcharge: all of it is soil
        EXPECT_EQ(at(d, z).p2, 0.0);
    }
    // F_a: the area of the triangle, the points one inch apart.
    EXPECT_NEAR(d.activeForce, 0.5 * slope * 120 * 120, kTight * 1000);
}

TEST(PressurePoints, ClayTensionZoneCarriesVanishingPressure)
{
    // c = 2, Ka = 1 (to 1E-6): p = 0.07 d - 4 above H, in tension down to 4 / 0.07 = 57.1.
    const PressureDistribution d = distributionOf(block(120, 1000, {clay(240, 0.07, 2)}), 240);
    auto p = [](double z) { return 0.07 * z * kClayKa - 2 * 2 * kClaySqrtKa; };
    const PressurePoint& inTension = at(d, 10);  // point 11
    EXPECT_EQ(inTension.p, 11 * f32(1.0E-12));
    EXPECT_EQ(inTension.p1, 11 * f32(1.0E-12));
    EXPECT_EQ(at(d, 57).p, 58 * f32(1.0E-12));
    // Below the excavation: SIGVP(LP) Ka - 2 c sqrt(Ka) = 8.4 - 4.
    expectPressures(d, {{58, p(58)}, {100, p(100)}, {200, p(120)}});
}

TEST(PressurePoints, WaterAboveTheExcavationInSand)
{
    // WTb = 60, H = 120: below the water table the buoyant soil plus the water
    // gw (d - 60); below the excavation the effective stress at H and no water.
    const PressureDistribution d = distributionOf(block(120, 60, {sand(240, 0.07, 30)}), 240);
    auto wet = [](double z) { return 0.07 * 60 * Ka30 + (0.07 - gw) * Ka30 * (z - 60) + gw * (z - 60); };
    expectPressures(d, {{30, 0.07 * 30 * Ka30}, {60, 0.07 * 60 * Ka30}, {61, wet(61)}, {90, wet(90)},
                        {120, wet(120)}, {121, (0.07 * 120 - gw * 60) * Ka30},
                        {200, (0.07 * 120 - gw * 60) * Ka30}});
}

TEST(PressurePoints, ExcavationSideWaterAboveTheExcavationPushesBack)
{
    // All soil below the backfill water (WTb = 0), WTe = 80 < H = 120:
    // between 80 and 120 the points lose gw (d - 80); the point at 120 keeps
    // the loss of the point above it; below 120 nothing.
    SoilBlock b = block(120, 0, {sand(240, 0.07, 30)});
    b.wall.waterExcavation = 80;
    const PressureDistribution d = distributionOf(b, 240);
    auto wet = [](double z) { return gw * z + (0.07 - gw) * Ka30 * z; };
    expectPressures(d, {{50, wet(50)}, {80, wet(80)}, {81, wet(81) - gw * 1}, {100, wet(100) - gw * 20},
                        {119, wet(119) - gw * 39}, {120, wet(120) - gw * 39},
                        {121, (0.07 - gw) * 120 * Ka30}});

    // A layer above the backfill water table loses nothing (WTb = 100).
    SoilBlock dryTop = block(120, 100, {sand(240, 0.07, 30)});
    dryTop.wall.waterExcavation = 80;
    const PressureDistribution e = distributionOf(dryTop, 240);
    auto wetBelow100 = [](double z) { return 0.07 * 100 * Ka30 + (0.07 - gw) * Ka30 * (z - 100) + gw * (z - 100); };
    expectPressures(e, {{90, 0.07 * 90 * Ka30}, {110, wetBelow100(110) - gw * 30}});
}

TEST(PressurePoints, SIPointsEveryFiveCentimetresAndTheForceSumDividedBy20)
{
    // H = 3 m, gamma = 18 kN/m^3: points 0.05 m apart.
    const PressureDistribution d = distributionOf(block(3, 100, {sand(6, 18, 30)}), 6, 2);
    EXPECT_EQ(d.count, 1 + 60 + 60);
    EXPECT_NEAR(d.points[1].depth, 0.05, kTight);
    EXPECT_NEAR(d.points[30].depth, 1.5, kTight);
    EXPECT_NEAR(d.points[30].p, 18 * Ka30 * 1.5, kTight * 100);
    EXPECT_NEAR(d.points[static_cast<size_t>(d.atExcavation - 1)].depth, 3, kTight);
    // The sum of (p_prev + p)/2 over 60 points, divided by 20: the triangle's area.
    EXPECT_NEAR(d.activeForce, 0.5 * 18 * Ka30 * 3 * 3, kTight * 100);
}

TEST(PressurePoints, UniformPressureIsSurchargeAndTableRowsAddTheirPressure)
{
    // q = 0.5: S = q Ka moves from the soil part to the surcharge part.
    SoilBlock b = block(120, 1000, {sand(240, 0.07, 30)});
    b.line.uniform = 0.5;
    const PressureDistribution d = distributionOf(b, 240);
    EXPECT_NEAR(d.points[0].p, 0.5 * Ka30, kTight);
    EXPECT_EQ(d.points[0].p1, 0.0);
    EXPECT_NEAR(d.points[0].p2, 0.5 * Ka30, kTight);
    for (double z : {60.0, 200.0}) {
        const double soilPart = 0.07 * std::min(z, 120.0) * Ka30;
        EXPECT_NEAR(at(d, z).p, soilPart + 0.5 * Ka30, kTight);
        EXPECT_NEAR(at(d, z).p1, soilPart, kTight);
        EXPECT_NEAR(at(d, z).p2, 0.5 * Ka30, kTight);
    }

    // A line load Q = 40 at X = 10 (m < 0.4), wall 240: the depth 60 is
    // sampled at the step 49 * 1.2 = 58.8.
    SoilBlock loaded = block(120, 1000, {sand(240, 0.07, 30)});
    loaded.surcharges = {{2, 40, 10, 0}};
    const double n = 58.8 / 120;
    const double sigma = f32(0.203) * 40 * n / (120 * std::pow(f32(0.16) + n * n, 2));
    const PressureDistribution e = distributionOf(loaded, 240);
    EXPECT_NEAR(at(e, 60).p, 0.07 * 60 * Ka30 + sigma, kTight);
    EXPECT_NEAR(at(e, 60).p1, 0.07 * 60 * Ka30, kTight);
    EXPECT_NEAR(at(e, 60).p2, sigma, kTight);
}

TEST(PressurePoints, TrapezoidHasTheAreaOf1Point3TimesTheActiveForce)
{
    const double H = 120;
    const double Fa = 0.5 * 0.07 * Ka30 * H * H;
    const double k13 = f32(1.3);  // single-precision, as every constant of the engine
    const struct {
        const char* what;
        Supports supports;
        double peak;                   // 1.3 Fa / (2H/3), or 1.3 Fa / (H - D1/3 - (H - Dn)/3)
        std::vector<DepthCase> shape;  // rises to the peak at 2 D1 / 3, falls to 0 at H
    } cases[] = {
        {"one support at 30", {1, 30, 30}, k13 * Fa / 80, {{10, 0.5}, {20, 1}, {60, 1}, {90, 0.5}, {120, 0}}},
        {"supports at 30 and 90", {2, 30, 90}, k13 * Fa / 100, {{10, 0.5}, {20, 1}, {100, 1}, {110, 0.5}, {120, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PressureDistribution d = distributionOf(block(H, 1000, {sand(240, 0.07, 30)}), 240);
        const double soilAt60 = at(d, 60).p1;
        redistributeTrapezoid(d, H, c.supports);
        for (const DepthCase& s : c.shape) EXPECT_NEAR(at(d, s.depth).p, s.p * c.peak, kTight) << s.depth;
        EXPECT_NEAR(areaAbove(d, d.atExcavation), k13 * Fa, kTight * 1000);
        EXPECT_EQ(at(d, 60).p1, soilAt60);  // the parts keep their computed values
        EXPECT_NEAR(at(d, 121).p, 0.07 * 120 * Ka30, kTight);  // below H: unchanged
    }
}

TEST(PressurePoints, EveryCountedPointIsWrittenWhenTheWallReachesBelowTheProfile)
{
    // Profile 100 deep, H = 50, wall 150: the last layer reaches to the tip.
    const PressureDistribution d = distributionOf(block(50, 1000, {sand(100, 0.07, 30)}), 150);
    EXPECT_EQ(d.count, 1 + 50 + 100);
    ASSERT_GE(d.points.size(), static_cast<size_t>(d.count));
    EXPECT_EQ(d.points[static_cast<size_t>(d.count - 1)].depth, 150);
    EXPECT_NEAR(d.points[static_cast<size_t>(d.count - 1)].p, 0.07 * 50 * Ka30, kTight);
}

TEST(PressurePoints, TheCountStopsAtTheWallTipAboveTheProfileBottom)
{
    const PressureDistribution d = distributionOf(block(120, 1000, {sand(240, 0.07, 30)}), 180);
    EXPECT_EQ(d.count, 1 + 120 + 60);
    EXPECT_EQ(d.points[static_cast<size_t>(d.count - 1)].depth, 180);
    EXPECT_EQ(d.points.back().depth, 240);  // the whole profile is written
}

TEST(PressurePoints, NoExtraPointAfterALayerOfFivePoints)
{
    // Layer 5-10 right above the excavation gets exactly five points.
    const PressureDistribution d = distributionOf(block(10, 1000, {sand(5, 0.07, 30), sand(20, 0.07, 30)}), 25);
    ASSERT_EQ(d.points[static_cast<size_t>(d.atExcavation - 1)].depth, 10);
    EXPECT_EQ(d.points[static_cast<size_t>(d.atExcavation)].depth, 11);
}

TEST(PressurePoints, MorePointsThanTheTablesHoldAreRejected)
{
    // SI, wall 100.05 m: 1 + 20 * 100.05 = 2002 points down to the tip.
    try {
        distributionOf(block(3, 100, {sand(101, 18, 30)}), 100.05, 2);
        FAIL() << "2002 points do not fit";
    } catch (const InputRejected& e) {
        EXPECT_EQ(std::string(e.what()), "TOO MUCH DATA FOR AVAILABLE STORAGE");
    }
    // Points below the tip of a short wall stop at the capacity.
    const PressureDistribution d = distributionOf(block(120, 1000, {sand(3000, 0.07, 30)}), 240);
    EXPECT_EQ(d.points[static_cast<size_t>(d.count - 1)].depth, 240);
    EXPECT_EQ(d.points.back().depth, kMaxPressurePoints - 1);
}
