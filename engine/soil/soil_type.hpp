#pragma once
// The soil-type codes of a layer, as the data file stores them and the engine,
// the project tables and the plot reader read them. No dependencies: the
// programs include it without the rest of the engine.

namespace orvane::soil {

enum class SoilType : int {
    SoftClay = 1,
    StiffClayBelowWater = 2,  // stiff clay with free water
    StiffClayAboveWater = 3,  // stiff clay without free water
    Sand = 4,
    Silt = 5,
    StrongRock = 6,
    WeakRock = 7,
};

inline constexpr int kFirstSoilType = 1;
inline constexpr int kLastSoilType = 7;

// Codes are stored as written; one outside 1..7 reads as itself and every
// test below says what the engine does with it.
constexpr SoilType soilType(int code) { return static_cast<SoilType>(code); }
constexpr int code(SoilType type) { return static_cast<int>(type); }

// The three clays take undrained strength; the rest drain.
constexpr bool isClay(SoilType type) { return code(type) <= code(SoilType::StiffClayAboveWater); }
constexpr bool isRock(SoilType type) { return type == SoilType::StrongRock || type == SoilType::WeakRock; }

// The layer's line in the report's soil-layer section. A code outside 1..7
// reads as soft clay, as the curve generators treat it.
constexpr const char* soilTypeText(SoilType type)
{
    switch (type) {
    case SoilType::StiffClayBelowWater: return "THE SOIL IS A STIFF CLAY BELOW THE WATER TABLE";
    case SoilType::StiffClayAboveWater: return "THE SOIL IS A STIFF CLAY ABOVE THE WATER TABLE";
    case SoilType::Sand: return "THE SOIL IS A SAND";
    case SoilType::Silt: return "THE SOIL IS A SILT";
    case SoilType::StrongRock: return "THE LAYER IS ROCK";
    case SoilType::WeakRock: return "THE LAYER IS WEAK ROCK";
    case SoilType::SoftClay:
    default: return "THE SOIL IS A SOFT CLAY";
    }
}

}  // namespace orvane::soil
