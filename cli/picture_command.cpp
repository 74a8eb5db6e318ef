#include "picture_command.hpp"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>

#include "gui_application.hpp"
#include "view_input.hpp"
#include "messages.hpp"
#include "model/TCommandStates.hpp"
#include "model/TDataFileReader.hpp"
#include "model/TLayout.hpp"
#include "model/TMainGraphs.hpp"
#include "model/TPlotFileReader.hpp"
#include "model/TProject.hpp"
#include "results/TGraphPainter.hpp"
#include "results/TGraphPicture.hpp"

namespace fs = std::filesystem;

namespace orvane::cli {

namespace {

// The pixels per inch of the window whose layout a saved picture takes.
constexpr int kScreenPpi = 96;
constexpr double kMinInches = 2;
constexpr double kMaxInches = 100;
constexpr int kMinPpi = 10;
constexpr int kMaxPpi = 2400;

// The main window's command that opens each graph.
const char* commandOf(std::string_view id)
{
    static const std::pair<std::string_view, const char*> commands[] = {
        {"pltPY", "Comppy"},     {"pltDef", "CompDef"},     {"pltMom", "CompMom"}, {"pltShear", "CompShear"},
        {"pltSoil", "CompSoil"}, {"pltDMS", "DefMomShear"}, {"pltLD", "CompLD"},   {"PltCombine", "CompCombine"},
    };
    for (const auto& [graph, command] : commands)
        if (graph == id) return command;
    return nullptr;
}

std::string graphList()
{
    std::string list;
    for (std::string_view id : TMainGraphs::kIds) list += (list.empty() ? "" : ", ") + std::string(id);
    return list;
}

}  // namespace

int runPicture(const std::string& givenGraph, const std::string& dataArg, const std::string& outArg,
               std::optional<double> width, std::optional<double> height, std::optional<int> ppi,
               TPictureStrip strip)
{
    TPictureAttributes a;
    a.widthInches = width.value_or(a.widthInches);
    a.heightInches = height.value_or(a.heightInches);
    a.ppi = ppi.value_or(a.ppi);
    const auto inches = [](double v) { return v >= kMinInches && v <= kMaxInches; };
    if (!inches(a.widthInches) || !inches(a.heightInches) || a.ppi < kMinPpi || a.ppi > kMaxPpi) {
        std::cerr << "orvane-run: --width and --height are inches from 2 to 100, --ppi a whole number from 10 to 2400\n";
        return 2;
    }
    // Graph names in any letter case ("pltdef", "PLTDMS").
    std::string graphId = givenGraph;
    for (std::string_view id : TMainGraphs::kIds)
        if (id.size() == givenGraph.size() &&
            std::equal(id.begin(), id.end(), givenGraph.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
            }))
            graphId = std::string(id);
    const char* command = commandOf(graphId);
    if (!command) {
        std::cerr << "orvane-run: unknown graph \"" << givenGraph << "\"; the graphs are " << graphList() << "\n";
        return 2;
    }
    const fs::path data = fs::absolute(dataArg), out = fs::absolute(outArg);
    if (!TGraphPicture::knownFormat(out)) {
        std::cerr << "orvane-run: the picture's type comes from its extension: .bmp, .png, .pdf or .svg\n";
        return 2;
    }
    TProject project;
    if (!readModeProject(data, project)) return 1;
    TMainGraphs graphs;
    const fs::path plotFile = TPlotFileReader::plotFilePath(data);
    std::string readError;
    const bool results = fs::exists(plotFile) && TPlotFileReader::read(graphs, project, plotFile, &readError);
    if (!TCommandStates(project, results, graphs).enabled(command)) {
        std::cerr << "orvane-run: graph " << graphId << " is not available: "
                  << (results ? "it has no curve with more than one point"
                              : "no results (analyse the project first)" +
                                    (readError.empty() ? std::string() : ": " + readError))
                  << "\n";
        return 1;
    }
    TGraphPlot& graph = *graphs.byId(graphId);
    // The window offers the strip's items only for a graph that has what they show.
    if (strip.soilLayer && graph.Layers.curveCount() == 0) {
        std::cerr << "orvane-run: graph " << graphId << " has no soil layers to show\n";
        return 1;
    }
    if (strip.wallGeometry && graph.WallLineCount == 0) {
        std::cerr << "orvane-run: graph " << graphId << " has no wall geometry to show\n";
        return 1;
    }
    graph.ShowLayers = graph.ShowLayers || strip.soilLayer;
    graph.ShowWall = graph.ShowWall || strip.wallGeometry;
    ensureGuiApplication();
    // As a window opening on the graph: the first 20 curves active, the
    // full ranges, the legend at its place for a window of the picture's size.
    TGraphPainter::activateFirst(graph);
    const TGraphView view = TGraphPicture::openingView(graph, a.pixels(), kScreenPpi);
    if (const auto error = TGraphPicture::save(graph, view, a, kScreenPpi, out)) {
        std::cerr << "orvane-run: " << *error << "\n";
        return 1;
    }
    std::cout << graphId << " of " << data.string() << " -> " << out.string() << " (" << a.pixels().width() << " x "
              << a.pixels().height() << ")\n";
    return 0;
}

}  // namespace orvane::cli
