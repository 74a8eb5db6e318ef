#pragma once
// The rock curve shapes: strong rock rises on two straight lines to its
// strength and then drops to a small residual; weak rock follows an initial
// line and a quarter-power curve up to an ultimate resistance reduced by the
// rock quality.

#include "soil/py_framework.hpp"

namespace orvane::soil {

// Strong rock of compressive strength qu at width b; gamma and D (the depth of
// the half's heading) give the residual, mp multiplies the two lines only.
struct StrongRockHalf {
    double su = 0, K = 0;  // half the compressive strength, initial modulus
    double y1 = 0, p1 = 0;  // end of the initial line
    double pult = 0, y2 = 0;  // strength of the rock and where it is reached
    HalfArray y{}, p{};
};
StrongRockHalf strongRockHalf(double qu, double b, double gamma, double D, double mp);

// Weak rock: compressive strength qu at the curve and its average qa over the
// layer, krm, RQD in percent, rock modulus Er, width b and depth xr into the rock.
struct WeakRockInput {
    double qu = 0, qa = 0, krm = 0, rqd = 0, Er = 0, b = 0, xr = 0;
};
struct WeakRockHalf {
    double alphaR = 0;          // strength reduction by the rock quality
    double pur = 0;             // ultimate resistance
    double kir = 0, Kir = 0;    // dimensionless and actual initial modulus
    double yrm = 0, yA = 0;     // reference deflection; end of the initial line
    HalfArray y{}, p{};
};
WeakRockHalf weakRockHalf(const WeakRockInput& in);

}  // namespace orvane::soil
