// Reading a set into the station tables: the range scheme, tiebacks,
// restraints and the checks that end a job.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/range_scheme.hpp"
#include "core/tieback.hpp"
#include "io/free_reader.hpp"
#include "set_analysis.hpp"

using namespace orvane::test;
using orvane::engine::InputError;

namespace {

// Control line and wall line for NI increments of 12, then the given records.
std::string head(int NI, const std::string& control = "1 0 %S 0 0 0 0 1 0 0")
{
    return control + "\n" + std::to_string(NI) + " 12 10 1E-05 0 12\n";
}

std::string withStiffness(int NI, int lines, const std::string& stiffness, const std::string& rest = "0\n0\n")
{
    std::string c = "1 0 " + std::to_string(lines) + " 0 0 0 0 1 0 0";
    return head(NI, c) + stiffness + rest;
}

std::string errorOf(const std::string& text)
{
    try {
        analyse(text);
    } catch (const InputError& e) {  // a data-reading error is one too
        return e.what();
    }
    return "no error";
}

}  // namespace

TEST(RangeScheme, EndsOfAConstantLineReceiveHalf)
{
    const auto a = analyse(withStiffness(60, 2, "0 40 1 1.0E+10\n40 60 1 1.0E+10\n"));
    EXPECT_EQ(a.tables.EI(0), 5.0e9);
    for (int s : {1, 20, 39, 41, 59}) EXPECT_EQ(a.tables.EI(s), 1.0e10) << s;
    EXPECT_EQ(a.tables.EI(40), 1.0e10);  // two half values meet
    EXPECT_EQ(a.tables.EI(60), 5.0e9);
}

TEST(RangeScheme, ContinuedLineInterpolatesToTheNextLinesEnd)
{
    const auto a = analyse(withStiffness(10, 2, "0 99 2 100\n77 10 1 200\n"));
    EXPECT_EQ(a.tables.EI(0), 50);    // 100, half
    EXPECT_EQ(a.tables.EI(5), 150);   // halfway
    EXPECT_EQ(a.tables.EI(10), 100);  // 200, half
    EXPECT_EQ(a.tables.EI(3), 130);
}

TEST(RangeScheme, ChainOfContinuedLines)
{
    // 0 -> 4 -> 8: the second line both ends a stretch and starts the next.
    const auto a = analyse(withStiffness(8, 3, "0 0 2 100\n0 4 2 300\n0 8 1 100\n"));
    EXPECT_EQ(a.tables.EI(2), 200);
    EXPECT_EQ(a.tables.EI(4), 300);  // two halves of 300
    EXPECT_EQ(a.tables.EI(6), 200);
    EXPECT_EQ(a.tables.EI(8), 50);
}

TEST(RangeScheme, LoadOnOneStationIsFull)
{
    const auto a = analyse(withStiffness(10, 1, "0 10 1 1E9\n", "2\n1 3 3 500 0 250\n1 5 5 0 1200 0\n0\n"));
    EXPECT_EQ(a.tables.Q(3), 500);
    EXPECT_EQ(a.tables.P(3), -250);  // axial load is kept with its sign reversed
    EXPECT_EQ(a.tables.T(5), 1200);
    ASSERT_EQ(a.set.couples.size(), 1u);  // only the line with a couple
    EXPECT_EQ(a.set.couples[0].station, 5);
    EXPECT_EQ(a.set.couples[0].value, 1200 / 24.0);
}

TEST(Tieback, SpringAndLoadPerUnitWidth)
{
    // A = 1, E = 29.0E+06, Lu = 20 ft, alpha = 0, s = 10 ft, F = 50000, Wa = 12:
    // S = A E Wa / (12 s 12 Lu) = 29.0E+06 * 12 / (144 * 10 * 20), Q = -F Wa / (12 s).
    orvane::engine::TiebackLine t{8, 1.0, 29.0e6, 20, 0, 10, 50000};
    const auto r = orvane::engine::tiebackRecord(t, 1, 12, 12);
    EXPECT_NEAR(r.S, 12083.333333, 1e-6);
    EXPECT_DOUBLE_EQ(r.Q, -5000);
    EXPECT_EQ(r.station, 8);  // 8 ft = 96 in = station 8

    // SI: no feet; the angle uses pi = 3.1416 as a single-precision value.
    orvane::engine::TiebackLine si{3.1, 0.001, 2.0e8, 6, 30, 2.5, 300};
    const auto s = orvane::engine::tiebackRecord(si, 2, 0.5, 1.0);
    const double alpha = 30 * 3.1415998935699463 / 180;
    EXPECT_DOUBLE_EQ(s.S, 0.001 * 2.0e8 * std::cos(alpha) * 1.0 / (2.5 * 6));
    EXPECT_DOUBLE_EQ(s.Q, -300 * std::cos(alpha) / 2.5);
    EXPECT_EQ(s.station, 6);  // 3.1 / 0.5 = 6.2
}

TEST(Tieback, ReadAfterTheSpringsAndRecordsTheSupports)
{
    const std::string text = "1 0 1 0 0 0 0 1 0 2\n20 12 10 1E-05 0 12\n0 20 1 1E9\n0\n1\n2 2 1 1000 0\n"
                             "8 1 29000000 20 0 10 50000\n12 1 29000000 20 0 10 0\n";
    const auto a = analyse(text);
    EXPECT_EQ(a.tables.S(2), 1000);
    EXPECT_NEAR(a.tables.S(8), 12083.333333, 1e-6);
    EXPECT_DOUBLE_EQ(a.tables.Q(8), -5000);
    EXPECT_EQ(a.set.firstSupportDepth, 24);  // the single-station spring
    EXPECT_EQ(a.set.lastSupportDepth, 144);  // the last tieback
}

TEST(Restraints, StationCodes)
{
    const std::string text = "1 3 1 0 0 0 0 1 0 0\n10 12 10 1E-05 0 12\n2 0 0 0.01\n1 5 0.5 0\n3 10 0 0\n0 10 1 1E9\n0\n0\n";
    const auto a = analyse(text);
    EXPECT_EQ(static_cast<int>(a.tables.KODE(-1)), 3);
    EXPECT_EQ(static_cast<int>(a.tables.KODE(0)), 1);
    EXPECT_EQ(static_cast<int>(a.tables.KODE(1)), 5);
    EXPECT_EQ(static_cast<int>(a.tables.KODE(5)), 2);
    EXPECT_EQ(static_cast<int>(a.tables.KODE(9)), 3);
    EXPECT_EQ(static_cast<int>(a.tables.KODE(10)), 4);
    EXPECT_EQ(static_cast<int>(a.tables.KODE(11)), 5);
    // The imposed values are met: slope at the top, deflection at 5 and 10.
    EXPECT_DOUBLE_EQ((a.W(1) - a.W(-1)) / 24, 0.01);
    EXPECT_EQ(a.W(5), 0.5);
    EXPECT_EQ(a.W(10), 0.0);
}

TEST(Restraints, ImposedDeflectionAndSlopeAtTheTopAreExact)
{
    const auto d = analyse("1 1 1 0 0 0 0 1 0 0\n10 12 10 1E-05 0 12\n1 0 0.37 0\n0 10 1 1E9\n0\n1\n0 10 1 50 0\n");
    EXPECT_EQ(d.W(0), 0.37);
    const auto s = analyse("1 1 1 0 0 0 0 1 0 0\n10 12 10 1E-05 0 12\n2 0 0 -0.0125\n0 10 1 1E9\n1\n1 5 5 100 0 0\n1\n0 10 1 50 0\n");
    EXPECT_DOUBLE_EQ((s.W(1) - s.W(-1)) / 24, -0.0125);
}

TEST(InputErrors, MessagesThatEndTheJob)
{
    struct Case {
        std::string text;
        std::string message;
    };
    std::string restraints21 = "1 21 1 0 0 0 0 1 0 0\n10 12 10 1E-05 0 12\n";
    for (int k = 0; k < 21; ++k) restraints21 += "1 0 0 0\n";
    const Case cases[] = {
        {restraints21, "TOO MUCH DATA FOR AVAILABLE STORAGE"},
        {"1 1 1 0 0 0 0 1 0 0\n10 12 10 1E-05 0 12\n1 -2 0 0\n", "ERROR STOP -- STATIONS NOT IN ORDER"},
        {"1 2 1 0 0 0 0 1 0 0\n10 12 10 1E-05 0 12\n1 5 0 0\n1 4 0 0\n", "ERROR STOP -- STATIONS NOT IN ORDER"},
        {withStiffness(10, 1, "5 4 1 1E9\n"), "ERROR STOP -- STATIONS NOT IN ORDER"},
        {withStiffness(10, 1, "0 11 1 1E9\n"), "ERROR -- NON-ZERO TABLE 4 DATA BEYOND END"},
        {withStiffness(10, 1, "0 10 1 1E9\n", "1\n1 11 11 100 0 0\n0\n"), "ERROR -- NON-ZERO TABLE 4 DATA BEYOND END"},
        {withStiffness(10, 1, "0 10 1 1E9\n", "0\n1\n0 900 1 100 0\n"), "ERROR -- NON-ZERO TABLE 4 DATA BEYOND END"},
        {withStiffness(10, 1, "-9 10 1 1E9\n"), "ERROR -- STATION -9 LIES ABOVE THE TOP OF THE WALL"},
        {head(408, "1 0 1 0 0 0 0 1 0 0"), "TOO MUCH DATA FOR AVAILABLE STORAGE"},
        {head(0, "1 0 1 0 0 0 0 1 0 0"), "ERROR -- THE NUMBER OF INCREMENTS MUST BE AT LEAST 1"},
        {"1 0 1 0 0 0 0 1 0 0\n10 1O 10 1E-05 0 12\n", "ERROR -- INVALID NUMBER \"1O\" IN LINE 2, ITEM 2 OF THE DATA FILE"},
        {"1 0 1 0 0 0 0 1 0 0\n10 12 10 1E-05 0 12\n0 10 1 1E9\n1\n1.0 0 0 5 0 0\n",
         "ERROR -- INVALID INTEGER \"1.0\" IN LINE 5, ITEM 1 OF THE DATA FILE"},
        {withStiffness(10, 1, "0 10 1 1E9\n", "0\n0\n"), "no error"},
        {withStiffness(10, 1, "0 10 1 1E9\n", "51\n"), "TOO MUCH DATA FOR AVAILABLE STORAGE"},
        {"1 0 1 0 1 0 0 1 0 0\n10 12 10 1E-05 0 12\n0 10 1 1E9\n0\n0\n2001\n", "TOO MUCH DATA FOR AVAILABLE STORAGE"},
        {"1 0 1 0 0 1 64 1 0 0\n10 12 10 1E-05 0 12\n0 10 1 1E9\n0\n0\n", "TOO MUCH DATA FOR AVAILABLE STORAGE"},
        {"1 0 1 0 0 1 1 1 0 0\n10 12 10 1E-05 0 12\n0 10 1 1E9\n0\n0\n5 35 1 1\n", "TOO MUCH DATA FOR AVAILABLE STORAGE"},
        {"1 0 1 0 0 1 1 1 0 0\n10 12 10 1E-05 0 12\n0 10 1 1E9\n0\n0\n5 1 1 1\n0 0\n",
         "ERROR -- A P-Y CURVE NEEDS AT LEAST TWO POINTS"},
        {"1 0 1 0 0 0 0 1 21 0\n10 12 10 1E-05 0 12\n0 10 1 1E9\n0\n0\n", "TOO MUCH DATA FOR AVAILABLE STORAGE"},
        {"1 0 1 0 0 0 0 1 1 0\n10 12 10 1E-05 0 12\n0 10 1 1E9\n0\n0\n0 10 101\n", "TOO MUCH DATA FOR AVAILABLE STORAGE"},
        {"1 0 1 0 0 0 0 1 1 0\n10 12 10 1E-05 0 12\n0 10 1 1E9\n0\n0\n0 11 2\n0 1\n1 1\n",
         "ERROR -- NON-ZERO TABLE 4 DATA BEYOND END"},
        {"1 0 1 0 0 0 0 1 0 1\n10 12 10 1E-05 0 12\n0 10 1 1E9\n0\n0\n5 1 1 0 0 0 100\n",
         "ERROR -- TIEBACK SPACING AND UNBONDED LENGTH MUST BE GREATER THAN ZERO"},
        {withStiffness(10, 1, "0 10 1 1E9\n", "0\n"), "ERROR -- UNEXPECTED END OF THE DATA FILE AFTER LINE 4"},
    };
    for (const Case& c : cases) EXPECT_EQ(errorOf(c.text), c.message) << c.text;
}

TEST(EarthPressure, UserTableLoadsTheStations)
{
    // Points (0, 0), (60, 50), (120, 50) with h = 12: station s at depth 12 s
    // gets h times the pressure interpolated there; station 0 gets nothing.
    const std::string text = "1 0 1 0 1 0 0 1 0 0\n20 12 10 1E-05 60 12\n0 20 1 1E9\n0\n1\n0 20 1 100 0\n3\n0 0\n60 50\n120 50\n";
    const auto a = analyse(text);
    EXPECT_EQ(a.tables.Q(0), 0);
    EXPECT_DOUBLE_EQ(a.tables.Q(1), 12 * 10.0);
    EXPECT_DOUBLE_EQ(a.tables.Q(4), 12 * 40.0);
    EXPECT_DOUBLE_EQ(a.tables.Q(5), 12 * 50.0);
    EXPECT_DOUBLE_EQ(a.tables.Q(10), 12 * 50.0);
    EXPECT_EQ(a.tables.Q(11), 0);  // below the last point nothing is loaded
    ASSERT_EQ(a.set.pressure.size(), 3u);
    EXPECT_EQ(a.set.pressure[1].soil, 50);
    EXPECT_EQ(a.set.pressure[1].surcharge, 0);
}
