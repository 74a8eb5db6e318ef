#include "model/TSoilProperties.hpp"

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
    std::array<TSoilSlot, kSlots> slots = soilType <= 3 ? kClay
                                          : soilType == 4 ? kSand
                                          : soilType == 5 ? kSilt
                                          : soilType == 6 ? kStrongRock
                                                          : kWeakRock;
    if (longTerm && soilType <= 5) slots[5] = kUnused;
    return slots;
}

}  // namespace orvane
