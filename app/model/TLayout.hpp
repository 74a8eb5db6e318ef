#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Data-file layouts the program reads: the current one and three older ones.
// The values are the file-type positions of the open dialog.
enum class TLayout { Current = 1, V2013 = 2, V30 = 3, V20 = 4 };

// What a layout has compared with the current one.
struct TLayoutFeatures {
    bool stageCount = true;        // control line: number of construction stages
    bool meiCurves = true;         // control line: M-EI count, and the M-EI block
    bool tiebacks = true;          // control line: tieback count; wall line: Wa; tieback lines
    bool surchargeBlock = true;    // surcharge rows (older: built from the surcharge line)
    bool pyMultipliers = true;     // multipliers on the set lines of external p-y curves
    bool layerThickness = false;   // soil layers by thickness with one 5-value property line
    bool setMarker = true;         // set marker after the set

    static TLayoutFeatures of(TLayout layout);
};

// The kind of data file a layout is written in.
struct TFileKind {
    TLayout layout;
    std::string_view name;       // the runner's --layout name and the dialog's caption
    std::string_view extension;  // with its dot, in lower case
};

// One kind per layout, in the order of the enumeration, which is the order of
// the open dialog's file types. 3.0 and 2.0 share their extension: a file
// opened by its extension alone reads as the first of them.
inline constexpr std::array<TFileKind, 4> kFileKinds{{
    {TLayout::Current, "2015", ".ov5d"},
    {TLayout::V2013, "2013", ".ov4d"},
    {TLayout::V30, "3.0", ".ovd"},
    {TLayout::V20, "2.0", ".ovd"},
}};

class TLayouts {
public:
    static constexpr const TFileKind& kind(TLayout layout) { return kFileKinds[static_cast<size_t>(layout) - 1]; }
    // Layout of a file opened without the dialog: by its extension.
    static TLayout forPath(const std::filesystem::path& path);
    // Whether the path ends in `extension` (with its dot) in any letter case:
    // "WALL.OV5D" is a data file of the current layout as "wall.ov5d" is.
    static bool hasExtension(const std::filesystem::path& path, std::string_view extension);
    // Layout of the open dialog's file-type position (5, all files, reads as 2.0).
    static TLayout forFileType(int position);
    // "2015", "2013", "3.0", "2.0".
    static std::optional<TLayout> byName(std::string_view name);
    // The names in table order, between each two `separator`, before the last
    // `last`: "2015, 2013, 3.0 or 2.0".
    static std::string names(std::string_view separator, std::string_view last);
    // The open dialog's file types: one per layout, then all files.
    static std::string openFilter();
    // The save dialog's: the current layout, then all files.
    static std::string saveFilter();
};

// The extension of the files the program writes.
inline constexpr std::string_view kDataExtension = TLayouts::kind(TLayout::Current).extension;

}  // namespace orvane
