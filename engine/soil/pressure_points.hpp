#pragma once
// The active pressure against the wall at closely spaced points, from the
// surface to the bottom of the soil profile: the computed (triangular)
// distribution, and its trapezoidal redistribution for walls with supports.

#include <vector>

#include "soil/soil_input.hpp"
#include "soil/soil_profile.hpp"

namespace orvane::soil {

inline constexpr int kMaxPressurePoints = 2000;

struct PressurePoint {
    double depth = 0;
    double p = 0;   // total
    double p1 = 0;  // soil part
    double p2 = 0;  // surcharge part
};

struct PointConditions {
    int units = 1;  // 2 SI: twenty points per metre; otherwise one per length unit
    double wallLength = 0;
    double H = 0;    // excavation level
    double WTb = 0;  // backfill water table
    double WTe = 0;  // excavation-side water table
    double q = 0;    // uniform surface pressure
    double gammaW = 0;
    int waterFlag = 1;
    const std::vector<Surcharge>* surcharges = nullptr;  // table rows
    double surchargeHeight = 0;                          // normalises their formulas
};

struct PressureDistribution {
    std::vector<PressurePoint> points;  // point j at index j-1, point 1 at the surface
    int count = 0;         // N: the points down to the wall tip, which the wall is loaded from
    int atExcavation = 1;  // the number of the point at the excavation level
    double activeForce = 0;  // F_a, summed over the points above the excavation level
};

// The computed distribution. The last layer reaches down to the wall tip when
// the tip lies deeper, so that every point counted in N exists. Throws
// InputRejected when the points the wall needs exceed kMaxPressurePoints;
// points below the wall tip stop there.
PressureDistribution computedDistribution(SoilProfile& profile, const PointConditions& conditions);

struct Supports {
    int count = 0;
    double first = 0;  // depth of the first support
    double last = 0;   // depth of the last support
};

// Replaces the pressures above the excavation level by the apparent-pressure
// trapezoid of area 1.3 F_a: rising to its peak at 2/3 of the first support
// depth, falling to zero at the excavation level. Needs one support at least.
void redistributeTrapezoid(PressureDistribution& distribution, double H, const Supports& supports);

}  // namespace orvane::soil
