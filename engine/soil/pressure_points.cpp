#include "pressure_points.hpp"

#include <algorithm>
#include <cmath>

#include "io/single.hpp"
#include "soil/soil_constants.hpp"
#include "soil/soil_stop.hpp"
#include "soil/surcharge.hpp"

namespace orvane::soil {

namespace {

double pointsIn(double length, int units) { return std::round(units == io::kSiUnits ? 20 * length : length); }

// Pressure below the top of a layer: p = 2 K1 z + K0; S is the part of the
// uniform surface pressure, which counts as surcharge rather than soil.
struct LayerLine {
    double K1 = 0, K0 = 0, S = 0;
};

class PointGenerator {
public:
    PointGenerator(PressureDistribution& d, const PointConditions& c) : d_(d), c_(c) {}

    // Returns false when the point table is full.
    bool addLayer(SoilProfile& p, int L, double thickness);

private:
    LayerLine layerLine(SoilProfile& p, int L) const;
    void addPoint(const WorkingLayer& w, bool aboveExcavation, const LayerLine& line, double z);
    void updateExcavationWater(double depth);

    PressureDistribution& d_;
    const PointConditions& c_;
    double previousP_ = 0;
    double excavationWater_ = 0;  // UE
};

LayerLine PointGenerator::layerLine(SoilProfile& p, int L) const
{
    WorkingLayer& w = p.layer(L);
    const double MF = w.modification;
    const bool uniform = c_.q >= f32(1.0E-6);
    LayerLine line;
    if (L < p.LP) {
        const bool wet = w.drained && w.belowWater;
        const double gammaE = wet ? w.weight - c_.gammaW : w.weight;
        const double gammaWE = wet && c_.waterFlag == 1 ? c_.gammaW : 0.0;
        const double water = (w.ztop - c_.WTb) * gammaWE;
        const double cohesion = 2 * w.cohesion * w.sqrtKa * MF;
        line.K1 = 0.5 * gammaWE + 0.5 * gammaE * w.Ka * MF;
        line.K0 = water + w.SIGVP * w.Ka * MF - cohesion;
        line.S = uniform ? water + c_.q * w.Ka * MF - cohesion : 0.0;
    } else {
        // Below the excavation level the slope of the backfill no longer acts.
        levelBackfillActive(w);
        const double cohesion = 2 * w.cohesion * w.sqrtKa * MF;
        line.K0 = p.layer(p.LP).SIGVP * w.Ka * MF - cohesion;
        line.S = uniform ? c_.q * w.Ka * MF - cohesion : 0.0;
    }
    return line;
}

// Water standing in front of the wall above the excavation level pushes back
// on it; at the excavation level the value of the point above is kept.
void PointGenerator::updateExcavationWater(double depth)
{
    if (std::fabs(depth - c_.H) < kDepthTolerance) return;
    if (depth > c_.H) excavationWater_ = 0;
    else if (depth > c_.WTe) excavationWater_ = (depth - c_.WTe) * c_.gammaW;
}

void PointGenerator::addPoint(const WorkingLayer& w, bool aboveExcavation, const LayerLine& line, double z)
{
    const double j = static_cast<double>(d_.points.size() + 1);
    PressurePoint pt;
    pt.depth = w.ztop + z;
    pt.p = pt.p1 = 2 * line.K1 * z + line.K0;
    const std::vector<Surcharge>& rows = *c_.surcharges;
    pt.p2 = rows.empty() ? 0.0 : surchargeAtDepth(rows, c_.wallLength, c_.surchargeHeight, pt.depth);
    pt.p += pt.p2;
    updateExcavationWater(pt.depth);
    if (w.belowWater) {
        pt.p -= excavationWater_;
        pt.p1 -= excavationWater_;
    }
    // A point in tension carries a vanishing pressure, never a pull.
    if (pt.p < f32(1.0E-5)) pt.p = j * f32(1.0E-12);
    if (pt.p1 < f32(1.0E-5)) pt.p1 = j * f32(1.0E-12);
    // One point per length unit (twenty per metre in SI) makes the sum an area.
    if (aboveExcavation) d_.activeForce += (previousP_ + pt.p) / 2 / (c_.units == io::kSiUnits ? 20 : 1);
    previousP_ = pt.p;
    pt.p2 += line.S;
    pt.p1 -= line.S;
    d_.points.push_back(pt);
}

bool PointGenerator::addLayer(SoilProfile& p, int L, double thickness)
{
    const double n = pointsIn(thickness, c_.units);
    if (!(n >= 1)) return true;
    const LayerLine line = layerLine(p, L);
    const double dz = thickness / n;
    const double last = std::min(n, static_cast<double>(kMaxPressurePoints));
    for (int i = 1; i <= last; ++i) {
        if (d_.points.size() >= static_cast<size_t>(kMaxPressurePoints)) return false;
        addPoint(p.layer(L), L < p.LP, line, i * dz);
    }
    return true;
}

// N: one point at the surface, the points of every layer, the last layer
// counted down to the wall tip only.
double pointCount(const SoilProfile& p, const PointConditions& c)
{
    double N = 1;
    for (int L = 1; L < p.NL(); ++L) N += pointsIn(p.layer(L).thickness, c.units);
    return N + pointsIn(c.wallLength - p.layer(p.NL()).ztop, c.units);
}

}  // namespace

PressureDistribution computedDistribution(SoilProfile& p, const PointConditions& c)
{
    const double N = pointCount(p, c);
    if (!(N <= kMaxPressurePoints)) throw InputRejected(kStorageExceeded);
    PressureDistribution d;
    d.count = static_cast<int>(std::max(N, 0.0));
    const WorkingLayer& first = p.layer(1);
    const double p0 = first.Ka * c.q * first.modification;
    d.points.push_back({0.0, p0, 0.0, c.q > 0 ? p0 : 0.0});
    PointGenerator generator(d, c);
    bool room = true;
    for (int L = 1; L <= p.NL() && room; ++L) {
        if (L == p.LP) d.atExcavation = static_cast<int>(d.points.size());
        WorkingLayer& w = p.layer(L);
        const double thickness = L == p.NL() ? std::max(w.thickness, c.wallLength - w.ztop) : w.thickness;
        room = generator.addLayer(p, L, thickness);
        if (!room && L < p.LP) throw InputRejected(kStorageExceeded);
    }
    return d;
}

void redistributeTrapezoid(PressureDistribution& d, double H, const Supports& s)
{
    if (d.atExcavation < 2) return;
    const double rise = 2 * s.first / 3;
    double fall, flat, peak;
    if (s.count == 1) {
        fall = 2 * (H - s.first) / 3;
        flat = H / 3;
        peak = f32(1.3) * d.activeForce / (2 * H / 3);
    } else {
        fall = 2 * (H - s.last) / 3;
        flat = H - rise - fall;
        peak = f32(1.3) * d.activeForce / (H - s.first / 3 - (H - s.last) / 3);
    }
    for (int j = 2; j <= d.atExcavation; ++j) {
        PressurePoint& pt = d.points[static_cast<size_t>(j - 1)];
        if (pt.depth < rise) pt.p = peak * pt.depth / rise;
        else if (pt.depth <= rise + flat || !(fall > 0)) pt.p = peak;
        else pt.p = peak - (pt.depth - (rise + flat)) * peak / fall;
    }
}

}  // namespace orvane::soil
