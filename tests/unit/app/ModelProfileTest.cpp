#include "app/ModelProfile.h"

#include <gtest/gtest.h>

namespace qlx {
namespace {

TEST(ModelProfileTest, ChoosesTheResolutionColumnByModel) {
    for (const char* code : {"qlx410a", "qlx530e", "qlx530ew"}) {
        const ModelProfile p = ModelProfileFor(code);
        EXPECT_EQ(p.nResolutionDpi, 300) << code;
        EXPECT_EQ(p.nHeadDots, 672) << code;
        EXPECT_EQ(p.nPrintWidthMm100, 5680) << code;
        EXPECT_EQ(p.nPrintWidthInch100, 220) << code; // not 224
    }
    for (const char* code : {"qlx520e", "qlx520ew", ""}) {
        const ModelProfile p = ModelProfileFor(code);
        EXPECT_EQ(p.nResolutionDpi, 203) << code;
        EXPECT_EQ(p.nHeadDots, 448) << code;
        EXPECT_EQ(p.nMaxRightMarginMm100, 5600) << code;
        EXPECT_EQ(p.nMaxWidthInch100, 248) << code;
    }
}

} // namespace
} // namespace qlx
