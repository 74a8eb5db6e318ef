#include "convert_command.hpp"

#include <filesystem>
#include <iostream>

#include "messages.hpp"
#include "model/TInputFile.hpp"
#include "model/TLayout.hpp"
#include "model/TProject.hpp"
#include "model/TProjectFiles.hpp"
#include "model/TStageFiles.hpp"
#include "model/TStages.hpp"
#include "model/TTempFolder.hpp"
#include "model/TTextFile.hpp"

namespace fs = std::filesystem;

namespace orvane::cli {

namespace {

// The old file as the conversion reads it: a copy in the private folder, so
// a staged project's stage files are made there. Beside the old file they
// would be a desktop session's, in a folder that may be read-only and that
// another conversion of the file may be using.
// Read through one open of a regular file, and only as much of it as a
// project can hold: a file of zeros after the project is not copied whole.
std::optional<std::string> copyToRead(const fs::path& from, const fs::path& copy)
{
    try {
        TTextFile::write(copy, TInputFile::readText(from), TTextFile::Target::RunFolder);
    } catch (const std::exception& e) {
        return std::string(e.what());
    }
    return std::nullopt;
}

// The new file only: a staged project's stage files stay in the private folder.
void writeConverted(TProject& project, const fs::path& to)
{
    const int stages = project.data().StageCount;
    if (stages <= 1) {
        TProjectFiles::saveAs(project, to);
        return;
    }
    TStages(project).saveCurrentStage();
    TTextFile::write(to, TStageFiles::joined(project.data().FileName, stages));
}

}  // namespace

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
    const TTempFolder folder("orvane-convert", "folder for the stage files");
    const fs::path copy = folder.path() / from.filename();
    std::optional<std::string> error = copyToRead(from, copy);
    TProject project;
    if (!error) error = TProjectFiles::open(project, copy, layout.value_or(TLayouts::forPath(from)));
    if (error) {
        std::cerr << from.string() << ":\n" << indented(*error) << "\n";
        return 1;
    }
    writeConverted(project, to);
    std::cout << from.string() << " -> " << to.string() << "\n";
    return 0;
}

}  // namespace orvane::cli
