#include "model/TDataFileReader.hpp"
#include "model/TDataFileWriter.hpp"
#include "model/TLayout.hpp"
#include "model/TProject.hpp"
#include "model/TProjectFiles.hpp"
#include "model/TStages.hpp"

#include "FileText.hpp"
#include "ProjectDump.hpp"
#include "TestFolder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace orvane {
namespace {

std::vector<std::filesystem::path> exampleProjects()
{
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(ORVANE_SOURCE_DIR) / "examples"))
        if (entry.path().extension() == ".ov5d") paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    return paths;
}

// Opens a copy of the file and returns the dump of every stage.
std::string openAndDump(TProject& project, const std::filesystem::path& path)
{
    EXPECT_EQ(TProjectFiles::open(project, path, TLayouts::forPath(path)), std::nullopt);
    std::string dump = dumpProject(project);
    TStages stages(project);
    for (int stage = 2; stage <= project.data().StageCount; ++stage) {
        EXPECT_EQ(stages.switchTo(stage), std::nullopt);
        dump += "--- stage " + std::to_string(stage) + "\n" + dumpProject(project);
    }
    EXPECT_EQ(stages.switchTo(1), std::nullopt);
    return dump;
}

// Read, write, read again: the same tables and values, and the second write
// is byte for byte the first.
TEST(Examples, EveryExampleProjectRoundTrips)
{
    const auto examples = exampleProjects();
    ASSERT_FALSE(examples.empty());
    for (const auto& example : examples) {
        SCOPED_TRACE(example.filename().string());
        TestFolder first;
        TestFolder second;
        std::filesystem::copy_file(example, first.path() / example.filename());
        TProject project;
        const std::string read = openAndDump(project, first.path() / example.filename());
        TProjectFiles::save(project);
        const std::string written = fileText(first.path() / example.filename());

        std::filesystem::copy_file(first.path() / example.filename(), second.path() / example.filename());
        TProject again;
        EXPECT_EQ(openAndDump(again, second.path() / example.filename()), read);
        TProjectFiles::save(again);
        EXPECT_EQ(fileText(second.path() / example.filename()), written);
    }
}

}  // namespace
}  // namespace orvane
