// Resultant active and water forces of the layers above the excavation level.

#include <gtest/gtest.h>

#include <cmath>

#include "soil/layer_resultants.hpp"
#include "soil_fixtures.hpp"

using namespace orvane;
using namespace orvane::soil;
using namespace orvane::soil::test;

namespace {

const SurchargeLine kNoSurcharge{};

SoilProfile withResultants(const SoilBlock& b, const SurchargeLine& single = kNoSurcharge)
{
    SoilProfile p = prepared(b, kGammaWEnglish);
    computeLayerResultants(p, single, b.wall.freeHeight, kGammaWEnglish);
    return p;
}

}  // namespace

TEST(LayerResultants, SandWithUniformPressure)
{
    SoilBlock b = block(120, 1000, {sand(240, 0.07, 30)});
    b.line.uniform = 0.5;
    b.wall.modification = 0.9;
    const SoilProfile p = withResultants(b);
    const double Ka = rankineActive(30);
    const WorkingLayer& w = p.layer(1);
    EXPECT_NEAR(w.PA1, 0.5 * Ka * 120 * 0.9, kTight);               // SIGVP Ka T MF
    EXPECT_NEAR(w.PA2, 0.5 * 0.07 * 120 * 120 * Ka * 0.9, kTight);  // gamma T^2 Ka MF / 2
    EXPECT_EQ(w.PA3, 0.0);
    EXPECT_EQ(w.PA4, 0.0);
    EXPECT_NEAR(w.Z1, 60, kTight);
    EXPECT_NEAR(w.Z2, 80, kTight);
    EXPECT_EQ(w.Z3, -f32(1.0E-5));  // no tension zone: the value it starts from
    // Below the excavation nothing is computed.
    EXPECT_EQ(p.layer(2).PA2, 0.0);
    EXPECT_EQ(p.layer(2).Z1, -1000.0);
}

TEST(LayerResultants, ClayWithATensionZone)
{
    // c = 2, gamma = 0.07, Ka = 1 (to 1E-6): s_top = -2c = -4, s_bot = 0.07 * 120 - 4 = 4.4.
    const SoilProfile p = withResultants(block(120, 1000, {clay(240, 0.07, 2)}));
    const WorkingLayer& w = p.layer(1);
    const double sTop = -2 * 2 * kClaySqrtKa, sBottom = 0.07 * 120 * kClayKa - 2 * 2 * kClaySqrtKa;
    const double ZC = sBottom * 120 / (sBottom - sTop);
    EXPECT_NEAR(ZC, 4.4 * 120 / 8.4, 1e-3);
    EXPECT_EQ(w.PA1, 0.0);
    EXPECT_EQ(w.PA2, 0.0);
    EXPECT_EQ(w.PA3, 0.0);
    EXPECT_NEAR(w.tensionZone, ZC, kTight);
    EXPECT_NEAR(w.PA4, ZC * sBottom / 2, kTight);
    EXPECT_NEAR(w.Z3, 120 - ZC / 3, kTight);
    EXPECT_GT(w.PA4, 0.0);
}

TEST(LayerResultants, ClayInTensionThroughoutPushesNothing)
{
    // c = 5: s_bot = 8.4 - 10 < 0.
    const auto profile = withResultants(block(120, 1000, {clay(240, 0.07, 5)}));
    const WorkingLayer& w = profile.layer(1);
    EXPECT_EQ(w.PA4, 0.0);
    EXPECT_EQ(w.PA1 + w.PA2 + w.PA3, 0.0);
}

TEST(LayerResultants, SingleSurchargesAboveTheThresholdAddToPA1)
{
    // A line load Q = 30 at X = 10 (m = 1/12): ten slices of 12 over the layer,
    // each 12 * 0.203 Q n / (H (0.16 + n^2)^2) with n = z/H.
    const double H = 120;
    double expected = 0;
    for (int i = 1; i <= 10; ++i) {
        const double n = 12.0 * i / H;
        expected += 12 * f32(0.203) * 30 * n / (H * std::pow(f32(0.16) + n * n, 2));
    }
    SurchargeLine single;
    single.distance = 10;
    single.lineLoad = 30;
    single.pointLoad = f32(1.0E-4);  // at the threshold: left out
    single.stripLoad = -5;      // negative: left out
    const SoilBlock b = block(H, 1000, {sand(240, 0.07, 30)});
    EXPECT_NEAR(withResultants(b, single).layer(1).PA1, expected, kTight * expected);
}

TEST(LayerResultants, BuoyantWeightOnlyForDrainedLayersBelowTheWater)
{
    // WTb = 60: sand 60-120 below the water; clay 60-120 below it in the second case.
    const double Ka = rankineActive(30);
    const SoilProfile sandy = withResultants(block(120, 60, {sand(240, 0.07, 30)}));
    EXPECT_NEAR(sandy.layer(2).PA1, 0.07 * 60 * Ka * 60, kTight);
    EXPECT_NEAR(sandy.layer(2).PA2, 0.5 * (0.07 - kGammaWEnglish) * 60 * 60 * Ka, kTight);
    const SoilProfile clayey = withResultants(block(120, 60, {clay(240, 0.07, 0.1)}));
    EXPECT_NEAR(clayey.layer(2).PA2, 0.5 * 0.07 * 60 * 60 * kClayKa, kTight);
}

TEST(LayerResultants, WaterForcesOfDrainedLayersBetweenTheWaterTableAndTheExcavation)
{
    // Sand 0-90, clay 90-100, sand 100-200; WTb = 60, H = 120:
    // layers 0-60, 60-90 (sand), 90-100 (clay), 100-120, 120-200 (sand).
    SoilProfile p = withResultants(block(120, 60, {sand(90, 0.07, 30), clay(10, 0.08, 1), sand(100, 0.07, 30)}));
    ASSERT_EQ(p.LW, 2);
    ASSERT_EQ(p.LP, 5);
    ASSERT_TRUE(waterAboveExcavation(p));
    computeWaterResultants(p, 60, kGammaWEnglish);
    const double gw = kGammaWEnglish;
    EXPECT_NEAR(p.layer(2).PW1, 0.0, kTight);  // -(d - WTb) gw T with d = 60
    EXPECT_NEAR(p.layer(2).PW2, -0.5 * gw * 30 * 30, kTight);
    EXPECT_EQ(p.layer(3).PW1, 0.0);  // clay
    EXPECT_EQ(p.layer(3).PW2, 0.0);
    EXPECT_NEAR(p.layer(4).PW1, -(100 - 60) * gw * 20, kTight);
    EXPECT_NEAR(p.layer(4).PW2, -0.5 * gw * 20 * 20, kTight);

    double F = 0;
    for (int L = 1; L <= 4; ++L) {
        const WorkingLayer& w = p.layer(L);
        F += w.PA1 + w.PA2 + w.PA3 + w.PA4;
    }
    F += 0.5 * gw * 900 + 40 * gw * 20 + 0.5 * gw * 400;
    EXPECT_NEAR(netActiveForce(p), F, kTight * F);
}

TEST(LayerResultants, WaterTableAtOrBelowTheExcavationCarriesNoWaterForces)
{
    EXPECT_FALSE(waterAboveExcavation(withResultants(block(120, 120, {sand(240, 0.07, 30)}))));
    EXPECT_FALSE(waterAboveExcavation(withResultants(block(120, 200, {sand(240, 0.07, 30)}))));
    // No excavation: no layer above it and no force.
    EXPECT_EQ(netActiveForce(withResultants(block(0, 50, {sand(240, 0.07, 30)}))), 0.0);
}
