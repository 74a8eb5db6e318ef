#pragma once
// The side view of a project drawn into a picture without a display.

#include <filesystem>
#include <optional>

namespace orvane::cli {

// Reads the project (its first stage when staged) and draws its side view
// into OUT (.png, .svg or .pdf) of width x height pixels, 1000 x 700 unless
// given. Returns 0, 1 when the project cannot be read or the picture not
// written, 2 for a size that is not a whole number of pixels.
int runSideView(const std::filesystem::path& data, const std::filesystem::path& out, std::optional<double> width,
                std::optional<double> height);

}  // namespace orvane::cli
