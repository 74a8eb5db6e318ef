#pragma once

#include "model/TLayout.hpp"
#include "model/TProgramData.hpp"
#include "model/TWordReader.hpp"

#include <filesystem>
#include <optional>
#include <string>

namespace orvane {

class TProject;

// How opening a data file went.
struct TOpenOutcome {
    enum class Status {
        Read,        // the whole file was read
        ReadInPart,  // the project holds what was read up to an error and is recovered
        NotOpened,   // the file could not be read at all; the project is left as it was
    };
    Status status = Status::Read;
    std::string error;  // the reader's own words
    TWordReader::Position stoppedAt;

    bool replaced() const { return status != Status::NotOpened; }
};

// Opening and saving whole projects, staged or not.
class TProjectFiles {
public:
    static constexpr const char* kNewName = kNewFileName;
    static constexpr const char* kRecoveredSuffix = " (recovered)";

    // Replaces the project with the file's. A staged file is split into its
    // stage files, and those of an older layout are rewritten in the current
    // one. A file read only in part gives a recovered project: it keeps what
    // was read, is modified and has to be saved under a new name, so that
    // Save never writes the part over the damaged whole. A file that cannot
    // be opened leaves the project alone.
    static TOpenOutcome openProject(TProject& project, const std::filesystem::path& path, TLayout layout);
    // Why the file cannot be read at all ("No such file or directory",
    // "Permission denied", "it is a folder, not a data file"); nothing when it
    // can be opened.
    static std::optional<std::string> cannotOpen(const std::filesystem::path& path);
    // The same as openProject, returning the read error, if any.
    static std::optional<std::string> open(TProject& project, const std::filesystem::path& path, TLayout layout);
    // What the desktop program tells the user about an open that did not read
    // the whole file: which file, where the reading stopped and why.
    static std::string openMessage(const std::filesystem::path& path, const TOpenOutcome& outcome);

    // The project as the user sees it named: the file's display name, with
    // " (recovered)" after it for a project read only in part.
    static std::string displayName(const TProject& project);

    // Save must ask for a name: the project has none yet, an older layout's,
    // or is recovered from a damaged file.
    static bool needsName(const TProject& project);
    // Why the file at `path` is not saved over: it is read-only (no write
    // permission for anyone, which holds for the superuser too, or none for
    // this user). Nothing when it can be, or when there is no such file.
    static std::optional<std::string> cannotSaveOver(const std::filesystem::path& path);
    // Writes the project's data file; a staged project first saves its current
    // stage and then joins the stage files. A read-only data file is not
    // replaced: EWriteError with cannotSaveOver's words.
    static void save(TProject& project);
    // Saves under a new name; a staged project's stage files move with it.
    // A read-only file of that name is not replaced either.
    static void saveAs(TProject& project, const std::filesystem::path& path);

private:
    static std::optional<std::string> convertStages(TProject& project, TLayout layout);
    static std::optional<std::string> checkStages(const std::filesystem::path& path, int count,
                                                  TWordReader::Position& stoppedAt);
};

}  // namespace orvane
