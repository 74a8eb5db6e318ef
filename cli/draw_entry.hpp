#pragma once
// The drawing modes (--picture, --export-xlsx, --side-view, --view-3d) live in a module
// of their own that orvane-run loads only when one of them is asked for: the
// analysis of data files then starts without the graphics and workbook
// libraries, in less time and memory.

#include <optional>
#include <string>
#include <vector>

namespace orvane::cli {

struct DrawRequest {
    enum class Mode { Picture, ExportXlsx, SideView, View3D };
    Mode mode = Mode::Picture;
    std::vector<std::string> args;  // the mode's own arguments, in order
    std::optional<double> width, height;
    std::optional<int> ppi;
    std::optional<std::string> plots;
    bool soilLayer = false, wallGeometry = false;  // --picture's soil-layer strip
    std::optional<double> factor;                  // --view-3d's deformed shape
    std::optional<double> yaw, pitch, zoom;        // --view-3d's camera
};

// The module's file, found beside orvane-run or in ../lib of it.
inline constexpr const char* kDrawModuleName = "liborvane-run-draw.so";
inline constexpr const char* kDrawEntryName = "orvane_run_draw";
// Runs the mode and returns the exit status; nothing is thrown out of it.
using DrawEntry = int (*)(const DrawRequest* request);

}  // namespace orvane::cli
