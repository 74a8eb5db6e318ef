#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvane {

// Whole-file text input and output of the project files.
class TTextFile {
public:
    // Lines without their LF or CR LF ends; EReadError when the file cannot
    // be opened.
    static std::vector<std::string> readLines(const std::filesystem::path& path);

    // Writes the text to a new file beside the target and renames it over the
    // target, so a failed write leaves the old file as it was. Throws
    // EWriteError.
    static void write(const std::filesystem::path& path, const std::string& text);
};

}  // namespace orvane
