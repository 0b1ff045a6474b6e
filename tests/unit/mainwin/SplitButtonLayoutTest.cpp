#include "app/SplitButtonLayout.h"

#include <gtest/gtest.h>

namespace qlx {
namespace {

using L = SplitButtonLayout;

TEST(SplitButtonLayoutTest, OnlyTheRightmostSixteenPixelsDropTheMenu) {
    const int width = 120;
    EXPECT_FALSE(L::InDropZone(0, width));
    EXPECT_FALSE(L::InDropZone(60, width));
    EXPECT_FALSE(L::InDropZone(width - 16, width)); // the separator column is body
    EXPECT_TRUE(L::InDropZone(width - 15, width));
    EXPECT_TRUE(L::InDropZone(width - 10, width));
    EXPECT_TRUE(L::InDropZone(width - 1, width));
}

TEST(SplitButtonLayoutTest, DefaultCommandIsTheFirstItemUnlessOneIsGiven) {
    const std::vector<int> menu{1451, 1452, 1453};
    EXPECT_EQ(L::DefaultCommand(0, menu), 1451);
    EXPECT_EQ(L::DefaultCommand(1452, menu), 1452);
    EXPECT_EQ(L::DefaultCommand(0, {}), 0);
    EXPECT_EQ(L::DroppedCommands(menu, 1451), (std::vector<int>{1452, 1453}));
    EXPECT_EQ(L::DroppedCommands(menu, 1452), (std::vector<int>{1451, 1453}));
}

TEST(SplitButtonLayoutTest, SeparatorArrowFocusAndCaptionSitInTheirPlaces) {
    const L::Drawing d = L::Layout({0, 0, 100, 24}, false);
    EXPECT_EQ(d.separator.x1, 84);
    EXPECT_EQ(d.separator.x2, 84);
    EXPECT_EQ(d.separator.y1, 4);
    EXPECT_EQ(d.separator.y2, 20);
    // Rows of 5, 3 and 1 pixels (end exclusive), centred on one column, narrowing downwards.
    const int mid = 12;
    const int widths[] = {5, 3, 1};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(d.arrow[row].y1, mid - 1 + row);
        EXPECT_EQ(d.arrow[row].y1, d.arrow[row].y2);
        EXPECT_EQ(d.arrow[row].x2 - d.arrow[row].x1, widths[row]);
        EXPECT_EQ(d.arrow[row].x1 + d.arrow[row].x2, 2 * 100 - 19);
    }
    EXPECT_EQ(d.arrow[0].x1, 88);
    EXPECT_EQ(d.focus.left, 4);
    EXPECT_EQ(d.focus.bottom, 20);
    EXPECT_EQ(d.caption.right, 88);

    const L::Drawing pressed = L::Layout({0, 0, 100, 24}, true);
    EXPECT_EQ(pressed.arrow[0].x1, 89);
    EXPECT_EQ(pressed.arrow[0].y1, 12);
    EXPECT_EQ(pressed.focus.left, 4); // the focus frame does not move
}

} // namespace
} // namespace qlx
