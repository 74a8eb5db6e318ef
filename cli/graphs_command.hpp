#pragma once
// The result graphs of an analysed project as one JSON document.

#include <filesystem>

namespace orvane::cli {

// Reads the project and the plot-data file beside it into the eight result
// graphs and prints them, in the order of TMainGraphs::kIds, with their
// captions, unit templates, options and the points of their four curve
// lists. Returns 0 when the whole plot-data file was read; 1 when the
// project cannot be read, or the plot-data file is missing or cannot be
// read in full (the document is still printed, with results_available
// false).
int runGraphs(const std::filesystem::path& data);

}  // namespace orvane::cli
