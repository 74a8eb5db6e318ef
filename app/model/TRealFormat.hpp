#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Text form of real numbers shared by the data file, the table cells, the
// expression evaluator and the messages: always "." as decimal separator,
// whatever the locale.
class TRealFormat {
public:
    // General format with `digits` significant digits: fixed notation unless
    // the magnitude is below 0.00001 or needs more than `digits` integer
    // digits, then "d.dddE-x" with a minimal exponent and no "+" sign (the
    // evaluator reads "+" as an operator). Trailing zeros are dropped.
    static std::string general(double value, int digits);

    // Digits the data file and the table cells use.
    static std::string data(double value) { return general(value, 8); }

    // Strict conversion of a whole text: optional sign, digits with an optional
    // ".", optional exponent. Rejects empty text, blanks, "inf", "nan", hex and
    // values out of range.
    static std::optional<double> parse(std::string_view text);
    // A number written correctly but beyond what a double holds ("1e999",
    // "1e-999"): +1 too large, -1 too small, 0 otherwise.
    static int outOfRange(std::string_view text);
};

}  // namespace orvane
