#include "model/TLayout.hpp"

#include <algorithm>
#include <cctype>
#include <string>

namespace orvane {

TLayoutFeatures TLayoutFeatures::of(TLayout layout)
{
    TLayoutFeatures f;
    if (layout == TLayout::Current) return f;
    f.tiebacks = false;
    if (layout == TLayout::V2013) return f;
    f.meiCurves = false;
    f.surchargeBlock = false;
    f.pyMultipliers = false;
    if (layout == TLayout::V30) return f;
    f.stageCount = false;
    f.layerThickness = true;
    f.setMarker = false;
    return f;
}

TLayout TLayouts::forPath(const std::filesystem::path& path)
{
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".ov4d") return TLayout::V2013;
    if (extension == ".ovd") return TLayout::V30;
    return TLayout::Current;
}

TLayout TLayouts::forFileType(int position)
{
    if (position >= 1 && position <= 4) return static_cast<TLayout>(position);
    return TLayout::V20;
}

std::optional<TLayout> TLayouts::byName(std::string_view name)
{
    if (name == "2015") return TLayout::Current;
    if (name == "2013") return TLayout::V2013;
    if (name == "3.0") return TLayout::V30;
    if (name == "2.0") return TLayout::V20;
    return std::nullopt;
}

}  // namespace orvane
