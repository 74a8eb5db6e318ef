#include "graphs_command.hpp"
#include "view_input.hpp"

#include <algorithm>
#include <iostream>
#include <string>

#include <nlohmann/json.hpp>

#include "messages.hpp"
#include "model/TDataFileReader.hpp"
#include "model/TMainGraphs.hpp"
#include "model/TPlotFileReader.hpp"
#include "model/TProject.hpp"

namespace fs = std::filesystem;
// Keys in the order of the documented layout.
using json = nlohmann::ordered_json;

namespace orvane::cli {

namespace {

json curves(const TGraphPlot& graph, const TCurveList& list)
{
    json result = json::array();
    for (const TLine& line : list) {
        json points = json::array();
        for (const TFloatPoint& p : line.Points) points.push_back({p.X, p.Y});
        result.push_back({{"name", line.Name},
                          {"value", line.Value},
                          {"legend", graph.legendText(line)},
                          {"visible", line.Visible},
                          {"active", line.Active},
                          {"points", std::move(points)}});
    }
    return result;
}

json graphJson(std::string_view id, const TGraphPlot& g)
{
    return {
        {"id", id},
        {"caption", g.Caption},
        {"curve_name", g.CurveName},
        {"x_caption", g.XCaption},
        {"x_units", g.XUnits},
        {"y_caption", g.YCaption},
        {"y_units", g.YUnits},
        {"x_caption2", g.XCaption2},
        {"x_units2", g.XUnits2},
        {"y_caption2", g.YCaption2},
        {"y_units2", g.YUnits2},
        {"x_caption3", g.XCaption3},
        {"x_units3", g.XUnits3},
        {"y_caption3", g.YCaption3},
        {"y_units3", g.YUnits3},
        {"units", g.units()},
        {"x_on_top", g.XOnTop},
        {"show_legend", g.ShowLegend},
        {"show_layers", g.ShowLayers},
        {"show_wall", g.ShowWall},
        {"show_three", g.ShowThree},
        {"wall_line_count", g.WallLineCount},
        {"lines", curves(g, g.Lines)},
        {"layers", curves(g, g.Layers)},
        {"lines2", curves(g, g.Lines2)},
        {"lines3", curves(g, g.Lines3)},
    };
}

}  // namespace

int runGraphs(const fs::path& dataArg)
{
    const fs::path data = fs::absolute(dataArg);
    // Read without splitting stage files beside the data; the reader opens
    // the file once and refuses anything but a regular file.
    TProject project;
    if (!readModeProject(data, project)) return 1;

    TMainGraphs graphs;
    const fs::path plotFile = TPlotFileReader::plotFilePath(data);
    bool results = false, read = false;
    if (!fs::is_regular_file(plotFile)) {
        std::cerr << "orvane-run: no plot-data file " << plotFile.string() << " (analyse the project first)\n";
    } else {
        std::string error;
        results = TPlotFileReader::read(graphs, project, plotFile, &error);
        read = true;
        if (!results) std::cerr << "orvane-run: cannot read " << plotFile.string() << ":\n" << indented(error) << "\n";
    }

    json all = json::array();
    const auto list = graphs.all();
    for (size_t i = 0; i < list.size(); ++i) all.push_back(graphJson(TMainGraphs::kIds[i], *list[i]));
    const json document{
        {"results_available", results},
        {"pressure_point_count", project.data().PressurePointCount},
        // A complete read leaves one deflection curve per analysis case; the
        // reader counts one case from the start, so a read that stopped
        // before the cases' count (in the p-y block) still has that one.
        {"case_count", read ? std::max(1, graphs.pltDef.Lines.curveCount()) : 0},
        {"graphs", std::move(all)},
    };
    std::cout << document.dump() << "\n";
    return results ? 0 : 1;
}

}  // namespace orvane::cli
