#include "py_curves.hpp"

#include <fstream>
#include <string>

#include "core/numbers.hpp"
#include "io/input_error.hpp"
#include "io/records.hpp"
#include "soil/exchange_file.hpp"

namespace orvane::engine {
namespace {

using soil::kCurvePoints;
using soil::kHalfCurvePoints;

// A generated curve in the table: the backfill half reversed and mirrored,
// then the excavation half; the halves share the origin.
constexpr int kJoinedCurvePoints = kCurvePoints - 1;
static_assert(kJoinedCurvePoints <= kMaxCurvePoints);

struct SetLine {
    int station = 0, n = 0;
    double mp = 1, my = 1;
};

SetLine readSetLine(io::FreeReader& in)
{
    SetLine s;
    in.startStatement();
    s.station = in.integer();
    s.n = in.integer();
    s.mp = in.real();
    s.my = in.real();
    if (s.n > kMaxCurvePoints) throw InputError(kTooMuchData);
    if (s.n < 2) throw InputError("ERROR -- A P-Y CURVE NEEDS AT LEAST TWO POINTS");
    if (s.station < 0)
        throw InputError("ERROR -- P-Y CURVE AT STATION " + std::to_string(s.station) +
                         " LIES ABOVE THE TOP OF THE WALL");
    return s;
}

// Reads the points of a set, echoes and stores them with the multipliers applied.
UserCurveSet readPoints(CurveContext& ctx, const SetLine& s, bool plotPoints)
{
    UserCurveSet u;
    u.station = s.station;
    u.pMultiplier = s.mp;
    u.yMultiplier = s.my;
    ctx.report.userCurvePointHeading();
    for (int j = 0; j < s.n; ++j) {
        ctx.in.startStatement();
        const double y = ctx.in.real();
        const double p = ctx.in.real();
        if (plotPoints) ctx.plot.reals({s.my * y, s.mp * p});
        ctx.report.userCurvePoint(s.my * y, s.mp * p);
        u.y.push_back(s.my * y);
        u.p.push_back(s.mp * p);
    }
    return u;
}

PyCurve storedCurve(const UserCurveSet& u, double h, int flag)
{
    PyCurve c;
    c.station = u.station;
    c.n = static_cast<int>(u.y.size());
    c.flag = flag;
    for (size_t j = 0; j < u.y.size(); ++j) {
        c.y[j] = u.y[j];
        c.p[j] = h * u.p[j];
    }
    return c;
}

}  // namespace

void readUserCurves(CurveContext& ctx)
{
    SetData& set = ctx.set;
    const int count = set.control.NPYUSER;
    ctx.report.userCurvesBanner();
    if (count > kMaxCurves) throw InputError(kTooMuchData);
    ctx.plot.ints({set.control.units, count});
    int previousFlag = 0;
    for (int k = 0; k < count; ++k) {
        const SetLine s = readSetLine(ctx.in);
        ctx.plot.ints({s.station, s.n});
        const int flag = s.station * set.wall.h < set.wall.HFREE ? 0 : 1;
        const RangeKind kind = previousFlag == 1 ? RangeKind::EndsStretch
                               : flag == 1       ? RangeKind::StartsStretch
                                                 : RangeKind::Single;
        ctx.report.userCurveHeading();
        ctx.report.userCurveSetLine(kind, s.station, flag, s.mp, s.my, s.n);
        const UserCurveSet u = readPoints(ctx, s, true);
        set.curves.push_back(storedCurve(u, set.wall.h, flag));
        set.userCurves.push_back(u);
        previousFlag = flag;
    }
}

void readUserCurvesBesideGenerated(CurveContext& ctx)
{
    SetData& set = ctx.set;
    const int count = set.control.NPYUSER;
    ctx.report.userCurvesBanner();
    if (count > kMaxCurves) throw InputError(kTooMuchData);
    for (int k = 0; k < count; ++k) {
        const SetLine s = readSetLine(ctx.in);
        ctx.report.userCurveHeading();
        ctx.report.userCurveSetLine(RangeKind::EndsStretch, s.station, 0, s.mp, s.my, s.n);
        const UserCurveSet u = readPoints(ctx, s, false);
        set.curves.push_back(storedCurve(u, set.wall.h, 0));
        set.userCurves.push_back(u);
    }
}

void readExchangeFile(const std::filesystem::path& path, CurveContext& ctx, bool besideUserSets)
{
    SetData& set = ctx.set;
    const double h = set.wall.h;
    std::string bytes;
    if (!io::readScratch(path, bytes)) throw InputError("ERROR -- THE P-Y EXCHANGE FILE CANNOT BE READ");
    io::FreeReader in(std::move(bytes));
    in.startStatement();
    const int ncurve = in.integer();
    ctx.plot.ints({set.control.units, ncurve});
    if (ncurve > kMaxCurves) throw InputError(kTooMuchData);
    if (ncurve <= 0) {
        ctx.report.noEntries();
        set.curves.clear();
        return;
    }
    const int userCount = besideUserSets ? static_cast<int>(set.userCurves.size()) : 0;
    std::vector<PyCurve> curves;
    for (int k = 0; k < ncurve; ++k) {
        in.startStatement();
        if (k < userCount) {
            const int station = in.integer();
            const int n = in.integer();
            for (int j = 0; j < n; ++j) {
                in.startStatement();
                in.integer();
                in.real();
                in.real();
            }
            const PyCurve& stored = set.curves[static_cast<size_t>(k)];
            ctx.plot.ints({station, n});
            for (int j = 0; j < stored.n; ++j) ctx.plot.reals({stored.y[static_cast<size_t>(j)], stored.p[static_cast<size_t>(j)] / h});
            curves.push_back(stored);
            continue;
        }
        const double depth = in.real();
        in.integer();
        std::array<double, kCurvePoints + 1> p{}, y{};  // 1-based point numbers of the file
        for (int m = 1; m <= kCurvePoints; ++m) {
            in.startStatement();
            in.integer();
            p[static_cast<size_t>(m)] = in.real();
            y[static_cast<size_t>(m)] = in.real();
        }
        PyCurve c;
        c.station = nearestInt(depth / h);
        c.n = kJoinedCurvePoints;
        c.flag = 1;
        // File points 34 down to 18: the backfill half from its end to the origin.
        for (int j = 1; j <= kHalfCurvePoints; ++j) {
            const size_t m = static_cast<size_t>(kCurvePoints + 1 - j);
            c.y[static_cast<size_t>(j - 1)] = -y[m];
            c.p[static_cast<size_t>(j - 1)] = p[m];
        }
        // File points 2 to 17: the excavation half past the origin.
        for (int j = kHalfCurvePoints + 1; j <= kJoinedCurvePoints; ++j) {
            const size_t m = static_cast<size_t>(j - kHalfCurvePoints + 1);
            c.y[static_cast<size_t>(j - 1)] = y[m];
            c.p[static_cast<size_t>(j - 1)] = -p[m];
        }
        if (besideUserSets) ctx.plot.ints({c.station, kJoinedCurvePoints});
        else ctx.plot.generatedCurveDepth(depth, kJoinedCurvePoints);
        for (int j = 0; j < kJoinedCurvePoints; ++j)
            ctx.plot.reals({c.y[static_cast<size_t>(j)], c.p[static_cast<size_t>(j)]});
        for (int j = 0; j < kJoinedCurvePoints; ++j) c.p[static_cast<size_t>(j)] *= h;
        curves.push_back(c);
    }
    set.curves = std::move(curves);
}

}  // namespace orvane::engine
