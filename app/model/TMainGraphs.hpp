#pragma once

#include "model/TGraphPlot.hpp"

#include <array>
#include <string_view>

namespace orvane {

// The result graphs of one open project, created with their fixed captions
// and options and refilled by every read of the plot-data file.
class TMainGraphs {
public:
    static constexpr int kCount = 8;
    // The graphs' identifiers in the order of all().
    static constexpr std::array<std::string_view, kCount> kIds{"pltPY",  "pltDef", "pltMom", "pltShear",
                                                               "pltSoil", "pltDMS", "pltLD",  "PltCombine"};

    TMainGraphs();
    TMainGraphs(const TMainGraphs& other);
    TMainGraphs& operator=(const TMainGraphs& other);

    TGraphPlot pltPY;
    TGraphPlot pltDef;
    TGraphPlot pltMom;
    TGraphPlot pltShear;
    TGraphPlot pltSoil;
    TGraphPlot pltDMS;
    TGraphPlot pltLD;
    TGraphPlot PltCombine;

    std::array<TGraphPlot*, kCount> all();
    std::array<const TGraphPlot*, kCount> all() const;
    // Null for an unknown identifier.
    TGraphPlot* byId(std::string_view id);
    const TGraphPlot* byId(std::string_view id) const;
    // Empty for a graph that is not one of these.
    std::string_view id(const TGraphPlot& graph) const;

    // Back to the graphs as created: no curves, fixed captions and options.
    void reset();
};

}  // namespace orvane
