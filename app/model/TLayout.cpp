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

namespace {

static_assert([] {
    for (size_t k = 0; k < kFileKinds.size(); ++k)
        if (static_cast<size_t>(kFileKinds[k].layout) != k + 1) return false;
    return true;
}(), "the file kinds follow the enumeration, as the open dialog's file types do");

constexpr std::string_view kAllFiles = "All Files (*)";

std::string filterEntry(const TFileKind& kind)
{
    return "Orvane " + std::string(kind.name) + " (*" + std::string(kind.extension) + ")";
}

}  // namespace

TLayout TLayouts::forPath(const std::filesystem::path& path)
{
    for (const TFileKind& kind : kFileKinds)
        if (hasExtension(path, kind.extension)) return kind.layout;
    return TLayout::Current;
}

bool TLayouts::hasExtension(const std::filesystem::path& path, std::string_view extension)
{
    const std::string own = path.extension().string();
    return std::equal(own.begin(), own.end(), extension.begin(), extension.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

TLayout TLayouts::forFileType(int position)
{
    if (position >= 1 && position <= static_cast<int>(kFileKinds.size())) return static_cast<TLayout>(position);
    return TLayout::V20;
}

std::optional<TLayout> TLayouts::byName(std::string_view name)
{
    for (const TFileKind& kind : kFileKinds)
        if (name == kind.name) return kind.layout;
    return std::nullopt;
}

std::string TLayouts::names(std::string_view separator, std::string_view last)
{
    std::string text;
    for (size_t k = 0; k < kFileKinds.size(); ++k) {
        if (k > 0) text += k + 1 == kFileKinds.size() ? last : separator;
        text += kFileKinds[k].name;
    }
    return text;
}

std::string TLayouts::openFilter()
{
    std::string filter;
    for (const TFileKind& kind : kFileKinds) filter += filterEntry(kind) + ";;";
    return filter + std::string(kAllFiles);
}

std::string TLayouts::saveFilter()
{
    return filterEntry(kind(TLayout::Current)) + ";;" + std::string(kAllFiles);
}

}  // namespace orvane
