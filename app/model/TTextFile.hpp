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

    // Synced: the data reach the disk before the rename, so a crash leaves the
    // old file or the new one. Unsynced: for files of a private run folder
    // that is removed when the run ends, which no crash can leave to anyone.
    enum class Sync { Synced, Unsynced };

    // Writes the text to a new file beside the target and renames it over the
    // target, so a failed write leaves the old file as it was. Throws
    // EWriteError.
    static void write(const std::filesystem::path& path, const std::string& text, Sync sync = Sync::Synced);
};

}  // namespace orvane
