#include "model/TStages.hpp"

#include "model/TDataFileReader.hpp"
#include "model/TDataFileWriter.hpp"
#include "model/TProject.hpp"
#include "model/TStageFiles.hpp"

#include <algorithm>

namespace orvane {

std::filesystem::path TStages::file(int stage) const
{
    return TStageFiles::name(project_.data().FileName, stage);
}

std::filesystem::path TStages::currentFile() const
{
    return file(project_.data().CurrentStage);
}

void TStages::saveCurrentStage()
{
    TDataFileWriter(project_).writeStageFile(currentFile());
}

std::optional<std::string> TStages::loadStage()
{
    if (!std::filesystem::exists(currentFile())) return std::nullopt;
    return TDataFileReader::readStage(project_, currentFile());
}

std::optional<std::string> TStages::switchTo(int stage)
{
    TProgramData& d = project_.data();
    if (stage == d.CurrentStage || stage < 1 || stage > d.StageCount) return std::nullopt;
    const bool modified = project_.isModified();
    saveCurrentStage();
    d.CurrentStage = stage;
    auto error = loadStage();
    project_.setModified(modified);
    return error;
}

std::string TStages::copyPreviousQuestion() const
{
    const int stage = project_.data().CurrentStage;
    return "Do you want to copy all information from Stage " + std::to_string(stage - 1) + " to Stage " +
           std::to_string(stage);
}

std::optional<std::string> TStages::copyPrevious()
{
    TProgramData& d = project_.data();
    if (d.CurrentStage < 2) return std::nullopt;
    if (auto error = TDataFileReader::readStage(project_, file(d.CurrentStage - 1))) return error;
    saveCurrentStage();
    // Read back, so that the title is the stage's own as for any loaded stage.
    auto error = loadStage();
    project_.setModified(true);
    return error;
}

// Stages that are not on disk yet start as copies of the stage in memory.
// The stage in memory is saved first, so that its edits are kept, and a
// project going back to one stage keeps stage 1.
std::optional<std::string> TStages::setCount(int count)
{
    TProgramData& d = project_.data();
    const int k = std::clamp(count, 1, TStageFiles::kMaxStages);
    const int m = d.StageCount;
    std::optional<std::string> error;
    auto keepFirst = [&error](std::optional<std::string> e) {
        if (!error) error = std::move(e);
    };
    if (m > 1 && k != m) saveCurrentStage();
    d.StageCount = k;
    if (k == 1 || m == 1 || k < m) {
        if (k == 1 && m > 1 && d.CurrentStage != 1) {
            d.CurrentStage = 1;
            keepFirst(loadStage());
            d.StageCount = k;  // the stage file read carries the old count
        }
        d.CurrentStage = 1;
    }
    if (k == 1) TStageFiles::remove(d.FileName, 1, TStageFiles::kMaxStages);
    if (k != m && k >= 2) {
        const int current = d.CurrentStage;
        for (int stage = 1; stage <= k; ++stage) {
            d.CurrentStage = stage;
            if (stage <= m) keepFirst(loadStage());
            d.StageCount = k;  // the stage file read carries the old count
            saveCurrentStage();
        }
        d.CurrentStage = current;
        keepFirst(loadStage());
        project_.setModified(true);
    }
    if (k >= 2) TStageFiles::remove(d.FileName, k + 1, TStageFiles::kMaxStages);
    return error;
}

std::string TStages::statusText() const
{
    const TProgramData& d = project_.data();
    return d.StageCount > 1 ? "Construction Stage Number: " + std::to_string(d.CurrentStage) : std::string();
}

}  // namespace orvane
