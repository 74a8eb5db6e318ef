#include "side_view_command.hpp"

#include <iostream>
#include <string>

#include "gui_application.hpp"
#include "view_input.hpp"
#include "model/TLayout.hpp"
#include "model/TProject.hpp"
#include "views/TSideViewPainter.hpp"

namespace fs = std::filesystem;

namespace orvane::cli {

int runSideView(const fs::path& data, const fs::path& out, std::optional<double> width, std::optional<double> height)
{
    const int w = viewPixels(width, kViewDefaultWidth), h = viewPixels(height, kViewDefaultHeight);
    if (w == 0 || h == 0) {
        std::cerr << "orvane-run: --width and --height of --side-view are whole pixels from 1 to " << kViewLargestSide << "\n";
        return 2;
    }
    // A type the extension does not name is a usage error, as in every mode.
    if (!TLayouts::hasExtension(out, ".png") && !TLayouts::hasExtension(out, ".svg") &&
        !TLayouts::hasExtension(out, ".pdf")) {
        std::cerr << "orvane-run: the side view is written as .png, .svg or .pdf, not \"" << out.extension().string()
                  << "\"\n";
        return 2;
    }
    TProject project;
    if (!readModeProject(data, project)) return 1;
    ensureGuiApplication();
    if (const auto error = TSideViewPainter::writePicture(project, out, w, h)) {
        std::cerr << "orvane-run: " << *error << "\n";
        return 1;
    }
    std::cout << data.string() << " -> " << out.string() << " (" << w << " x " << h << ")\n";
    return 0;
}

}  // namespace orvane::cli
