#include "soil_profile.hpp"

#include <cmath>
#include <utility>

#include "soil/soil_constants.hpp"

namespace orvane::soil {

namespace {

bool sameDepth(double a, double b) { return std::fabs(a - b) < kDepthTolerance; }

// The distinct depths among H and WTb, ascending. Depths at or above the
// surface cut nothing (a cut there would make a layer of no or negative
// thickness).
std::vector<double> splitDepths(double H, double WTb)
{
    double z[3] = {H, WTb, H};
    auto order = [&](int i, int j) {
        if (z[i] > z[j]) std::swap(z[i], z[j]);
    };
    order(0, 1);
    order(0, 2);
    order(1, 2);
    const bool firstPair = sameDepth(z[0], z[1]);
    const bool secondPair = sameDepth(z[1], z[2]);
    const int count = 3 - (firstPair ? 1 : 0) - (secondPair ? 1 : 0);
    if (firstPair) z[1] = z[2];
    std::vector<double> depths;
    for (int k = 0; k < count; ++k)
        if (z[k] >= kDepthTolerance) depths.push_back(z[k]);
    return depths;
}

WorkingLayer loadLayer(const InputLayer& in, double modification)
{
    WorkingLayer w;
    w.thickness = in.thickness;
    w.weight = in.top[0];
    w.cohesion = in.top[1];
    w.phi = in.top[2];
    w.drained = !isClay(in.type);  // sand, silt and rock
    w.modification = modification;
    return w;
}

void markLevels(SoilProfile& p, double H, double WTb)
{
    for (int L = 1; L <= p.NL(); ++L) {
        WorkingLayer& w = p.layer(L);
        if (std::fabs(w.ztop - H) <= kDepthTolerance) p.LP = L;
        if (std::fabs(w.ztop - WTb) <= kDepthTolerance) p.LW = L;
        w.belowWater = sameDepth(w.ztop, WTb) || w.ztop > WTb;
    }
}

}  // namespace

SoilProfile splitProfile(const SoilBlock& block)
{
    const WallConfiguration& wall = block.wall;
    std::vector<double> splits = splitDepths(wall.freeHeight, wall.waterBackfill);
    size_t next = 0;
    SoilProfile p;
    double ztop = 0;
    for (const InputLayer& in : block.layers) {
        WorkingLayer w = loadLayer(in, wall.modification);
        w.ztop = ztop;
        const double zb = ztop + in.thickness;
        p.layers.push_back(w);
        while (next < splits.size()) {
            const double zs = splits[next];
            if (sameDepth(zb, zs)) {  // the layer boundary is the split depth
                ++next;
                continue;
            }
            if (zb < zs) break;
            WorkingLayer& upper = p.layers.back();
            upper.thickness = zs - upper.ztop;
            WorkingLayer lower = upper;
            lower.ztop = zs;
            lower.thickness = zb - zs;
            p.layers.push_back(lower);
            ++next;
        }
        ztop = zb;
    }
    markLevels(p, wall.freeHeight, wall.waterBackfill);
    return p;
}

void computeOverburden(SoilProfile& p, double q, double WTb, double gammaW)
{
    if (p.layers.empty()) return;
    p.layer(1).SIGVP = q;
    for (int L = 2; L <= p.NL(); ++L)
        p.layer(L).SIGVP = p.layer(L - 1).SIGVP + p.layer(L - 1).thickness * p.layer(L - 1).weight;
    for (WorkingLayer& w : p.layers)
        if (w.belowWater) w.SIGVP -= (w.ztop - WTb) * gammaW;
}

void levelBackfillActive(WorkingLayer& w)
{
    w.sqrtKa = std::tan((45 - w.phi / 2) / kDegreesPerRadian);
    w.Ka = w.sqrtKa * w.sqrtKa;
}

bool computeCoefficients(WorkingLayer& w, double beta)
{
    levelBackfillActive(w);
    bool slopeTooSteep = false;
    if (std::fabs(beta) > 0) {
        if (std::fabs(beta) < w.phi) {
            const double cb = std::cos(beta / kDegreesPerRadian);
            const double cf = std::cos(w.phi / kDegreesPerRadian);
            const double s = std::sqrt(cb * cb - cf * cf);
            w.Ka = cb * (cb - s) / (cb + s);
            w.sqrtKa = std::sqrt(w.Ka);
        } else {
            slopeTooSteep = true;
        }
    }
    w.sqrtKp = std::tan((45 + w.phi / 2) / kDegreesPerRadian);
    w.Kp = w.sqrtKp * w.sqrtKp;
    return slopeTooSteep;
}

}  // namespace orvane::soil
