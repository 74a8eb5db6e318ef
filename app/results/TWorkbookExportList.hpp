#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace orvane {

class TCommandStates;
class TGraphPlot;
class TMainGraphs;

// The seven graphs offered for export, in list order (the three-panel graph
// is not offered; shear comes before moment). An entry is available exactly
// when the main-window command that shows its graph is enabled.
class TWorkbookExportList {
public:
    static constexpr int kCount = 7;
    struct Entry {
        std::string_view GraphId;
        std::string_view Command;
    };
    static constexpr std::array<Entry, kCount> kEntries{{
        {"pltPY", "Comppy"},
        {"pltDef", "CompDef"},
        {"pltShear", "CompShear"},
        {"pltMom", "CompMom"},
        {"pltSoil", "CompSoil"},
        {"pltLD", "CompLD"},
        {"PltCombine", "CompCombine"},
    }};

    // The graph and the governing command of entry number 1 .. 7;
    // std::out_of_range for any other number.
    static const TGraphPlot& graph(const TMainGraphs& graphs, int number);
    static std::string_view command(int number);
    static bool available(const TCommandStates& states, int number);

    // The graphs of the given entry numbers in list order, whatever order the
    // numbers come in.
    static std::vector<const TGraphPlot*> graphs(const TMainGraphs& graphs, const std::vector<int>& numbers);
};

}  // namespace orvane
