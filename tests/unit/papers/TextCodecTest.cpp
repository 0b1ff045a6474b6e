#include "papers/TextCodec.h"

#include <gtest/gtest.h>

namespace qlx {
namespace {

struct Utf8Case {
    const char* label;
    std::string utf8;
    bool convertible;
    std::u16string utf16;
};

class Utf8ToUtf16Test : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8ToUtf16Test, ConvertsOrRefuses) {
    const auto& c = GetParam();
    const auto converted = TextCodec::Utf8ToUtf16(c.utf8);
    ASSERT_EQ(converted.has_value(), c.convertible);
    if (c.convertible) {
        EXPECT_EQ(*converted, c.utf16);
        EXPECT_EQ(TextCodec::Utf16ToUtf8(*converted), c.utf8);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Utf8ToUtf16Test,
    testing::Values(Utf8Case{"ascii", "Label 62", true, u"Label 62"},
                    Utf8Case{"empty", "", true, u""},
                    Utf8Case{"two_bytes", "\xC3\xA9t\xC3\xA9", true, u"\u00e9t\u00e9"},
                    Utf8Case{"three_bytes", "\xE2\x80\x9D", true, u"\u201d"},
                    Utf8Case{"four_bytes_pair", "\xF0\x9F\x8F\xB7", true, u"\U0001F3F7"},
                    Utf8Case{"lone_continuation", "a\x80", false, u""},
                    Utf8Case{"truncated_sequence", "a\xE2\x80", false, u""},
                    Utf8Case{"overlong_slash", "\xC0\xAF", false, u""},
                    Utf8Case{"overlong_three", "\xE0\x80\xAF", false, u""},
                    Utf8Case{"encoded_surrogate", "\xED\xA0\x80", false, u""},
                    Utf8Case{"beyond_unicode", "\xF4\x90\x80\x80", false, u""},
                    Utf8Case{"invalid_lead", "\xFF", false, u""}),
    [](const testing::TestParamInfo<Utf8Case>& info) { return std::string(info.param.label); });

TEST(TextCodecTest, UnpairedSurrogatesCannotBeConverted) {
    EXPECT_FALSE(TextCodec::Utf16ToUtf8(std::u16string(1, char16_t(0xD800))));
    EXPECT_FALSE(TextCodec::Utf16ToUtf8(std::u16string(1, char16_t(0xDC00))));
    std::u16string highThenLetter = u"a";
    highThenLetter.push_back(char16_t(0xD83C));
    highThenLetter.push_back(u'b');
    EXPECT_FALSE(TextCodec::Utf16ToUtf8(highThenLetter));
}

TEST(TextCodecTest, StoreKeepsCapacityAndTerminator) {
    std::array<char16_t, 16> units{};
    EXPECT_TRUE(TextCodec::Store(std::u16string(15, u'x'), units));
    EXPECT_EQ(units[15], 0);
    EXPECT_EQ(TextCodec::View(units).size(), 15u);
    EXPECT_FALSE(TextCodec::Store(std::u16string(16, u'y'), units));
    EXPECT_EQ(TextCodec::View(units), std::u16string(15, u'x')); // untouched on refusal
    // A full array without terminator is read up to its capacity, never beyond.
    units.fill(u'z');
    EXPECT_EQ(TextCodec::View(units).size(), 16u);
}

} // namespace
} // namespace qlx
