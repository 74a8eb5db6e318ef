#pragma once

#include <filesystem>
#include <string>

namespace orvane {

// How the program names a data file to the user (window title, messages).
class TDisplayName {
public:
    // The file name without its folder, without the extension when it is
    // ".ovd" (in any letter case), in its own letter case.
    static std::string of(const std::filesystem::path& dataFile);
};

}  // namespace orvane
