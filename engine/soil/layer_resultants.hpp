#pragma once
// Resultant active and water forces of the layers above the excavation level,
// which the report lists, and the net active force they add up to.

#include "soil/soil_input.hpp"
#include "soil/soil_profile.hpp"

namespace orvane::soil {

// PA1..PA4, Z1..Z3 and the tension zone of layers 1..LP-1. The single
// surcharge values above 1.0E-4 add to PA1; H normalises their formulas.
void computeLayerResultants(SoilProfile& profile, const SurchargeLine& single, double H, double gammaW);

// True when the backfill water table lies above the excavation level, so the
// layers LW..LP-1 carry water forces.
bool waterAboveExcavation(const SoilProfile& profile);

// PW1 and PW2 of the drained layers LW..LP-1 (clays carry none).
void computeWaterResultants(SoilProfile& profile, double WTb, double gammaW);

// Sum over the layers above the excavation of PA1 + PA2 + PA3 + PA4 - PW1 - PW2.
double netActiveForce(const SoilProfile& profile);

}  // namespace orvane::soil
