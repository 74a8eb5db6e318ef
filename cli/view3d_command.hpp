#pragma once
// The 3-D View of a project drawn into a PNG picture without a display.

#include <filesystem>
#include <optional>

namespace orvane::cli {

// Reads the project (its first stage when staged) and draws its 3-D View
// from an oblique angle into OUT.png of width x height pixels, 1000 x 700
// unless given. With a factor the wall is drawn deformed by the deflection
// curve of the plot-data file beside the project, beside its undeformed
// outlines. Returns 0, 1 when the project or its results cannot be read or
// the picture not written, 2 for a size or factor that cannot be used.
// The camera sees the whole model; yaw (about the vertical), pitch (the tilt)
// in degrees and zoom (a magnification of that view) choose another angle.
int runView3D(const std::filesystem::path& data, const std::filesystem::path& out, std::optional<double> width,
              std::optional<double> height, std::optional<double> factor, std::optional<double> yaw = {},
              std::optional<double> pitch = {}, std::optional<double> zoom = {});

}  // namespace orvane::cli
