#pragma once

#include <optional>
#include <string>

namespace orvane::cli {

// What the Plot menu's strip items would turn on before saving.
struct TPictureStrip {
    bool soilLayer = false;
    bool wallGeometry = false;
};

// orvane-run --picture GRAPH FILE.ov5d OUT [--width IN] [--height IN] [--ppi N]
// [--soil-layer [--wall-geometry]]: draws one graph of an analysed project
// as the graph window's "Save To Disk..." does with the graph's default
// options (6 x 4 inches at 72 pixels per inch unless asked otherwise), in
// the format of OUT's extension (.bmp, .png, .pdf, .svg); the strip options
// act as "Show Soil Layer" and "Show Wall Geometry" would, and like those
// items exist only for a graph with soil layers or wall curves. 0 written,
// 1 the graph or its strip is not available or the picture could not be
// written, 2 a usage error.
int runPicture(const std::string& graph, const std::string& data, const std::string& out,
               std::optional<double> width, std::optional<double> height, std::optional<int> ppi,
               TPictureStrip strip = {});

}  // namespace orvane::cli
