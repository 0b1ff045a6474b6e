#include "app/FormatMessage.h"

#include <gtest/gtest.h>

namespace qlx {
namespace {

// Resource texts are formats written by translators: only %s, %d and %% are filled, and
// nothing in a format or an argument can make the formatter read beyond its arguments.
TEST(FormatMessageTest, FillsOnlyItsOwnPlaceholders) {
    EXPECT_EQ(FormatMessage("Delete \"%s\"?", {"Tape 62"}), "Delete \"Tape 62\"?");
    EXPECT_EQ(FormatMessage("Version %s", {"1.00"}), "Version 1.00");
    EXPECT_EQ(FormatMessage("%s , %s", {"a", "b"}), "a , b");
    EXPECT_EQ(FormatMessage("%d papers", {"12"}), "12 papers");
    EXPECT_EQ(FormatMessage("100%% of %s", {"x"}), "100% of x");
    EXPECT_EQ(FormatMessage("no placeholder", {"x"}), "no placeholder");
    EXPECT_EQ(FormatMessage("trailing %", {"x"}), "trailing %");
    // Missing arguments are empty; other conversions are left as they stand.
    EXPECT_EQ(FormatMessage("%s and %s", {"a"}), "a and ");
    EXPECT_EQ(FormatMessage("%n%x%", {"a"}), "%n%x%");
    // An argument is never read as a format.
    EXPECT_EQ(FormatMessage("%s", {"%s%d"}), "%s%d");
}

} // namespace
} // namespace qlx
