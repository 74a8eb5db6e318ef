#include "model/TProjectFiles.hpp"

#include "model/EWriteError.hpp"
#include "model/TDataFileReader.hpp"
#include "model/TDataFileWriter.hpp"
#include "model/TDisplayName.hpp"
#include "model/TInputFile.hpp"
#include "model/TProject.hpp"
#include "model/TStageFiles.hpp"
#include "model/TStages.hpp"

#include <algorithm>
#include <fstream>
#include <iterator>

#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

std::optional<std::string> TProjectFiles::cannotOpen(const std::filesystem::path& path)
{
    return TInputFile::cannotOpen(path);
}

// A staged project lives in stage files beside its data file. They are made
// from a first reading, before the project in memory is replaced, so that a
// folder where they cannot be written fails the open and loses nothing.
TOpenOutcome TProjectFiles::openProject(TProject& project, const std::filesystem::path& path, TLayout layout)
{
    TOpenOutcome outcome;
    if (const auto reason = cannotOpen(path)) {
        outcome.status = TOpenOutcome::Status::NotOpened;
        outcome.error = "Cannot open file \"" + path.string() + "\": " + *reason;
        return outcome;
    }
    {
        TProject probe;
        TDataFileReader::readProject(probe, path, layout);
        if (probe.data().StageCount > 1) {
            try {
                TStageFiles::split(path, probe.data().StageCount);
            } catch (const std::exception& e) {
                outcome.status = TOpenOutcome::Status::NotOpened;
                outcome.error = "The staged project " + path.string() +
                                " cannot be opened: its stage files cannot be written in the folder " +
                                path.parent_path().string() + ".\r" + e.what();
                return outcome;
            }
        }
    }
    auto error = TDataFileReader::readProject(project, path, layout, &outcome.stoppedAt);
    TProgramData& d = project.data();
    if (d.StageCount > 1) {
        if (layout != TLayout::Current) {
            auto conversionError = convertStages(project, layout);
            if (!error) error = conversionError;
        } else if (!error) {
            error = checkStages(path, d.StageCount, outcome.stoppedAt);
        }
        project.setModified(false);
    }
    if (error) {
        outcome.status = TOpenOutcome::Status::ReadInPart;
        outcome.error = *error;
        d.Recovered = true;
        project.setModified(true);
    }
    return outcome;
}

std::optional<std::string> TProjectFiles::open(TProject& project, const std::filesystem::path& path, TLayout layout)
{
    TOpenOutcome outcome = openProject(project, path, layout);
    if (outcome.status == TOpenOutcome::Status::Read) return std::nullopt;
    return outcome.error;
}

std::string TProjectFiles::openMessage(const std::filesystem::path& path, const TOpenOutcome& outcome)
{
    if (outcome.status != TOpenOutcome::Status::ReadInPart) return outcome.error;
    std::string text = "The data file " + path.string() + " was opened in part";
    if (outcome.stoppedAt.line > 0)
        text += ": reading stopped at line " + std::to_string(outcome.stoppedAt.line) + ", item " +
                std::to_string(outcome.stoppedAt.item);
    text += ".\r" + outcome.error + "\r";
    text += "The project keeps what was read and is shown as \"" + TDisplayName::of(path) + kRecoveredSuffix +
            "\". It has no file of its own until it is saved under a new name, so the damaged file stays as it is.";
    return text;
}

std::string TProjectFiles::displayName(const TProject& project)
{
    const TProgramData& d = project.data();
    return TDisplayName::of(d.FileName) + (d.Recovered ? kRecoveredSuffix : "");
}

// The later stages are read only when the user switches to them: a stage
// cut short would then be saved as the part that was read. Each is read
// once here, so that a damaged stage makes the whole project recovered; the
// position is counted in the data file's lines.
std::optional<std::string> TProjectFiles::checkStages(const std::filesystem::path& path, int count,
                                                      TWordReader::Position& stoppedAt)
{
    int linesBefore = 0;
    for (int stage = 1; stage <= count; ++stage) {
        const std::filesystem::path file = TStageFiles::name(path, stage);
        if (stage > 1) {
            TProject probe;
            TWordReader::Position at;
            if (auto error = TDataFileReader::readStage(probe, file, &at)) {
                stoppedAt = {at.line > 0 ? linesBefore + at.line : 0, at.item};
                return "Stage " + std::to_string(stage) + ": " + *error;
            }
        }
        std::ifstream in(file, std::ios::binary);
        linesBefore += static_cast<int>(std::count(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(), '\n'));
    }
    return std::nullopt;
}

// Each stage file is read under its old layout and written in the current
// one; then stage 1 is loaded again.
std::optional<std::string> TProjectFiles::convertStages(TProject& project, TLayout layout)
{
    TProgramData& d = project.data();
    TStages stages(project);
    std::optional<std::string> error;
    for (int stage = 1; stage <= d.StageCount; ++stage) {
        d.CurrentStage = stage;
        d.Layout2013 = layout == TLayout::V2013;
        d.Layout2015 = false;
        auto stageError = stages.loadStage();
        if (!error) error = stageError;
        d.Layout2013 = true;
        d.Layout2015 = true;
        stages.saveCurrentStage();
    }
    d.CurrentStage = 1;
    auto stageError = stages.loadStage();
    return error ? error : stageError;
}

bool TProjectFiles::needsName(const TProject& project)
{
    if (project.data().Recovered) return true;
    const std::filesystem::path name = project.data().FileName;
    return name == kNewName || !TLayouts::hasExtension(name, kDataExtension);
}

// A save writes a new file and renames it over the old one, which the folder
// allows whatever the old file's own permissions: they are asked here. The
// superuser may write anything, so for it only the write bits tell.
std::optional<std::string> TProjectFiles::cannotSaveOver(const std::filesystem::path& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
    if ((status.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0) return std::nullopt;
    return "The data file " + path.string() + " is read-only, so it is not saved over.";
}

void TProjectFiles::save(TProject& project)
{
    TProgramData& d = project.data();
    // The part that was read must never replace the damaged whole unasked.
    if (d.Recovered)
        throw EWriteError("The project was read only in part from " + d.FileName +
                          "; it is saved only under a new name.");
    if (const auto refusal = cannotSaveOver(d.FileName)) throw EWriteError(*refusal);
    if (d.StageCount > 1) {
        TStages(project).saveCurrentStage();
        TStageFiles::join(d.FileName, d.FileName, d.StageCount);
    } else {
        TDataFileWriter(project).writeDataFile(d.FileName);
    }
    project.setModified(false);
}

// The stage in memory is saved under the old name first, so that its edits
// move with the other stages.
void TProjectFiles::saveAs(TProject& project, const std::filesystem::path& path)
{
    if (const auto refusal = cannotSaveOver(path)) throw EWriteError(*refusal);
    TProgramData& d = project.data();
    if (d.StageCount > 1) {
        TStages(project).saveCurrentStage();
        d.PreviousPath = d.FileName;
        TStageFiles::join(path, d.PreviousPath, d.StageCount);
        d.FileName = path.string();
    } else {
        // The name changes only once the file is there: a failed write
        // leaves the project under its old name.
        TDataFileWriter(project).writeDataFile(path);
        d.FileName = path.string();
    }
    d.Recovered = false;
    project.setModified(false);
}

}  // namespace orvane
