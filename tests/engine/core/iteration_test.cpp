// The nonlinear iteration: linearising curves, loading the curve chain,
// moment-EI updates and the three ways an iteration stops.

#include <gtest/gtest.h>

#include <string>

#include "core/iteration.hpp"
#include "core/range_scheme.hpp"
#include "job_fixture.hpp"
#include "set_analysis.hpp"

using namespace orvane::engine;
using namespace orvane::test;

namespace {

PyCurve curve(int station, int flag, std::vector<double> y, std::vector<double> p)
{
    PyCurve c;
    c.station = station;
    c.flag = flag;
    c.n = static_cast<int>(y.size());
    for (size_t j = 0; j < y.size(); ++j) {
        c.y[j] = y[j];
        c.p[j] = p[j];
    }
    return c;
}

// A linear curve p = -k y over |y| <= 10.
PyCurve linear(int station, int flag, double k) { return curve(station, flag, {-10, 0, 10}, {10 * k, 0, -10 * k}); }

}  // namespace

TEST(Linearise, SegmentAtTheDeflectionAndExtrapolationBeyondTheEnds)
{
    const PyCurve c = curve(0, 0, {-2, -1, 0, 1, 2}, {3, 2, 0, -2, -3});
    struct Case {
        double w, k, q;
        bool off;
    };
    // Reaction on the line: q - k w.
    const Case cases[] = {
        {0.5, 2, 0, false},   // segment (0, 1): p = -2 y
        {-1, 1, 1, false},    // on a point: the segment ending there
        {1.5, 1, -1, false},  // (1, -2)-(2, -3)
        {3, 1, -1, true},     // beyond the last point: last segment extended, p(3) = -4
        {-3, 1, 1, true},     // before the first point: first segment extended, p(-3) = 4
    };
    for (const Case& t : cases) {
        const Linearised l = linearise(c, t.w);
        const bool off = l.offCurve;
        EXPECT_DOUBLE_EQ(l.k, t.k) << t.w;
        EXPECT_DOUBLE_EQ(l.q, t.q) << t.w;
        EXPECT_EQ(off, t.off) << t.w;
    }
    EXPECT_DOUBLE_EQ(linearise(c, 3).q - 3 * linearise(c, 3).k, -4);
}

TEST(Linearise, TwoPointCurveIsAlwaysOffCurveAndFlatSegmentsCarryNothing)
{
    const Linearised l = linearise(curve(0, 0, {-1, 1}, {5, -5}), 0.0);
    const bool off = l.offCurve;
    EXPECT_TRUE(off);
    EXPECT_DOUBLE_EQ(l.k, 5);
    const Linearised flat = linearise(curve(0, 0, {0, 0, 1}, {0, 7, 7}), 0.0);
    EXPECT_EQ(flat.k, 0);
    EXPECT_EQ(flat.q, 0);
}

TEST(CurveChain, StretchesBetweenConsecutiveCurvesGiveHalfValuesAtTheirEnds)
{
    // Curve at 0 acts alone (flag 0); curves at 2 and 6 form a stretch; the
    // curve at 8 continues it to 12, cut at the tip (NI = 10).
    const std::vector<PyCurve> curves = {linear(0, 0, 5), linear(2, 1, 100), linear(6, 1, 300), linear(8, 1, 500),
                                         linear(12, 1, 900)};
    Table W, Qw, Sw;
    W.fill(0.1);
    Qw.fill(0);
    Sw.fill(0);
    const bool off = loadSoilReactions(curves, 10, W, Qw, Sw);
    EXPECT_FALSE(off);
    EXPECT_DOUBLE_EQ(Sw(0), 5);
    EXPECT_DOUBLE_EQ(Sw(1), 0);
    EXPECT_DOUBLE_EQ(Sw(2), 50);                 // half of 100
    EXPECT_DOUBLE_EQ(Sw(4), 200);                // halfway from 100 to 300
    EXPECT_DOUBLE_EQ(Sw(6), 150 + 150);          // end of one stretch, start of the next
    EXPECT_DOUBLE_EQ(Sw(7), 400);
    EXPECT_DOUBLE_EQ(Sw(8), 250 + 250);
    EXPECT_DOUBLE_EQ(Sw(9), 500 + 400.0 / 4);    // the fraction keeps the uncut span 8..12
    EXPECT_DOUBLE_EQ(Sw(10), 0.5 * (500 + 400.0 / 2));
    EXPECT_EQ(Sw(11), 0);
    for (int s = 0; s <= 10; ++s) EXPECT_NEAR(Qw(s), 0, 1e-12) << s;  // straight lines through the origin
}

TEST(CurveChain, SecondCurveAtOneStationAddsNothing)
{
    Table W, Q1, S1, Q2, S2;
    W.fill(0.3);
    for (Table* t : {&Q1, &S1, &Q2, &S2}) t->fill(0);
    loadSoilReactions({linear(3, 1, 100), linear(7, 1, 300)}, 10, W, Q1, S1);
    loadSoilReactions({linear(3, 1, 100), linear(3, 1, 999), linear(7, 1, 300)}, 10, W, Q2, S2);
    for (int s = -1; s <= 11; ++s) EXPECT_EQ(S1(s), S2(s)) << s;
    EXPECT_DOUBLE_EQ(S1(5), 200);
}

TEST(CurveChain, LoneCurveBelowTheExcavationActsAtItsStation)
{
    Table W, Q, S;
    W.fill(0.3);
    Q.fill(0);
    S.fill(0);
    loadSoilReactions({linear(1, 0, 10), linear(4, 1, 100)}, 10, W, Q, S);
    EXPECT_DOUBLE_EQ(S(1), 10);
    EXPECT_DOUBLE_EQ(S(4), 100);
}

TEST(CurveChain, StationsOutOfOrderEndTheJob)
{
    Table W, Q, S;
    W.fill(0);
    Q.fill(0);
    S.fill(0);
    EXPECT_THROW(loadSoilReactions({linear(6, 1, 1), linear(4, 1, 1)}, 10, W, Q, S), InputError);
}

TEST(MomentEi, RigidityWhereTheMomentEqualsCurvatureTimesRigidity)
{
    // Points (0, 1e6), (1000, 1e6), (2000, 5e5); curvature 0.0015 passes the
    // second point (1500 > 1000), so the last segment holds the answer:
    // t = (1000 - 0.0015e6) / ((5e5 - 1e6) 0.0015 - 2000 + 1000) = 2/7,
    // EI = 1e6 - (2/7) 5e5.
    MeiSet set{4, 4, {0, 1000, 2000}, {1e6, 1e6, 5e5}};
    Table W, EI;
    W.fill(0);
    EI.fill(0);
    const double h = 10;
    W(3) = 0;
    W(4) = -0.0015 * h * h / 2;
    W(5) = 0;
    updateRigidity({set}, h, W, EI);
    EXPECT_NEAR(EI(4), 1e6 - 2.0 / 7.0 * 5e5, 1e-6);
    EXPECT_EQ(EI(3), 0);  // outside the set's stations
    // At zero curvature the first segment: EI of the first point.
    W(4) = 0;
    updateRigidity({set}, h, W, EI);
    EXPECT_EQ(EI(4), 1e6);
}

namespace {

// A cantilever on two user curves below station 5.
std::string cantileverOnCurves(const std::string& dmax, const std::string& tol, const std::string& curves, int count)
{
    return "1 0 1 0 0 1 " + std::to_string(count) + " 1 0 0\n10 12 " + dmax + " " + tol +
           " 60 12\n0 10 1 1E9\n1\n1 0 0 8000 0 0\n0\n" + curves;
}

// Stiff up to a deflection of 0.2, much softer beyond it.
const std::string kTwoCurves = "5 4 1 1\n-10 3000\n-0.2 1000\n0.2 -1000\n10 -3000\n"
                               "10 4 1 1\n-10 6000\n-0.2 2000\n0.2 -2000\n10 -6000\n";

}  // namespace

TEST(IterationEnds, ConvergedOffCurveExceededAndNotClosed)
{
    const auto converged = analyse(cantileverOnCurves("10", "1E-08", kTwoCurves, 2));
    EXPECT_GT(converged.end.iteration, 2);  // nonlinear: more than one correction
    EXPECT_LT(converged.end.iteration, 100);
    EXPECT_EQ(converged.end.notClosed, 0);
    EXPECT_EQ(converged.end.exceeded, 0);

    const auto exceeded = analyse(cantileverOnCurves("1E-3", "1E-08", kTwoCurves, 2));
    EXPECT_EQ(exceeded.end.iteration, 1);
    EXPECT_GT(exceeded.end.exceeded, 0);

    // A negative tolerance can never be met: the limit of 100 iterations ends it.
    const auto open = analyse(cantileverOnCurves("10", "-1", kTwoCurves, 2));
    EXPECT_EQ(open.end.iteration, 100);
    EXPECT_GT(open.end.notClosed, 0);
    EXPECT_EQ(std::count(open.notes.begin(), open.notes.end(), '\n'), 5 + 100);

    const auto twoPoints = analyse(cantileverOnCurves("10", "1E-08", "5 2 1 1\n-10 5000\n10 -5000\n", 1));
    EXPECT_TRUE(twoPoints.end.offCurve);
    EXPECT_FALSE(converged.end.offCurve);
}

TEST(IterationEnds, WarningsInTheReport)
{
    JobFolder job;
    const std::string twoPointCurves = "5 2 1 1\n-10 5000\n10 -5000\n10 2 1 1\n-10 20000\n10 -20000\n";
    job.run("Not closed\n" + cantileverOnCurves("10", "-1", twoPointCurves, 2) + "0\n");
    const auto l = lines(job.report());
    auto at = std::find(l.begin(), l.end(), "     RESULTS -- ITERATION100");
    ASSERT_NE(at, l.end());
    EXPECT_EQ(*(at + 3), "     ***** DEFLECTION OFF Q - W CURVES *****");
    EXPECT_EQ(*(at + 5), "     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****");
}

TEST(UserCurves, MultipliersScaleTheStoredCurveTheReportAndThePlotData)
{
    const auto a = analyse(cantileverOnCurves("10", "1E-08", "5 3 2 0.5\n-10 5000\n0 0\n10 -5000\n", 1));
    ASSERT_EQ(a.set.curves.size(), 1u);
    const PyCurve& c = a.set.curves[0];
    EXPECT_EQ(c.y[0], -5);            // 0.5 y
    EXPECT_EQ(c.p[0], 12 * 2 * 5000);  // h 2 p
    EXPECT_EQ(c.flag, 1);             // station 5 at depth 60 is not above the excavation
    EXPECT_NE(a.report.find("                 -0.500E+01           0.100E+05"), std::string::npos);
    EXPECT_NE(a.plot.find(" 5 3\r\n -5 10000\r\n 0 0\r\n 5 -10000\r\n"), std::string::npos);
}

TEST(UserCurves, ContinuationFlagFromTheExcavationDepth)
{
    const auto a = analyse(cantileverOnCurves("10", "1E-08", "4 2 1 1\n-1 1\n1 -1\n5 2 1 1\n-1 1\n1 -1\n", 2));
    EXPECT_EQ(a.set.curves[0].flag, 0);  // 48 < 60: above the excavation
    EXPECT_EQ(a.set.curves[1].flag, 1);
}

TEST(MomentEi, DeflectionsOfThePreviousSetSeedTheFirstRigidity)
{
    // The same set twice in one job: the second starts its rigidity from the
    // first set's deflections, so its first solve differs from a fresh start.
    const std::string body = "1 0 1 0 0 0 0 1 1 0\n10 12 100 1E-06 0 12\n0 10 1 1E9\n1\n1 0 0 5000 0 0\n1\n0 10 1 200 0\n"
                             "0 10 3\n0 1E9\n2E4 1E9\n1E6 1E8\n";
    JobFolder job;
    job.run("A\n" + body + "9\nB\n" + body + "0\n");
    const auto notes = lines(job.notes());
    std::vector<std::string> firstLines;
    for (size_t i = 0; i < notes.size(); ++i)
        if (notes[i] == "     ----------------------") firstLines.push_back(notes[i + 1]);
    ASSERT_EQ(firstLines.size(), 2u);
    EXPECT_NE(firstLines[0], firstLines[1]);
}
