#pragma once
// The working soil profile of the earth-pressure package: the input layers cut
// at the excavation level and at the backfill water table, with the effective
// overburden stress and the earth-pressure coefficients of every layer.

#include <cstddef>
#include <vector>

#include "io/single.hpp"
#include "soil/soil_input.hpp"

namespace orvane::soil {

inline constexpr int kMaxWorkingLayers = 20;

struct WorkingLayer {
    double thickness = 0;
    double ztop = 0;
    double cohesion = 0;
    double phi = 0;     // friction angle, degrees
    double weight = 0;  // total unit weight
    bool drained = false;
    double modification = 1;  // MF of the wall
    bool belowWater = false;  // top at or below the backfill water table
    double Ka = 0, sqrtKa = 0, Kp = 0, sqrtKp = 0;
    double SIGVP = 0;  // effective vertical stress at the top

    // Layer resultants (layers above the excavation level only); the lines of
    // action start at values that no layer can have.
    double PA1 = 0, PA2 = 0, PA3 = 0, PA4 = 0;
    double Z1 = -1000.0, Z2 = -1000.0, Z3 = -f32(1.0E-5);
    double PW1 = 0, PW2 = 0;  // water forces, negative
    double tensionZone = 0;
};

struct SoilProfile {
    std::vector<WorkingLayer> layers;  // layer L (1-based) at index L-1
    int LP = 0;  // the layer whose top lies at the excavation level; 0 none
    int LW = 0;  // the layer whose top lies at the backfill water table; 0 none

    int NL() const { return static_cast<int>(layers.size()); }
    WorkingLayer& layer(int L) { return layers[static_cast<std::size_t>(L - 1)]; }
    const WorkingLayer& layer(int L) const { return layers[static_cast<std::size_t>(L - 1)]; }
};

// Builds the working profile from the input layers (at most kMaxInputLayers):
// properties from the top property line, cuts at H and WTb, LP, LW and the
// below-water flags.
SoilProfile splitProfile(const SoilBlock& block);

// SIGVP of every layer: q at the surface, total unit weights downwards, less
// the water pressure at the tops below the backfill water table.
void computeOverburden(SoilProfile& profile, double q, double WTb, double gammaW);

// Ka and Kp of a layer for a backfill slope beta (degrees). Returns true when
// the slope is not smaller than the friction angle, so Ka stays that of a
// level backfill.
bool computeCoefficients(WorkingLayer& layer, double beta);

// Ka of a level backfill, as used below the excavation level.
void levelBackfillActive(WorkingLayer& layer);

}  // namespace orvane::soil
