#include "app/ApplicationCaption.h"
#include "app/MenuDefinition.h"
#include "app/MessageLogLine.h"
#include "app/StringTable.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace qlx {
namespace {

TEST(StringTableTest, ReadsIdsTextsAndEscapes) {
    StringTable table;
    std::vector<StringTable::Problem> problems;
    const bool ok = table.Parse("\xEF\xBB\xBF# comment\r\n"
                                "100\tLabel Media Manager\r\n"
                                "\n"
                                "101\tTwo\\nlines\\tand a \\\\ backslash\n"
                                "102\tkept \\x and trailing \\\n"
                                "103\t\n"
                                "104\ttab\tinside",
                                problems);
    EXPECT_TRUE(ok);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(table.String(100), "Label Media Manager");
    EXPECT_EQ(table.String(101), "Two\nlines\tand a \\ backslash");
    EXPECT_EQ(table.String(102), "kept \\x and trailing \\");
    EXPECT_TRUE(table.Contains(103));
    EXPECT_EQ(table.String(103), "");
    EXPECT_EQ(table.String(104), "tab\tinside");
    EXPECT_EQ(table.String(999), "");
    EXPECT_EQ(table.Size(), 5u);
}

TEST(StringTableTest, ReportsMalformedLinesAndKeepsTheFirstOfADuplicate) {
    StringTable table;
    std::vector<StringTable::Problem> problems;
    EXPECT_TRUE(table.Parse("5\tfirst\n", problems));
    EXPECT_FALSE(table.Parse("no tab here\n"
                             "x5\tletters\n"
                             "-1\tnegative\n"
                             "\tno id\n"
                             "5\tsecond\n"
                             "6\tgood\n",
                             problems));
    ASSERT_EQ(problems.size(), 5u);
    EXPECT_EQ(problems[0].line, 1);
    EXPECT_EQ(problems[4].line, 5);
    EXPECT_EQ(table.String(5), "first");
    EXPECT_EQ(table.String(6), "good");
}

// Every string file that goes into the resource library parses cleanly, and no id is used
// twice across the files.
TEST(StringTableTest, ShippedStringFilesAreClean) {
    StringTable table;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(
             std::filesystem::path(QLX_RESOURCES_DIR) / "strings")) {
        if (entry.path().extension() != ".tsv") {
            continue;
        }
        ++files;
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        std::vector<StringTable::Problem> problems;
        table.Parse(text.str(), problems);
        for (const auto& problem : problems) {
            ADD_FAILURE() << entry.path().filename() << ":" << problem.line << ": "
                          << problem.reason;
        }
    }
    EXPECT_GT(files, 0);
    EXPECT_FALSE(table.String(100).empty());
}

class FixedStrings final : public StringSource {
public:
    explicit FixedStrings(std::string title) : title_(std::move(title)) {}
    std::string String(int id) const override { return id == 100 ? title_ : "other"; }

private:
    std::string title_;
};

TEST(ApplicationCaptionTest, IsString100OrTheDefaultTitle) {
    EXPECT_EQ(ApplicationCaption(FixedStrings("Media Tool")), "Media Tool");
    EXPECT_EQ(ApplicationCaption(FixedStrings("")), "Label Media Manager");
    EXPECT_EQ(ApplicationCaption(FixedStrings(" ")), " ");
}

TEST(MenuDefinitionTest, ReadsTitleAndItemsInOrder) {
    MenuDefinition menu;
    ASSERT_TRUE(MenuDefinition::Parse("Option\r\n1451\tOption\r\n\r\n# note\n1452\tSend\\tPaper\n"
                                      "1453\tFileOut",
                                      menu));
    EXPECT_EQ(menu.title, "Option");
    ASSERT_EQ(menu.items.size(), 3u);
    EXPECT_EQ(menu.items[0].command, 1451);
    EXPECT_EQ(menu.items[1].text, "Send\tPaper");
    EXPECT_EQ(menu.items[2].command, 1453);
    EXPECT_EQ(menu.items[2].text, "FileOut");
}

TEST(MenuDefinitionTest, RefusesMalformedItemsButKeepsTheGoodOnes) {
    MenuDefinition menu;
    EXPECT_FALSE(MenuDefinition::Parse("Title\n12x\tBad\n13\tGood\nNoTab\n", menu));
    ASSERT_EQ(menu.items.size(), 1u);
    EXPECT_EQ(menu.items[0].command, 13);
    EXPECT_FALSE(MenuDefinition::Parse("", menu));
}

TEST(MessageLogLineTest, KeepsEachMessageOnOneLine) {
    EXPECT_EQ(MessageLogLine(MessageIcon::Error, "Error", "Bad Arguments."),
              "error\tError\tBad Arguments.\n");
    EXPECT_EQ(MessageLogLine(MessageIcon::Question, "T", "a\r\nb\tc\\d"),
              "question\tT\ta\\nb\\tc\\\\d\n");
    EXPECT_EQ(MessageLogLine(MessageIcon::Information, "", ""), "information\t\t\n");
}

} // namespace
} // namespace qlx
