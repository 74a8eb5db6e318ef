#include "model/EWriteError.hpp"
#include "model/TLayout.hpp"
#include "model/TProject.hpp"
#include "model/TProjectFiles.hpp"

#include "FileText.hpp"
#include "TestFolder.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

namespace orvane {
namespace {

const std::filesystem::path kUserCurves = std::filesystem::path(ORVANE_SOURCE_DIR) / "examples/cantilever-user-py.ov5d";

// The first `count` lines of a text with CR LF line ends.
std::string firstLines(const std::string& text, int count)
{
    size_t at = 0;
    for (int n = 0; n < count; ++n) at = text.find('\n', at) + 1;
    return text.substr(0, at);
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    text.replace(text.find(from), from.size(), to);
    return text;
}

const char* const kCut = "The file ends within this item, without a line end: it may be cut short.";

struct DamagedFile {
    const char* name;
    std::string content;
    int line;  // where the reading stopped, counted by hand in the content
    int item;
    const char* reason;
};

// The example holds six external p-y curves of ten lines each from line 11;
// its first 40 lines end after the third.
std::vector<DamagedFile> damagedFiles()
{
    const std::string whole = fileText(kUserCurves);
    // Every byte of the array but its closing zero (the text holds zeros).
    static const char kBinary[] = "\x7f" "ELF\x02\x01\x01\x00\x00\x00\n\x03\x00\xff\xfe\x10\x20garbage\n\x01\x02";
    const std::string binary(kBinary, sizeof kBinary - 1);
    return {
        {"half.ov5d", firstLines(whole, 40), 40, 3, "This file either invalid or incomplete."},
        {"binary.ov5d", binary, 2, 1, "An integer was expected but not found."},
        {"badnumber.ov5d", replaced(whole, "40 12\t", "40 1x2\t"), 3, 2,
         "A floating point number was expected but not found."},
        {"empty.ov5d", "", 1, 1, "This file either invalid or incomplete."},
        // Cut in the stiffness line's EI "4.5E+09" (at byte 101), right after
        // it, and after its CR: only a line end shows that the number is whole.
        {"cut.ov5d", whole.substr(0, 101), 4, 4, kCut},
        {"cutafter.ov5d", whole.substr(0, whole.find("4.5E+09") + 7), 4, 4, kCut},
        {"cutline.ov5d", whole.substr(0, whole.find("4.5E+09") + 8), 4, 5, "This file either invalid or incomplete."},
    };
}

// A number cut short is no value: the stiffness row read in part has not
// the cut EI 4.5 but none.
TEST(TProjectFiles, ACutLastNumberIsNotTakenAsAValue)
{
    TestFolder folder;
    const auto path = folder.path() / "cut.ov5d";
    writeFileText(path, fileText(kUserCurves).substr(0, 101));
    TProject project;
    const TOpenOutcome outcome = TProjectFiles::openProject(project, path, TLayout::Current);
    EXPECT_EQ(outcome.status, TOpenOutcome::Status::ReadInPart);
    EXPECT_EQ(outcome.error, std::string("Error on Line 4 Item 4\r") + kCut);
    EXPECT_EQ(project.tables().PileSect.cell(2, 0).asInteger(), 1);
    EXPECT_NE(project.tables().PileSect.cell(3, 0).asReal(), 4.5);
}

TEST(TProjectFiles, AFileReadInPartGivesARecoveredProjectThatSaveCannotWriteOverTheOriginal)
{
    for (const DamagedFile& damaged : damagedFiles()) {
        SCOPED_TRACE(damaged.name);
        TestFolder folder;
        const auto path = folder.path() / damaged.name;
        writeFileText(path, damaged.content);

        TProject project;
        const TOpenOutcome outcome = TProjectFiles::openProject(project, path, TLayout::Current);
        EXPECT_EQ(outcome.status, TOpenOutcome::Status::ReadInPart);
        EXPECT_EQ(outcome.stoppedAt.line, damaged.line);
        EXPECT_EQ(outcome.stoppedAt.item, damaged.item);
        EXPECT_NE(outcome.error.find(damaged.reason), std::string::npos) << outcome.error;
        EXPECT_TRUE(project.data().Recovered);
        EXPECT_TRUE(project.isModified());
        EXPECT_TRUE(TProjectFiles::needsName(project));
        std::string shown = damaged.name;
        EXPECT_EQ(TProjectFiles::displayName(project), shown + " (recovered)");

        const std::string message = TProjectFiles::openMessage(path, outcome);
        for (const std::string& part :
             {"The data file " + path.string() + " was opened in part: reading stopped at line " +
                  std::to_string(damaged.line) + ", item " + std::to_string(damaged.item) + ".",
              std::string(damaged.reason), "\"" + shown + " (recovered)\""})
            EXPECT_NE(message.find(part), std::string::npos) << message << "\nwithout: " << part;

        EXPECT_THROW(TProjectFiles::save(project), EWriteError);
        EXPECT_EQ(fileText(path), damaged.content);

        const auto chosen = folder.path() / "kept.ov5d";
        TProjectFiles::saveAs(project, chosen);
        EXPECT_FALSE(project.data().Recovered);
        EXPECT_FALSE(project.isModified());
        EXPECT_EQ(project.data().FileName, chosen.string());
        EXPECT_EQ(TProjectFiles::displayName(project), "kept.ov5d");
        EXPECT_EQ(fileText(path), damaged.content);
    }
}

TEST(TProjectFiles, TheHalfFileKeepsTheCurvesThatWereRead)
{
    TestFolder folder;
    const auto path = folder.path() / "half.ov5d";
    writeFileText(path, firstLines(fileText(kUserCurves), 40));
    TProject project;
    ASSERT_EQ(TProjectFiles::openProject(project, path, TLayout::Current).status, TOpenOutcome::Status::ReadInPart);
    // Three whole curves and the row the file ended in.
    const TGridTable& sets = project.tables().PYCurves2;
    ASSERT_EQ(sets.rowCount(), 4);
    for (int row = 0; row < 3; ++row) EXPECT_EQ(sets.cell(0, row).asInteger(), 15 + 5 * row) << row;
    EXPECT_EQ(project.data().Title, "Cantilever sheet-pile wall on user p-y curves");
    EXPECT_EQ(project.data().Increments, 40);
}

// A staged file cut in its third stage: the stages read are kept in their
// stage files, the project is recovered, and Save As joins them under the
// new name while the damaged file stays as it was.
TEST(TProjectFiles, AStagedFileReadInPartIsRecoveredToo)
{
    TestFolder folder;
    const auto path = folder.path() / "staged.ov5d";
    const std::string cut = firstLines(fileText(std::filesystem::path(ORVANE_SOURCE_DIR) / "examples/three-stage.ov5d"), 200);
    writeFileText(path, cut);
    TProject project;
    const TOpenOutcome outcome = TProjectFiles::openProject(project, path, TLayout::Current);
    ASSERT_EQ(outcome.status, TOpenOutcome::Status::ReadInPart) << outcome.error;
    EXPECT_EQ(outcome.error.rfind("Stage 3: ", 0), 0u) << outcome.error;
    // The data file ends at line 200, in the middle of stage 3.
    EXPECT_EQ(outcome.stoppedAt.line, 200);
    EXPECT_TRUE(project.data().Recovered);
    EXPECT_TRUE(project.isModified());
    EXPECT_EQ(project.data().StageCount, 3);
    EXPECT_THROW(TProjectFiles::save(project), EWriteError);

    const auto chosen = folder.path() / "staged-kept.ov5d";
    TProjectFiles::saveAs(project, chosen);
    EXPECT_FALSE(project.data().Recovered);
    EXPECT_EQ(fileText(path), cut);
    EXPECT_TRUE(std::filesystem::is_regular_file(chosen));
}

TEST(TProjectFiles, AWholeFileIsNotRecovered)
{
    TProject project;
    const TOpenOutcome outcome = TProjectFiles::openProject(project, kUserCurves, TLayout::Current);
    EXPECT_EQ(outcome.status, TOpenOutcome::Status::Read);
    EXPECT_FALSE(project.data().Recovered);
    EXPECT_FALSE(project.isModified());
    EXPECT_FALSE(TProjectFiles::needsName(project));
    EXPECT_EQ(TProjectFiles::displayName(project), "cantilever-user-py.ov5d");
}

TEST(TProjectFiles, AFileThatCannotBeOpenedLeavesTheProjectAlone)
{
    TestFolder folder;
    TProject project;
    project.data().Title = "Kept";
    project.data().FileName = (folder.path() / "mine.ov5d").string();

    const auto missing = folder.path() / "missing.ov5d";
    TOpenOutcome outcome = TProjectFiles::openProject(project, missing, TLayout::Current);
    EXPECT_EQ(outcome.status, TOpenOutcome::Status::NotOpened);
    EXPECT_EQ(outcome.error, "Cannot open file \"" + missing.string() + "\": No such file or directory");
    EXPECT_EQ(TProjectFiles::openMessage(missing, outcome), outcome.error);

    outcome = TProjectFiles::openProject(project, folder.path(), TLayout::Current);
    EXPECT_EQ(outcome.status, TOpenOutcome::Status::NotOpened);
    EXPECT_EQ(outcome.error, "Cannot open file \"" + folder.path().string() + "\": it is a folder, not a data file");

    EXPECT_EQ(project.data().Title, "Kept");
    EXPECT_EQ(project.data().FileName, (folder.path() / "mine.ov5d").string());
    EXPECT_FALSE(project.data().Recovered);
}

// A save renames a new file over the old one, which the folder allows: a
// read-only data file (mode 444 in a writable folder) is refused all the
// same, by Save and by Save As onto it, whoever runs the program.
TEST(TProjectFiles, AReadOnlyDataFileIsNotSavedOver)
{
    namespace fs = std::filesystem;
    TestFolder folder;
    const fs::path path = folder.path() / "wall.ov5d";
    fs::copy_file(kUserCurves, path);
    const std::string before = fileText(path);
    TProject project;
    ASSERT_EQ(TProjectFiles::openProject(project, path, TLayout::Current).status, TOpenOutcome::Status::Read);
    project.data().Title = "Changed";
    project.setModified(true);
    EXPECT_EQ(TProjectFiles::cannotSaveOver(path), std::nullopt);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    const std::string refusal = "The data file " + path.string() + " is read-only, so it is not saved over.";
    EXPECT_EQ(TProjectFiles::cannotSaveOver(path), refusal);
    for (const auto& save : {std::function<void()>([&] { TProjectFiles::save(project); }),
                             std::function<void()>([&] { TProjectFiles::saveAs(project, path); })}) {
        try {
            save();
            ADD_FAILURE() << "saved over the read-only file";
        } catch (const EWriteError& e) {
            EXPECT_EQ(std::string(e.what()), refusal);
        }
        EXPECT_EQ(fileText(path), before);
        EXPECT_TRUE(project.isModified());
        EXPECT_EQ(project.data().FileName, path.string());
    }

    const fs::path other = folder.path() / "wall-copy.ov5d";
    TProjectFiles::saveAs(project, other);
    EXPECT_EQ(fileText(other).rfind("Changed\r\n", 0), 0u);
    EXPECT_FALSE(project.isModified());
    EXPECT_EQ(TProjectFiles::cannotSaveOver(folder.path() / "none.ov5d"), std::nullopt);
    fs::permissions(path, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(TProjectFiles::cannotSaveOver(path), std::nullopt);
}

// "WALL.OV5D" is the project's own data file, as "wall.ov5d" would be.
TEST(TProjectFiles, ADataFileWithAnUpperCaseExtensionIsSavedInPlace)
{
    TestFolder folder;
    const std::filesystem::path path = folder.path() / "WALL.OV5D";
    std::filesystem::copy_file(kUserCurves, path);
    TProject project;
    ASSERT_EQ(TProjectFiles::openProject(project, path, TLayout::Current).status, TOpenOutcome::Status::Read);
    project.data().Title = "Changed";
    project.setModified(true);
    ASSERT_FALSE(TProjectFiles::needsName(project));
    TProjectFiles::save(project);
    EXPECT_EQ(fileText(path).rfind("Changed\r\n", 0), 0u);
    EXPECT_EQ(TProjectFiles::displayName(project), "WALL.OV5D");
}

}  // namespace
}  // namespace orvane
