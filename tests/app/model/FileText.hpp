#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace orvane {

inline std::string fileText(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

inline void writeFileText(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace orvane
