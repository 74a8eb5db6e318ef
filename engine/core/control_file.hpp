#pragma once
// The control file "names.dat": version, two free texts, an integer and the
// paths of the data file, the report, the plot-data file and the run notes.

#include <filesystem>
#include <optional>
#include <string>

namespace orvane::engine {

struct ControlFile {
    std::string version;  // at most 12 characters
    std::string text1, text2;
    int number = 0;
    std::filesystem::path dataFile, reportFile, plotFile, notesFile;
};

// Finds the control file in `workDir` whatever the letter case of its name.
std::optional<std::filesystem::path> findControlFile(const std::filesystem::path& workDir);

// Reads it; nullopt when it is missing, has more or fewer than eight lines,
// a CR inside a line, no integer on its fourth line, an empty path or two
// paths that name one file.
// Relative paths are taken from `workDir`; paths are used whole, trailing
// blanks dropped.
std::optional<ControlFile> readControlFile(const std::filesystem::path& workDir);

}  // namespace orvane::engine
