#include "model/EReadError.hpp"
#include "model/EWriteError.hpp"
#include "model/TInputFile.hpp"
#include "model/TProject.hpp"
#include "model/TProjectFiles.hpp"
#include "model/TTextFile.hpp"

#include "FileSizeLimit.hpp"
#include "FileText.hpp"
#include "SampleProject.hpp"
#include "TestFolder.hpp"

#include <gtest/gtest.h>

#include <fstream>

namespace orvane {
namespace {

size_t filesIn(const std::filesystem::path& folder)
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

// A staged data file is split into its stage files from its lines: of a file
// longer than any project's, only the lines within the limit are read, and
// only a regular file is.
TEST(TTextFile, ReadLinesReadsAsFarAsAProjectCanReach)
{
    TestFolder folder;
    const auto path = folder.path() / "long.ov5d";
    const std::string line = "0 0 0 0 0 0 0 0";
    {
        std::ofstream file(path, std::ios::binary);
        for (size_t written = 0; written < TInputFile::kLargestDataFile + 4096; written += line.size() + 2)
            file << line << "\r\n";
    }
    const std::vector<std::string> lines = TTextFile::readLines(path);
    EXPECT_EQ(lines.size(), TInputFile::kLargestDataFile / (line.size() + 2));
    EXPECT_EQ(lines.back(), line);
    EXPECT_THROW(TTextFile::readLines("/dev/zero"), EReadError);
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
