#pragma once
// Conversion of a data file of any known layout to the current one.

#include <optional>
#include <string>

namespace orvane::cli {

// Reads OLD in its layout (the extension decides unless layoutName names
// one) and writes NEW in the current layout; returns the exit status.
int runConvert(const std::string& from, const std::string& to, const std::optional<std::string>& layoutName);

}  // namespace orvane::cli
