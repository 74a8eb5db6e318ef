#pragma once
// The sand and silt curve shapes, before the multipliers and the
// active-pressure shift: the wedge and flow resistances of a frictional soil,
// the empirical coefficients A and B, the parabola between the initial line
// and the straight line to the ultimate resistance, and the equivalent depth
// of a sand or silt layer below other layers.

#include "soil/py_framework.hpp"

namespace orvane::soil {

// The sand generator works with pi as 3.1416 in single precision, the silt
// generator with the full double value.
double sandPi();
double siltPi();

// Angles and earth-pressure coefficients of one friction angle (radians).
struct FrictionCoefficients {
    double phi = 0, alpha = 0, beta = 0;
    double K0 = 0, Ka = 0, Kp = 0;
};
FrictionCoefficients frictionCoefficients(double phi, double pi);

// Ultimate resistance per unit length at depth x: the wedge near the surface
// (pst) and the flow around the wall at depth (psd).
struct WedgeFlow {
    double pst = 0, psd = 0;
};
WedgeFlow wedgeAndFlow(const FrictionCoefficients& k, double gamma, double b, double x);

// Passive coefficient of a continuous wall with wall friction delta.
double continuousWallPassive(double phi, double delta);

// The empirical coefficients against depth / width.
double sandA(double ratio);
double sandB(double ratio);

// Inputs of one half: width b, friction angle phi, average unit weight gamma,
// cohesion c (silt), formula depth x, depth z1 below the top of the first p-y
// layer, the depth / width at which A and B are read, WA/WP ratio R, modulus k.
struct FrictionInput {
    double b = 0, phi = 0, gamma = 0, c = 0, x = 0, z1 = 0, tableRatio = 0, R = 4, k = 0;
};

// How a silt curve rises to its ultimate resistance, by where the initial
// line k_s y leaves it.
enum class SiltShape {
    Parabola = 1,        // initial line, parabola, straight line to p_u (the sand construction)
    LineToStraight = 2,  // initial line to the straight line, then p_u
    LineToUltimate = 3,  // initial line up to p_u
};

struct FrictionHalf {
    double A = 0, B = 0;
    double pst = 0, psd = 0, ps = 0;  // frictional resistance
    double pc = 0;                    // cohesive resistance (silt)
    double pu = 0, yu = 0;            // ultimate resistance and its deflection
    double pm = 0, ym = 0;            // end of the parabola
    double m = 0, n = 0, C = 0;       // straight-line slope and parabola p = C y^(1/n)
    double ks = 0, yk = 0;            // initial modulus and where the initial line meets the parabola
    SiltShape shape = SiltShape::Parabola;  // silt only
    double yi = 0, yj = 0;            // silt: where the initial line meets the straight line, and pu
    HalfArray y{}, p{};
};

FrictionHalf sandHalf(const FrictionInput& in);
FrictionHalf siltHalf(const FrictionInput& in);

// Depth at which a lower layer's own accumulated ultimate resistance equals T,
// the resistance of the layers above it; d is the depth of its first curve
// below the excavation level.
double sandEquivalentDepth(double T, double phi, double gamma, double b, double d);
double siltEquivalentDepth(double T, double phi, double c, double gamma, double b, double d);

}  // namespace orvane::soil
