#pragma once
// Runs the curve generators over a soil block in a private folder and hands
// back the report and the exchange file; builds the small blocks they take.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "io/unit_labels.hpp"
#include "job_fixture.hpp"
#include "soil/py_curve_generators.hpp"
#include "soil/py_generation.hpp"

namespace orvane::soil::test {

struct GeneratedCurves {
    LayerTotals totals;
    std::string report;
    std::string exchange;
};

inline GeneratedCurves generateCurvesOf(const SoilBlock& block, int NI, double h, double sigvp, int units = 1)
{
    orvane::test::JobFolder folder;
    PyGenerationInput in;
    in.block = &block;
    in.units = units;
    in.NI = NI;
    in.h = h;
    in.sigvpAtExcavation = sigvp;
    const GenerationSetup setup = buildGenerationSetup(in);
    GeneratedCurves g;
    {
        io::Records report;
        report.open(folder.dir() / "report");
        ExchangeWriter exchange;
        exchange.open(folder.dir() / "exchange");
        io::UnitLabels labels = io::UnitLabels::english();
        labels.select(units);
        GenerationRun run{&in, &setup, &labels, &report, &exchange};
        g.totals = generateLayerCurves(run);
    }
    g.report = orvane::test::readFile(folder.dir() / "report");
    g.exchange = orvane::test::readFile(folder.dir() / "exchange");
    return g;
}

// A wall with its excavation at H; the backfill water far below the layers.
inline SoilBlock wallBlock(double H, double Wa, double Wp, std::vector<InputLayer> layers)
{
    SoilBlock b;
    b.present = true;
    b.wall.freeHeight = H;
    b.wall.activeWidth = Wa;
    b.wall.resistanceWidth = Wp;
    b.wall.waterBackfill = 1.0E6;
    b.wall.waterExcavation = 1.0E6;
    b.layers = std::move(layers);
    return b;
}

// A layer with the same property line at its top and its bottom.
inline InputLayer uniformLayer(int type, double thickness, std::array<double, 6> properties)
{
    return {type, thickness, properties, properties};
}

// The line that equals `text`, and the lines around it.
inline std::vector<std::string>::const_iterator lineOf(const std::vector<std::string>& l, const std::string& text)
{
    return std::find(l.begin(), l.end(), text);
}

}  // namespace orvane::soil::test
