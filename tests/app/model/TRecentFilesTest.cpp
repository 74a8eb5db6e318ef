#include "model/TDisplayName.hpp"
#include "model/TRecentFiles.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace orvane {
namespace {

std::vector<std::string> files(int first, int last)
{
    std::vector<std::string> names;
    for (int n = first; n >= last; --n) names.push_back("/p/wall" + std::to_string(n) + ".ov5d");
    return names;
}

TEST(TRecentFiles, TheEleventhFileDropsTheOldest)
{
    TRecentFiles recent;
    for (int n = 1; n <= 11; ++n) recent.putFirst("/p/wall" + std::to_string(n) + ".ov5d");
    EXPECT_EQ(recent.entries(), files(11, 2));
}

TEST(TRecentFiles, ReopeningAFileMovesItToTheTopWithoutADuplicate)
{
    TRecentFiles recent;
    recent.assign(files(10, 1));
    const std::string third = recent.entries()[2];
    recent.putFirst(third);
    EXPECT_EQ(recent.entries(), (std::vector<std::string>{"/p/wall8.ov5d", "/p/wall10.ov5d", "/p/wall9.ov5d",
                                                         "/p/wall7.ov5d", "/p/wall6.ov5d", "/p/wall5.ov5d",
                                                         "/p/wall4.ov5d", "/p/wall3.ov5d", "/p/wall2.ov5d",
                                                         "/p/wall1.ov5d"}));
    recent.putFirst(third);
    EXPECT_EQ(recent.entries()[0], third);
    EXPECT_EQ(recent.entries()[1], "/p/wall10.ov5d");
}

TEST(TRecentFiles, StoredEntriesWithoutAPathLeaveNoGap)
{
    TRecentFiles recent;
    recent.assign({"/p/a.ov5d", "", "/p/b.ov5d", "", "", "", "", "", "", ""});
    EXPECT_EQ(recent.entries(), (std::vector<std::string>{"/p/a.ov5d", "/p/b.ov5d"}));
}

TEST(TRecentFiles, MenuTextsArePathsRelativeToTheWorkingFolder)
{
    const std::tuple<int, const char*, const char*, const char*> cases[] = {
        {1, "/home/u/walls/a.ov5d", "/home/u/walls", "1 a.ov5d"},
        {2, "/home/u/walls/deep/b.ov5d", "/home/u/walls/", "2 deep/b.ov5d"},
        {10, "/home/u/other/c.ov5d", "/home/u/walls", "10 /home/u/other/c.ov5d"},
        {3, "/home/u/wallsX/d.ov5d", "/home/u/walls", "3 /home/u/wallsX/d.ov5d"},
    };
    for (const auto& [number, path, folder, text] : cases)
        EXPECT_EQ(TRecentFiles::menuText(number, path, folder), text) << path;
}

TEST(TDisplayName, NamesTheFileWithoutFolderAndWithoutTheOldExtensionInItsOwnCase)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/home/u/walls/sheet.ov5d", "sheet.ov5d"},  // the file's own letter case
        {"/home/u/walls/Sheet.ov5d", "Sheet.ov5d"},
        {"NewWall.ov5d", "NewWall.ov5d"},
        {"/old/pier.ovd", "pier"},
        {"/old/PIER.OVD", "PIER"},  // the extension tells the layout in any case
        {"/old/pier.ov4d", "pier.ov4d"},
    };
    for (const auto& [path, name] : cases) EXPECT_EQ(TDisplayName::of(path), name) << path;
}

}  // namespace
}  // namespace orvane
