// Lateral pressure from point, line and strip loads on the backfill: the
// formulas in both ranges of m = X/H, the two constant sets, the sampling of
// the pressure at depth and the single values left by the surcharge table.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "soil/earth_pressure.hpp"
#include "soil/soil_stop.hpp"
#include "soil/surcharge.hpp"
#include "soil_fixtures.hpp"

using namespace orvane;
using namespace orvane::soil;
using namespace orvane::soil::test;

namespace {

// The formulas' constants act as single-precision values; the hand values
// below use the decimal ones.
constexpr double kSingle = 1e-6;

const double kPi = f32(3.1416);

struct FormulaCase {
    const char* what;
    Surcharge load;
    double H, z;
    SurchargeConstants constants;
    double expected;
};

}  // namespace

TEST(Surcharge, FormulasOfEachLoadInBothRanges)
{
    // Point: m <= 0.4: 0.28 P n^2 / (H^2 (0.16 + n^2)^3); else 1.77 P m^2 n^2 / (H^2 (m^2 + n^2)^3).
    // Line:  m <= 0.4: 0.203 Q n / (H (0.16 + n^2)^2);   else c Q m^2 n / (H (m^2 + n^2)^2).
    // Strip: c q (b - sin b cos(t1 + t2)), t1 = atan((X + B/2)/z), t2 = atan((X - B/2)/z), b = t1 - t2.
    const double t1 = std::atan(25.0 / 20), t2 = std::atan(15.0 / 20);
    const double strip = (t1 - t2) - std::sin(t1 - t2) * std::cos(t1 + t2);
    const FormulaCase cases[] = {
        {"point, m = 0.2", {1, 1000, 20, 0}, 100, 50, resultantConstants(), 0.28 * 1000 * 0.25 / (1E4 * 0.068921)},
        {"point, m = 0.6", {1, 1000, 60, 0}, 100, 50, resultantConstants(),
         1.77 * 1000 * 0.36 * 0.25 / (1E4 * 0.226981)},
        {"type 7 is a point", {7, 1000, 60, 0}, 100, 50, resultantConstants(),
         1.77 * 1000 * 0.36 * 0.25 / (1E4 * 0.226981)},
        {"line, m = 0.2", {2, 100, 20, 0}, 100, 50, depthConstants(), 0.203 * 100 * 0.5 / (100 * 0.1681)},
        {"line, m = 0.6, resultants", {2, 100, 60, 0}, 100, 50, resultantConstants(),
         1.273 * 100 * 0.36 * 0.5 / (100 * 0.3721)},
        {"line, m = 0.6, at depth", {2, 100, 60, 0}, 100, 50, depthConstants(),
         4 / kPi * 100 * 0.36 * 0.5 / (100 * 0.3721)},
        {"strip, resultants", {3, 10, 20, 10}, 100, 20, resultantConstants(), 0.6366 * 10 * strip},
        {"strip, at depth", {3, 10, 20, 10}, 100, 20, depthConstants(), 2 / kPi * 10 * strip},
    };
    for (const FormulaCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(surchargePressureAt(c.load, c.H, c.z, c.constants), c.expected, kSingle * c.expected);
    }
}

TEST(Surcharge, PressureAtDepthTakesTheDeepestOf200StepsAboveTheDepth)
{
    // Wall 200 long: steps of 1. A line load close to the wall (m = 0.1):
    // sigma(z) = 0.203 Q n / (H (0.16 + n^2)^2), n = z/H.
    const double H = 100, Q = 50;
    auto line = [&](double z) {
        const double n = z / H;
        return f32(0.203) * Q * n / (H * std::pow(f32(0.16) + n * n, 2));
    };
    const std::vector<Surcharge> rows = {{2, Q, 10, 0}};
    const struct {
        double Z, step;
    } cases[] = {{50.5, 50}, {50, 49}, {1.5, 1}, {1000, 200}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Z);
        EXPECT_NEAR(surchargeAtDepth(rows, 200, H, c.Z), line(c.step), kTight * line(c.step));
    }
    EXPECT_EQ(surchargeAtDepth(rows, 200, H, 1.0), 0.0);  // no step lies above the first
    EXPECT_EQ(surchargeAtDepth(rows, 200, H, 0.5), 0.0);
    // Rows add up.
    const std::vector<Surcharge> twice = {{2, Q, 10, 0}, {2, Q, 10, 0}};
    EXPECT_NEAR(surchargeAtDepth(twice, 200, H, 50.5), 2 * line(50), kTight * line(50));
}

TEST(Surcharge, SingleValuesHoldTheLastTableRow)
{
    // Surcharge line: q 0.5, X 3, point 100, line 20, strip 5 of width 4.
    const struct {
        const char* what;
        std::vector<Surcharge> rows;
        double distance, point, line, strip, width;
    } cases[] = {
        {"empty table: the surcharge line", {}, 3, 100, 20, 5, 4},
        {"a strip last", {{1, 900, 7, 0}, {3, 2, 12, 6}}, 12, 0, 0, 2, 6},
        {"a line load last", {{3, 2, 12, 6}, {2, 40, 9, 0}}, 9, 0, 40, 0, 6},
        {"a point load last", {{2, 40, 9, 0}, {1, 900, 7, 0}}, 7, 900, 0, 0, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SoilBlock b;
        b.line = {0.5, 3, 100, 20, 5, 4};
        b.surcharges = c.rows;
        const SurchargeLine s = singleSurchargeAfterTable(b);
        EXPECT_EQ(s.distance, c.distance);
        EXPECT_EQ(s.pointLoad, c.point);
        EXPECT_EQ(s.lineLoad, c.line);
        EXPECT_EQ(s.stripLoad, c.strip);
        EXPECT_EQ(s.stripWidth, c.width);
        EXPECT_EQ(s.uniform, 0.5);
    }
}

TEST(Surcharge, UserPressureUsesTheGivenFreeHeightAndNeedsOneAboveZero)
{
    EarthPressurePackage package;
    SoilBlock b;
    b.surcharges = {{2, 50, 10, 0}};
    const double n = 50.0 / 100;
    const double sigma = f32(0.203) * 50 * n / (100 * std::pow(f32(0.16) + n * n, 2));  // sampled at 50
    EXPECT_NEAR(package.surchargePressure(b, 200, 100, 50.5), sigma, 1e-12);
    try {
        package.surchargePressure(b, 200, 0, 50.5);
        FAIL() << "a free height of 0 cannot normalise the surcharge formulas";
    } catch (const InputRejected& e) {
        EXPECT_EQ(std::string(e.what()), "ERROR -- SURCHARGES NEED A FREE HEIGHT OF WALL GREATER THAN ZERO");
    }
    b.surcharges.clear();
    EXPECT_EQ(package.surchargePressure(b, 200, 0, 50.5), 0.0);  // nothing to normalise
}
