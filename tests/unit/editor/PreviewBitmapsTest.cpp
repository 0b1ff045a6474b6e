#include "editor/PreviewBitmaps.h"

#include <gtest/gtest.h>

namespace qlx {
namespace {

TEST(PreviewBitmaps, KindAndMarkSideChooseThePictures) {
    struct Case {
        int type;
        bool negative;
        PreviewBitmaps expected;
    };
    const Case cases[] = {
        {74, false, {132, 147, 130}}, {74, true, {132, 149, 130}},  {75, false, {131, 147, 130}},
        {75, true, {131, 149, 130}},  {76, false, {144, 143, 130}}, {76, true, {144, 148, 130}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChoosePreviewBitmaps(c.type, c.negative), c.expected)
            << c.type << (c.negative ? " negative" : " not negative");
    }
}

TEST(PreviewBitmaps, MarkOffsetIsNegativeOnlyBelowZero) {
    EXPECT_TRUE(IsMarkOffsetNegative("-1", '.'));
    EXPECT_TRUE(IsMarkOffsetNegative("-0.1", '.'));
    EXPECT_TRUE(IsMarkOffsetNegative("-0,1", ','));
    EXPECT_FALSE(IsMarkOffsetNegative("", '.'));
    EXPECT_FALSE(IsMarkOffsetNegative("-", '.'));
    EXPECT_FALSE(IsMarkOffsetNegative("-0.0", '.'));
    EXPECT_FALSE(IsMarkOffsetNegative("2.5", '.'));
}

TEST(PreviewBitmaps, RepaintOnlyWhenTheMarkChangesSides) {
    EXPECT_FALSE(NeedsRepaint("1", "2", '.'));
    EXPECT_TRUE(NeedsRepaint("1", "-1", '.'));
    EXPECT_TRUE(NeedsRepaint("-1", "", '.'));
    EXPECT_TRUE(NeedsRepaint("-1", "-", '.')) << "a lone minus is not below zero";
}

} // namespace
} // namespace qlx
