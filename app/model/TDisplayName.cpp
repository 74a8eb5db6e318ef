#include "model/TDisplayName.hpp"

#include <cctype>

namespace orvane {

std::string TDisplayName::of(const std::filesystem::path& dataFile)
{
    const std::filesystem::path name = dataFile.filename();
    std::string text = name.extension() == ".ovd" ? name.stem().string() : name.string();
    if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text;
}

}  // namespace orvane
