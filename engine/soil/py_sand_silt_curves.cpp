#include "py_sand_silt_curves.hpp"

#include <algorithm>
#include <cmath>

#include "io/single.hpp"

namespace orvane::soil {

namespace {

constexpr double kTiny = 1.0e-14;  // deflections below this use the initial modulus

double interpolateTable(const double (&value)[10], double ratio)
{
    static const double depth[10] = {0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0};
    // The first and the last segment continue beyond the table; the last is flat.
    size_t i = 1;
    while (i < 9 && ratio > depth[i]) ++i;
    return value[i - 1] + (value[i] - value[i - 1]) * (ratio - depth[i - 1]) / (depth[i] - depth[i - 1]);
}

// Deflections: twelve equal steps to ym, then yu and three steps beyond it.
void frictionGrid(FrictionHalf& h, double stepBeyond)
{
    const double s = h.ym / 12;
    for (size_t m = 1; m <= 12; ++m) h.y[m] = h.y[m - 1] + s;
    h.y[13] = h.yu;
    for (size_t m = 14; m < h.y.size(); ++m) h.y[m] = h.y[m - 1] + stepBeyond;
}

// The frictional part shared by both soils: A, B, the two resistances, the
// continuous-wall rule, the initial modulus and the two fixed deflections.
FrictionHalf frictionPart(const FrictionInput& in, double pi, double delta)
{
    FrictionHalf h;
    const FrictionCoefficients k = frictionCoefficients(in.phi, pi);
    h.A = sandA(in.tableRatio);
    h.B = sandB(in.tableRatio);
    const WedgeFlow w = wedgeAndFlow(k, in.gamma, in.b, in.x);
    h.pst = w.pst;
    h.psd = w.psd;
    h.ps = std::min(w.pst, w.psd);
    if (in.R < f32(1.1)) h.ps = in.b * continuousWallPassive(in.phi, delta) * in.gamma * in.z1;
    h.ks = in.k * in.x;
    h.yu = 3 * in.b / 80;
    h.ym = in.b / 60;
    return h;
}

// The parabola p = C y^(1/n) through (ym, pm) whose slope there is m, and y_k
// where the initial line k_s y meets it.
void parabola(FrictionHalf& h, double x, double b, bool absoluteSlope)
{
    h.m = (h.pu - h.pm) / (h.yu - h.ym);
    h.n = h.pm / ((absoluteSlope ? std::fabs(h.m) : h.m) * h.ym);
    h.C = h.pm / std::pow(h.ym, 1 / h.n);
    h.yk = x <= 0 ? 2 * b : std::pow(h.C / h.ks, h.n / (h.n - 1));
}

double parabolaPoint(const FrictionHalf& h, double y)
{
    if (y <= h.yk) return h.ks * y;
    if (y <= h.ym) return h.C * std::pow(y, 1 / h.n);
    if (y <= h.yu) return h.pm + h.m * (y - h.ym);
    return h.pu;
}

double siltPoint(const FrictionHalf& h, double y)
{
    if (h.shape == SiltShape::LineToStraight) {
        if (y <= h.yi) return h.ks * y;
        if (y <= h.yu) return h.ks * h.yi + h.m * (y - h.yi);
        return h.pu;
    }
    if (h.shape == SiltShape::LineToUltimate) return y <= h.yj ? h.ks * y : h.pu;
    return parabolaPoint(h, y);
}

// Without soil weight there is no resistance and no parabola to build.
bool hasResistance(const FrictionHalf& h) { return h.pm > 0; }

void resistances(FrictionHalf& h, double (*point)(const FrictionHalf&, double))
{
    for (size_t m = 0; m < h.y.size(); ++m) {
        const double y = h.y[m];
        if (!hasResistance(h)) h.p[m] = 0;
        else if (y < kTiny) h.p[m] = y * h.ks;
        else h.p[m] = std::min(point(h, y), h.ks * y);
    }
}

}  // namespace

double sandPi() { return f32(3.1416); }
double siltPi() { return 4 * std::atan(1.0); }

FrictionCoefficients frictionCoefficients(double phi, double pi)
{
    FrictionCoefficients k;
    k.phi = phi;
    k.alpha = phi / 2;
    k.beta = pi / 4 + k.alpha;
    k.K0 = f32(0.4);
    k.Ka = std::pow(std::tan(pi / 4 - k.alpha), 2);
    k.Kp = std::pow(std::tan(pi / 4 + k.alpha), 2);
    return k;
}

WedgeFlow wedgeAndFlow(const FrictionCoefficients& k, double gamma, double b, double x)
{
    const double tp = std::tan(k.phi), ta = std::tan(k.alpha), tb = std::tan(k.beta);
    const double sb = std::sin(k.beta), ca = std::cos(k.alpha), tbp = std::tan(k.beta - k.phi);
    WedgeFlow w;
    w.pst = gamma * x *
            (k.K0 * x * tp * sb / (tbp * ca) + tb / tbp * (b + x * tb * ta) + k.K0 * x * tb * (tp * sb - ta) - k.Ka * b);
    w.psd = k.Ka * b * gamma * x * (std::pow(tb, 8) - 1) + k.K0 * b * gamma * x * tp * std::pow(tb, 4);
    return w;
}

double continuousWallPassive(double phi, double delta)
{
    const double root = std::sqrt(std::sin(phi + delta) * std::sin(phi) / std::cos(delta));
    return std::pow(std::cos(phi), 2) / (std::cos(delta) * std::pow(1 - root, 2));
}

double sandA(double ratio)
{
    static const double A[10] = {f32(2.83), f32(2.48), f32(2.11), f32(1.76), f32(1.48),
                                 f32(1.23), f32(1.06), f32(0.90), f32(0.88), f32(0.88)};
    return interpolateTable(A, ratio);
}

double sandB(double ratio)
{
    static const double B[10] = {f32(2.14), f32(1.83), f32(1.54), f32(1.27), f32(1.05),
                                 f32(0.86), f32(0.71), f32(0.53), f32(0.50), f32(0.50)};
    return interpolateTable(B, ratio);
}

FrictionHalf sandHalf(const FrictionInput& in)
{
    FrictionHalf h = frictionPart(in, sandPi(), in.phi / 2);
    h.pu = h.A * h.ps;
    h.pm = h.B * h.ps;
    frictionGrid(h, in.b);
    if (hasResistance(h)) parabola(h, in.x, in.b, false);
    resistances(h, parabolaPoint);
    // With a soft modulus y_k can lie beyond y_u; the initial line must not
    // carry the resistance above the ultimate resistance there.
    if (hasResistance(h))
        for (double& p : h.p) p = std::min(p, h.pu);
    return h;
}

FrictionHalf siltHalf(const FrictionInput& in)
{
    FrictionHalf h = frictionPart(in, siltPi(), f32(0.17453));
    const double Np = in.c > 0 ? 3 + in.gamma * in.x / in.c + 0.5 * in.x / in.b : 0.0;
    h.pc = in.R < f32(1.1) ? in.gamma * in.z1 * in.b + 2 * in.c * in.b : in.c * std::min(Np, 9.0) * in.b;
    h.pu = h.A * h.ps;
    h.pm = 1.5 * h.ps + h.pc;
    frictionGrid(h, in.b / 2);
    if (hasResistance(h)) {
        parabola(h, in.x, in.b, true);
        h.shape = SiltShape::Parabola;
        if (!(h.yk >= 0 && h.yk < h.ym)) {
            h.yi = (h.pm - h.m * h.ym) / (h.ks - h.m);
            h.yj = h.pu / h.ks;
            if (h.yi >= h.ym && h.yi < h.yu) h.shape = SiltShape::LineToStraight;
            else if (h.yj >= h.yu) h.shape = SiltShape::LineToUltimate;
        }
    }
    resistances(h, siltPoint);
    return h;
}

namespace {

// Integrates the ultimate resistance of a lower layer from its own surface in
// equal steps up to x_r, where the flow resistance takes over, until it
// matches T; beyond x_r it grows at the flow resistance of the layer's first curve.
double frictionEquivalentDepth(double T, double pi, int steps, bool silt, double phi, double c, double gamma,
                               double b, double d)
{
    const FrictionCoefficients k = frictionCoefficients(phi, pi);
    const double tp = std::tan(k.phi), ta = std::tan(k.alpha), tb = std::tan(k.beta);
    const double C1 = tb * (k.K0 * (tp * std::sin(k.beta) * (1 / std::cos(k.alpha) + 1) - ta) + k.Kp * ta);
    const double C2 = (k.K0 * tp + k.Kp) * k.Kp * k.Kp - k.Ka;
    const double A1 = k.Kp - k.Ka;
    const double xr = (C2 - A1) * b / C1;
    const double dx = xr / steps;
    double G = 0;
    for (int i = 1; i <= steps; ++i) {
        const double xi = i * dx;
        const double Gprevious = G;
        G += ((xi / b) * (xi / b) * C1 + xi * A1 / b) * gamma * b * b * sandA(xi / b) * dx;
        if (silt) G += (0.5 * c * xi + 3 * c * b + gamma * b * xi) * dx;
        if (G > T) return xi - (G - T) * dx / (G - Gprevious);
    }
    const double beyond = f32(0.88) * C2 * gamma * b * b * d / b;
    return xr + (T - G) / (silt ? 9 * c * b + beyond : beyond);
}

}  // namespace

double sandEquivalentDepth(double T, double phi, double gamma, double b, double d)
{
    return frictionEquivalentDepth(T, sandPi(), 100, false, phi, 0, gamma, b, d);
}

double siltEquivalentDepth(double T, double phi, double c, double gamma, double b, double d)
{
    return frictionEquivalentDepth(T, siltPi(), 50, true, phi, c, gamma, b, d);
}

}  // namespace orvane::soil
