// The earth-pressure package inside whole jobs: the pressure the wall is
// loaded with, the warnings, the ends of a job, and the surcharges of user-
// specified pressure, across the sets of one job.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "job_fixture.hpp"
#include "set_analysis.hpp"
#include "soil_fixtures.hpp"

using namespace orvane;
using namespace orvane::test;
using orvane::engine::JobEnd;
using orvane::soil::test::rankineActive;

namespace {

const std::string kEnd = "     END OF ANALYSIS" + std::string(29, ' ');

// Half a unit in the last digit of an E10.3 field holding v.
double e103Rounding(double v)
{
    if (v == 0) return 0;
    return 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(v))) + 1 - 3) * (1 + 1e-9);
}

// One analysis set in English units: a wall of 20 increments of 12 in fixed
// at its tip, dry sand 0-240 in, excavation at 120 in.
struct WallSet {
    int units = 1;
    int code = 2;
    int pyCode = 0;
    double HFREE = 120;
    std::string wall = "120 12 12 1000 1000 1 1 0";
    std::string surchargeLine = "0 0 0 0 0 0";
    std::vector<std::string> surcharges;
    std::vector<std::string> layers = {"4 240", "0.07 0 30 0 0 0", "0.07 0 30 0 0 0"};
    std::vector<std::string> tiebacks;
    std::vector<std::string> userPressure;

    std::string text(int marker) const
    {
        std::string t = "Earth pressure\n" + std::to_string(units) + " 1 1 0 " + std::to_string(code) + " " +
                        std::to_string(pyCode) + " 0 1 0 " + std::to_string(tiebacks.size()) + "\n";
        t += "20 12 10 1E-05 " + fortran::freeReal(HFREE) + " 12\n3 20 0 0\n0 20 1 1E10\n0\n0\n";
        for (const std::string& line : tiebacks) t += line + "\n";
        if (code == 1) {
            t += std::to_string(userPressure.size()) + "\n";
            for (const std::string& line : userPressure) t += line + "\n";
        }
        if (code >= 2 || pyCode == 2) {
            t += wall + "\n" + surchargeLine + "\n" + std::to_string(surcharges.size()) + "\n";
            for (const std::string& line : surcharges) t += line + "\n";
            t += std::to_string(layers.size() / 3) + "\n";
            for (const std::string& line : layers) t += line + "\n";
        }
        return t + std::to_string(marker) + "\n";
    }
};

using PressureRow = std::array<double, 4>;  // depth, total, soil part, surcharge part

// The earth-pressure blocks of a plot-data file, one per set.
std::vector<std::vector<PressureRow>> pressureBlocks(const std::string& plotText, int sets)
{
    const std::vector<double> v = numbers(plotText);
    size_t i = 0;
    auto next = [&]() { return i < v.size() ? v[i++] : throw std::runtime_error("plot-data file ends early"); };
    std::vector<std::vector<PressureRow>> blocks;
    for (int s = 0; s < sets; ++s) {
        std::vector<PressureRow> rows(static_cast<size_t>(next()));
        for (PressureRow& r : rows)
            for (double& x : r) x = next();
        blocks.push_back(rows);
        next();  // units
        for (int c = static_cast<int>(next()); c > 0; --c) {
            next();
            for (int k = 2 * static_cast<int>(next()); k > 0; --k) next();
        }
        next();
        const int rowsOfResults = static_cast<int>(next());
        next();
        for (int k = 5 * rowsOfResults; k > 0; --k) next();
    }
    return blocks;
}

std::vector<std::string> tail(const std::string& report, size_t n)
{
    const std::vector<std::string> all = lines(report);
    return {all.end() - static_cast<long>(std::min(n, all.size())), all.end()};
}

}  // namespace

TEST(EarthPressureJob, RankinePressureOfADrySandReachesTheWall)
{
    // The cantilever example: dry sand, level, no surcharge, MF = 1, gamma =
    // 0.069444444, phi = 30, H = 180, Wa = 12, points one inch apart.
    std::string text = readFile(std::string(ORVANE_SOURCE_DIR) + "/examples/sand-cantilever-generated-pressure.ov5d");
    text = text.substr(text.find('\n') + 1);
    const SetAnalysis a = analyse(text);
    const double gamma = 0.069444444, Ka = rankineActive(30), H = 180, Wa = 12, h = 12;
    ASSERT_EQ(a.set.pressure.size(), 1u + 480u);
    for (size_t k = 0; k < a.set.pressure.size(); ++k) {
        const double z = static_cast<double>(k);
        const double p = gamma * std::min(z, H) * Ka;  // gamma z Ka down to H, then constant
        EXPECT_EQ(a.set.pressure[k].depth, z);
        EXPECT_NEAR(a.set.pressure[k].total / Wa, p, e103Rounding(p)) << "depth " << z;
    }
    // Station loads down to the excavation: h Wa gamma Ka (s h).
    for (int s = 1; s <= 15; ++s) {
        const double q = h * Wa * gamma * Ka * s * h;
        EXPECT_NEAR(a.tables.Q(s), q, h * Wa * e103Rounding(q / (h * Wa))) << "station " << s;
    }
    EXPECT_EQ(a.tables.Q(16), 0.0);
}

TEST(EarthPressureJob, SlopeWarningForAClayLayerAboveTheExcavation)
{
    // Clay 0-150 cut at H = 120, sand 150-240; beta = 5. Only the clay piece
    // above the excavation is warned about; sand (phi 30) takes the sloped Ka:
    // cos5 (cos5 - sqrt(cos5^2 - cos30^2)) / (cos5 + ...) = 0.337; Kp = tan^2 60 = 3.
    WallSet set;
    set.wall = "120 12 12 1000 1000 1 1 5";
    set.layers = {"1 150", "0.07 1 0 0 0 0", "0.07 1 0 0 0 0", "4 240", "0.07 0 30 0 0 0", "0.07 0 30 0 0 0"};
    JobFolder job;
    ASSERT_EQ(job.run(set.text(0)).end, JobEnd::Completed);
    const std::vector<std::string> report = lines(job.report());
    const auto at = std::find(report.begin(), report.end(), "   NO.          COEFFICIENT      COEFFICIENT     ");
    ASSERT_NE(at, report.end());
    const std::vector<std::string> expected = {
        "",
        "",
        "**** WARNING ******",
        "THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL FRICTION ANGLE OF SAND.",
        "           1          0.100E+01         0.100E+01",
        "           2          0.100E+01         0.100E+01",
        "           3          0.337E+00         0.300E+01",
    };
    EXPECT_EQ(std::vector<std::string>(at + 1, at + 1 + static_cast<long>(expected.size())), expected);
    const std::string notes = job.notes();
    const std::string warning =
        "\r\n\r\n**** WARNING ******\r\n"
        "THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL FRICTION ANGLE OF SAND.\r\n";
    EXPECT_EQ(notes.find(warning), 0u) << notes.substr(0, 200);
    EXPECT_EQ(notes.find(warning, 1), std::string::npos);  // once
}

TEST(EarthPressureJob, SoilInformationHeadingsFollowTheUnits)
{
    const struct {
        int units;
        std::vector<std::string> expected;  // after the framed title and its empty line
    } cases[] = {
        {2,
         {"                                    TOTAL UNIT",
          "      LAYER THICKNESS COHESION  PHI   WEIGHT   DRAINED  ZTOP",
          "       NO.     M        kPa     DEG    kN/M^3  T OR F     M ",
          "         1    120.0        0.0  30.0   18.000     T      0.00"}},
        {3,
         {"         1    120.0        0.0  30.0   18.000     T      0.00",
          "         2    120.0        0.0  30.0   18.000     T    120.00", "", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.units);
        WallSet set;
        set.units = c.units;
        set.layers = {"4 240", "18 0 30 0 0 0", "18 0 30 0 0 0"};
        JobFolder job;
        job.run(set.text(0));
        const std::vector<std::string> report = lines(job.report());
        const auto at = std::find(report.begin(), report.end(), "      *                SOIL INFORMATION                *");
        ASSERT_NE(at, report.end());
        EXPECT_EQ(std::vector<std::string>(at + 3, at + 3 + static_cast<long>(c.expected.size())), c.expected);
    }
}

TEST(EarthPressureJob, ExcavationBelowTheSoilProfileStopsTheJobAfterTheInformation)
{
    WallSet set;
    set.HFREE = 300;
    set.wall = "300 12 12 1000 1000 1 1 0";
    JobFolder job;
    const auto outcome = job.run(set.text(0));
    EXPECT_EQ(outcome.end, JobEnd::SoilStop);
    // The information sections, then the reason for the stop.
    const std::vector<std::string> end = tail(job.report(), 7);
    EXPECT_EQ(end[0], "                                    TOTAL UNIT");
    EXPECT_EQ(end[3], "         1    240.0        0.0  30.0    0.070     T      0.00");
    EXPECT_EQ(end[4], "");
    EXPECT_EQ(end[5], "");
    EXPECT_EQ(end[6], "     STOP 1 -- THE EXCAVATION LEVEL LIES BELOW THE BOTTOM OF THE SOIL PROFILE");
    EXPECT_EQ(job.report().find("END OF ANALYSIS"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(job.dir() / "tavrel.001"));
}

TEST(EarthPressureJob, DataThePackageCannotServeEndTheJobInOrder)
{
    WallSet noSupport;
    noSupport.code = 3;
    WallSet tooDeep;  // SI, a wall of 20 x 6 m: 1 + 20 * 120 points
    tooDeep.units = 2;
    tooDeep.wall = "3 1 1 100 100 1 1 0";
    tooDeep.layers = {"4 200", "18 0 30 0 0 0", "18 0 30 0 0 0"};
    const struct {
        const char* what;
        std::string data;
        std::string message;
        std::string after;
    } cases[] = {
        {"trapezoid without a support", noSupport.text(0),
         "     ERROR -- THE TRAPEZOIDAL EARTH-PRESSURE DISTRIBUTION NEEDS AT LEAST ONE SUPPORT", ""},
        {"more points than the tables hold",
         [&] {
             std::string t = tooDeep.text(0);
             t.replace(t.find("20 12 10"), 8, "20 6 10");
             return t;
         }(),
         "     TOO MUCH DATA FOR AVAILABLE STORAGE", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        JobFolder job;
        EXPECT_EQ(job.run(c.data).end, JobEnd::InputError);
        const std::string report = job.report();
        EXPECT_NE(report.find("\r\n\r\n\r\n" + c.message + "\r\n"), std::string::npos);
        EXPECT_EQ(lines(report).back(), kEnd);
    }
}

TEST(EarthPressureJob, NetActivePressureNegativeIsReportedAndTheRunGoesOn)
{
    // A clay in tension from top to excavation (c = 5: 0.07 * 120 < 2c):
    // s_top = -10, s_bot = 8.4 - 10 = -1.6, ZC = -1.6 * 120 / 8.4 = -22.86,
    // Z3 = 120 - ZC / 3 = 127.62; PA4 = 0 as s_bot <= 0.
    WallSet set;
    set.layers = {"1 240", "0.07 5 0 0 0 0", "0.07 5 0 0 0 0"};
    JobFolder job;
    EXPECT_EQ(job.run(set.text(0)).end, JobEnd::Completed);
    const std::vector<std::string> report = lines(job.report());
    const std::string layerLine = "       1       0.00  60.00       0.00  80.00       0.00 127.62       0.00";
    const auto at = std::find(report.begin(), report.end(), layerLine);
    ASSERT_NE(at, report.end());
    const std::vector<std::string> expected = {"", "", "     Net active pressure is negative.", "", "", "",
                                               "         DEPTH         ACTIVE EARTH PRESSURE"};
    EXPECT_EQ(std::vector<std::string>(at + 1, at + 1 + static_cast<long>(expected.size())), expected);
}

TEST(EarthPressureJob, EmptySurchargeTableAfterASetWithSurcharges)
{
    WallSet loaded;
    loaded.surcharges = {"2 40 10 0"};
    const WallSet plain;
    JobFolder job;
    const auto outcome = job.run(loaded.text(9) + plain.text(0));
    ASSERT_EQ(outcome.end, JobEnd::Completed);
    const auto blocks = pressureBlocks(job.plot(), 2);
    double first = 0;
    for (const PressureRow& r : blocks[0]) first = std::max(first, r[3]);
    EXPECT_GT(first, 1.0);  // the line load of set 1
    for (const PressureRow& r : blocks[1]) {
        EXPECT_EQ(r[3], 0.0) << "depth " << r[0];
        EXPECT_EQ(r[1], r[2]) << "depth " << r[0];
    }
    // The scratch file of set 2: no surcharge part anywhere.
    const std::vector<double> v = numbers(readFile(job.dir() / "tavrel.001"));
    ASSERT_EQ(v[0], 241);
    for (size_t k = 4; k < v.size(); k += 4) EXPECT_EQ(v[k], 0.0) << "point " << k / 4;
}

TEST(EarthPressureJob, UserPressureTakesSurchargesNormalisedByTheControlFreeHeight)
{
    // Control free height 120, wall-configuration free height 60: the control
    // one normalises. Line load Q = 40 at X = 10 (m < 0.4); wall 240, so the
    // depth 60 is sampled at 49 * 1.2 = 58.8, n = 58.8 / 120.
    WallSet set;
    set.code = 1;
    set.pyCode = 2;
    set.wall = "60 12 12 1000 1000 1 1 0";
    set.surcharges = {"2 40 10 0"};
    set.userPressure = {"0 0", "60 5", "240 5"};
    JobFolder job;
    job.run(set.text(0));  // the set may end later, at its p-y curves; its pressure is loaded by then
    const std::vector<double> v = numbers(job.plot());
    ASSERT_GE(v.size(), 13u);
    ASSERT_EQ(v[0], 3);
    std::vector<PressureRow> rows(3);
    for (size_t k = 0; k < 12; ++k) rows[k / 4][k % 4] = v[1 + k];
    const double n = 58.8 / 120;
    const double surcharge = 12 * f32(0.203) * 40 * n / (120 * std::pow(f32(0.16) + n * n, 2));  // Wa sigma
    EXPECT_NEAR(rows[1][3], surcharge, e103Rounding(surcharge));
    EXPECT_NEAR(rows[1][2], 5, e103Rounding(5));
    EXPECT_NEAR(rows[1][1], 5 + surcharge, e103Rounding(5 + surcharge));
}

TEST(EarthPressureJob, UserPressureIgnoresTheSurchargesOfAnEarlierSet)
{
    WallSet loaded;
    loaded.surcharges = {"2 40 10 0"};
    WallSet user;  // reads no soil block
    user.code = 1;
    user.userPressure = {"0 0", "60 5", "240 5"};
    JobFolder job;
    ASSERT_EQ(job.run(loaded.text(9) + user.text(0)).end, JobEnd::Completed);
    const auto blocks = pressureBlocks(job.plot(), 2);
    for (const PressureRow& r : blocks[1]) EXPECT_EQ(r[3], 0.0) << "depth " << r[0];
}

TEST(EarthPressureJob, SurchargesWithUserPressureNeedAFreeHeight)
{
    WallSet set;
    set.code = 1;
    set.pyCode = 2;
    set.HFREE = 0;
    set.wall = "0 12 12 1000 1000 1 1 0";
    set.surcharges = {"2 40 10 0"};
    set.userPressure = {"0 0", "240 5"};
    JobFolder job;
    EXPECT_EQ(job.run(set.text(0)).end, JobEnd::InputError);
    const std::vector<std::string> end = tail(job.report(), 5);
    EXPECT_EQ(end[0], "     ERROR -- SURCHARGES NEED A FREE HEIGHT OF WALL GREATER THAN ZERO");
    EXPECT_EQ(end[4], kEnd);
}
