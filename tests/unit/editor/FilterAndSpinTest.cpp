#include "editor/FilterDecimalInput.h"
#include "editor/SpinStep.h"

#include <gtest/gtest.h>

namespace qlx {
namespace {

struct FilterCase {
    const char* what;
    bool inch;
    char separator;
    bool signedValue;
    const char* oldText;
    const char* newText;
    int caret; // after the change
    bool accepted;
    int caretAfter; // where the caret ends
};

class PaperValueFilter : public ::testing::TestWithParam<FilterCase> {};

TEST_P(PaperValueFilter, AcceptsOrRestoresTheOldText) {
    const FilterCase& c = GetParam();
    const FilterOutcome out =
        FilterDecimalInput(c.oldText, c.newText, {c.caret, c.caret}, c.separator,
                           PaperValueRules(c.inch, c.signedValue));
    EXPECT_EQ(out.accepted, c.accepted) << c.what;
    EXPECT_EQ(out.text, c.accepted ? c.newText : c.oldText) << c.what;
    EXPECT_EQ(out.selection, (TextSelection{c.caretAfter, c.caretAfter})) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PaperValueFilter,
    ::testing::Values(
        FilterCase{"one decimal in mm", false, '.', false, "12.", "12.3", 4, true, 4},
        FilterCase{"second decimal in mm", false, '.', false, "12.3", "12.34", 5, false, 4},
        FilterCase{"two decimals in inches", true, '.', false, "1.2", "1.23", 4, true, 4},
        FilterCase{"third decimal in inches", true, '.', false, "1.23", "1.234", 5, false, 4},
        FilterCase{"six characters", true, '.', false, "123.4", "123.45", 6, true, 6},
        FilterCase{"seventh character", true, '.', false, "123.45", "1234.45", 4, false, 3},
        FilterCase{"above 9999.9 keeps the caret", false, '.', false, "1000", "10000", 5, false, 5},
        FilterCase{"9999.9 itself", false, '.', false, "9999.", "9999.9", 6, true, 6},
        FilterCase{"second separator", false, '.', false, "12.", "12..", 4, false, 3},
        FilterCase{"separator before the decimal", false, '.', false, "1.2", "1..2", 2, false, 1},
        FilterCase{"point under a comma locale", false, ',', false, "12", "12.", 3, false, 2},
        FilterCase{"comma under a comma locale", false, ',', false, "12", "12,5", 4, true, 4},
        FilterCase{"letter", false, '.', false, "12", "12a", 3, false, 2},
        FilterCase{"blank", false, '.', false, "12", "1 2", 2, false, 1},
        FilterCase{"minus on an unsigned value", false, '.', false, "5", "-5", 1, false, 0},
        FilterCase{"leading minus on the mark offset", false, '.', true, "5", "-5", 1, true, 1},
        FilterCase{"minus after a digit", false, '.', true, "5", "5-", 2, false, 1},
        FilterCase{"a lone minus", false, '.', true, "", "-", 1, true, 1},
        FilterCase{"mark offset below -9999.9", false, '.', true, "-1000", "-10000", 6, false, 6},
        FilterCase{"caret never before the start", false, '.', false, "", "x", 0, false, 0},
        FilterCase{"emptied text", false, '.', false, "5", "", 0, true, 0}));

TEST(PaperNameFilter, LimitsTheNameToWhatTheRecordHolds) {
    const std::string n31(31, 'a');
    EXPECT_TRUE(FilterNameInput(std::string(30, 'a'), n31, {31, 31}).accepted);
    const FilterOutcome refused = FilterNameInput(n31, n31 + "b", {32, 32});
    EXPECT_FALSE(refused.accepted);
    EXPECT_EQ(refused.text, n31);
    EXPECT_EQ(refused.selection, (TextSelection{31, 31}));
    // Thirty-one accented letters are 62 bytes but 31 characters.
    std::string accented;
    for (int i = 0; i < 31; ++i) {
        accented += "\xC3\xA9";
    }
    EXPECT_TRUE(FilterNameInput("", accented, {31, 31}).accepted);
    // A character outside the basic plane takes two of the 31 places.
    EXPECT_FALSE(FilterNameInput("", std::string(30, 'a') + "\xF0\x9F\x98\x80", {31, 31}).accepted);
    EXPECT_TRUE(FilterNameInput("", std::string(29, 'a') + "\xF0\x9F\x98\x80", {30, 30}).accepted);
}

TEST(AdvanceValueFilter, RefusesLikeTheEditorButMovesTheCaretForRangeToo) {
    const DecimalInputRules mm = AdvanceValueRules(false);
    const DecimalInputRules inch = AdvanceValueRules(true);
    EXPECT_TRUE(FilterDecimalInput("-999.", "-999.9", {6, 6}, '.', mm).accepted);
    EXPECT_FALSE(FilterDecimalInput("-12.3", "-12.34", {6, 6}, '.', mm).accepted);
    EXPECT_TRUE(FilterDecimalInput("-1.2", "-1.23", {5, 5}, '.', inch).accepted);
    EXPECT_FALSE(FilterDecimalInput("-1.23", "-1.234", {6, 6}, '.', inch).accepted);
    EXPECT_FALSE(FilterDecimalInput("-150.0", "-1500.0", {5, 5}, '.', mm).accepted);
    const FilterOutcome big = FilterDecimalInput("100", "1000", {4, 4}, '.', mm);
    EXPECT_FALSE(big.accepted);
    EXPECT_EQ(big.text, "100");
    EXPECT_EQ(big.selection, (TextSelection{3, 3}));
    EXPECT_FALSE(FilterDecimalInput("1", "1-", {2, 2}, '.', mm).accepted);
}

struct SpinCase {
    const char* what;
    const char* text;
    bool up;
    double boundMm;
    bool inch;
    char separator;
    const char* expected;
};

class Spin : public ::testing::TestWithParam<SpinCase> {};

TEST_P(Spin, StepsAndStopsAtTheBound) {
    const SpinCase& c = GetParam();
    EXPECT_EQ(SpinStep(c.text, c.up, c.boundMm, c.inch, c.separator), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Spin,
    ::testing::Values(
        SpinCase{"up a tenth", "12.3", true, 63.0, false, '.', "12.4"},
        SpinCase{"down a tenth", "12.3", false, 11.9, false, '.', "12.2"},
        SpinCase{"up to the limit", "62.9", true, 63.0, false, '.', "63.0"},
        SpinCase{"stays at the limit", "63.0", true, 63.0, false, '.', "63.0"},
        SpinCase{"length stops at 6.0", "6.0", false, 6.0, false, '.', "6.0"},
        SpinCase{"a value below the bound jumps to it", "3.0", false, 6.0, false, '.', "6.0"},
        SpinCase{"inch hundredth", "1.00", true, 1000.0, true, '.', "1.01"},
        SpinCase{"inch bound is mm / 25.4", "2.48", true, 63.0, true, '.', "2.48"},
        SpinCase{"inch lower bound 6 mm", "0.24", false, 6.0, true, '.', "0.24"},
        SpinCase{"comma locale", "12,3", true, 63.0, false, ',', "12,4"},
        SpinCase{"empty reads as 0", "", true, 1000.0, false, '.', "0.1"},
        SpinCase{"through zero", "0.1", false, -1000.0, false, '.', "0.0"},
        SpinCase{"to negative", "0.0", false, -1000.0, false, '.', "-0.1"},
        SpinCase{"back to zero without a sign", "-0.1", true, 1000.0, false, '.', "0.0"},
        SpinCase{"advanced 149.9 up", "149.9", true, 150.0, false, '.', "150.0"},
        SpinCase{"advanced 150.0 up", "150.0", true, 150.0, false, '.', "150.0"},
        SpinCase{"advanced inch bound", "5.90", true, 150.0, true, '.', "5.91"},
        SpinCase{"advanced inch bound kept", "5.91", true, 150.0, true, '.', "5.91"}));

} // namespace
} // namespace qlx
