#include "view_input.hpp"

#include <cmath>
#include <iostream>

#include "messages.hpp"
#include "model/TDataFileReader.hpp"
#include "model/TLayout.hpp"
#include "model/TProject.hpp"

namespace fs = std::filesystem;

namespace orvane::cli {

int viewPixels(std::optional<double> value, int fallback)
{
    if (!value) return fallback;
    const double v = *value;
    if (!(v >= 1) || v > kViewLargestSide || v != std::floor(v)) return 0;
    return static_cast<int>(v);
}

bool readModeProject(const fs::path& data, TProject& project)
{
    // The reader opens the file once and refuses anything but a regular file.
    if (const auto error = TDataFileReader::readProject(project, data, TLayouts::forPath(data))) {
        std::cerr << "orvane-run: cannot read " << data.string() << ":\n" << indented(*error) << "\n";
        return false;
    }
    project.data().FileName = data.string();
    return true;
}

}  // namespace orvane::cli
