#pragma once

#include "model/TLayout.hpp"

#include <filesystem>
#include <optional>
#include <string>

namespace orvane {

class TProject;

// Opening and saving whole projects, staged or not.
class TProjectFiles {
public:
    static constexpr const char* kNewName = "NewWall.ov5d";

    // Replaces the project with the file's. A staged file is split into its
    // stage files, and those of an older layout are rewritten in the current
    // one. Returns the read error, if any; the project keeps what was read.
    static std::optional<std::string> open(TProject& project, const std::filesystem::path& path, TLayout layout);

    // Save must ask for a name: the project has none yet, or an older layout's.
    static bool needsName(const TProject& project);
    // Writes the project's data file; a staged project first saves its current
    // stage and then joins the stage files.
    static void save(TProject& project);
    // Saves under a new name; a staged project's stage files move with it.
    static void saveAs(TProject& project, const std::filesystem::path& path);

private:
    static std::optional<std::string> convertStages(TProject& project, TLayout layout);
};

}  // namespace orvane
