#pragma once
// Small soil blocks for the earth-pressure tests, and the values every test
// derives from the formulas (Rankine coefficients with the package's degree
// conversion, the single-precision constants).

#include <cmath>
#include <vector>

#include "io/single.hpp"
#include "soil/pressure_points.hpp"
#include "soil/soil_input.hpp"
#include "soil/soil_profile.hpp"

namespace orvane::soil::test {

inline const double kDeg = f32(57.2958);
inline const double kGammaWEnglish = f32(0.036);
inline const double kGammaWSI = f32(9.81);

// Full precision, less the rounding of sums of a few hundred terms.
inline constexpr double kTight = 1e-11;

// tan^2(45 - phi/2) and tan^2(45 + phi/2), degrees turned by 57.2958.
inline double rankineActive(double phi) { return std::pow(std::tan((45 - phi / 2) / kDeg), 2); }
inline double rankinePassive(double phi) { return std::pow(std::tan((45 + phi / 2) / kDeg), 2); }

// A clay (phi = 0): tan^2(45 deg) with the package's 57.2958, one to 1E-6.
inline const double kClayKa = rankineActive(0);
inline const double kClaySqrtKa = std::sqrt(kClayKa);

inline InputLayer layer(int type, double thickness, double weight, double cohesion, double phi)
{
    InputLayer L;
    L.type = soilType(type);
    L.thickness = thickness;
    L.top = {weight, cohesion, phi, 0, 0, 0};
    L.bottom = L.top;
    return L;
}

inline InputLayer sand(double thickness, double weight, double phi) { return layer(4, thickness, weight, 0, phi); }
inline InputLayer clay(double thickness, double weight, double cohesion)
{
    return layer(1, thickness, weight, cohesion, 0);
}

// Excavation at H, backfill water at WTb, excavation water far below, MF 1,
// level backfill, no surcharges.
inline SoilBlock block(double H, double WTb, std::vector<InputLayer> layers)
{
    SoilBlock b;
    b.present = true;
    b.wall.freeHeight = H;
    b.wall.activeWidth = 1;
    b.wall.resistanceWidth = 1;
    b.wall.waterBackfill = WTb;
    b.wall.waterExcavation = 1.0E6;
    b.layers = std::move(layers);
    return b;
}

// The profile as the package has it before the layer resultants.
inline SoilProfile prepared(const SoilBlock& b, double gammaW)
{
    SoilProfile p = splitProfile(b);
    computeOverburden(p, b.line.uniform, b.wall.waterBackfill, gammaW);
    for (WorkingLayer& w : p.layers) computeCoefficients(w, b.wall.slope);
    return p;
}

inline PointConditions conditions(const SoilBlock& b, int units, double wallLength)
{
    PointConditions c;
    c.units = units;
    c.wallLength = wallLength;
    c.H = b.wall.freeHeight;
    c.WTb = b.wall.waterBackfill;
    c.WTe = b.wall.waterExcavation;
    c.q = b.line.uniform;
    c.gammaW = units == 2 ? kGammaWSI : kGammaWEnglish;
    c.waterFlag = b.wall.waterFlag;
    c.surcharges = &b.surcharges;
    c.surchargeHeight = b.wall.freeHeight;
    return c;
}

}  // namespace orvane::soil::test
