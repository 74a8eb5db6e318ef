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

// What one generation run reads and writes, as its caller holds it.
struct GenerationRun {
    const PyGenerationInput& input;
    const GenerationSetup& setup;
    const io::UnitLabels& labels;
    io::Records& report;
    ExchangeWriter& exchange;
};

// What the generators accumulate per layer: the ultimate resistance over the
// layer and its equivalent depth (0 for the first layer and for rock).
struct LayerTotals {
    std::vector<double> ACC;
    std::vector<double> XEQ;
};

// Generates the curves of every layer in depth order.
LayerTotals generateLayerCurves(GenerationRun& run);

}  // namespace orvane::soil
