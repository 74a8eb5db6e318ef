#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvane {

// Whole-file text input and output of the project files.
class TTextFile {
public:
    // Lines without their LF or CR LF ends, of a regular file only (see
    // TInputFile): of a file longer than any of a project, the lines within
    // its first TInputFile::kLargestDataFile bytes. EReadError when the file
    // cannot be opened or read.
    static std::vector<std::string> readLines(const std::filesystem::path& path);

    // UserFile: written through TFileReplacer, so a failed write or a crash
    // leaves the old file or the new one.
    // RunFolder: a file of a private run folder that is removed when the run
    // ends, which no crash can leave to anyone: written in place, not flushed.
    enum class Target { UserFile, RunFolder };

    // Writes the text to the file (see Target); throws EWriteError.
    static void write(const std::filesystem::path& path, const std::string& text, Target target = Target::UserFile);
};

}  // namespace orvane
