#pragma once
// What the runner's view modes (--side-view, --view-3d) share: the picture
// size in whole pixels and the project read for the view.

#include <filesystem>
#include <optional>

namespace orvane {
class TProject;
}

namespace orvane::cli {

inline constexpr int kViewDefaultWidth = 1000;
inline constexpr int kViewDefaultHeight = 700;
inline constexpr int kViewLargestSide = 20000;

// A size in whole pixels from 1 to kViewLargestSide, the fallback when none
// was given, or 0 when the value is not such a size.
int viewPixels(std::optional<double> value, int fallback);

// Reads the data file for a view without splitting stage files beside it (a
// view shows the first stage, as the desktop program does on opening). On
// failure says why on standard error and returns false.
bool readViewProject(const std::filesystem::path& data, TProject& project);

}  // namespace orvane::cli
