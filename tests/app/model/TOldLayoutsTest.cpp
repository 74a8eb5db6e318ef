#include "model/TDataFileReader.hpp"
#include "model/TDataFileWriter.hpp"
#include "model/TLayout.hpp"
#include "model/TProject.hpp"
#include "model/TProjectFiles.hpp"
#include "model/TStageFiles.hpp"
#include "model/TStages.hpp"
#include "model/TTextFile.hpp"

#include "FileText.hpp"
#include "ProjectDump.hpp"
#include "TestFolder.hpp"

#include <gtest/gtest.h>

#include <tuple>

namespace orvane {
namespace {

const std::filesystem::path kData = MODEL_TEST_DATA;

TEST(OldLayouts, ReadIntoTheSameProjectAsTheirCurrentEquivalent)
{
    const std::tuple<const char*, TLayout, const char*> cases[] = {
        {"wall-a.ov4d", TLayout::V2013, "wall-a.ov5d"},
        {"wall-b.ovd", TLayout::V30, "wall-b.ov5d"},
        {"wall-b-20.ovd", TLayout::V20, "wall-b.ov5d"},
    };
    for (const auto& [old, layout, current] : cases) {
        SCOPED_TRACE(old);
        TProject fromOld;
        TProject fromCurrent;
        ASSERT_EQ(TDataFileReader::readProject(fromOld, kData / old, layout), std::nullopt);
        ASSERT_EQ(TDataFileReader::readProject(fromCurrent, kData / current, TLayout::Current), std::nullopt);
        EXPECT_EQ(dumpProject(fromOld), dumpProject(fromCurrent));
        EXPECT_FALSE(fromOld.data().Layout2015);
        // Written again, the old file is the current-layout file.
        EXPECT_EQ(TDataFileWriter(fromOld).dataFileText(), fileText(kData / current));
    }
}

TEST(OldLayouts, TheSingleSurchargeOfOlderFilesBecomesThreeRows)
{
    TProject project;
    ASSERT_FALSE(TDataFileReader::readProject(project, kData / "wall-b.ovd", TLayout::V30));
    EXPECT_TRUE(project.data().UseSurcharges);
    EXPECT_EQ(dumpTable(project.tables().SurchargeTable),
              "Surcharge Loads [3 rows, units 1]\n"
              "  1: 1 2000 36 24\n"
              "  2: 2 100 36 24\n"
              "  3: 3 1.5 36 24\n");
    // Without a distance there is no surcharge.
    std::string text = fileText(kData / "wall-b.ovd");
    text.replace(text.find("0.5\t36\t"), 7, "0.5\t0\t");
    ASSERT_FALSE(TDataFileReader::readProjectText(project, text, TLayout::V30));
    EXPECT_FALSE(project.data().UseSurcharges);
}

TEST(OldLayouts, LayoutsFollowTheExtensionOrTheFileType)
{
    EXPECT_EQ(TLayouts::forPath("a/wall.ov4d"), TLayout::V2013);
    EXPECT_EQ(TLayouts::forPath("wall.OVD"), TLayout::V30);
    EXPECT_EQ(TLayouts::forPath("wall.ov5d"), TLayout::Current);
    EXPECT_EQ(TLayouts::forPath("wall.txt"), TLayout::Current);
    EXPECT_EQ(TLayouts::forFileType(4), TLayout::V20);
    EXPECT_EQ(TLayouts::forFileType(5), TLayout::V20);
    EXPECT_EQ(TLayouts::byName("3.0"), TLayout::V30);
    EXPECT_EQ(TLayouts::byName("2014"), std::nullopt);
}

// A staged file of the 2013 layout: its stage files are rewritten in the
// current layout when it is opened.
TEST(OldLayouts, TheFileKindsMakeTheDialogsFileTypesAndTheRunnersNames)
{
    // The open dialog's positions are the layouts' values: 1 is 2015 ... 4 is 2.0, 5 all files.
    EXPECT_EQ(TLayouts::openFilter(),
              "Orvane 2015 (*.ov5d);;Orvane 2013 (*.ov4d);;Orvane 3.0 (*.ovd);;Orvane 2.0 (*.ovd);;All Files (*)");
    EXPECT_EQ(TLayouts::saveFilter(), "Orvane 2015 (*.ov5d);;All Files (*)");
    EXPECT_EQ(TLayouts::names(", ", " or "), "2015, 2013, 3.0 or 2.0");
    EXPECT_EQ(TLayouts::names("|", "|"), "2015|2013|3.0|2.0");
    EXPECT_STREQ(TProjectFiles::kNewName, "NewWall.ov5d");
    for (const char* name : {"2015", "2013", "3.0", "2.0"}) {
        const auto layout = TLayouts::byName(name);
        ASSERT_TRUE(layout) << name;
        EXPECT_EQ(TLayouts::kind(*layout).name, name);
    }
}

TEST(OldLayouts, OpeningAStagedOldFileConvertsItsStageFiles)
{
    const std::string stage = fileText(kData / "wall-a.ov4d");
    std::string first = stage;
    first.replace(first.find("1 1 1 0 2 2 2 1 1"), 17, "1 1 1 0 2 2 2 2 1");
    first.replace(first.rfind("0\r\n"), 3, "1\r\n");
    std::string second = first;
    second.replace(0, second.find("\r\n"), " Stage No : 2");
    second.replace(second.rfind("1\r\n"), 3, "2\r\n");
    second.replace(second.find("180\t12\t12\t120"), 13, "240\t12\t12\t120");

    TestFolder folder;
    const auto path = folder.path() / "staged.ov4d";
    writeFileText(path, first + second);
    TProject project;
    ASSERT_EQ(TProjectFiles::open(project, path, TLayout::V2013), std::nullopt);
    EXPECT_EQ(project.data().StageCount, 2);
    EXPECT_EQ(project.data().CurrentStage, 1);
    EXPECT_EQ(project.data().Title, "Old layout wall A");
    EXPECT_FALSE(project.isModified());

    std::string expectedFirst = fileText(kData / "wall-a.ov5d");
    expectedFirst.replace(expectedFirst.find("1 1\t1\t0\t2\t2 2 1 1 0"), 19, "1 1\t1\t0\t2\t2 2 2 1 0");
    expectedFirst.replace(expectedFirst.rfind("0\r\n"), 3, "1\r\n");
    EXPECT_EQ(fileText(TStageFiles::name(path, 1)), expectedFirst);
    const std::string secondConverted = fileText(TStageFiles::name(path, 2));
    EXPECT_EQ(secondConverted.substr(0, 15), " Stage No : 2\r\n");
    EXPECT_NE(secondConverted.find("\r\n40 12\t10\t0.00001\t240\t12\r\n"), std::string::npos) << secondConverted;
    EXPECT_NE(secondConverted.find("\r\n240\t12\t12\t120"), std::string::npos);

    ASSERT_EQ(TStages(project).switchTo(2), std::nullopt);
    EXPECT_EQ(project.data().WallHeight, 240.0);
    EXPECT_EQ(project.data().Title, " Stage No : 2");
}

}  // namespace
}  // namespace orvane
