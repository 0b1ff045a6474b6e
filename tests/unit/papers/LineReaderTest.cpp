#include "papers/LineReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qlx {
namespace {

// The lines as a plain split gives them: at '\n', without a CR before it, cut at a zero byte.
std::vector<std::string> SplitLines(const std::string& text, bool cutAtZero) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        end = end == std::string::npos ? text.size() : end;
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (cutAtZero) {
            line = line.substr(0, line.find('\0'));
        }
        lines.push_back(line);
        start = next;
    }
    return lines;
}

// Lines of every length from 0 to 150 put their ends at every offset of the 64-byte blocks
// the reader scans, with and without CR, a final line end, and zero bytes.
TEST(LineReaderTest, TakesTheSameLinesAsAPlainSplit) {
    for (const bool crlf : {false, true}) {
        for (const bool finalNewline : {false, true}) {
            for (const bool zeros : {false, true}) {
                std::string text;
                for (std::size_t length = 0; length <= 150; ++length) {
                    std::string line(length, static_cast<char>('a' + length % 26));
                    if (zeros && length > 3) {
                        line[length / 2] = '\0';
                    }
                    text += line + (crlf ? "\r\n" : "\n");
                }
                text += "last";
                if (finalNewline) {
                    text += "\n";
                }
                std::vector<std::string> taken;
                LineReader reader(text, zeros);
                while (!reader.AtEnd()) {
                    taken.emplace_back(reader.TakeLine());
                }
                EXPECT_EQ(taken, SplitLines(text, zeros)) << crlf << finalNewline << zeros;
            }
        }
    }
}

TEST(LineReaderTest, TakesAValueOnlyAfterTheExactKeyAndEquals) {
    std::string padding(60, 'x'); // puts the value's line end into the second block
    const std::string text = padding + "\nnType=0x4b\r\nntype=1\nnTypeX=2\nnType\nnType=";
    LineReader reader(text, false);
    std::string_view value = "unchanged";
    EXPECT_FALSE(reader.TakeValueOfKey("nType", value));
    EXPECT_EQ(reader.TakeLine(), padding);
    ASSERT_TRUE(reader.TakeValueOfKey("nType", value));
    EXPECT_EQ(value, "0x4b");
    for (const char* other : {"ntype=1", "nTypeX=2", "nType"}) {
        EXPECT_FALSE(reader.TakeValueOfKey("nType", value)) << other;
        EXPECT_EQ(reader.TakeLine(), other);
    }
    ASSERT_TRUE(reader.TakeValueOfKey("nType", value)); // "key=" at the very end
    EXPECT_EQ(value, "");
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_TRUE(LineReader("", false).AtEnd());
}

// Keys of every length up to 24, with one differing byte at every position.
TEST(LineReaderTest, RefusesAKeyThatDiffersAnywhere) {
    for (std::size_t length = 1; length <= 24; ++length) {
        std::string key;
        for (std::size_t i = 0; i < length; ++i) {
            key += static_cast<char>('a' + i);
        }
        std::string_view value;
        const std::string same = key + "=v";
        ASSERT_TRUE(LineReader(same, false).TakeValueOfKey(key, value)) << key;
        EXPECT_EQ(value, "v");
        for (std::size_t i = 0; i < length; ++i) {
            std::string other = same;
            other[i] = 'Z';
            EXPECT_FALSE(LineReader(other, false).TakeValueOfKey(key, value)) << other;
        }
    }
}

} // namespace
} // namespace qlx
