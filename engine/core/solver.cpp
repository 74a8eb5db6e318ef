#include "solver.hpp"

#include <cmath>

namespace orvane::engine {

void WallSolver::reset()
{
    A_.fill(0);
    B_.fill(0);
    C_.fill(0);
}

SolveCounts WallSolver::solve(const WallSystem& sys, Table& W)
{
    const Table& F = sys.F;
    const Table& Q = sys.Qw;
    const Table& S = sys.Sw;
    const Table& T = sys.T;
    const Table& R = sys.R;
    const Table& P = sys.P;
    const StationArray<StationCode>& KODE = sys.KODE;
    const std::vector<Restraint>& restraints = sys.restraints;
    const double h = sys.h, h2 = h * h, h3 = h2 * h;
    Table& A = A_;
    Table& B = B_;
    Table& C = C_;

    auto u = [&](int s) { return h * P(s) + R(s); };
    auto deflection = [&](size_t k) { return k >= 1 && k <= restraints.size() ? restraints[k - 1].deflection : 0.0; };
    auto slope = [&](size_t k) { return k >= 1 && k <= restraints.size() ? restraints[k - 1].slope : 0.0; };

    size_t k = 1;
    double As = 0, Bs = 0, Cs = 0, gs = 0;  // saved at the station before an imposed slope
    const int NI = sys.NI;
    for (int s = -1; s <= NI + 1; ++s) {
        const double a = F(s - 1) - 0.25 * h * u(s - 1);
        const double b = -2.0 * (F(s - 1) + F(s));
        const double c = F(s - 1) + 4.0 * F(s) + F(s + 1) + 0.25 * h * (u(s + 1) + u(s - 1)) + h3 * S(s);
        const double d = -2.0 * (F(s) + F(s + 1));
        const double e = F(s + 1) - 0.25 * h * u(s + 1);
        const double f = h3 * Q(s) - 0.5 * h2 * (T(s - 1) - T(s + 1));

        const double E = a * B(s - 2) + b;
        const double D = a * A(s - 2) + E * B(s - 1) + c;
        const double g = D == 0.0 ? 0.0 : -1.0 / D;
        A(s) = e * g;
        B(s) = (E * A(s - 1) + d) * g;
        C(s) = (a * C(s - 2) + E * C(s - 1) - f) * g;

        switch (KODE(s)) {
        case StationCode::Deflection:
            A(s) = 0;
            B(s) = 0;
            C(s) = deflection(k);
            ++k;
            break;
        case StationCode::BeforeSlope:
            As = A(s);
            Bs = B(s);
            Cs = C(s);
            gs = g;
            A(s) = 1;
            B(s) = 0;
            C(s) = -2.0 * h * slope(k);
            break;
        case StationCode::DeflectionAndSlope:
            A(s) = 0;
            B(s) = 0;
            C(s) = deflection(k);
            break;
        case StationCode::AfterSlope: {
            const double r = gs == 0.0 ? 0.0 : g / gs;
            const double G = 1.0 / (1.0 - (Bs * B(s - 1) + As - 1.0) * r);
            A(s) = G * A(s);
            B(s) = (Bs * A(s - 1) * r + B(s)) * G;
            C(s) = ((Bs * C(s - 1) + 2.0 * h * slope(k) + Cs) * r + C(s)) * G;
            ++k;
            break;
        }
        case StationCode::Free:
        default:
            break;
        }
    }

    SolveCounts counts;
    W(NI + 1) = A(NI + 1) * W(NI + 3) + B(NI + 1) * W(NI + 2) + C(NI + 1);
    for (int s = NI; s >= 0; --s) {
        const double old = W(s);
        W(s) = B(s) * W(s + 1) + C(s) + A(s) * W(s + 2);
        if (sys.DMAX - std::fabs(W(s)) < 0) ++counts.exceeded;
        if (std::fabs(W(s) - old) - sys.TOL > 0) ++counts.notClosed;
    }
    W(-1) = B(-1) * W(0) + C(-1) + A(-1) * W(1);
    return counts;
}

std::vector<ResultRow> wallResults(int NI, double h, const Table& F, Table& W, const std::vector<Couple>& couples)
{
    W(-2) = 2.0 * W(-1) - W(0);
    W(NI + 2) = 2.0 * W(NI + 1) - W(NI);
    const double h2 = h * h;
    auto moment = [&](int s) { return s <= -1 ? 0.0 : F(s) * (W(s - 1) - 2.0 * W(s) + W(s + 1)) / h2; };

    std::vector<ResultRow> rows;
    rows.reserve(static_cast<size_t>(NI + 2));
    for (int s = -1; s <= NI + 1; ++s) {
        const double Mm = moment(s - 1), M0 = moment(s), Mp = moment(s + 1);
        ResultRow r;
        r.station = s;
        r.x = s * h;
        r.deflection = W(s);
        r.slope = (W(s + 1) - W(s - 1)) / (2.0 * h);
        r.moment = M0;
        r.shear = (Mp - Mm) / (2.0 * h);
        r.reaction = (Mm - 2.0 * M0 + Mp) / h;
        r.ei = F(s);
        for (const Couple& c : couples) {
            if (s == c.station) r.shear -= c.value;
            if (s == c.station + 1) {
                r.shear -= c.value / 2.0;
                r.reaction += c.value;
            }
            if (s == c.station - 1) {
                r.shear -= c.value / 2.0;
                r.reaction -= c.value;
            }
        }
        if (s >= 0) rows.push_back(r);
    }
    return rows;
}

}  // namespace orvane::engine
