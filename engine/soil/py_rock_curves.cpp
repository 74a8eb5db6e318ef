#include "py_rock_curves.hpp"

#include <algorithm>
#include <cmath>

#include "io/single.hpp"

namespace orvane::soil {

StrongRockHalf strongRockHalf(double qu, double b, double gamma, double D, double mp)
{
    StrongRockHalf h;
    h.su = 0.5 * qu;
    h.K = 2000 * h.su;
    h.y1 = f32(0.0004) * b;
    h.p1 = h.K * h.y1;
    h.pult = h.su * b;
    h.y2 = (h.pult - h.p1) / (100 * h.su) + h.y1;
    const double step = h.y2 / 15;
    for (size_t m = 1; m < h.y.size(); ++m) h.y[m] = h.y[m - 1] + step;
    for (size_t m = 0; m < h.y.size(); ++m) {
        const double y = h.y[m];
        if (y < h.y1) h.p[m] = mp * h.K * y;
        else if (y < h.y2) h.p[m] = mp * (h.p1 + 100 * h.su * (y - h.y1));
        else h.p[m] = 0.5 * gamma * b * D;  // the rock has broken: only the weight of the column
    }
    return h;
}

WeakRockHalf weakRockHalf(const WeakRockInput& in)
{
    WeakRockHalf h;
    h.alphaR = 1 - in.rqd / 150;
    if (in.xr <= 3 * in.b) {
        h.pur = h.alphaR * in.qa * in.b * (1 + f32(1.4) * in.xr / in.b);
        h.kir = 100 + 400 * in.xr / (3 * in.b);
    } else {
        h.pur = f32(5.2) * h.alphaR * in.qa * in.b;
        h.kir = 500;
    }
    h.Kir = h.kir * in.Er;
    h.yrm = in.krm * in.b;
    h.yA = std::pow(h.pur / (2 * std::pow(h.yrm, 0.25) * h.Kir), f32(4.0 / 3.0));
    static const double f[kHalfCurvePoints] = {f32(0.0005), f32(0.001), f32(0.003), f32(0.006), f32(0.009), f32(0.02),
                                 f32(0.04),   f32(0.06),  f32(0.08),  f32(0.1),   0.25,       0.5,
                                 0.75,        1.0,        4.0,        8.0,        12.0};
    for (size_t m = 0; m < h.y.size(); ++m) {
        const double y = h.yrm * f[m];
        h.y[m] = y;
        h.p[m] = y < h.yA ? h.Kir * y : std::min(0.5 * h.pur * std::pow(y / h.yrm, 0.25), h.pur);
    }
    return h;
}

}  // namespace orvane::soil
