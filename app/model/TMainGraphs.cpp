#include "model/TMainGraphs.hpp"

#include <utility>

namespace orvane {

namespace {

struct TGraphDefinition {
    const char* caption;
    const char* curveName;
    const char* xCaption;
    const char* xUnits;
    const char* yCaption;
    const char* yUnits;
    bool xOnTop;
};

// In the order of TMainGraphs::kIds. Captions left empty are set by the
// plot-data reader from the file's unit system.
constexpr std::array<TGraphDefinition, TMainGraphs::kCount> kDefinitions{{
    {"p-y Curves", "Depth", "y", "L", "p", "F/L", false},
    {"Deflection vs Depth", "Load #", "Deflection", "L", "", "", true},
    {"Moment vs Depth", "Load #", "", "", "", "", true},
    {"Shear vs Depth", "Load #", "", "", "", "", true},
    {"Soil Reaction vs Depth", "Load #", "Reaction", "F", "", "", true},
    {"Deflection, Moment, Shear vs Depth", "Curve #", "", "", "", "", true},
    {"Earth Pressure Distribution", "Curve #", "Distributed load", "F/L", "", "", true},
    {"Earth Pressure Combined", "Curve #", "Distributed Load", "F/L", "Depth", "L2", true},
}};

TGraphPlot defined(const TGraphDefinition& d)
{
    TGraphPlot graph;
    graph.Caption = d.caption;
    graph.CurveName = d.curveName;
    graph.XCaption = d.xCaption;
    graph.XUnits = d.xUnits;
    graph.YCaption = d.yCaption;
    graph.YUnits = d.yUnits;
    graph.XOnTop = d.xOnTop;
    graph.ShowLegend = true;
    graph.ShowLayers = false;
    graph.ShowWall = false;
    graph.ShowThree = false;
    graph.ShowFontWidth = true;
    graph.WallLineCount = 0;
    graph.Markers = 1;
    graph.SizeFont = 10;
    graph.LegendFont = 11;
    graph.WidthLine = 1;
    graph.setUnits(1);
    return graph;
}

}  // namespace

TMainGraphs::TMainGraphs()
{
    reset();
}

TMainGraphs::TMainGraphs(const TMainGraphs& other)
{
    *this = other;
}

TMainGraphs& TMainGraphs::operator=(const TMainGraphs& other)
{
    const auto from = other.all();
    const auto to = all();
    for (size_t i = 0; i < to.size(); ++i) *to[i] = *from[i];
    return *this;
}

void TMainGraphs::reset()
{
    const auto graphs = all();
    for (size_t i = 0; i < graphs.size(); ++i) *graphs[i] = defined(kDefinitions[i]);
}

std::array<TGraphPlot*, TMainGraphs::kCount> TMainGraphs::all()
{
    return {&pltPY, &pltDef, &pltMom, &pltShear, &pltSoil, &pltDMS, &pltLD, &PltCombine};
}

std::array<const TGraphPlot*, TMainGraphs::kCount> TMainGraphs::all() const
{
    return {&pltPY, &pltDef, &pltMom, &pltShear, &pltSoil, &pltDMS, &pltLD, &PltCombine};
}

TGraphPlot* TMainGraphs::byId(std::string_view id)
{
    return const_cast<TGraphPlot*>(std::as_const(*this).byId(id));
}

const TGraphPlot* TMainGraphs::byId(std::string_view id) const
{
    const auto graphs = all();
    for (size_t i = 0; i < graphs.size(); ++i)
        if (kIds[i] == id) return graphs[i];
    return nullptr;
}

std::string_view TMainGraphs::id(const TGraphPlot& graph) const
{
    const auto graphs = all();
    for (size_t i = 0; i < graphs.size(); ++i)
        if (graphs[i] == &graph) return kIds[i];
    return {};
}

}  // namespace orvane
