// The sand and silt curves against numbers worked out by hand from the
// formulas: the wedge and flow resistances, the A and B tables, the parabola,
// the initial line, the three silt shapes, the continuous-wall coefficients,
// the equivalent depth of a lower layer, and what the generators write.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "io/single.hpp"
#include "py_generation_fixture.hpp"
#include "soil/py_sand_silt_curves.hpp"
#include "soil/soil_stop.hpp"

using namespace orvane;
using namespace orvane::soil;
using namespace orvane::soil::test;
using orvane::test::JobFolder;
using orvane::test::lines;

namespace {

// Friction angles as the generation run holds them: degrees times 3.1416 / 180.
double radians(double degrees) { return degrees * f32(3.1416) / 180; }

// Five-digit trigonometry of the hand sums, and pi taken as 3.1416.
constexpr double kHand = 1e-4;

FrictionInput frictional(double phiDegrees, double gamma, double b, double x, double k, double c = 0, double R = 4)
{
    FrictionInput in;
    in.b = b;
    in.phi = radians(phiDegrees);
    in.gamma = gamma;
    in.c = c;
    in.x = x;
    in.z1 = x;
    in.tableRatio = x / b;
    in.R = R;
    in.k = k;
    return in;
}

// phi = 35 degrees: alpha = 17.5, beta = 62.5, beta - phi = 27.5 degrees.
// tan(phi) = 0.700208, tan(alpha) = 0.315299, tan(beta) = 1.920982,
// sin(beta) = 0.887011, cos(alpha) = 0.953717, tan(beta - phi) = 0.520567,
// K0 = 0.4, Ka = tan^2(27.5) = 0.270990.
double wedge35(double gamma, double b, double x)
{
    return gamma * x *
           (0.4 * x * 0.700208 * 0.887011 / (0.520567 * 0.953717) + 1.920982 / 0.520567 * (b + x * 1.920982 * 0.315299) +
            0.4 * x * 1.920982 * (0.700208 * 0.887011 - 0.315299) - 0.270990 * b);
}
// Ka b gamma x (tan^8 beta - 1) + K0 b gamma x tan(phi) tan^4 beta
double flow35(double gamma, double b, double x)
{
    return b * gamma * x * (0.270990 * (std::pow(1.920982, 8) - 1) + 0.4 * 0.700208 * std::pow(1.920982, 4));
}

}  // namespace

TEST(SandResistance, WedgeFormulaByHandWhereTheFlowDoesNotGovern)
{
    // gamma = 0.04 pci, b = 24 in, x = 60 in:
    // p_st = 0.04 * 60 * (30.0242 + 222.6688 + 14.0982 - 6.5038) = 624.690 lb/in
    // p_sd = 2.4 * 24 * 53.7934 = 3098.50 lb/in, so the wedge governs.
    const FrictionHalf h = sandHalf(frictional(35, 0.04, 24, 60, 90));
    EXPECT_NEAR(wedge35(0.04, 24, 60), 624.690, 1e-3);
    EXPECT_NEAR(h.pst, 624.690, kHand * 624.690);
    EXPECT_NEAR(h.psd, 3098.50, kHand * 3098.50);
    EXPECT_EQ(h.ps, h.pst);
    // x / b = 2.5: A = 1.23, B = 0.86; p_u = 1.23 * 624.690 = 768.369, p_m = 0.86 * 624.690 = 537.233.
    EXPECT_NEAR(h.A, 1.23, 1e-7);
    EXPECT_NEAR(h.B, 0.86, 1e-7);
    EXPECT_NEAR(h.pu, 768.369, kHand * 768.369);
    EXPECT_NEAR(h.pm, 537.233, kHand * 537.233);
}

TEST(SandResistance, WedgeGovernsNearTheSurfaceAndFlowAtDepth)
{
    // The two are equal where x (2.970450 x + 3.419182 b) = 53.793418 b x,
    // i.e. at x = b (53.793418 - 3.419182) / 2.970450 = 407.00 in for b = 24.
    struct Case {
        double x;
        bool wedge;
    };
    const Case cases[] = {{6, true}, {60, true}, {0.97 * 407.0, true}, {1.03 * 407.0, false}, {600, false}};
    for (const Case& c : cases) {
        const FrictionHalf h = sandHalf(frictional(35, 0.04, 24, c.x, 90));
        const double expected = c.wedge ? wedge35(0.04, 24, c.x) : flow35(0.04, 24, c.x);
        EXPECT_NEAR(h.ps, expected, kHand * expected) << c.x;
        EXPECT_EQ(h.ps, c.wedge ? h.pst : h.psd) << c.x;
    }
}

TEST(SandTables, AAndBAgainstDepthOverWidth)
{
    struct Case {
        double ratio, A, B;
    };
    const Case cases[] = {{0, 2.83, 2.14},     {0.25, 2.655, 1.985}, {2.5, 1.23, 0.86}, {3.125, 1.04, 0.6875},
                          {3.5, 0.98, 0.62},   {5, 0.88, 0.50},      {6, 0.88, 0.50},   {15, 0.88, 0.50}};
    for (const Case& c : cases) {
        EXPECT_NEAR(sandA(c.ratio), c.A, 1e-6) << c.ratio;
        EXPECT_NEAR(sandB(c.ratio), c.B, 1e-6) << c.ratio;
    }
}

TEST(SandCurve, PointsOnTheInitialLineTheParabolaTheStraightLineAndThePlateau)
{
    // The worked case above with k = 90 pci: k_s = 90 * 60 = 5400 lb/in^2.
    // y_m = b/60 = 0.4, y_u = 3b/80 = 0.9; m = (p_u - p_m)/(y_u - y_m) = 462.27;
    // n = p_m/(m y_m) = 1.25 B/(A - B) = 1.075/0.37 = 2.905405;
    // C = p_m / y_m^(1/n); y_k = (C/k_s)^(n/(n-1)) = 0.04793.
    const FrictionHalf h = sandHalf(frictional(35, 0.04, 24, 60, 90));
    EXPECT_NEAR(h.n, 2.905405, 1e-6);
    EXPECT_NEAR(h.m, (768.369 - 537.233) / 0.5, kHand * 462.27);
    EXPECT_NEAR(h.yk, 0.04793, 1e-4);
    const double s = 0.4 / 12;
    EXPECT_EQ(h.y[0], 0);
    EXPECT_EQ(h.p[0], 0);
    EXPECT_NEAR(h.y[1], s, 1e-15);
    EXPECT_NEAR(h.p[1], 5400 * s, 1e-9);  // below y_k: the initial line, 180
    EXPECT_NEAR(h.p[2], h.C * std::pow(2 * s, 1 / 2.905405), 1e-3);  // the parabola
    EXPECT_NEAR(h.y[12], 0.4, 1e-15);
    EXPECT_NEAR(h.p[12], 537.233, kHand * 537.233);  // p_m at y_m
    EXPECT_EQ(h.y[13], 0.9);
    EXPECT_NEAR(h.p[13], 768.369, kHand * 768.369);  // p_u at y_u
    for (size_t m = 14; m < 17; ++m) {
        EXPECT_NEAR(h.y[m], 0.9 + 24.0 * static_cast<double>(m - 13), 1e-12);  // y_u + b, + 2b, + 3b
        EXPECT_EQ(h.p[m], h.pu);
    }
}

TEST(SandCurve, VeryStiffModulusLeavesOnlyTheParabolaAboveTheOrigin)
{
    // k = 1.0E6: k_s = 6.0E7, y_k = (C/k_s)^(n/(n-1)) = 3.2E-8 in, far below the
    // first step b/720, so every point after the origin lies on the parabola,
    // the straight line or the plateau, below the initial line.
    const FrictionHalf stiff = sandHalf(frictional(35, 0.04, 24, 60, 1.0E6));
    EXPECT_LT(stiff.yk, 1e-7);
    EXPECT_GT(stiff.yk, 1e-8);
    for (size_t m = 1; m <= 12; ++m)
        EXPECT_NEAR(stiff.p[m], stiff.C * std::pow(stiff.y[m], 1 / stiff.n), 1e-9 * stiff.pm) << m;
    EXPECT_NEAR(stiff.p[1], 228.416, 1e-3 * 228.416);  // C (b/720)^(1/n), not k_s y
    for (size_t m = 1; m < 17; ++m) EXPECT_LT(stiff.p[m], stiff.ks * stiff.y[m]) << m;
}

TEST(SandCurve, SoftModulusPutsYkBeyondYm)
{
    // k = 2: k_s = 120, y_k = (C/k_s)^(n/(n-1)) = 15.90 in, beyond y_m and y_u:
    // every point up to y_k lies on the initial line (120 y), the ones beyond
    // it on the plateau, none above 120 y.
    const FrictionHalf soft = sandHalf(frictional(35, 0.04, 24, 60, 2));
    EXPECT_NEAR(soft.yk, 15.90, 0.01);
    for (size_t m = 0; m <= 13; ++m) EXPECT_NEAR(soft.p[m], 120 * soft.y[m], 1e-9) << m;
    for (size_t m = 14; m < 17; ++m) EXPECT_EQ(soft.p[m], soft.pu) << m;
    for (size_t m = 0; m < 17; ++m) EXPECT_LE(soft.p[m], 120 * soft.y[m] + 1e-9) << m;
}

TEST(SandCurve, TheInitialLineStopsAtTheUltimateResistance)
{
    // k = 0.5: k_s = 30, y_k = 131.7 in lies beyond the last point, 72.9 in.
    // The initial line would carry the last two points to 30 * 48.9 = 1467 and
    // 30 * 72.9 = 2187 lb/in, above p_u = 768.369: the resistance stops at p_u.
    const FrictionHalf h = sandHalf(frictional(35, 0.04, 24, 60, 0.5));
    EXPECT_GT(h.yk, h.y[16]);
    EXPECT_NEAR(h.p[13], 30 * 0.9, 1e-9);
    EXPECT_NEAR(h.p[14], 30 * 24.9, 1e-9);
    for (size_t m = 15; m < 17; ++m) EXPECT_NEAR(h.p[m], 768.369, kHand * 768.369) << m;
}

TEST(SandCurve, BackfillHalfReadsTheTablesBeyondFive)
{
    // Backfill side at depth H + d = 180.1 below the top of a 12 in wall:
    // (H + d)/b = 15, so A = 0.88, B = 0.50.
    FrictionInput in = frictional(35, 0.04, 12, 180.1, 90);
    const FrictionHalf h = sandHalf(in);
    EXPECT_NEAR(h.A, 0.88, 1e-7);
    EXPECT_NEAR(h.B, 0.50, 1e-7);
    EXPECT_DOUBLE_EQ(h.pu, h.A * h.ps);
    EXPECT_DOUBLE_EQ(h.pm, h.B * h.ps);
    // n = 1.25 B / (A - B) = 0.625 / 0.38
    EXPECT_NEAR(h.n, 0.625 / 0.38, 1e-6);
}

TEST(ContinuousWall, PassiveCoefficientsOfSandAndSilt)
{
    // K_pc = cos^2 phi / (cos delta (1 - sqrt(sin(phi + delta) sin phi / cos delta))^2)
    // phi = 30, delta = 15 (sand): 0.75 / (0.965926 (1 - sqrt(0.707107 * 0.5 / 0.965926))^2) = 4.97650
    // phi = 30, delta = 10 (silt): 0.75 / (0.984808 (1 - sqrt(0.642788 * 0.5 / 0.984808))^2) = 4.14330
    EXPECT_NEAR(continuousWallPassive(radians(30), radians(15)), 4.97650, 1e-5 * 4.9765);
    EXPECT_NEAR(continuousWallPassive(radians(30), f32(0.17453)), 4.14330, 1e-5 * 4.1433);

    // WA/WP below 1.1: p_s = b K_pc gamma z1, here over z1 = 60 with x = 48.
    FrictionInput in = frictional(30, 0.04, 24, 48, 90, 2, 1.0);
    in.z1 = 60;
    const FrictionHalf sand = sandHalf(in);
    EXPECT_NEAR(sand.ps, 24 * 4.97650 * 0.04 * 60, 1e-5 * sand.ps);
    EXPECT_DOUBLE_EQ(sand.pu, sand.A * sand.ps);
    const FrictionHalf silt = siltHalf(in);
    EXPECT_NEAR(silt.ps, 24 * 4.14330 * 0.04 * 60, 1e-5 * silt.ps);
    // and the cohesive part gamma z1 b + 2 c b = 57.6 + 96
    EXPECT_DOUBLE_EQ(silt.pc, 0.04 * 60 * 24 + 2 * 2 * 24);
    // WA/WP of 1.2 is no longer a continuous wall.
    in.R = 1.2;
    EXPECT_EQ(sandHalf(in).ps, std::min(sandHalf(in).pst, sandHalf(in).psd));
}

TEST(SiltCurve, WithoutCohesionItIsTheSandConstructionWithPmOfOneAndAHalfPs)
{
    // phi = 30, c = 0, x = b = 24: A = 2.11 at x/b = 1; p_c = 0;
    // p_m = 1.5 p_s, p_u = 2.11 p_s; n = p_m/(|m| y_m) = 1.5 * 1.25/(2.11 - 1.5) = 3.073770.
    const FrictionHalf h = siltHalf(frictional(30, 0.04, 24, 24, 90, 0));
    EXPECT_EQ(h.pc, 0);
    EXPECT_EQ(h.ps, std::min(h.pst, h.psd));
    EXPECT_DOUBLE_EQ(h.pm, 1.5 * h.ps);
    EXPECT_NEAR(h.pu, 2.11 * h.ps, 1e-7 * h.pu);
    EXPECT_NEAR(h.n, 3.073770, 1e-5);
    EXPECT_EQ(static_cast<int>(h.shape), 1);
    // k_s = 90 * 24 = 2160; y_k = (C/k_s)^(n/(n-1)) = 0.0323 lies below the
    // first step b/720 = 0.0333, so the points up to y_m follow the parabola.
    EXPECT_NEAR(h.yk, 0.0323, 1e-4);
    for (size_t m : {1u, 6u}) EXPECT_NEAR(h.p[m], h.C * std::pow(h.y[m], 1 / 3.073770), 1e-5 * h.p[m]) << m;
    EXPECT_NEAR(h.p[12], 1.5 * h.ps, 1e-9 * h.pm);
    EXPECT_NEAR(h.p[13], h.pu, 1e-9 * h.pu);
    // the points beyond y_u = 0.9 step by b/2: y_u + 12, + 24, + 36
    for (size_t m = 14; m < 17; ++m) {
        EXPECT_NEAR(h.y[m], 0.9 + 12.0 * static_cast<double>(m - 13), 1e-12);
        EXPECT_EQ(h.p[m], h.pu);
    }
}

TEST(SiltCurve, ShapesByTheInitialModulus)
{
    // phi = 30, c = 2 psi, gamma = 0.04, b = 24, x = 48: A = 1.48;
    // p_c = c min(3 + gamma x/c + 0.5 x/b, 9) b = 2 * 4.96 * 24 = 238.08;
    // p_m = 1.5 p_s + p_c lies above p_u = 1.48 p_s, so the straight line falls to p_u.
    struct Case {
        double k;
        int shape;
    };
    const Case cases[] = {{90, 1}, {20, 2}, {5, 3}, {1, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.k);
        const FrictionHalf h = siltHalf(frictional(30, 0.04, 24, 48, c.k, 2));
        EXPECT_NEAR(h.pc, 238.08, 1e-9);
        EXPECT_EQ(static_cast<int>(h.shape), c.shape);
        const double ks = c.k * 48;
        if (c.shape == 2) {
            // k = 20: k_s = 960 meets the straight line at y_i = (p_m - m y_m)/(k_s - m) = 0.609,
            // between y_m = 0.4 and y_u = 0.9; the line then falls to p_u at y_u.
            EXPECT_NEAR(h.yi, (h.pm - h.m * 0.4) / (960 - h.m), 1e-12);
            EXPECT_GT(h.yi, 0.4);
            EXPECT_LT(h.yi, 0.9);
            for (size_t m = 0; m <= 12; ++m) EXPECT_NEAR(h.p[m], ks * h.y[m], 1e-9) << m;
            EXPECT_NEAR(h.p[13], h.pu, 1e-9 * h.pu);
        }
        if (c.shape == 3) {
            // a soft k_s reaches p_u only at y_j = p_u/k_s, beyond y_u: a straight line, then p_u
            EXPECT_NEAR(h.yj, h.pu / ks, 1e-12);
            EXPECT_GE(h.yj, 0.9);
            for (size_t m = 0; m < 17; ++m)
                EXPECT_NEAR(h.p[m], h.y[m] <= h.yj ? ks * h.y[m] : h.pu, 1e-9 * h.pu) << m;
        }
        for (size_t m = 0; m < 17; ++m) EXPECT_LE(h.p[m], ks * h.y[m] + 1e-9) << m;
    }
}

namespace {

// The integral of A(x/b) p_st(x) from 0 to X (phi = 35, gamma = 0.04, b = 24),
// by Simpson's rule on the hand formula.
double wedgeIntegral35(double X)
{
    const int n = 2000;
    const double h = X / n;
    auto f = [](double x) { return sandA(x / 24) * wedge35(0.04, 24, x); };
    double s = f(0) + f(X);
    for (int i = 1; i < n; ++i) s += (i % 2 ? 4 : 2) * f(i * h);
    return s * h / 3;
}

}  // namespace

TEST(EquivalentDepth, SandLayerBelowOthersStartsWhereItsOwnResistanceMatches)
{
    const double phi = radians(35), xr = 24 * (53.793418 - 3.419182) / 2.970450;  // 407.0, as above
    EXPECT_EQ(sandEquivalentDepth(0, phi, 0.04, 24, 10), 0);
    // The depth found by 100 steps of x_r / 100 lies within one step of the
    // depth at which the integral of the ultimate resistance reaches T.
    for (double X : {50.0, 150.0, 300.0})
        EXPECT_NEAR(sandEquivalentDepth(wedgeIntegral35(X), phi, 0.04, 24, 10), X, xr / 100) << X;
    // Beyond x_r the resistance adds 0.88 C2 gamma b^2 d / b per unit depth
    // (d = 10, C2 = 53.793418): 10 in more for T larger by ten times that.
    const double rate = 0.88 * 53.793418 * 0.04 * 24 * 10;
    const double T = 2 * wedgeIntegral35(xr);
    EXPECT_GT(sandEquivalentDepth(T, phi, 0.04, 24, 10), xr);
    EXPECT_NEAR(sandEquivalentDepth(T + 10 * rate, phi, 0.04, 24, 10) - sandEquivalentDepth(T, phi, 0.04, 24, 10), 10,
                kHand * 10);
}

TEST(EquivalentDepth, SiltAddsItsCohesiveResistance)
{
    const double phi = radians(35), c = 1.5, xr = 24 * (53.793418 - 3.419182) / 2.970450;
    EXPECT_EQ(siltEquivalentDepth(0, phi, c, 0.04, 24, 10), 0);
    // Integral of A p_st + 0.5 c x + 3 c b + gamma b x from 0 to X = 100; 50 steps of x_r / 50.
    const double X = 100;
    const double T = wedgeIntegral35(X) + 0.25 * c * X * X + 3 * c * 24 * X + 0.04 * 24 * X * X / 2;
    EXPECT_NEAR(siltEquivalentDepth(T, phi, c, 0.04, 24, 10), X, xr / 50);
    // Beyond x_r: 9 c b + 0.88 C2 gamma b^2 d / b per unit depth.
    const double rate = 9 * c * 24 + 0.88 * 53.793418 * 0.04 * 24 * 10;
    const double Tdeep = 3 * wedgeIntegral35(xr);
    EXPECT_NEAR(siltEquivalentDepth(Tdeep + 10 * rate, phi, c, 0.04, 24, 10) -
                    siltEquivalentDepth(Tdeep, phi, c, 0.04, 24, 10),
                10, kHand * 10);
}

namespace {

// Sand (or silt) from the excavation at 180 in to 480 in below the top of the
// wall: b = 24 in, WA = 96 (no group reduction), gamma = 0.069444444 pci.
SoilBlock frictionalWall(int type, double cohesion, double phiDegrees)
{
    return wallBlock(180, 96, 24, {uniformLayer(type, 480, {0.069444444, cohesion, phiDegrees, 0.01, 90, 0})});
}

}  // namespace

TEST(SandGenerator, ReportAndExchangeOfTheSecondCurve)
{
    // The second curve lies 75 in below the excavation. PAE = b SIGVP Ka =
    // 24 * 12.5 * 0.270990 = 81.297. Excavation side: A and B at 75/24 = 3.125,
    // 1.06 - 0.16/8 = 1.04 and 0.71 - 0.18/8 = 0.6875; the first step, 1/30 in,
    // lies on the initial line: 90 * 75 / 30 - 81.297 = 143.703.
    const GeneratedCurves g = generateCurvesOf(frictionalWall(4, 0, 35), 40, 12, 12.5);
    const auto l = lines(g.report);
    auto at = lineOf(l, "               75.00      24.00  35.00 0.69E-01   1.04 0.69 0.16E+04 0.67E+04");
    ASSERT_NE(at, l.end());
    expectLinesAround(
        l, at,
        {{-5, "         AT THE EXCAVATION SIDE"},
         {-4, ""},
         {-3, ""},
         {-2, "           DEPTH BELOW GS  DIAM   PHI  GAMMA AVG    A    B     PCT       PCD"},
         {-1, "                  IN         IN    DEG      PCI               LBS/IN   LBS/IN"},
         {1, ""},
         {2, "                                      Y                   P"},
         {3, "                                     IN              LBS/IN"},
         {4, "                                    0.000             -81.297"},
         {5, "                                    0.033             143.703"},
         {20, "                                   72.900            1569.954"},  // y_u + 3b, at p_u
         {21, "                      P-Multiplier =  0.100E+01 Y-Multiplier =  0.100E+01"},
         {24, "         AT THE BACKFILL SIDE"},
         // 255 in below the top: A and B at 255/24 = 10.6, 0.88 and 0.50
         {29, "              255.00      24.00  35.00 0.69E-01   0.88 0.50 0.15E+05 0.23E+05"},
         {33, "                                    0.000              81.297"}});

    const auto x = lines(g.exchange);
    expectLinesAround(x, x.begin(),
                      {{35, " 255 34"},  // depth below the top of the wall, 34 points
                       {36, "    1 -0.813E+02  0.000E+00"},
                       {37, "    2  0.144E+03  0.333E-01"},
                       {53, "    1  0.813E+02  0.000E+00"}});
}

TEST(SiltGenerator, ReportAndExchangeOfTheSecondCurve)
{
    // c = 2 psi, phi = 30: PAE = b (SIGVP Ka - 2 c sqrt(Ka)) = 24 (12.5/3 - 4/sqrt(3)) = 44.574.
    // p_c = c min(3 + gamma x/c + 0.5 x/b, 9) b = 2 * (3 + 2.6042 + 1.5625) * 24 = 344.0.
    const GeneratedCurves g = generateCurvesOf(frictionalWall(5, 2, 30), 40, 12, 12.5);
    const auto l = lines(g.report);
    auto at = lineOf(l, "     75.00     24.00      30.0 0.694E-01      1.04      0.69 0.344E+03 0.108E+04");
    ASSERT_NE(at, l.end());
    expectLinesAround(l, at,
                      {{-5, "         AT THE EXCAVATION SIDE"},
                       {-2, "     DEPTH      DIAM      PHI  GAMMA AVG        A         B     Puc       Pu\u03c6"},
                       {-1, "        IN        IN       DEG       PCI                        LBS/IN    LBS/IN"},
                       {1, ""},
                       {2, "                                     Y                   P"},
                       {3, "                                    IN              LBS/IN"},
                       {4, "                                0.000E+00          -0.446E+02"},
                       {20, "                                0.369E+02           0.108E+04"},  // y_u + 3b/2, at p_u
                       {21, "                      P-Multiplier =  0.100E+01 Y-Multiplier =  0.100E+01"}});

    const auto x = lines(g.exchange);
    expectLinesAround(x, x.begin(),
                      {{36, "    1  -0.446E+02   0.000E+00"},  // two blanks before each field
                       {53, "    1   0.446E+02   0.000E+00"}});
}

TEST(SandGenerator, AccumulatedResistanceAndTheEquivalentDepthBelow)
{
    // Sand (phi 35) 300 in thick from the top of the wall, 120 in of it below
    // the excavation, then sand of phi 30 down to the cut two increments below
    // the tip. ACC(1): trapezoids of p_u between the five curves, and p_u of the last
    // curve down to the layer bottom.
    const double gamma = 0.069444444, b = 24, eps = f32(0.1);
    SoilBlock block = wallBlock(180, 96, 24,
                                {uniformLayer(4, 300, {gamma, 0, 35, 0, 90, 0}), uniformLayer(4, 480, {gamma, 0, 30, 0, 90, 0})});
    const GeneratedCurves g = generateCurvesOf(block, 40, 12, 0);
    ASSERT_EQ(g.totals.XEQ.size(), 2u);
    const FrictionCoefficients k = frictionCoefficients(radians(35), sandPi());
    auto pu = [&](double d) {
        const WedgeFlow w = wedgeAndFlow(k, gamma, b, d);
        return sandA(d / b) * std::min(w.pst, w.psd);
    };
    const double d[5] = {eps, 30, 60, 90, 120 - eps};
    double T = 0;
    for (int i = 1; i < 5; ++i) T += (d[i] - d[i - 1]) * (pu(d[i]) + pu(d[i - 1])) / 2;
    T += eps * pu(d[4]);
    EXPECT_NEAR(g.totals.ACC[0], T, 1e-12 * T);
    EXPECT_EQ(g.totals.XEQ[0], 0);
    EXPECT_NEAR(g.totals.XEQ[1], sandEquivalentDepth(T, radians(30), gamma, b, 120 + eps), 1e-12);
    EXPECT_GT(g.totals.XEQ[1], 100);  // a looser sand below acts as if it started nearly as deep
}

TEST(CurveErrors, SandAndSiltWithoutFrictionEndTheJobInOrder)
{
    {
        JobFolder job;
        const auto outcome = runCurveJob(job, "4 600\n0.07 0 0 0 90 0\n0.07 0 0 0 90 0\n");
        expectRejected(job, outcome,
                       "     ERROR -- THE FRICTION ANGLE OF SAND IN P-Y LAYER 1 IS NOT GREATER THAN ZERO; ITS P-Y CURVES "
                       "CANNOT BE GENERATED",
                       {"        P-Y CURVES DATA", "", "", ""});
    }
    {
        // Silt keeps the warning it has always given, now in the report.
        JobFolder job;
        const auto outcome = runCurveJob(job, "5 600\n0.07 2 0 0.01 90 0\n0.07 2 0 0.01 90 0\n");
        expectRejected(job, outcome,
                       "     ERROR -- THE FRICTION ANGLE OF SILT IN P-Y LAYER 1 IS NOT GREATER THAN ZERO; ITS P-Y CURVES "
                       "CANNOT BE GENERATED",
                       {"", "", "       WARNING-------The Angle of the slope can not",
                        "                     be greater than the internal  ",
                        "                     friction angle of the sand.   ", "", ""});
    }
}
