// The p-y exchange file: written with the user sets first, read back into the
// curve table with generated curves turned into 33 points.

#include <gtest/gtest.h>

#include <sstream>

#include "core/plot_data.hpp"
#include "core/py_curves.hpp"
#include "core/report.hpp"
#include "job_fixture.hpp"
#include "soil/exchange_file.hpp"

using namespace orvane;
using namespace orvane::engine;
using orvane::test::JobFolder;
using orvane::test::lines;
using orvane::test::readFile;

namespace {

// A generated curve whose points are easy to recognise: point m of the
// excavation half has y = m - 1 and p = -10 (m - 1); the backfill half has
// y = 2 (m - 1), p = -20 (m - 1).
soil::GeneratedCurve recognisable(double depth)
{
    soil::GeneratedCurve c;
    c.depth = depth;
    for (int m = 0; m < 17; ++m) {
        c.y[static_cast<size_t>(m)] = m;
        c.p[static_cast<size_t>(m)] = 0.0 - 10.0 * m;
        c.y[static_cast<size_t>(m + 17)] = 2.0 * m;
        c.p[static_cast<size_t>(m + 17)] = 0.0 - 20.0 * m;
    }
    return c;
}

struct ReadBack {
    SetData set;
    std::string plot;
    std::string exchange;
};

ReadBack writeAndRead(bool withUserSet)
{
    JobFolder folder;
    ReadBack r;
    r.set.control.units = 1;
    r.set.wall.h = 12;
    std::vector<soil::ExchangeUserSet> users;
    if (withUserSet) {
        UserCurveSet u{3, 2, 0.5, {-1, 1}, {200, -200}};
        r.set.userCurves.push_back(u);
        PyCurve stored;
        stored.station = 3;
        stored.n = 2;
        stored.y[0] = -1, stored.y[1] = 1;
        stored.p[0] = 2400, stored.p[1] = -2400;
        r.set.curves.push_back(stored);
        users.push_back({3, u.y, u.p});
    }
    soil::ExchangeWriter w;
    w.open(folder.dir() / soil::kExchangeFileName);
    w.header(static_cast<int>(users.size()) + 2, users);
    w.generated(recognisable(126));
    w.generated(recognisable(150));
    w.close();
    {
        io::Records plotFile, reportFile;
        plotFile.open(folder.dir() / "plot");
        reportFile.open(folder.dir() / "report");
        Report report(reportFile);
        PlotData plot(plotFile);
        std::istringstream none;
        io::FreeReader in(none);
        CurveContext ctx{in, report, plot, r.set};
        readExchangeFile(folder.dir() / soil::kExchangeFileName, ctx, withUserSet);
    }
    r.plot = readFile(folder.dir() / "plot");
    r.exchange = readFile(folder.dir() / soil::kExchangeFileName);
    return r;
}

}  // namespace

TEST(ExchangeFile, EveryGeneratedCurveHas34PointLinesNumberedOneTo17Twice)
{
    const auto r = writeAndRead(false);
    const auto l = lines(r.exchange);
    ASSERT_EQ(l.size(), 1u + 2 * 35);
    EXPECT_EQ(l[0], " 2");
    EXPECT_EQ(l[1], " 126 34");
    EXPECT_EQ(l[2], "    1  0.000E+00  0.000E+00");
    EXPECT_EQ(l[18], "   17 -0.160E+03  0.160E+02");
    EXPECT_EQ(l[19], "    1  0.000E+00  0.000E+00");
    EXPECT_EQ(l[20], "    2 -0.200E+02  0.200E+01");
    EXPECT_EQ(l[35], "   17 -0.320E+03  0.320E+02");
}

TEST(ExchangeFile, GeneratedCurvesReadBackAs33PointsWithTheOriginAtPoint17)
{
    const auto r = writeAndRead(false);
    ASSERT_EQ(r.set.curves.size(), 2u);
    const PyCurve& c = r.set.curves[0];
    EXPECT_EQ(c.station, 11);  // 126 / 12 = 10.5, halves away from zero
    EXPECT_EQ(c.n, 33);
    EXPECT_EQ(c.flag, 1);
    // Points 1..17: the backfill half mirrored (largest negative deflection first).
    EXPECT_EQ(c.y[0], -32);
    EXPECT_EQ(c.p[0], 12 * -320.0);
    EXPECT_EQ(c.y[16], 0);
    EXPECT_EQ(c.p[16], 0);
    // Points 18..33: the excavation half with the sign of p turned.
    EXPECT_EQ(c.y[17], 1);
    EXPECT_EQ(c.p[17], 12 * 10.0);
    EXPECT_EQ(c.y[32], 16);
    EXPECT_EQ(c.p[32], 12 * 160.0);
    for (int j = 1; j < 33; ++j) EXPECT_GT(c.y[static_cast<size_t>(j)], c.y[static_cast<size_t>(j - 1)]);
    // Plot data without user sets: the depth line in fixed form, points before the h.
    const auto p = lines(r.plot);
    EXPECT_EQ(p[0], " 1 2");
    EXPECT_EQ(p[1], "     126.00    33");
    EXPECT_EQ(p[2], " -32 -320");
    EXPECT_EQ(p.size(), 1u + 2 * 34);
}

TEST(ExchangeFile, UserSetsLeadAndKeepTheirStoredCurve)
{
    const auto r = writeAndRead(true);
    ASSERT_EQ(r.set.curves.size(), 3u);
    EXPECT_EQ(r.set.curves[0].station, 3);
    EXPECT_EQ(r.set.curves[0].n, 2);
    EXPECT_EQ(r.set.curves[0].flag, 0);
    EXPECT_EQ(r.set.curves[0].p[0], 2400);
    EXPECT_EQ(r.set.curves[1].station, 11);
    const auto p = lines(r.plot);
    EXPECT_EQ(p[0], " 1 3");
    EXPECT_EQ(p[1], " 3 2");
    EXPECT_EQ(p[2], " -1 200");  // the stored points, p divided by h again
    EXPECT_EQ(p[4], " 11 33");   // with user sets the station stands in place of the depth
    const auto x = lines(r.exchange);
    EXPECT_EQ(x[1], " 3 2");
    EXPECT_EQ(x[2], " 1 200 -1");  // point number, p, y
}
