#pragma once
// Lateral pressure on the wall from point, line and strip loads on the
// backfill surface. The layer resultants and the pressure at depth use two
// sets of constants for the line and strip formulas.

#include <vector>

#include "soil/soil_input.hpp"

namespace orvane::soil {

struct SurchargeConstants {
    double line;   // factor of the line-load formula beyond m = 0.4
    double strip;  // factor of the strip-load formula
};

SurchargeConstants resultantConstants();  // 1.273 and 0.6366
SurchargeConstants depthConstants();      // 4/pi and 2/pi, pi taken as 3.1416

// Pressure at depth z from one load at distance X from a wall of free height H
// (a strip load of width B).
double surchargePressureAt(const Surcharge& load, double H, double z, const SurchargeConstants& c);

// Lateral pressure at depth Z from every row of the table. The depth is
// sampled at 200 equal steps over the wall length: each row contributes its
// pressure at the deepest step lying above Z.
double surchargeAtDepth(const std::vector<Surcharge>& rows, double wallLength, double H, double Z);

// The single surcharge values after the table rows have been listed: each row
// replaces them, so they hold the last row, or with an empty table the values
// of the surcharge line.
SurchargeLine singleSurchargeAfterTable(const SoilBlock& block);

}  // namespace orvane::soil
