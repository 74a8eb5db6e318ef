#include "ui/TWindowPlacement.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane {
namespace {

struct TilesCase {
    const char* name;
    QSize area;
    QList<QSize> minimums;
    bool apart;  // the smallest sizes fit side by side, so no two tiles overlap
};

TEST(TWindowPlacement, TilesLieInsideTheAreaAndApartWhereTheWindowsFit)
{
    const TilesCase cases[] = {
        {"one window", {800, 600}, {{200, 100}}, true},
        {"three that fit only in rows", {1100, 680}, {{649, 124}, {517, 228}, {721, 178}}, true},
        {"five in a small workspace", {886, 520}, {{649, 124}, {517, 228}, {521, 646}, {721, 178}, {264, 132}}, false},
        {"a window larger than the area", {400, 300}, {{500, 400}, {100, 100}}, false},
    };
    for (const TilesCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QList<QRect> tiles = TWindowPlacement::tiles(c.area, c.minimums);
        ASSERT_EQ(tiles.size(), c.minimums.size());
        const QRect area(QPoint(0, 0), c.area);
        for (qsizetype k = 0; k < tiles.size(); ++k) {
            EXPECT_TRUE(area.contains(tiles[k])) << k;
            // Never below the smallest size where the area allows it.
            EXPECT_GE(tiles[k].width(), std::min(c.minimums[k].width(), c.area.width())) << k;
            EXPECT_GE(tiles[k].height(), std::min(c.minimums[k].height(), c.area.height())) << k;
            if (!c.apart) continue;
            for (qsizetype j = k + 1; j < tiles.size(); ++j) EXPECT_FALSE(tiles[k].intersects(tiles[j])) << k << j;
        }
    }
}

TEST(TWindowPlacement, AWindowOutsideTheAreaIsMovedInAndShrunkToIt)
{
    const QSize area(800, 600);
    EXPECT_EQ(TWindowPlacement::inside({900, 700, 300, 200}, {100, 100}, area), QRect(500, 400, 300, 200));
    EXPECT_EQ(TWindowPlacement::inside({-50, -20, 300, 200}, {100, 100}, area), QRect(0, 0, 300, 200));
    EXPECT_EQ(TWindowPlacement::inside({100, 50, 1300, 200}, {100, 100}, area), QRect(0, 50, 800, 200));
    EXPECT_EQ(TWindowPlacement::inside({10, 10, 50, 50}, {100, 100}, area), QRect(10, 10, 100, 100));
    EXPECT_EQ(TWindowPlacement::inside({10, 10, 300, 200}, {100, 100}, area), QRect(10, 10, 300, 200));
}

}  // namespace
}  // namespace orvane
