#include "app/Units.h"

#include <gtest/gtest.h>

namespace qlx {
namespace {

struct RoundCase {
    float x;
    int digits;
    bool isSigned;
    float expected;
};

class RoundTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundTest, FollowsTheFloatPath) {
    const RoundCase& c = GetParam();
    const float got =
        c.isSigned ? RoundToDecimalsSigned(c.x, c.digits) : RoundToDecimals(c.x, c.digits);
    EXPECT_FLOAT_EQ(got, c.expected) << "x=" << c.x << " digits=" << c.digits;
}

INSTANTIATE_TEST_SUITE_P(Table, RoundTest,
                         ::testing::Values(RoundCase{2.345f, 2, false, 2.35f},
                                           RoundCase{1.15f, 1, false, 1.1f}, // float below 1.15
                                           RoundCase{0.05f, 1, false, 0.1f},
                                           RoundCase{-1.0f, 1, false, 0.0f},
                                           RoundCase{2.5f, 0, false, 3.0f},
                                           RoundCase{-1.26f, 1, true, -1.3f},
                                           RoundCase{1.26f, 1, true, 1.3f}));

struct InchTextCase {
    const char* mm;
    bool isSigned;
    const char* expected;
};

class MmTextToInchTextTest : public ::testing::TestWithParam<InchTextCase> {};

TEST_P(MmTextToInchTextTest, ConvertsWithTwoDigits) {
    const InchTextCase& c = GetParam();
    EXPECT_EQ(c.isSigned ? MmTextToInchTextSigned(c.mm, 2) : MmTextToInchText(c.mm, 2), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MmTextToInchTextTest,
    ::testing::Values(InchTextCase{"63.0", false, "2.48"}, InchTextCase{"25.4", false, "1.00"},
                      InchTextCase{"-150.0", false, "0.00"}, InchTextCase{"-150.0", true, "-5.91"},
                      InchTextCase{"150.0", true, "5.91"}, InchTextCase{"11.9", false, "0.47"},
                      InchTextCase{"1000.0", false, "39.37"}));

struct ParseCase {
    const char* text;
    int decimals;
    char separator;
    int32_t expected;
};

class ParseScaledDecimalTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseScaledDecimalTest, Scales) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(ParseScaledDecimal(c.text, c.decimals, c.separator), c.expected)
        << '"' << c.text << "\" decimals=" << c.decimals << " sep=" << c.separator;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseScaledDecimalTest,
    ::testing::Values(ParseCase{"12.5", 3, '.', 12500}, ParseCase{"12", 3, '.', 12000},
                      ParseCase{"-0.25", 1, '.', -3}, ParseCase{"1.04", 1, '.', 10},
                      ParseCase{"", 3, '.', 0}, ParseCase{"12.5", 1, ',', 1250},
                      ParseCase{"12,5", 1, ',', 125}, ParseCase{"7.", 0, '.', 7},
                      ParseCase{"1-2", 0, '.', 12}, // a minus after the first place is skipped
                      // far beyond any edit box: saturates instead of overflowing
                      ParseCase{"99999999999999999999999", 3, '.', 2147483647},
                      ParseCase{"-99999999999999999999999", 3, '.', -2147483647}));

TEST(RoundDivPow10Test, RoundsHalfAwayFromZero) {
    EXPECT_EQ(RoundDivPow10(1771653, 3), 1772);
    EXPECT_EQ(RoundDivPow10(1500, 3), 2);
    EXPECT_EQ(RoundDivPow10(1499, 3), 1);
    EXPECT_EQ(RoundDivPow10(-1500, 3), -2);
    EXPECT_EQ(RoundDivPow10(-1499, 3), -1);
    EXPECT_EQ(RoundDivPow10(-7, 0), -7);
}

TEST(DisplayTest, ListTextsInBothUnitsAndSeparators) {
    EXPECT_EQ(FormatTenthsMm(560, false), "56.0 mm");
    EXPECT_EQ(ToLocaleDecimal(FormatTenthsMm(560, false), ','), "56,0 mm");
    EXPECT_EQ(FormatTenthsMm(620, true), "2.44 \"");
    EXPECT_EQ(NotApplicableLength(false), "-- mm");
    EXPECT_EQ(NotApplicableLength(true), "-- \"");
    EXPECT_EQ(ToDotDecimal("12,5", ','), "12.5");
}

TEST(ParseDotDoubleTest, ReadsLikeTheCLibraryInTheCLocale) {
    EXPECT_DOUBLE_EQ(ParseDotDouble("  -12.5xyz"), -12.5);
    EXPECT_DOUBLE_EQ(ParseDotDouble("+3"), 3.0);
    EXPECT_DOUBLE_EQ(ParseDotDouble("abc"), 0.0);
    EXPECT_DOUBLE_EQ(ParseDotDouble("12,5"), 12.0);
}

} // namespace
} // namespace qlx
