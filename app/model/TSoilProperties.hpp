#pragma once

#include "model/TFileUnits.hpp"

#include <array>

namespace orvane {

// Where the values of a soil layer's parameter table go in the six slots of
// a property line of the data file, by soil type (1 soft clay ... 7 weak
// rock). Unused slots are written as "0.0  " and skipped when read.
struct TSoilSlot {
    int column;  // column of the parameter table, -1 for an unused slot
    TFileQuantity quantity;
};

class TSoilProperties {
public:
    static constexpr int kSlots = 6;

    // Slots of a property line; in the long-term set the optional earth
    // pressure coefficient of clay, sand and silt is not carried.
    static std::array<TSoilSlot, kSlots> slots(int soilType, bool longTerm);
};

}  // namespace orvane
