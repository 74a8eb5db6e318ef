#include "convert_command.hpp"

#include <filesystem>
#include <iostream>

#include "messages.hpp"
#include "model/TLayout.hpp"
#include "model/TProject.hpp"
#include "model/TProjectFiles.hpp"
#include "model/TStageFiles.hpp"

namespace fs = std::filesystem;

namespace orvane::cli {

// A staged project's stage files are made only for the conversion and
// removed afterwards.
int runConvert(const std::string& fromArg, const std::string& toArg, const std::optional<std::string>& layoutName)
{
    std::optional<TLayout> layout;
    if (layoutName) {
        layout = TLayouts::byName(*layoutName);
        if (!layout) {
            std::cerr << "unknown layout " << *layoutName << " (known: " << TLayouts::names(", ", ", ") << ")\n";
            return 2;
        }
    }
    const fs::path from = fs::absolute(fromArg);
    const fs::path to = fs::absolute(toArg);
    TProject project;
    if (const auto error = TProjectFiles::open(project, from, layout.value_or(TLayouts::forPath(from)))) {
        std::cerr << from.string() << ":\n" << indented(*error) << "\n";
        TStageFiles::remove(from, 1, TStageFiles::kMaxStages);
        return 1;
    }
    TProjectFiles::saveAs(project, to);
    if (project.data().StageCount > 1) TStageFiles::remove(to, 1, TStageFiles::kMaxStages);
    std::cout << from.string() << " -> " << to.string() << "\n";
    return 0;
}

}  // namespace orvane::cli
