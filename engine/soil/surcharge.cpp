#include "surcharge.hpp"

#include <cmath>

#include "io/single.hpp"

namespace orvane::soil {

namespace {

double square(double v) { return v * v; }
double cube(double v) { return v * v * v; }

double pointLoad(double P, double m, double n, double H)
{
    if (m <= f32(0.4)) return f32(0.28) * P * n * n / (H * H * cube(f32(0.16) + n * n));
    return f32(1.77) * P * m * m * n * n / (H * H * cube(m * m + n * n));
}

double lineLoad(double Q, double m, double n, double H, double cLine)
{
    if (m <= f32(0.4)) return f32(0.203) * Q * n / (H * square(f32(0.16) + n * n));
    return cLine * Q * m * m * n / (H * square(m * m + n * n));
}

double stripLoad(double q, double X, double B, double z, double cStrip)
{
    const double theta1 = std::atan((X + B / 2) / z);
    const double theta2 = std::atan((X - B / 2) / z);
    const double beta = theta1 - theta2;
    return cStrip * q * (beta - std::sin(beta) * std::cos(theta1 + theta2));
}

}  // namespace

SurchargeConstants resultantConstants() { return {f32(1.273), f32(0.6366)}; }

SurchargeConstants depthConstants()
{
    constexpr double pi = f32(3.1416);
    return {4 / pi, 2 / pi};
}

double surchargePressureAt(const Surcharge& load, double H, double z, const SurchargeConstants& c)
{
    const double m = load.distance / H;
    const double n = z / H;
    switch (load.kind()) {
    case SurchargeType::Line: return lineLoad(load.magnitude, m, n, H, c.line);
    case SurchargeType::Strip: return stripLoad(load.magnitude, load.distance, load.width, z, c.strip);
    case SurchargeType::Point: break;
    }
    return pointLoad(load.magnitude, m, n, H);
}

double surchargeAtDepth(const std::vector<Surcharge>& rows, double wallLength, double H, double Z)
{
    const double dz = wallLength / 200;
    int deepest = 0;
    for (int k = 1; k <= 200 && k * dz < Z; ++k) deepest = k;
    if (deepest == 0) return 0.0;
    double sigma = 0;
    for (const Surcharge& row : rows) sigma += surchargePressureAt(row, H, deepest * dz, depthConstants());
    return sigma;
}

SurchargeLine singleSurchargeAfterTable(const SoilBlock& block)
{
    SurchargeLine s = block.line;
    for (const Surcharge& row : block.surcharges) {
        const SurchargeType kind = row.kind();
        s.distance = row.distance;
        s.pointLoad = kind == SurchargeType::Point ? row.magnitude : 0.0;
        s.lineLoad = kind == SurchargeType::Line ? row.magnitude : 0.0;
        s.stripLoad = kind == SurchargeType::Strip ? row.magnitude : 0.0;
        if (kind == SurchargeType::Strip) s.stripWidth = row.width;
    }
    return s;
}

}  // namespace orvane::soil
