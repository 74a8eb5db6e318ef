#pragma once
// Fixed values of the earth-pressure package. Like every decimal constant of
// the engine they act as single-precision values.

#include "io/single.hpp"
#include "io/unit_labels.hpp"

namespace orvane::soil {

// Two depths closer than this are the same depth.
inline constexpr double kDepthTolerance = f32(1.0E-5);
// Degrees per radian of the package (not 180/pi to full precision).
inline constexpr double kDegreesPerRadian = f32(57.2958);

// Unit weight of water: 9.81 kN/m^3 in SI units, 0.036 lb/in^3 otherwise.
constexpr double waterUnitWeight(int unitCode) { return unitCode == io::kSiUnits ? f32(9.81) : f32(0.036); }

}  // namespace orvane::soil
