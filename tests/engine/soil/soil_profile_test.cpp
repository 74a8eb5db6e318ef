// The working soil profile: cuts at the excavation level and the backfill
// water table, the effective overburden stress and the earth-pressure
// coefficients with the slope of the backfill.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "soil/soil_profile.hpp"
#include "soil_fixtures.hpp"

using namespace orvane;
using namespace orvane::soil;
using namespace orvane::soil::test;

namespace {

struct SplitCase {
    const char* what;
    double H, WTb;
    std::vector<double> inputThicknesses;
    std::vector<double> tops;  // expected working layers
    int LP, LW;
};

}  // namespace

TEST(SoilProfile, CutsAtTheExcavationLevelAndTheBackfillWaterTable)
{
    const SplitCase cases[] = {
        {"WTb = H: one cut", 100, 100, {200}, {0, 100}, 2, 2},
        {"H = 0: no cut at the surface", 0, 50, {200}, {0, 50}, 1, 2},
        {"WTb = 0: no cut at the surface", 80, 0, {200}, {0, 80}, 2, 1},
        {"boundary within the tolerance of H", 100, 300, {100.000004, 99.999996}, {0, 100.000004}, 2, 0},
        {"H and WTb inside the first layer", 30, 60, {100, 100}, {0, 30, 60, 100}, 2, 3},
        {"WTb and H inside the first layer", 60, 30, {100, 100}, {0, 30, 60, 100}, 3, 2},
        {"cuts in two layers", 150, 40, {100, 100}, {0, 40, 100, 150}, 4, 2},
        {"water above the surface cuts nothing", 100, -20, {200}, {0, 100}, 2, 0},
        {"excavation below the profile", 250, 300, {100, 100}, {0, 100}, 0, 0},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<InputLayer> layers;
        for (double t : c.inputThicknesses) layers.push_back(sand(t, 0.07, 30));
        const SoilProfile p = splitProfile(block(c.H, c.WTb, layers));
        ASSERT_EQ(p.NL(), static_cast<int>(c.tops.size()));
        double bottom = 0;
        for (double t : c.inputThicknesses) bottom += t;
        for (int L = 1; L <= p.NL(); ++L) {
            EXPECT_DOUBLE_EQ(p.layer(L).ztop, c.tops[static_cast<size_t>(L - 1)]) << "layer " << L;
            const double next = L < p.NL() ? c.tops[static_cast<size_t>(L)] : bottom;
            EXPECT_NEAR(p.layer(L).thickness, next - p.layer(L).ztop, 1e-12) << "layer " << L;
        }
        EXPECT_EQ(p.LP, c.LP);
        EXPECT_EQ(p.LW, c.LW);
    }
}

TEST(SoilProfile, PiecesOfOneLayerKeepItsPropertiesAndKnowTheirWater)
{
    SoilBlock b = block(30, 60, {layer(5, 100, 0.07, 1.5, 25), clay(100, 0.08, 3)});
    b.wall.modification = 0.8;
    const SoilProfile p = splitProfile(b);
    ASSERT_EQ(p.NL(), 4);
    for (int L = 1; L <= 3; ++L) {
        const WorkingLayer& w = p.layer(L);
        EXPECT_EQ(w.weight, 0.07);
        EXPECT_EQ(w.cohesion, 1.5);
        EXPECT_EQ(w.phi, 25);
        EXPECT_TRUE(w.drained);
        EXPECT_EQ(w.modification, 0.8);
    }
    EXPECT_FALSE(p.layer(4).drained);
    EXPECT_EQ(p.layer(4).cohesion, 3);
    // Tops at or below WTb = 60 are below the water table.
    EXPECT_FALSE(p.layer(1).belowWater);
    EXPECT_FALSE(p.layer(2).belowWater);
    EXPECT_TRUE(p.layer(3).belowWater);
    EXPECT_TRUE(p.layer(4).belowWater);
}

TEST(SoilProfile, OverburdenSumsTotalWeightsLessTheWaterBelowTheTable)
{
    // Sand 0-60 (0.07), clay 60-200 (0.08) cut at H = 100; q = 0.5; WTb = 60.
    SoilBlock b = block(100, 60, {sand(60, 0.07, 30), clay(140, 0.08, 3)});
    SoilProfile p = splitProfile(b);
    computeOverburden(p, 0.5, 60, kGammaWEnglish);
    ASSERT_EQ(p.NL(), 3);
    EXPECT_NEAR(p.layer(1).SIGVP, 0.5, kTight);
    EXPECT_NEAR(p.layer(2).SIGVP, 0.5 + 60 * 0.07, kTight);  // top at the water table
    // A clay top 40 below the water table loses 40 gamma_w like any other.
    EXPECT_NEAR(p.layer(3).SIGVP, 0.5 + 60 * 0.07 + 40 * 0.08 - 40 * kGammaWEnglish, kTight);
}

TEST(SoilProfile, CoefficientsWithAndWithoutTheSlopeOfTheBackfill)
{
    const double cb = std::cos(10 / kDeg), cf = std::cos(30 / kDeg);
    const double s = std::sqrt(cb * cb - cf * cf);
    const double slopedKa = cb * (cb - s) / (cb + s);  // beta = 10, phi = 30
    const struct {
        const char* what;
        double phi, beta, Ka;
        bool tooSteep;
    } cases[] = {
        {"level backfill", 30, 0, rankineActive(30), false},
        {"beta = 10, phi = 30", 30, 10, slopedKa, false},
        {"beta = -10, phi = 30", 30, -10, slopedKa, false},
        {"beta = phi", 30, 30, rankineActive(30), true},
        {"clay with a slope", 0, 5, kClayKa, true},
        {"clay, level", 0, 0, kClayKa, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WorkingLayer w;
        w.phi = c.phi;
        EXPECT_EQ(computeCoefficients(w, c.beta), c.tooSteep);
        EXPECT_NEAR(w.Ka, c.Ka, kTight);
        EXPECT_NEAR(w.sqrtKa, std::sqrt(c.Ka), kTight);
        EXPECT_NEAR(w.Kp, rankinePassive(c.phi), kTight);  // the slope never enters Kp
    }
    EXPECT_NEAR(slopedKa, 0.3495, 5e-5);  // the textbook value for beta = 10, phi = 30
    EXPECT_NEAR(kClayKa, 1.0, 2e-6);
}
