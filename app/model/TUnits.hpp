#pragma once

#include <string>

namespace orvane {

// Unit systems of a project and the small label language of its inputs
// ("F-L^2", "F/L2^3", ...): texts for headers and editors, and the factors
// that convert a value between English and SI.
class TUnits {
public:
    static constexpr int kEnglish = 1;
    static constexpr int kSI = 2;
    static constexpr int kOther = 3;

    // Codes outside 1-3 are brought to the nearest valid one.
    static int clamp(int system);

    // Caption of the unit system's menu item.
    static std::string menuCaption(int system);

    // Text of a grid column: every token of the label replaced.
    static std::string columnText(const std::string& label, int system);

    // Text of a labelled numeric editor: only the first force token and the
    // first length token are replaced; in Other units the label is shown as is.
    static std::string editorText(const std::string& label, int system);

    // Factor that converts a value with this label from one system to the
    // other. 1 unless the pair is English/SI.
    static double factor(int from, int to, const std::string& label);

    // Header line of a labelled column: "caption (unit)  ".
    static std::string captionWithUnit(const std::string& caption, const std::string& unitText);
};

}  // namespace orvane
