#include "app/OneArgumentFormat.h"

#include <gtest/gtest.h>

namespace qlx {
namespace {

struct FormatCase {
    const char* format;
    const char* argument;
    const char* expected;
};

class OneArgumentFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(OneArgumentFormatTest, FillsTheOnePlaceholderOnly) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatWithOneString(c.format, c.argument), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OneArgumentFormatTest,
    ::testing::Values(FormatCase{"Delete \"%s\"?", "Tape 62", "Delete \"Tape 62\"?"},
                      FormatCase{"Version %s", "1.00", "Version 1.00"},
                      // A second placeholder or another conversion never reads further.
                      FormatCase{"%s and %s", "a", "a and %s"},
                      FormatCase{"%d %n %s", "x", "%d %n x"},
                      FormatCase{"100%% sure: %s", "yes", "100% sure: yes"},
                      FormatCase{"no placeholder", "x", "no placeholder"},
                      FormatCase{"trailing %", "x", "trailing %"},
                      FormatCase{"%s", "50%s", "50%s"}));

} // namespace
} // namespace qlx
