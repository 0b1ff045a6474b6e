#include "papers/IniDocument.h"

#include <gtest/gtest.h>

namespace qlx {
namespace {

TEST(IniDocumentTest, MatchesNamesWithoutCaseAndFirstOneWins) {
    const IniDocument doc("[Version]\r\nFormatVersion=1\r\nformatversion=2\r\n"
                          "[MODEL]\r\n  Key = a value \r\n[model]\r\nKey=second section\r\n");
    EXPECT_EQ(doc.Value("version", "FORMATVERSION"), "1");
    // Key names are trimmed, values are kept verbatim.
    EXPECT_EQ(doc.Value("Model", "key"), " a value ");
    EXPECT_FALSE(doc.Value("Model", "missing"));
    EXPECT_FALSE(doc.Value("Nothing", "Key"));
}

TEST(IniDocumentTest, ReadsLfAndCrLfAndKeepsOrderAndLines) {
    const IniDocument doc(
        "; comment\nignored=before any section\n[A]\nx=1\r\n0\n\n; y=no\ny=\nz==3");
    ASSERT_EQ(doc.Sections().size(), 1u);
    const auto& section = doc.Sections()[0];
    EXPECT_EQ(doc.LineNumber(section), 3);
    const auto e = IniDocument::Entries(section);
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].key(), "x");
    EXPECT_EQ(e[0].value(), "1");
    EXPECT_EQ(doc.LineNumber(e[0]), 4);
    EXPECT_EQ(e[1].key(), "y");
    EXPECT_EQ(e[1].value(), "");
    EXPECT_EQ(e[2].key(), "z");
    EXPECT_EQ(e[2].value(), "=3");
    EXPECT_EQ(doc.LineNumber(e[2]), 9);
}

TEST(IniDocumentTest, OddLinesNeitherCrashNorInventKeys) {
    static const char text[] = "[Unclosed\n=no key\n[]\nk=v\0hidden\n[B";
    const IniDocument doc(std::string(text, sizeof text - 1));
    ASSERT_EQ(doc.Sections().size(), 3u);
    EXPECT_EQ(doc.Sections()[0].name, "Unclosed");
    EXPECT_TRUE(IniDocument::Entries(doc.Sections()[0]).empty());
    EXPECT_EQ(doc.Value("", "k"), "v"); // a zero byte ends the value
    EXPECT_EQ(doc.Sections()[2].name, "B");
}

TEST(IniDocumentTest, MovingKeepsViewsValid) {
    IniDocument first("[S]\nk=v\n"); // short enough for a small-string buffer
    IniDocument moved = std::move(first);
    EXPECT_EQ(moved.Value("S", "k"), "v");
}

} // namespace
} // namespace qlx

namespace qlx {
namespace {

// Put line ends and '=' at every offset near the start of a line and around 8, 16 and 32 bytes.
TEST(IniDocumentTest, SplitsKeysAndValuesAtEveryOffset) {
    for (std::size_t keyLength = 1; keyLength <= 20; ++keyLength) {
        for (std::size_t valueLength = 0; valueLength <= 20; ++valueLength) {
            const std::string key(keyLength, 'k');
            const std::string value(valueLength, 'v');
            const std::string text = "[S]\n" + key + "=" + value + "\r\nnext=" + value + "=x";
            const IniDocument doc(text);
            ASSERT_EQ(doc.Value("S", key), value) << keyLength << " " << valueLength;
            ASSERT_EQ(doc.Value("S", "next"), value + "=x") << keyLength << " " << valueLength;
        }
    }
}

} // namespace
} // namespace qlx
