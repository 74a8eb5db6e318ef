#pragma once

namespace orvane {

// Quantities that the data file holds in other units than the table shows:
// English tables show feet-based values, the file has inch-based ones; SI
// tables show the tieback steel area in mm^2, the file has m^2.
enum class TFileQuantity { Plain, Depth, LineLoad, UnitWeight, Cohesion, SteelArea };

class TFileUnits {
public:
    static double toFile(double tableValue, TFileQuantity quantity, int units);
    static double fromFile(double fileValue, TFileQuantity quantity, int units);
};

}  // namespace orvane
