#pragma once

#include "model/TTextFile.hpp"

#include <filesystem>
#include <string>

namespace orvane {

// The stage files of a staged project: one construction stage each, beside
// the data file, named by replacing its extension with ".st" and the stage
// number. The data file is their concatenation in stage order.
class TStageFiles {
public:
    static constexpr int kMaxStages = 5;

    static std::filesystem::path name(const std::filesystem::path& dataFile, int stage);
    // Deletes the stage files numbered `from` to `to` that exist.
    static void remove(const std::filesystem::path& dataFile, int from, int to);
    // Cuts a staged data file into its stage files: a stage starts at the
    // first line and at every line holding " Stage No :". Stage files in a
    // private run folder are written as its other files are (see TTextFile).
    static void split(const std::filesystem::path& dataFile, int stageCount,
                      TTextFile::Target target = TTextFile::Target::UserFile);
    // The data file's text made from the source's stage files.
    static std::string joined(const std::filesystem::path& source, int stageCount);
    // Writes the target data file from the source's stage files; when the
    // names differ, the stage files are moved to the target's names.
    static void join(const std::filesystem::path& target, const std::filesystem::path& source, int stageCount);
};

}  // namespace orvane
