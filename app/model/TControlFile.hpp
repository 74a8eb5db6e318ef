#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The control file that tells the engine which files to use: version, two
// free-text lines, an integer, and the paths of the data file, the output
// report, the plot-data file and the run notes.
class TControlFile {
public:
    static constexpr const char* kName = "names.dat";
    static constexpr const char* kVersion = "2015.5.8";

    static std::filesystem::path report(const std::filesystem::path& dataFile);
    static std::filesystem::path plotData(const std::filesystem::path& dataFile);
    static std::filesystem::path runNotes(const std::filesystem::path& dataFile);

    // Why the data file cannot be named in the control file: a line break
    // (LF or CR) in its absolute path would split the path into lines that
    // name other files, which the engine would overwrite. Nothing when it can.
    static std::optional<std::string> unfitPath(const std::filesystem::path& dataFile);

    // The eight lines, CR LF ended. The data file's path is made absolute, as
    // the engine runs in another folder. Throws EWriteError for a path that
    // unfitPath refuses.
    static std::string text(const std::filesystem::path& dataFile, std::string_view firstText = {},
                            std::string_view secondText = {});
    // Writes the control file into `folder`, a private run folder (in place and
    // not flushed to disk: the folder does not outlive the run); throws
    // EWriteError.
    static std::filesystem::path write(const std::filesystem::path& folder, const std::filesystem::path& dataFile);
};

}  // namespace orvane
