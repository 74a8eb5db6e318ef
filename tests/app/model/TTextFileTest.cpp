#include "model/EWriteError.hpp"
#include "model/TProject.hpp"
#include "model/TProjectFiles.hpp"
#include "model/TTextFile.hpp"

#include "FileSizeLimit.hpp"
#include "FileText.hpp"
#include "SampleProject.hpp"
#include "TestFolder.hpp"

#include <gtest/gtest.h>

namespace orvane {
namespace {

size_t filesIn(const std::filesystem::path& folder)
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(TTextFile, ASaveReplacesTheFileWhole)
{
    TestFolder folder;
    const auto path = folder.path() / "wall.ov5d";
    writeFileText(path, "a much longer old text than the new one\r\n");
    TTextFile::write(path, "new\r\n");
    EXPECT_EQ(fileText(path), "new\r\n");
    EXPECT_EQ(filesIn(folder.path()), 1u);
    EXPECT_EQ(TTextFile::readLines(path), std::vector<std::string>{"new"});
}

TEST(TTextFile, AFailedSaveLeavesTheOldFileIntact)
{
    TestFolder folder;
    const auto path = folder.path() / "wall.ov5d";
    TProject project;
    fillSampleProject(project);
    project.data().FileName = path.string();
    TProjectFiles::save(project);
    const std::string saved = fileText(path);

    project.data().Title = "Edited";
    project.tables().MEICurves2.setRowCount(20);
    project.setModified(true);
    {
        const FileSizeLimit limit(saved.size() + 10);
        EXPECT_THROW(TProjectFiles::save(project), EWriteError);
    }
    EXPECT_EQ(fileText(path), saved);
    EXPECT_EQ(filesIn(folder.path()), 1u);
    EXPECT_TRUE(project.isModified());
}

TEST(TTextFile, ASaveIntoAMissingFolderNamesTheFile)
{
    try {
        TTextFile::write("/nonexistent/folder/wall.ov5d", "x");
        ADD_FAILURE();
    } catch (const EWriteError& e) {
        EXPECT_STREQ(e.what(), "Cannot write file \"/nonexistent/folder/wall.ov5d\": No such file or directory");
    }
}

}  // namespace
}  // namespace orvane
