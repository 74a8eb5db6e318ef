#pragma once
// The clay curve shapes, before the multipliers and the active-pressure shift:
// 17 points of deflection and resistance for one half of a curve.

#include "soil/py_framework.hpp"

namespace orvane::soil {

struct ClayHalf {
    double pu = 0;  // ultimate resistance
    double Ks = 0;  // small-deflection modulus (soft clay and stiff clay without free water)
    double As = 0;  // residual coefficient (stiff clay with free water)
    HalfArray y{}, p{};
};

// Common inputs of a clay half: width b, strength c, average strength ca,
// average unit weight gamma, strain e50, formula depth x, depth z1 below the
// top of the first p-y layer, WA/WP ratio R, modulus k (stiff clay with free water).
struct ClayInput {
    double b = 0, c = 0, ca = 0, gamma = 0, e50 = 0, x = 0, z1 = 0, R = 1, k = 0;
};

ClayHalf softClayHalf(const ClayInput& in);
ClayHalf stiffClayWithWaterHalf(const ClayInput& in);
ClayHalf stiffClayWithoutWaterHalf(const ClayInput& in);

// Residual coefficient A_s of stiff clay with free water at depth/width.
double stiffClayA(double ratio);
double residualFactor(double As);

// Equivalent depth of a lower clay layer whose resistance grows linearly to a
// cap: (c/4 + gamma b/2) X^2 + 3 c b X = T below x_r, 9 c b beyond.
double linearCapDepth(double T, double xr, double c, double b, double gamma);

}  // namespace orvane::soil
