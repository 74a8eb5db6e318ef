#pragma once
// Runs the curve generators over a soil block in a private folder and hands
// back the report and the exchange file; builds the small blocks they take.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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

inline GeneratedCurves generateCurvesOf(const SoilBlock& block, int NI, double h, double sigvp, int units = 1,
                                        std::vector<PyModificationRow> modifications = {})
{
    orvane::test::JobFolder folder;
    PyGenerationInput in;
    in.block = &block;
    in.units = units;
    in.NI = NI;
    in.h = h;
    in.sigvpAtExcavation = sigvp;
    in.modifications = std::move(modifications);
    const GenerationSetup setup = buildGenerationSetup(in);
    GeneratedCurves g;
    {
        io::Records report;
        report.open(folder.dir() / "report");
        ExchangeWriter exchange;
        exchange.open(folder.dir() / "exchange");
        io::UnitLabels labels = io::UnitLabels::english();
        labels.select(units);
        GenerationRun run{in, setup, labels, report, exchange};
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
    return {soilType(type), thickness, properties, properties};
}

// The line that equals `text`, and the lines around it.
inline std::vector<std::string>::const_iterator lineOf(const std::vector<std::string>& l, const std::string& text)
{
    return std::find(l.begin(), l.end(), text);
}

// Lines expected at offsets from `at` in `l`.
inline void expectLinesAround(const std::vector<std::string>& l, std::vector<std::string>::const_iterator at,
                              const std::vector<std::pair<long, std::string>>& expected)
{
    for (const auto& [offset, text] : expected) {
        const long index = (at - l.begin()) + offset;
        ASSERT_TRUE(index >= 0 && index < static_cast<long>(l.size())) << offset;
        EXPECT_EQ(l[static_cast<size_t>(index)], text) << "line " << offset << " from the anchor";
    }
}

// A job of one set with generated p-y curves and no earth pressure: 40
// increments of 12 in, excavation at 180 in, one soil layer given as its
// header and two property lines.
inline orvane::engine::JobOutcome runCurveJob(orvane::test::JobFolder& job, const std::string& layer)
{
    return job.run("Curves\n1 0 1 0 0 2 0 1 0 0\n40 12 10 1E-05 180 12\n0 40 1 4.5E+09\n0\n0\n"
                   "180 12 12 600 600 1 1 0\n0 0 0 0 0 0\n0\n1\n" +
                   layer + "0\n");
}

// The job ended on an input error whose message stands in the report with
// `before` right above it, and the report ends as every job's does.
inline void expectRejected(const orvane::test::JobFolder& job, const orvane::engine::JobOutcome& outcome,
                           const std::string& message, const std::vector<std::string>& before)
{
    EXPECT_EQ(outcome.end, orvane::engine::JobEnd::InputError);
    const auto l = orvane::test::lines(job.report());
    const auto at = lineOf(l, message);
    ASSERT_NE(at, l.end()) << message;
    std::vector<std::pair<long, std::string>> above;
    for (size_t i = 0; i < before.size(); ++i) above.push_back({static_cast<long>(i) - static_cast<long>(before.size()), before[i]});
    expectLinesAround(l, at, above);
    EXPECT_EQ(l.back(), "     END OF ANALYSIS" + std::string(29, ' '));
}

}  // namespace orvane::soil::test
