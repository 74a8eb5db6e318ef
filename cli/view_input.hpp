#pragma once
// What the runner's modes that show a project share: the picture size in
// whole pixels of the views (--side-view, --view-3d) and the one way every
// mode that draws or lists a project (--picture, --export-xlsx, --graphs and
// the views) reads it.

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

// Reads the data file in the layout its extension names (an older project
// as the desktop program opens it), without splitting stage files beside it
// (the first stage, as the desktop program shows it on opening), with the
// data file's name set. On failure says why on standard error ("cannot read
// FILE:" and the reader's message) and returns false.
bool readModeProject(const std::filesystem::path& data, TProject& project);

}  // namespace orvane::cli
