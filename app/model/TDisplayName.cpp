#include "model/TDisplayName.hpp"

namespace orvane {

std::string TDisplayName::of(const std::filesystem::path& dataFile)
{
    const std::filesystem::path name = dataFile.filename();
    // File names on Linux are told apart by their letter case: shown as they are.
    return name.extension() == ".ovd" ? name.stem().string() : name.string();
}

}  // namespace orvane
