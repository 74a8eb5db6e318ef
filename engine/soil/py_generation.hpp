#pragma once
// The p-y generation run: soil layers below the excavation level, five curve
// depths per layer, the soil-layer and strength sections of the report, and
// one 34-point curve per depth written to the exchange file after the user
// sets.

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

// Writes the report sections and the exchange file "soildata" in `workDir`.
// Throws SoilStop when a guard of the generators stops the job.
void generateCurves(const PyGenerationInput& input, const io::UnitLabels& labels, io::Records& report,
                    const std::filesystem::path& workDir);

}  // namespace orvane::soil
