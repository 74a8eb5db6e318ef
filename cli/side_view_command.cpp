#include "side_view_command.hpp"

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string>

#include "gui_application.hpp"
#include "messages.hpp"
#include "model/TDataFileReader.hpp"
#include "model/TLayout.hpp"
#include "model/TProject.hpp"
#include "views/TSideViewPainter.hpp"

namespace fs = std::filesystem;

namespace orvane::cli {

namespace {

constexpr int kDefaultWidth = 1000;
constexpr int kDefaultHeight = 700;
constexpr int kLargest = 20000;

// A size in whole pixels, or 0 when the value is not one.
int pixels(std::optional<double> value, int fallback)
{
    if (!value) return fallback;
    const double v = *value;
    if (!(v >= 1) || v > kLargest || v != std::floor(v)) return 0;
    return static_cast<int>(v);
}

}  // namespace

int runSideView(const fs::path& data, const fs::path& out, std::optional<double> width, std::optional<double> height)
{
    const int w = pixels(width, kDefaultWidth), h = pixels(height, kDefaultHeight);
    if (w == 0 || h == 0) {
        std::cerr << "orvane-run: --width and --height of --side-view are whole pixels from 1 to " << kLargest << "\n";
        return 2;
    }
    if (!fs::is_regular_file(data)) {
        std::cerr << "orvane-run: cannot read " << data.string() << ": no such file\n";
        return 1;
    }
    // Read without splitting stage files beside the data: the view shows the
    // first stage, as the desktop program does on opening.
    TProject project;
    if (const auto error = TDataFileReader::readProject(project, data, TLayouts::forPath(data))) {
        std::cerr << "orvane-run: cannot read " << data.string() << ":\n" << indented(*error) << "\n";
        return 1;
    }
    ensureGuiApplication();
    if (const auto error = TSideViewPainter::writePicture(project, out, w, h)) {
        std::cerr << "orvane-run: " << *error << "\n";
        return 1;
    }
    std::cout << data.string() << " -> " << out.string() << " (" << w << " x " << h << ")\n";
    return 0;
}

}  // namespace orvane::cli
