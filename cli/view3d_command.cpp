#include "view3d_command.hpp"

#include <cctype>
#include <cmath>
#include <iostream>
#include <string>

#include "gui_application.hpp"
#include "view_input.hpp"
#include "model/TMainGraphs.hpp"
#include "model/TPlotFileReader.hpp"
#include "model/TProject.hpp"
#include "views/T3DScenePainter.hpp"

namespace fs = std::filesystem;

namespace orvane::cli {

int runView3D(const fs::path& data, const fs::path& out, std::optional<double> width, std::optional<double> height,
              std::optional<double> factor, std::optional<double> yaw, std::optional<double> pitch,
              std::optional<double> zoom)
{
    for (const auto& [name, value] : {std::pair{"--yaw", yaw}, std::pair{"--pitch", pitch}})
        if (value && !std::isfinite(*value)) {
            std::cerr << "orvane-run: " << name << " is a finite angle in degrees\n";
            return 2;
        }
    if (zoom && !(*zoom > 0 && std::isfinite(*zoom))) {
        std::cerr << "orvane-run: --zoom is a finite number above 0\n";
        return 2;
    }
    const int w = viewPixels(width, kViewDefaultWidth), h = viewPixels(height, kViewDefaultHeight);
    if (w == 0 || h == 0) {
        std::cerr << "orvane-run: --width and --height of --view-3d are whole pixels from 1 to " << kViewLargestSide << "\n";
        return 2;
    }
    if (factor && !std::isfinite(*factor)) {
        std::cerr << "orvane-run: --factor is a finite number\n";
        return 2;
    }
    std::string ext = out.extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext != ".png") {
        std::cerr << "orvane-run: the 3-D View is written as .png, not \"" << ext << "\"\n";
        return 2;
    }
    TProject project;
    if (!readModeProject(data, project)) return 1;
    T3DDisplay display;
    TMainGraphs graphs;
    if (factor) {
        // As in the window, where Deformed Shape needs a deflection curve.
        const fs::path plot = TPlotFileReader::plotFilePath(data);
        std::string error;
        if (!fs::is_regular_file(plot) || !TPlotFileReader::read(graphs, project, plot, &error) ||
            !T3DSceneBuilder::hasDeflection(&graphs.pltDef)) {
            std::cerr << "orvane-run: no deflection results beside " << data.string() << " for --factor"
                      << (error.empty() ? std::string() : ": " + error) << "\n";
            return 1;
        }
        display.deformed = display.undeformed = true;
        display.factor = *factor;
    }
    ensureGuiApplication();
    if (const auto error = T3DScenePainter::writePicture(project, &graphs.pltDef, display, out, w, h, {yaw, pitch, zoom})) {
        std::cerr << "orvane-run: " << *error << "\n";
        return 1;
    }
    std::cout << data.string() << " -> " << out.string() << " (" << w << " x " << h << ")\n";
    return 0;
}

}  // namespace orvane::cli
