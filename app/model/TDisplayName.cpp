#include "model/TDisplayName.hpp"

#include "model/TLayout.hpp"

namespace orvane {

std::string TDisplayName::of(const std::filesystem::path& dataFile)
{
    const std::filesystem::path name = dataFile.filename();
    // File names on Linux are told apart by their letter case: shown as they
    // are, only the old layout's extension left off, in whatever case.
    return TLayouts::hasExtension(name, TLayouts::kind(TLayout::V30).extension) ? name.stem().string() : name.string();
}

}  // namespace orvane
