#pragma once
// The p-y generation run: soil layers below the excavation level, five curve
// depths per layer, the soil-layer and strength sections of the report, and
// one 34-point curve per depth written to the exchange file after the user
// sets.

#include <array>
#include <filesystem>
#include <vector>

#include "io/records.hpp"
#include "io/unit_labels.hpp"
#include "soil/exchange_file.hpp"
#include "soil/soil_input.hpp"

namespace orvane::soil {

struct PyModificationRow {
    double depth = 0;  // below the top of the wall
    double pFactor = 1;
    double yFactor = 1;
};

struct PyGenerationInput {
    const SoilBlock* block = nullptr;
    int units = 1;
    int NI = 0;
    double h = 0;
    double sigvpAtExcavation = 0;  // of the latest earth-pressure run of the job (0 when none)
    std::vector<PyModificationRow> modifications;
    std::vector<ExchangeUserSet> userSets;  // written ahead of the generated curves
};

// A soil layer below the excavation level; depths are measured from the
// excavation level.
struct PyLayer {
    SoilType type = SoilType::SoftClay;
    double top = 0;
    double bottom = 0;
    std::array<double, 6> topLine{};     // property values at the top of the layer
    std::array<double, 6> bottomLine{};  // and at its bottom
    double weightTop = 0;                // effective unit weights
    double weightBottom = 0;
};

// Property tables with two rows per layer (top, bottom); depths below the
// excavation level, friction angles in radians.
struct PropertyTables {
    std::vector<double> depth;
    std::vector<double> strength;  // cohesion, or the compressive strength of rock
    std::vector<double> phi;
    std::vector<double> e50;       // strain at half the strength, or krm of weak rock
    std::vector<double> sixth;     // sixth property value (RQD of weak rock)
    std::vector<double> weight;    // effective unit weight
};

// Everything the curve generators need: built from the input, then reported.
struct GenerationSetup {
    double H = 0;           // excavation depth below the top of the wall
    double Wa = 0, Wp = 0;  // widths for earth pressure and for soil resistance
    double waterUnitWeight = 0;
    std::vector<PyLayer> layers;
    std::vector<double> depths;  // five per layer, below the excavation level
    PropertyTables tables;
};

GenerationSetup buildGenerationSetup(const PyGenerationInput& input);

// The report sections of the soil layers and their strength.
void writeSoilLayerSections(const GenerationSetup& setup, const io::UnitLabels& labels, io::Records& report);

// Writes the report sections and the exchange file "soildata" in `workDir`.
// Throws SoilStop when a guard of the generators stops the job.
void generateCurves(const PyGenerationInput& input, const io::UnitLabels& labels, io::Records& report,
                    const std::filesystem::path& workDir);

}  // namespace orvane::soil
