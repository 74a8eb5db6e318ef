#include "iteration.hpp"

#include <cmath>

#include "io/input_error.hpp"

namespace orvane::engine {

using fortran::Line;

namespace {

// The body of linearise(). The curve chain calls it twice per station and
// iteration; inlined there, its result stays in registers.
[[gnu::always_inline]] inline Linearised lineThrough(const PyCurve& c, double w)
{
    const int n = c.n;
    bool offCurve = false;
    int j;  // 1-based end point of the segment
    if (n <= 2) {
        j = n;
        offCurve = true;
    } else {
        j = 0;
        for (int m = 2; m <= n; ++m) {
            if (w <= c.y[static_cast<size_t>(m - 1)]) {
                j = m;
                break;
            }
        }
        if (j == 0) {
            j = n;
            offCurve = true;
        } else if (w < c.y[static_cast<size_t>(j - 1)] && w < c.y[0]) {
            offCurve = true;
        }
    }
    const size_t i = static_cast<size_t>(j - 2);  // segment (i, i+1), 0-based
    const double dy = c.y[i + 1] - c.y[i];
    Linearised L;
    L.offCurve = offCurve;
    if (dy == 0.0) return L;
    L.k = -(c.p[i + 1] - c.p[i]) / dy;
    L.q = L.k * c.y[i] + c.p[i];
    return L;
}

}  // namespace

Linearised linearise(const PyCurve& c, double w) { return lineThrough(c, w); }

namespace {

// Adds the straight-line reactions of the stretch from curve `co` (station j0)
// to curve `ck` (station j1) at the stations j0..j1, cut at the tip; true when
// a deflection lay outside either curve.
bool loadStretch(const PyCurve& co, const PyCurve& ck, int j0, int NI, const Table& W, Table& Qw, Table& Sw)
{
    const int span = ck.station - j0;
    int j1 = ck.station;
    if (span == 0) {
        if (j0 > NI) return false;
    } else {
        if (j0 >= NI) return false;
        if (j1 > NI) j1 = NI;
    }
    bool offCurve = false;
    double q0 = 0, k0 = 0, q1 = 0, k1 = 0;
    for (int j = j0; j <= j1; ++j) {
        const double w = W(j);
        const Linearised lo = lineThrough(co, w);
        const Linearised lk = lineThrough(ck, w);
        offCurve |= lo.offCurve | lk.offCurve;
        const double frac = span == 0 ? 0.0 : static_cast<double>(j - j0) / span;
        const double q = (lk.q - lo.q) * frac + lo.q;
        const double s = (lk.k - lo.k) * frac + lo.k;
        Qw(j) += q;
        Sw(j) += s;
        if (j == j0) q0 = q, k0 = s;
        if (j == j1) q1 = q, k1 = s;
    }
    if (span > 0) {
        Qw(j0) -= 0.5 * q0;
        Sw(j0) -= 0.5 * k0;
        Qw(j1) -= 0.5 * q1;
        Sw(j1) -= 0.5 * k1;
    }
    return offCurve;
}

}  // namespace

bool loadSoilReactions(const std::vector<PyCurve>& curves, int NI, const Table& W, Table& Qw, Table& Sw)
{
    bool offCurve = false;
    size_t open = 0;
    int start = 0;
    int previousFlag = 0;
    bool openLoaded = false;  // whether the opening curve has entered a loaded stretch
    for (size_t k = 0; k < curves.size(); ++k) {
        const PyCurve& ck = curves[k];
        if (previousFlag == 0) {
            open = k;
            start = ck.station;
            openLoaded = false;
            if (ck.flag == 1) {
                previousFlag = 1;
                continue;
            }
        }
        const int span = ck.station - start;
        if (span < 0) throw InputError(kNotInOrder);
        if (span == 0 && k != open) continue;  // a second curve at one station adds nothing
        if (loadStretch(curves[open], ck, start, NI, W, Qw, Sw)) offCurve = true;
        if (ck.flag == 1) {
            open = k;
            start = ck.station;
            openLoaded = true;
        }
        previousFlag = ck.flag;
    }
    // A curve below the excavation that no later curve follows would load
    // nothing at all: it acts at its own station.
    if (previousFlag == 1 && !openLoaded && loadStretch(curves[open], curves[open], start, NI, W, Qw, Sw))
        offCurve = true;
    return offCurve;
}

void updateRigidity(const std::vector<MeiSet>& sets, double h, const Table& W, Table& EI)
{
    const double h2 = h * h;
    for (const MeiSet& set : sets) {
        const size_t n = set.M.size();
        for (int s = set.from; s <= set.to; ++s) {
            const double phi = std::fabs(W(s - 1) - 2.0 * W(s) + W(s + 1)) / h2;
            size_t j = n;  // 1-based
            for (size_t m = 2; m <= n - 1; ++m) {
                if (set.M[m - 1] > phi * set.EI[m - 1]) {
                    j = m;
                    break;
                }
            }
            const double M0 = set.M[j - 2], M1 = set.M[j - 1];
            const double E0 = set.EI[j - 2], E1 = set.EI[j - 1];
            const double denominator = (E1 - E0) * phi - M1 + M0;
            // A segment parallel to the line M = phi EI has no crossing: keep its start.
            const double t = denominator == 0.0 ? 0.0 : (M0 - phi * E0) / denominator;
            EI(s) = E0 + t * (E1 - E0);
        }
    }
}

namespace {

void monitorLine(io::Records& notes, int n, bool offCurve, int notClosed, int NI, const Table& W)
{
    Line l;
    l.x(3).i(4, n).x(7).a(offCurve ? "YES      " : "NO       ").i(4, notClosed).x(2);
    for (int s = 1; s <= 5; ++s) l.e(10, 3, s <= NI ? W(s) : 0.0);
    notes.rec(l);
}

}  // namespace

IterationEnd Iteration::run(const SetData& set, StationTables& tables, Table& W, io::Records& notes, int limit)
{
    const int NI = set.wall.NI;
    const double h = set.wall.h;
    const bool hasMei = !set.mei.empty();

    updateRigidity(set.mei, h, W, tables.EI);
    W.fill(0);
    saved_ = W;
    solver_.reset();

    notes.blank(3);
    notes.rec("     ITERATION MONITOR DATA");
    notes.rec("     ----------------------");

    const WallSystem sys{.NI = NI,
                         .h = h,
                         .DMAX = set.wall.DMAX,
                         .TOL = set.wall.TOL,
                         .F = tables.EI,
                         .Qw = Qw_,
                         .Sw = Sw_,
                         .T = tables.T,
                         .R = tables.R,
                         .P = tables.P,
                         .KODE = tables.KODE,
                         .restraints = set.restraints};

    IterationEnd end;
    for (int n = 1; n <= limit; ++n) {
        Qw_.fill(0);
        Sw_.fill(0);
        for (int s = -1; s <= NI + 1; ++s) {
            Qw_(s) = tables.Q(s);
            Sw_(s) = tables.S(s);
        }
        const bool offCurve = !set.curves.empty() && loadSoilReactions(set.curves, NI, W, Qw_, Sw_);
        const SolveCounts counts = solver_.solve(sys, W);
        monitorLine(notes, n, offCurve, counts.notClosed, NI, W);

        end.iteration = n;
        end.offCurve = offCurve;
        end.exceeded = counts.exceeded;
        end.notClosed = counts.notClosed;
        if (counts.exceeded > 0) break;
        if (counts.notClosed > 0) continue;
        if (!hasMei) break;
        int moved = 0;
        for (int s = 0; s <= NI; ++s)
            if (std::fabs(W(s) - saved_(s)) > set.wall.TOL) ++moved;
        if (moved == 0) break;
        end.notClosed = moved;
        saved_ = W;
        updateRigidity(set.mei, h, W, tables.EI);
    }
    return end;
}

}  // namespace orvane::engine
