#pragma once
// The curve generators of the soil families: for every layer of the
// generation run, one curve per depth (two halves of 17 points), written to
// the report and the exchange file.

#include <vector>

#include "io/records.hpp"
#include "io/unit_labels.hpp"
#include "soil/exchange_file.hpp"
#include "soil/py_generation.hpp"

namespace orvane::soil {

struct GenerationRun {
    const PyGenerationInput* input = nullptr;
    const GenerationSetup* setup = nullptr;
    const io::UnitLabels* labels = nullptr;
    io::Records* report = nullptr;
    ExchangeWriter* exchange = nullptr;
};

// Generates the curves of every layer in depth order.
void generateLayerCurves(GenerationRun& run);

}  // namespace orvane::soil
