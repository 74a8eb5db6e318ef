#pragma once
// The soil block of an analysis set as the data file gives it: wall
// configuration, surcharges and soil layers (layer bottoms already turned into
// thicknesses). The earth-pressure package and the p-y generation read it.

#include <array>
#include <vector>

#include "soil/soil_type.hpp"

namespace orvane::soil {

inline constexpr int kMaxInputLayers = 10;

struct WallConfiguration {
    double freeHeight = 0;       // H, depth of the excavation level
    double activeWidth = 0;      // Wa
    double resistanceWidth = 0;  // Wp
    double waterBackfill = 0;    // WTb
    double waterExcavation = 0;  // WTe
    double modification = 1;     // MF, multiplies every active earth-pressure term
    int waterFlag = 1;
    double slope = 0;            // backfill slope beta, degrees
};

// The single surcharge of the older files, still carried by the surcharge line.
struct SurchargeLine {
    double uniform = 0;  // q, uniform pressure on the backfill surface
    double distance = 0;
    double pointLoad = 0;
    double lineLoad = 0;
    double stripLoad = 0;
    double stripWidth = 0;
};

// The loads of the surcharge table by their codes in the data file.
enum class SurchargeType : int {
    Point = 1,
    Line = 2,
    Strip = 3,  // of a width, centred at the distance
};

// A code other than those of a line or a strip load acts as a point load.
constexpr SurchargeType surchargeType(int code)
{
    switch (static_cast<SurchargeType>(code)) {
    case SurchargeType::Line: return SurchargeType::Line;
    case SurchargeType::Strip: return SurchargeType::Strip;
    default: return SurchargeType::Point;
    }
}

struct Surcharge {
    int type = 1;  // the code as read (SurchargeType)
    double magnitude = 0;
    double distance = 0;
    double width = 0;

    SurchargeType kind() const { return surchargeType(type); }
};

struct InputLayer {
    SoilType type = SoilType::SoftClay;
    double thickness = 0;
    std::array<double, 6> top{};     // property line at the top of the layer
    std::array<double, 6> bottom{};  // property line at the bottom
};

struct SoilBlock {
    bool present = false;
    WallConfiguration wall;
    SurchargeLine line;
    std::vector<Surcharge> surcharges;
    std::vector<InputLayer> layers;
};

}  // namespace orvane::soil
