#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace orvane {

class TProject;

// Construction stages of a project: only the current stage is in memory,
// the others are in their stage files beside the data file. Operations that
// read a stage file return its read error, if any, for the caller to show.
class TStages {
public:
    explicit TStages(TProject& project) : project_(project) {}

    std::filesystem::path currentFile() const;
    void saveCurrentStage();
    // Reads the current stage's file, when it exists.
    std::optional<std::string> loadStage();
    // Saves the current stage and loads stage n; the modified state is kept.
    std::optional<std::string> switchTo(int stage);
    std::string copyPreviousQuestion() const;
    // Replaces the current stage by a copy of the one before it.
    std::optional<std::string> copyPrevious();
    // 1 makes the project unstaged; 2-5 creates or drops stage files.
    std::optional<std::string> setCount(int count);
    // Status-bar text: empty for an unstaged project.
    std::string statusText() const;

private:
    std::filesystem::path file(int stage) const;

    TProject& project_;
};

}  // namespace orvane
