#include "py_clay_curves.hpp"

#include <algorithm>
#include <cmath>

#include "io/single.hpp"

namespace orvane::soil {

namespace {

constexpr double kTiny = 1.0e-14;  // deflections below this use the small-deflection modulus

// A continuous wall (WA/WP below 1.1) takes the soil's weight and cohesion only.
double continuousWall(const ClayInput& in, double pu)
{
    return in.R < f32(1.1) ? in.gamma * in.z1 * in.b + 2 * in.c * in.b : pu;
}

}  // namespace

ClayHalf softClayHalf(const ClayInput& in)
{
    ClayHalf h;
    const double Np = in.c > 0 ? 3 + in.gamma * in.x / in.c + 0.5 * in.x / in.b : 0.0;
    h.pu = continuousWall(in, std::min(Np, 9.0) * in.c * in.b);
    const double y50 = 2.5 * in.e50 * in.b;
    h.y[1] = f32(0.008) * y50;
    for (size_t m = 2; m <= 13; ++m) h.y[m] = static_cast<double>(m - 1) * y50 / 4;
    h.y[14] = 8 * y50;
    h.y[15] = 15 * y50;
    h.y[16] = 20 * y50;
    h.Ks = 0.5 * h.pu * std::pow(y50 / kTiny, f32(2.0 / 3.0)) / y50;
    for (size_t m = 0; m < h.y.size(); ++m) {
        if (h.y[m] < kTiny) h.p[m] = h.y[m] * h.Ks;
        else h.p[m] = h.y[m] <= 8 * y50 ? 0.5 * h.pu * std::pow(h.y[m] / y50, f32(1.0 / 3.0)) : h.pu;
    }
    return h;
}

double stiffClayA(double ratio)
{
    static const double depth[] = {0, 1, 2, 3, 4, 5};
    static const double value[] = {f32(0.223), f32(0.46), f32(0.55), f32(0.59), f32(0.60), f32(0.60)};
    if (ratio <= 0) return value[0];
    if (ratio >= 5) return value[5];
    size_t i = 1;
    while (ratio > depth[i]) ++i;
    return value[i - 1] + (value[i] - value[i - 1]) * (ratio - depth[i - 1]) / (depth[i] - depth[i - 1]);
}

double residualFactor(double As) { return f32(1.225) * std::sqrt(As) - 0.75 * As - f32(0.411); }

ClayHalf stiffClayWithWaterHalf(const ClayInput& in)
{
    ClayHalf h;
    h.As = stiffClayA(in.z1 / in.b);
    const double pc = 2 * in.ca * in.b + in.gamma * in.b * in.x + f32(2.83) * in.ca * in.x;
    const double pd = 11 * in.c * in.b;
    h.pu = continuousWall(in, std::min(pc, pd));
    const double pu = h.pu;
    const double y50 = in.e50 * in.b;
    const double ya = h.As * y50;
    const double kx = in.k * in.x;  // initial modulus
    for (size_t m = 1; m <= 12; ++m) h.y[m] = 0.5 * static_cast<double>(m) * ya;
    h.y[13] = 10 * ya;
    h.y[14] = 14 * ya;
    h.y[15] = 18 * ya;
    h.y[16] = 200 * ya;
    for (size_t m = 0; m < h.y.size(); ++m) {
        const double y = h.y[m];
        double p;
        if (y <= ya) p = 0.5 * pu * std::sqrt(y / y50);
        else if (y <= 6 * ya) p = 0.5 * pu * std::sqrt(y / y50) - f32(0.055) * pu * std::pow((y - ya) / ya, 1.25);
        else if (y <= 18 * ya) p = 0.5 * pu * std::sqrt(6 * h.As) - f32(0.411) * pu - (0.0625 * pu / y50) * (y - 6 * ya);
        else p = 0.5 * pu * std::sqrt(6 * h.As) - f32(0.411) * pu - 0.75 * pu * h.As;
        h.p[m] = std::min(p, kx * y);
    }
    return h;
}

ClayHalf stiffClayWithoutWaterHalf(const ClayInput& in)
{
    ClayHalf h;
    const double pc = 3 * in.ca * in.b + in.gamma * in.b * in.x + 0.5 * in.ca * in.x;
    const double pd = 9 * in.c * in.b;
    h.pu = continuousWall(in, std::min(pc, pd));
    const double y50 = 2.5 * in.e50 * in.b;
    const double y16 = 16 * y50;
    static const double fractions[15] = {0,          f32(1.0E-5), f32(5.0E-5), f32(1.0E-4), f32(5.0E-4),
                                         f32(0.001), f32(0.005),  f32(0.01),   f32(0.025),  f32(0.05),
                                         f32(0.075), f32(0.1),    0.25,        0.5,         1};
    for (size_t m = 0; m < 15; ++m) h.y[m] = fractions[m] * y16;
    h.y[15] = 18 * y50;
    h.y[16] = 20 * y50;
    h.Ks = 0.5 * h.pu * std::pow(y50 / kTiny, 0.75) / y50;
    for (size_t m = 0; m < h.y.size(); ++m) {
        if (h.y[m] < kTiny) h.p[m] = h.y[m] * h.Ks;
        else h.p[m] = h.y[m] <= y16 ? 0.5 * h.pu * std::pow(h.y[m] / y50, 0.25) : h.pu;
    }
    return h;
}

double linearCapDepth(double T, double xr, double c, double b, double gamma)
{
    const double Fr = c * xr * xr / 4 + 3 * c * b * xr + b * gamma * xr * xr / 2;
    if (T > Fr) return xr + (T - Fr) / (9 * c * b);
    const double a = c / 4 + gamma * b / 2, bb = 3 * c * b;
    if (a == 0) return bb == 0 ? 0.0 : T / bb;
    return (-bb + std::sqrt(bb * bb + 4 * a * T)) / (2 * a);
}

}  // namespace orvane::soil
