// The strong-rock and weak-rock curves against numbers worked out by hand
// from the formulas, and what their generators write.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "io/single.hpp"
#include "py_generation_fixture.hpp"
#include "soil/py_rock_curves.hpp"
#include "soil/py_sand_silt_curves.hpp"

using namespace orvane;
using namespace orvane::soil;
using namespace orvane::soil::test;
using orvane::test::JobFolder;
using orvane::test::lines;

TEST(StrongRock, TwoStraightLinesToTheStrengthThenTheDrop)
{
    // q_u = 1000 psi, b = 24 in: s_u = 500, K = 2000 s_u = 1.0E6,
    // y_1 = 0.0004 b = 0.0096, p_1 = K y_1 = 9600, p_ult = s_u b = 12000,
    // y_2 = (12000 - 9600)/(100 * 500) + 0.0096 = 0.0576 = 0.0024 b.
    // The points step by y_2/15 = 0.00384; gamma = 0.09, D = 60 give the
    // residual 0.5 gamma b D = 64.8. A p-multiplier of 0.5 halves the lines only.
    // 0.0004 acts as a single-precision value: deflections agree to 1E-7.
    const double single = 1e-7;
    for (double mp : {1.0, 0.5}) {
        SCOPED_TRACE(mp);
        const StrongRockHalf h = strongRockHalf(1000, 24, 0.09, 60, mp);
        EXPECT_NEAR(h.y1, 0.0096, single * 0.0096);
        EXPECT_NEAR(h.p1, 9600, single * 9600);
        EXPECT_EQ(h.pult, 12000);
        EXPECT_NEAR(h.y2, 0.0024 * 24, single * 0.0576);
        for (size_t m = 0; m < 15; ++m) {
            const double y = 0.00384 * static_cast<double>(m);
            EXPECT_NEAR(h.y[m], y, single * y) << m;
            const double line = y < 0.0096 ? 1.0E6 * y : 9600 + 100 * 500 * (y - 0.0096);
            EXPECT_NEAR(h.p[m], mp * line, single * 12000) << m;
        }
        EXPECT_NEAR(h.p[14], mp * 11808, single * 12000);  // point 15 at 14 y_2/15, just short of p_ult
        EXPECT_NEAR(h.y[16], 16 * 0.00384, single * 0.0614);
        EXPECT_NEAR(h.p[16], 64.8, 1e-9);  // point 17: the drop, without multiplier
    }
}

TEST(WeakRock, QualityReducesTheStrength)
{
    // RQD = 100: alpha_r = 1 - 100/150 = 1/3. x_r = b = 24: p_ur = alpha_r q_a b (1 + 1.4)
    // = (1/3) 1000 * 24 * 2.4 = 19200; k_ir = 100 + 400/3 = 233.33; K_ir = k_ir E_r = 2.3333E7.
    WeakRockInput in{1000, 1000, 0.0005, 100, 1.0E5, 24, 24};
    const WeakRockHalf h = weakRockHalf(in);
    EXPECT_NEAR(h.alphaR, 1.0 / 3, 1e-15);
    EXPECT_NEAR(h.pur, 19200, 1e-3);
    EXPECT_NEAR(h.kir, 233.3333, 1e-4);
    // y_rm = k_rm b = 0.012; y_A = (p_ur / (2 y_rm^0.25 K_ir))^(4/3) = (19200/(2 * 0.330975 * 2.3333E7))^(4/3) = 1.33659E-4
    EXPECT_NEAR(h.yrm, 0.012, 1e-12);
    EXPECT_NEAR(h.yA, 1.33659E-4, 1e-9);
    // the first points, up to 0.009 y_rm = 1.08E-4, are on the initial line; point 14 at y_rm
    // gives 0.5 p_ur; point 17 at 12 y_rm gives 0.5 * 12^0.25 p_ur = 0.930605 p_ur.
    EXPECT_NEAR(h.y[0], 6.0E-6, 1e-7 * 6.0E-6);  // 0.0005 as a single-precision value
    EXPECT_NEAR(h.p[0], 2.3333333E7 * 6.0E-6, 1e-3);
    EXPECT_NEAR(h.p[4], 2.3333333E7 * 1.08E-4, 1e-2);
    EXPECT_NEAR(h.p[5], 0.5 * 19200 * std::pow(0.02, 0.25), 1e-2);  // 0.02 y_rm, beyond y_A
    EXPECT_NEAR(h.p[13], 9600, 1e-3);
    EXPECT_NEAR(h.y[16], 0.144, 1e-12);
    EXPECT_NEAR(h.p[16], 0.930605 * 19200, 1e-2);
}

TEST(WeakRock, BothFormulasMeetThreeWidthsIntoTheRock)
{
    // x_r = 3b: alpha_r q_a b (1 + 1.4 * 3) = 5.2 alpha_r q_a b, and 100 + 400 = 500.
    // RQD = 0 leaves alpha_r = 1: p_ur = 5.2 * 800 * 24 = 99840, to the
    // single precision of 1.4 and 5.2.
    const WeakRockHalf atThree = weakRockHalf({900, 800, 0.0005, 0, 1.0E5, 24, 72});
    for (double xr : {72.0 * (1 - 1e-12), 72.0 * (1 + 1e-12)}) {
        const WeakRockHalf h = weakRockHalf({900, 800, 0.0005, 0, 1.0E5, 24, xr});
        EXPECT_NEAR(h.pur, 99840, 1e-7 * 99840) << xr;
        EXPECT_NEAR(h.pur, atThree.pur, 1e-7 * 99840) << xr;
        EXPECT_NEAR(h.kir, 500, 1e-9) << xr;
    }
}

TEST(WeakRock, InitialLineReachingBeyondTwelveYrm)
{
    // A soft rock modulus E_r = 10 psi at x_r = 3b: K_ir = 5000, and
    // y_A = (99840 / (2 * 0.012^0.25 * 5000))^(4/3) = 93.9 in, far beyond 12 y_rm = 0.144:
    // every point lies on the initial line K_ir y.
    const WeakRockHalf h = weakRockHalf({900, 800, 0.0005, 0, 10, 24, 72});
    EXPECT_NEAR(h.yA, 93.903, 1e-3);
    EXPECT_GT(h.yA, 12 * h.yrm);
    for (size_t m = 0; m < 17; ++m) EXPECT_NEAR(h.p[m], 5000 * h.y[m], 1e-9) << m;
}

namespace {

// Rock from the excavation at 180 in to 480 in below the top of the wall, b = 24.
SoilBlock rockWall(int type, std::array<double, 6> properties)
{
    return wallBlock(180, 96, 24, {uniformLayer(type, 480, properties)});
}

}  // namespace

TEST(StrongRockGenerator, ReportAndExchangeWithoutShift)
{
    // q_u = 1000, gamma = 0.09. The active pressure at the excavation (SIGVP = 12.5)
    // does not shift rock curves: both halves start at 0.
    const GeneratedCurves g = generateCurvesOf(rockWall(6, {0.09, 1000, 0, 0, 0, 0}), 40, 12, 12.5);
    const auto l = lines(g.report);
    expectLinesAround(l, l.begin(),
                      {{0, ""},
                       {1, ""},
                       {2, "                 DEPTH-EXCAVATION SIDE     DIAM        C"},
                       {3, "                                IN             IN       PSI"},
                       {4, "                              0.10         24.000   0.5E+03"},
                       {5, ""},
                       {6, "                                      Y                   P"},
                       {7, "                                     IN              LBS/IN"},
                       {8, "                                0.000D+00           0.000D+00"},
                       {9, "                                0.384D-02           0.384D+04"},
                       {22, "                                0.538D-01           0.118D+05"},  // point 15
                       {24, "                                0.614D-01           0.108D+00"},  // 0.5 * 0.09 * 24 * 0.1
                       {27, "                 DEPTH-BACKFILL SIDE       DIAM        C"},
                       {29, "                            180.10         24.000   0.5E+03"},
                       {49, "                                0.614D-01           0.195D+03"}});  // 0.5 * 0.09 * 24 * 180.1

    const auto x = lines(g.exchange);
    expectLinesAround(x, x.begin(),
                      {{1, "    1  0.000E+00 0.000E+00"},  // no blank between p and y
                       {2, "    2  0.384E+04 0.384E-02"},
                       {18, "    1  0.000E+00 0.000E+00"}});
    EXPECT_EQ(g.totals.ACC[0], 0);
}

TEST(WeakRockGenerator, ReportAndExchange)
{
    // q_u = 1000, k_rm = 0.0005, E_r = 1.0E5, RQD = 70: alpha_r = 0.53333.
    // First curve, excavation side: x_r = 0.1: p_ur = 0.53333 * 1000 * 24 * (1 + 1.4 * 0.1/24),
    // K_ir = (100 + 400 * 0.1/72) 1.0E5 = 1.00556E7; point 1 at 6.0E-6: 60.3.
    // Backfill side: x_r = 180.1 > 3b: K_ir = 5.0E7; point 1: 300.
    const GeneratedCurves g = generateCurvesOf(rockWall(7, {0.09, 1000, 0, 0.0005, 1.0E5, 70}), 40, 12, 12.5);
    const auto l = lines(g.report);
    expectLinesAround(l, l.begin(),
                      {{2, "         AT THE EXCAVATION SIDE"},
                       {5, "              DEPTH     DIAM       Qu        Eu    GAMMA AVG      E50"},
                       {6, "                  IN        IN       PSI       PSI       PCI"},
                       {7, "                0.10    24.000  0.10E+04  0.10E+06  0.90E-01   0.500E-03"},
                       {8, "                                     Y                   P"},
                       {9, "                                    IN              LBS/IN"},
                       {10, "                                0.600E-05           0.603E+02"},
                       {29, "         AT THE BACKFILL SIDE"},
                       {34, "              180.10    24.000  0.10E+04  0.10E+06  0.90E-01   0.500E-03"},
                       {37, "                                0.600E-05           0.300E+03"}});

    const auto x = lines(g.exchange);
    expectLinesAround(x, x.begin(), {{1, "    1   0.603E+02   0.600E-05"}, {18, "    1   0.300E+03   0.600E-05"}});
    EXPECT_EQ(g.totals.ACC[0], 0);
}

TEST(RockGenerator, LayerBelowRockSeesOnlyTheLayersAboveTheRock)
{
    // Sand 60 in, weak rock 60 in, sand again (thicknesses from the top of the
    // wall: 240, 60, 180): the rock adds nothing, so the
    // lower sand starts where its own resistance matches the upper sand's.
    const double gamma = 0.069444444, eps = f32(0.1);
    SoilBlock block = wallBlock(180, 96, 24,
                                {uniformLayer(4, 240, {gamma, 0, 35, 0, 90, 0}),
                                 uniformLayer(7, 60, {gamma, 1000, 0, 0.0005, 1.0E5, 70}),
                                 uniformLayer(4, 180, {gamma, 0, 35, 0, 90, 0})});
    const GeneratedCurves g = generateCurvesOf(block, 40, 12, 0);
    ASSERT_EQ(g.totals.XEQ.size(), 3u);
    EXPECT_GT(g.totals.ACC[0], 0);
    EXPECT_EQ(g.totals.ACC[1], 0);
    EXPECT_EQ(g.totals.XEQ[1], 0);
    EXPECT_NEAR(g.totals.XEQ[2], sandEquivalentDepth(g.totals.ACC[0], 35 * f32(3.1416) / 180, gamma, 24, 120 + eps), 1e-12);
}

TEST(CurveErrors, RockWithoutStrengthEndsTheJobInOrder)
{
    const std::vector<std::string> atOnce = {"        P-Y CURVES DATA", "", "", ""};
    {
        JobFolder job;
        const auto outcome = runCurveJob(job, "6 600\n0.09 0 0 0 0 0\n0.09 0 0 0 0 0\n");
        expectRejected(job, outcome,
                       "     ERROR -- THE COMPRESSIVE STRENGTH OF ROCK IN P-Y LAYER 1 IS ZERO; ITS P-Y CURVES CANNOT BE "
                       "GENERATED",
                       atOnce);
    }
    {
        // Weak rock writes its first curve, then stops with the warning it has
        // always given, now in the report.
        JobFolder job;
        const auto outcome = runCurveJob(job, "7 600\n0.09 0 0 0.0005 100000 70\n0.09 0 0 0.0005 100000 70\n");
        expectRejected(job, outcome,
                       "     ERROR -- THE COMPRESSIVE STRENGTH OF WEAK ROCK IN P-Y LAYER 1 IS ZERO; ITS P-Y CURVES "
                       "CANNOT BE GENERATED",
                       {"", "       --------------------WARNING----------------------",
                        "       THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT",
                        "       DATA. PLEASE ENTER THE CORRECT VALUE AND RUN IT AGAIN.", "", ""});
        const auto l = lines(job.report());
        EXPECT_NE(lineOf(l, "         AT THE BACKFILL SIDE"), l.end());
    }
    {
        // k_rm = 0 would put every deflection at zero.
        JobFolder job;
        const auto outcome = runCurveJob(job, "7 600\n0.09 1000 0 0 100000 70\n0.09 1000 0 0 100000 70\n");
        expectRejected(job, outcome,
                       "     ERROR -- KRM OF P-Y LAYER 1 IS NOT GREATER THAN ZERO; ITS P-Y CURVES CANNOT BE GENERATED", atOnce);
    }
}
