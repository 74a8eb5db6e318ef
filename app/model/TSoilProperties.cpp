#include "model/TSoilProperties.hpp"

#include "soil/soil_type.hpp"

namespace orvane {

namespace {

using Q = TFileQuantity;
constexpr TSoilSlot kUnused{-1, Q::Plain};

constexpr std::array<TSoilSlot, 6> kClay{{{0, Q::UnitWeight}, {1, Q::Cohesion}, kUnused, {2, Q::Plain}, {3, Q::Plain},
                                          {4, Q::Plain}}};
constexpr std::array<TSoilSlot, 6> kSand{{{0, Q::UnitWeight}, kUnused, {1, Q::Plain}, kUnused, {2, Q::Plain},
                                          {3, Q::Plain}}};
constexpr std::array<TSoilSlot, 6> kSilt{{{0, Q::UnitWeight}, {2, Q::Cohesion}, {1, Q::Plain}, {3, Q::Plain},
                                          {4, Q::Plain}, {5, Q::Plain}}};
constexpr std::array<TSoilSlot, 6> kStrongRock{{{0, Q::UnitWeight}, {1, Q::Plain}, kUnused, kUnused, kUnused, kUnused}};
constexpr std::array<TSoilSlot, 6> kWeakRock{{{0, Q::UnitWeight}, {1, Q::Plain}, kUnused, {2, Q::Plain},
                                              {3, Q::Plain}, {4, Q::Plain}}};

}  // namespace

std::array<TSoilSlot, TSoilProperties::kSlots> TSoilProperties::slots(int soilType, bool longTerm)
{
    using soil::SoilType;
    // A code outside the types reads as the nearest end: below as clay, above as weak rock.
    const SoilType type = soil::soilType(soilType);
    std::array<TSoilSlot, kSlots> slots = soil::isClay(type)              ? kClay
                                          : type == SoilType::Sand       ? kSand
                                          : type == SoilType::Silt       ? kSilt
                                          : type == SoilType::StrongRock ? kStrongRock
                                                                         : kWeakRock;
    // The clays, sand and silt: the types before the rocks.
    if (longTerm && soilType <= soil::code(SoilType::Silt)) slots[5] = kUnused;
    return slots;
}

}  // namespace orvane
