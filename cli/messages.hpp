#pragma once
// Text helpers shared by the runner's modes.

#include <string>

namespace orvane::cli {

// Messages of the model break lines with CR; here every line is indented.
inline std::string indented(const std::string& message)
{
    std::string text = "  ";
    for (char c : message) text += c == '\r' ? std::string("\n  ") : std::string(1, c);
    return text;
}

}  // namespace orvane::cli
