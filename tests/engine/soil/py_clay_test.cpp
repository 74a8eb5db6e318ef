// The clay curves and the framework they share, against numbers worked out by
// hand from the formulas.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "io/single.hpp"
#include "job_fixture.hpp"
#include "py_generation_fixture.hpp"
#include "soil/py_clay_curves.hpp"
#include "soil/py_curve_generators.hpp"
#include "soil/py_framework.hpp"
#include "soil/soil_stop.hpp"

using namespace orvane;
using namespace orvane::soil;
using orvane::test::JobFolder;
using orvane::test::lines;
using orvane::test::readFile;

namespace {

ClayInput clay(double c, double gamma, double b, double x, double e50, double R = 4)
{
    ClayInput in;
    in.b = b;
    in.c = c;
    in.ca = c;
    in.gamma = gamma;
    in.e50 = e50;
    in.x = x;
    in.z1 = x;
    in.R = R;
    return in;
}

}  // namespace

TEST(SoftClay, UltimateResistanceAndTheCurveAtY50)
{
    // c = 5 psi, gamma = 0.02 pci, b = 24 in, x' = 48 in:
    // Np = 3 + 0.02 * 48 / 5 + 0.5 * 48 / 24 = 4.192; pu = 4.192 * 5 * 24 = 503.04.
    const ClayHalf h = softClayHalf(clay(5, 0.02, 24, 48, 0.01));
    EXPECT_NEAR(h.pu, 503.04, 1e-9);
    const double y50 = 2.5 * 0.01 * 24;
    EXPECT_DOUBLE_EQ(h.y[2], y50 / 4);   // point 3: the first quarter step
    EXPECT_DOUBLE_EQ(h.y[5], y50);       // point 6
    EXPECT_NEAR(h.p[5], 251.52, 1e-4);   // 0.5 pu (y / y50)^(1/3)
    EXPECT_EQ(h.y[0], 0);
    EXPECT_EQ(h.p[0], 0);
    EXPECT_DOUBLE_EQ(h.y[13], 3 * y50);
    EXPECT_NEAR(h.p[13], 0.5 * 503.04 * std::cbrt(3.0), 1e-4);
    // 8, 15 and 20 y50: pu (at 8 y50 within the single-precision cube root)
    for (size_t m : {14u, 15u, 16u}) EXPECT_NEAR(h.p[m], 503.04, 1e-4);
    EXPECT_DOUBLE_EQ(h.y[16], 20 * y50);
}

TEST(SoftClay, DeepCurvesReachNineCb)
{
    // x' = 480: Np = 3 + 1.92 + 10 > 9, so pu = 9 c b.
    const ClayHalf h = softClayHalf(clay(5, 0.02, 24, 480, 0.01));
    EXPECT_DOUBLE_EQ(h.pu, 9 * 5 * 24);
    EXPECT_NEAR(h.p[14], 9 * 5 * 24, 1e-4);  // reached at 8 y50
    EXPECT_LT(h.p[13], 9 * 5 * 24);
}

TEST(Clay, ContinuousWallTakesWeightAndCohesionOnly)
{
    // WA / WP below 1.1: pu = gamma z1 b + 2 c b (here z1 = 48).
    const double expected = 0.02 * 48 * 24 + 2 * 5 * 24;
    EXPECT_DOUBLE_EQ(softClayHalf(clay(5, 0.02, 24, 48, 0.01, 1.0)).pu, expected);
    EXPECT_DOUBLE_EQ(stiffClayWithoutWaterHalf(clay(5, 0.02, 24, 48, 0.01, 1.0)).pu, expected);
    ClayInput wet = clay(5, 0.02, 24, 48, 0.01, 1.0);
    wet.k = 500;
    EXPECT_DOUBLE_EQ(stiffClayWithWaterHalf(wet).pu, expected);
}

TEST(StiffClayWithWater, AtTheSurfaceTheResistanceFallsToTheResidual)
{
    ClayInput in = clay(10, 0.03, 24, 0, 0.005);
    in.k = 1000;
    in.x = 12;  // formula depth; the A coefficient follows z1 = 0
    in.z1 = 0;
    const ClayHalf h = stiffClayWithWaterHalf(in);
    EXPECT_DOUBLE_EQ(h.As, f32(0.223));
    const double y50 = 0.005 * 24, ya = h.As * y50;
    EXPECT_DOUBLE_EQ(h.y[16], 200 * ya);
    EXPECT_DOUBLE_EQ(h.y[12], 6 * ya);
    // pu = min(2 ca b + gamma b x + 2.83 ca x, 11 c b) = 480 + 8.64 + 339.6.
    EXPECT_NEAR(h.pu, 2 * 10 * 24 + 0.03 * 24 * 12 + 2.83 * 10 * 12, 1e-4);
    const double residual = h.pu * (0.5 * std::sqrt(6 * h.As) - 0.411 - 0.75 * h.As);
    EXPECT_NEAR(h.p[16], residual, 1e-4 * h.pu);
    EXPECT_NEAR(h.p[15], residual, 1e-4 * h.pu);  // 18 A_s y50
    for (size_t m = 13; m < 17; ++m) EXPECT_LT(h.p[m], h.p[12]) << m;  // it falls after 6 A_s y50
    for (size_t m = 0; m < 17; ++m) EXPECT_LE(h.p[m], 1000 * 12 * h.y[m] + 1e-12) << m;  // never above k x y
}

TEST(StiffClayWithWater, ACoefficientTable)
{
    struct Case {
        double ratio, A;
    };
    const Case cases[] = {{0, 0.223}, {0.5, (0.223 + 0.46) / 2}, {2, 0.55}, {3.5, 0.595}, {5, 0.60}, {9, 0.60}};
    for (const Case& c : cases) EXPECT_NEAR(stiffClayA(c.ratio), c.A, 1e-7) << c.ratio;
}

TEST(StiffClayWithoutWater, LastThreePointsAtPu)
{
    const ClayHalf h = stiffClayWithoutWaterHalf(clay(10, 0.03, 24, 48, 0.005));
    const double y50 = 2.5 * 0.005 * 24;
    EXPECT_DOUBLE_EQ(h.y[14], 16 * y50);
    EXPECT_DOUBLE_EQ(h.y[15], 18 * y50);
    EXPECT_DOUBLE_EQ(h.y[16], 20 * y50);
    // pu = min(3 ca b + gamma b x + 0.5 ca x, 9 c b) = min(720 + 34.56 + 240, 2160).
    EXPECT_NEAR(h.pu, 994.56, 1e-9);
    for (size_t m : {14u, 15u, 16u}) EXPECT_NEAR(h.p[m], h.pu, 1e-9);
    EXPECT_NEAR(h.p[6], 0.5 * h.pu * std::pow(h.y[6] / y50, 0.25), 1e-9);
}

TEST(EquivalentDepth, LinearCapRoots)
{
    // Below the cap: (c/4 + gamma b/2) X^2 + 3 c b X = T.
    const double c = 2, b = 24, g = 0.03, xr = 6 * c * b / (0.5 * c + b * g);
    const double X = linearCapDepth(5000, xr, c, b, g);
    EXPECT_NEAR((c / 4 + g * b / 2) * X * X + 3 * c * b * X, 5000, 1e-6);
    // Beyond the cap the resistance 9 c b adds linearly.
    const double Fr = c * xr * xr / 4 + 3 * c * b * xr + b * g * xr * xr / 2;
    EXPECT_NEAR(linearCapDepth(Fr + 9 * c * b * 10, xr, c, b, g), xr + 10, 1e-9);
}

namespace {

// A generation run over a block, with its report and exchange file in a folder.
using Generated = soil::test::GeneratedCurves;

Generated generate(const SoilBlock& block, int NI, double h, double sigvp, std::vector<PyModificationRow> mods = {})
{
    return soil::test::generateCurvesOf(block, NI, h, sigvp, 1, std::move(mods));
}

SoilBlock softClayBlock(double Wa, std::vector<std::pair<double, double>> layers)
{
    SoilBlock b;
    b.present = true;
    b.wall.freeHeight = 120;
    b.wall.activeWidth = Wa;
    b.wall.resistanceWidth = 24;
    b.wall.waterBackfill = 1000;
    double top = 0;
    for (const auto& [bottom, c] : layers) {
        b.layers.push_back({SoilType::SoftClay, bottom - top, {0.02, c, 0, 0.01, 0, 0}, {0.02, c, 0, 0.01, 0, 0}});
        top = bottom;
    }
    return b;
}

}  // namespace

TEST(CurveShift, ExcavationHalfStartsAtMinusPaeAndBackfillHalfAtPlusPae)
{
    // PAE = b SIGVP - 2 c b = 24 * 30 - 2 * 5 * 24 = 480.
    const Generated g = generate(softClayBlock(96, {{312, 5}}), 20, 12, 30);
    const auto l = lines(g.exchange);
    ASSERT_GE(l.size(), 35u);
    EXPECT_EQ(l[0], " 120.10000000149012 34");  // depth below the top of the wall: H + 0.1
    EXPECT_EQ(l[1], "    1 -0.480E+03  0.000E+00");
    EXPECT_EQ(l[18], "    1  0.480E+03  0.000E+00");
}

TEST(CurveFile, EveryCurveHas34PointLinesNumberedOneTo17Twice)
{
    const Generated g = generate(softClayBlock(96, {{216, 5}, {312, 2}}), 20, 12, 0);
    const auto l = lines(g.exchange);
    ASSERT_EQ(l.size(), 10u * 35);
    for (size_t k = 0; k < 10; ++k) {
        EXPECT_EQ(l[35 * k].substr(l[35 * k].size() - 3), " 34");
        for (size_t m = 0; m < 34; ++m) EXPECT_EQ(std::stoi(l[35 * k + 1 + m].substr(0, 5)), static_cast<int>(m % 17 + 1));
    }
}

TEST(EquivalentDepth, WeakerSecondClayLayerActsDeeper)
{
    // Soft clay c = 5 from the excavation to 96 in below it, then c = 2.
    const SoilBlock block = softClayBlock(96, {{216, 5}, {400, 2}});
    const Generated g = generate(block, 30, 12, 0);
    // ACC of the first layer by hand: trapezoids of pu between its five curve depths.
    const double b = 24, c = 5, gamma = 0.02, eps = f32(0.1);
    const double d[5] = {eps, 24, 48, 72, 96 - eps};
    auto pu = [&](double x) { return std::min(3 + gamma * x / c + 0.5 * x / b, 9.0) * c * b; };
    double T = 0;
    for (int k = 1; k < 5; ++k) T += (d[k] - d[k - 1]) * (pu(d[k]) + pu(d[k - 1])) / 2;
    EXPECT_NEAR(g.totals.ACC[0], T, 1e-6 * T);
    const double c2 = 2, xr = 6 * c2 * b / (0.5 * c2 + b * gamma);
    EXPECT_NEAR(g.totals.XEQ[1], linearCapDepth(T, xr, c2, b, gamma), 1e-9);
    EXPECT_GT(g.totals.XEQ[1], 96);  // deeper than the layer's real depth below the excavation
}

TEST(Multipliers, TableAndCloselySpacedElements)
{
    SoilBlock block = softClayBlock(96, {{312, 5}});
    PyGenerationInput in;
    in.block = &block;
    in.units = 1;
    in.NI = 20;
    in.h = 12;
    in.modifications = {{120, 0.5, 1.0}, {240, 1.0, 2.0}};
    GenerationSetup setup = buildGenerationSetup(in);
    // The multipliers write nothing: the run's report and exchange file stay closed.
    const io::UnitLabels labels = io::UnitLabels::english();
    io::Records report;
    ExchangeWriter exchange;
    GenerationRun run{in, setup, labels, report, exchange};
    CurveFramework table(run);
    EXPECT_DOUBLE_EQ(table.pMultiplier(180), 0.75);
    EXPECT_DOUBLE_EQ(table.yMultiplier(180), 1.5);
    for (double z : {100.0, 300.0}) {
        EXPECT_EQ(table.pMultiplier(z), 1.0) << z;
        EXPECT_EQ(table.yMultiplier(z), 1.0) << z;
    }
    EXPECT_EQ(table.pMultiplier(240), 1.0);

    in.modifications.clear();
    struct Case {
        double Wa, z, mp;
    };
    const Case cases[] = {{48, 180, 0.5292 * std::pow(2.0, 0.5659)}, {48, 100, 1.0}, {24, 180, 1.0}, {96, 180, 1.0}};
    for (const Case& c : cases) {
        setup.Wa = c.Wa;
        CurveFramework spaced(run);
        EXPECT_NEAR(spaced.pMultiplier(c.z), c.mp, 1e-6) << c.Wa << " " << c.z;
        EXPECT_EQ(spaced.yMultiplier(c.z), 1.0);
    }
    setup.Wa = 48;
    EXPECT_NEAR(CurveFramework(run).pMultiplier(180), 0.783, 5e-4);
}

TEST(CurveReport, SoftClayHalfLayout)
{
    // The second curve of a 192 in layer lies 48 in below the excavation:
    // pu = 503.04, y50 = 0.6 (the worked example); WA / WP = 4 leaves M_p = 1.
    const Generated g = generate(softClayBlock(96, {{312, 5}}), 26, 12, 0);
    const auto l = lines(g.report);
    auto at = std::find(l.begin(), l.end(), "             48.00          24.000 0.5000D+01 0.2000D-01   0.1000D-01");
    ASSERT_NE(at, l.end());
    EXPECT_EQ(*(at - 6), "");
    EXPECT_EQ(*(at - 5), "");
    EXPECT_EQ(*(at - 4), "         AT THE EXCAVATION SIDE");
    EXPECT_EQ(*(at - 3), "");
    EXPECT_EQ(*(at - 2), "         DEPTH BELOW GS      DIAM        C      GAMMA AVG      E50");
    EXPECT_EQ(*(at - 1), "                IN              IN        PSI        PCI");
    EXPECT_EQ(*(at + 1), "");
    EXPECT_EQ(*(at + 2), "                                     Y,IN             P,LBS/IN");
    EXPECT_EQ(*(at + 3), "                                    0.000               0.000");
    EXPECT_EQ(*(at + 4), "                                    0.005              50.304");
    EXPECT_EQ(*(at + 8), "                                    0.600             251.520");
    EXPECT_EQ(*(at + 17), "                                    4.800             503.040");
    EXPECT_EQ(*(at + 19), "                                   12.000             503.040");
    EXPECT_EQ(*(at + 20), "                      P-Multiplier =  0.100E+01 Y-Multiplier =  0.100E+01");
    EXPECT_EQ(*(at + 23), "         AT THE BACKFILL SIDE");
}

TEST(CurveErrors, ZeroStrainRejectsTheLayer)
{
    SoilBlock block = softClayBlock(96, {{312, 5}});
    block.layers[0].top[3] = 0;
    block.layers[0].bottom[3] = 0;
    try {
        generate(block, 20, 12, 0);
        ADD_FAILURE() << "no error";
    } catch (const InputRejected& e) {
        EXPECT_EQ(std::string(e.what()), "ERROR -- E50 OF P-Y LAYER 1 IS NOT GREATER THAN ZERO; ITS P-Y CURVES CANNOT BE GENERATED");
    }
}

TEST(CurveReport, StiffClayHalfLayouts)
{
    // The second curve of a 192 in layer, 48 in below the excavation; c = 10
    // throughout, so the average strength is 10 as well.
    struct Case {
        int type;
        std::vector<std::string> expected;  // heading, unit line, values
    };
    const Case cases[] = {
        {2,
         {"         DEPTH BELOW GS      DIAM        C         CAVG    GAMMA AVG      E50",
          "                 IN             IN        PSI        PSI        PCI",
          "              48.00         24.000   0.10D+02   0.10D+02   0.20D-01  0.5000D-02"}},
        {3,
         {"          DEPTH BELOW GS     DIAM        C       CAVG    GAMMA AVG     E50",
          "                  IN             IN       PSI       PSI       PCI",
          "               48.00         24.000  0.10D+02  0.10D+02  0.20D-01  0.5000D-02"}},
    };
    for (const Case& c : cases) {
        SoilBlock block = softClayBlock(96, {{312, 10}});
        block.layers[0].type = soilType(c.type);
        block.layers[0].top = {0.02, 10, 0, 0.005, 400, 0};
        block.layers[0].bottom = block.layers[0].top;
        const auto l = lines(generate(block, 26, 12, 0).report);
        const auto values = std::find(l.begin(), l.end(), c.expected[2]);
        ASSERT_NE(values, l.end()) << c.type;
        EXPECT_EQ(*(values - 1), c.expected[1]);
        EXPECT_EQ(*(values - 2), c.expected[0]);
        EXPECT_EQ(*(values - 3), "");
        EXPECT_EQ(*(values - 4), "");
        EXPECT_EQ(*(values - 5), "         AT THE EXCAVATION SIDE");
        if (c.type == 2) {
            EXPECT_EQ(*(values + 1), "                                    0.000               0.000");  // points follow at once
        } else {
            EXPECT_EQ(*(values + 1), "                                      Y                   P");
            EXPECT_EQ(*(values + 3), "                                  0.00000             0.00000");
        }
    }
}
