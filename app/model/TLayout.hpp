#pragma once

#include <filesystem>
#include <optional>
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

class TLayouts {
public:
    // Layout of a file opened without the dialog: by its extension.
    static TLayout forPath(const std::filesystem::path& path);
    // Layout of the open dialog's file-type position (5, all files, reads as 2.0).
    static TLayout forFileType(int position);
    // "2015", "2013", "3.0", "2.0".
    static std::optional<TLayout> byName(std::string_view name);
};

}  // namespace orvane
