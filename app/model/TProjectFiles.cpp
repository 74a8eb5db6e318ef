#include "model/TProjectFiles.hpp"

#include "model/TDataFileReader.hpp"
#include "model/TDataFileWriter.hpp"
#include "model/TProject.hpp"
#include "model/TStageFiles.hpp"
#include "model/TStages.hpp"

namespace orvane {

// A staged project lives in stage files beside its data file. They are made
// from a first reading, before the project in memory is replaced, so that a
// folder where they cannot be written fails the open and loses nothing.
std::optional<std::string> TProjectFiles::open(TProject& project, const std::filesystem::path& path, TLayout layout)
{
    {
        TProject probe;
        TDataFileReader::readProject(probe, path, layout);
        if (probe.data().StageCount > 1) {
            try {
                TStageFiles::split(path, probe.data().StageCount);
            } catch (const std::exception& e) {
                return "The staged project " + path.string() +
                       " cannot be opened: its stage files cannot be written in the folder " +
                       path.parent_path().string() + ".\r" + e.what();
            }
        }
    }
    auto error = TDataFileReader::readProject(project, path, layout);
    TProgramData& d = project.data();
    if (d.StageCount <= 1) return error;
    if (layout != TLayout::Current) {
        auto conversionError = convertStages(project, layout);
        if (!error) error = conversionError;
    }
    project.setModified(false);
    return error;
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
    const std::filesystem::path name = project.data().FileName;
    return name == kNewName || name.extension() != ".ov5d";
}

void TProjectFiles::save(TProject& project)
{
    TProgramData& d = project.data();
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
    project.setModified(false);
}

}  // namespace orvane
