#include "papers/MdtSource.h"

#include "PapersTestSupport.h"

#include <gtest/gtest.h>

namespace qlx {
namespace {

using test::DataPath;
using test::ReadBytes;
using test::Utf8;

std::vector<const PaperDef*> Pointers(const std::vector<PaperDef>& papers) {
    std::vector<const PaperDef*> result;
    for (const auto& paper : papers) {
        result.push_back(&paper);
    }
    return result;
}

// A source text whose Paper00 is `paper` with one line replaced (or dropped when value is
// null), for the cases that need a single odd key.
std::string SectionWith(const std::string& key, const char* value,
                        const PaperDef& paper = test::MakePaper("P", 513)) {
    std::string text = "[Version]\r\n";
    EXPECT_TRUE(WritePaperSection(paper, 0, text));
    const std::string prefix = "\r\n" + key + "=";
    const std::size_t at = text.find(prefix);
    EXPECT_NE(at, std::string::npos) << key;
    const std::size_t end = text.find("\r\n", at + 2);
    text.replace(at, end - at, value != nullptr ? prefix + value : std::string());
    return text;
}

PaperDef ReadOnly(const std::string& text, PaperReadStatus expected = PaperReadStatus::Loaded) {
    PaperDef paper;
    const auto result = ReadPaperSection(IniDocument(text), 0, false, paper);
    EXPECT_EQ(result.status, expected) << result.problem;
    return paper;
}

TEST(MdtSourceTest, ReadsUserFileWithBlackMarkAndProtectedPapers) {
    const SourceFile file = LoadSourceFile(DataPath("user.txt"), false);
    ASSERT_TRUE(file.readable);
    EXPECT_TRUE(file.headerOk) << file.headerProblem;
    EXPECT_EQ(file.header.dmDeviceName, "LT-5300E");
    EXPECT_EQ(file.header.OutputFileName, "qlx530eed.mdt");
    ASSERT_EQ(file.header.modelSection.size(), 18u);
    EXPECT_EQ(file.header.modelSection.front().first, "zFirstExtra");
    EXPECT_EQ(file.header.modelSection[5].first, "aMiddleExtra");
    EXPECT_EQ(file.header.modelSection.back(),
              (std::pair<std::string, std::string>{"LastExtra", ""}));

    ASSERT_EQ(file.papers.size(), 4u);
    ASSERT_EQ(file.sections.size(), 4u);
    const PaperDef& plain = file.papers[0];
    EXPECT_EQ(Utf8(plain.szPaperName_mm), "Shipping 50x30 mm");
    EXPECT_EQ(plain.nType, kTypeDieCut);
    EXPECT_EQ(plain.nPhysicalOffsetY, -12);
    EXPECT_EQ(plain.nClipInfoRight, 2);
    EXPECT_EQ(plain.nClipInfoTop, 3);
    EXPECT_EQ(std::string(plain.nCompatiblePaperSizes.data()), "257,258");
    EXPECT_EQ(plain.bPreset, 0);

    const PaperDef& mark = file.papers[1];
    EXPECT_EQ(mark.nType, kTypeBlackMark); // 75 in the file, flag 2
    EXPECT_EQ(mark.nMarkOffset, 10 + 256);
    EXPECT_EQ(mark.nMarkWidth, 48);

    const PaperDef& locked = file.papers[2];
    EXPECT_EQ(locked.bProtected, 1);
    EXPECT_EQ(locked.dwPaperAbility01, 0x402u);
    EXPECT_EQ(locked.byEnergyRank, 255);

    EXPECT_EQ(file.papers[3].nType, kTypeContinuous);
    EXPECT_EQ(file.papers[3].szSizeIN, " ");
}

TEST(MdtSourceTest, MissingSizeInchLoadsMissingMediaAttributeStops) {
    const SourceFile file = LoadSourceFile(DataPath("missing_keys.txt"), true);
    ASSERT_EQ(file.papers.size(), 1u);
    EXPECT_TRUE(file.headerOk) << file.headerProblem;
    EXPECT_EQ(file.papers[0].szSizeIN, " ");
    EXPECT_EQ(file.papers[0].nPaperWidth, 500); // written 0x1F4
    EXPECT_EQ(file.papers[0].nPaperSize, 513);  // key spelled in capitals
    EXPECT_EQ(file.papers[0].bPreset, 1);
    ASSERT_EQ(file.sections.size(), 2u);
    EXPECT_TRUE(file.sections[0].loaded);
    EXPECT_FALSE(file.sections[1].loaded);
    EXPECT_NE(file.sections[1].problem.find("missing required key MediaAtrInfo"), std::string::npos)
        << file.sections[1].problem;
}

TEST(MdtSourceTest, NameOf31CharactersLoadsAnd32Stops) {
    const SourceFile file = LoadSourceFile(DataPath("name_limits.txt"), false);
    ASSERT_EQ(file.papers.size(), 1u);
    EXPECT_EQ(Utf8(file.papers[0].szPaperName_mm), std::string(31, 'A'));
    EXPECT_EQ(TextCodec::View(file.papers[0].szPaperName_inch).size(), 31u); // 62 bytes of UTF-8
    ASSERT_EQ(file.sections.size(), 2u);
    EXPECT_NE(file.sections[1].problem.find("szPaperName_mm is longer than 31 characters"),
              std::string::npos)
        << file.sections[1].problem;

    // The inch strings hold 15.
    ReadOnly(SectionWith("szPaperWidthString_inch", "123456789012345"));
    ReadOnly(SectionWith("szPaperLengthString_inch", "1234567890123456"), PaperReadStatus::Failed);
}

TEST(MdtSourceTest, NameThatIsNotUtf8IsLeftOutAndLoadingGoesOn) {
    const SourceFile file = LoadSourceFile(DataPath("bad_utf8.txt"), false);
    ASSERT_EQ(file.sections.size(), 3u);
    EXPECT_FALSE(file.sections[1].loaded);
    EXPECT_NE(file.sections[1].problem.find("not valid UTF-8"), std::string::npos);
    ASSERT_EQ(file.papers.size(), 2u);
    EXPECT_EQ(Utf8(file.papers[1].szPaperName_mm), "After mm");
}

TEST(MdtSourceTest, RequiredKeysStopTheSection) {
    for (const char* key :
         {"szPaperName_mm", "szPaperName_inch", "szPaperWidthString_inch",
          "szPaperLengthString_inch", "byReserved001", "nCompatiblePaperSizes", "nSensorID",
          "wPafMediaID", "szSizeMM", "MediaAtrInfo", "reserved_12_"}) {
        PaperDef paper;
        const auto result =
            ReadPaperSection(IniDocument(SectionWith(key, nullptr)), 0, false, paper);
        EXPECT_EQ(result.status, PaperReadStatus::Failed) << key;
        EXPECT_NE(result.problem.find(key), std::string::npos) << result.problem;
    }
    for (const char* key : {"nType", "nPaperWidth", "dwPaperAbility01", "byEnergyRank",
                            "markNoChkValu", "szSizeIN"}) {
        ReadOnly(SectionWith(key, nullptr));
    }
    EXPECT_EQ(ReadOnly(SectionWith("nType", nullptr)).nType, 0);
}

struct NumberCase {
    const char* key;
    const char* text;
    int64_t expected;
};

class NumericKeyTest : public testing::TestWithParam<NumberCase> {};

TEST_P(NumericKeyTest, ParsesAndStoresInFieldWidth) {
    const auto& c = GetParam();
    const PaperDef paper = ReadOnly(SectionWith(c.key, c.text));
    const std::string key = c.key;
    int64_t actual = 0;
    if (key == "nPaperWidth") {
        actual = paper.nPaperWidth;
    } else if (key == "wPinOffsetLeft") {
        actual = paper.wPinOffsetLeft;
    } else if (key == "byEnergyRank") {
        actual = paper.byEnergyRank;
    } else if (key == "dwPaperAbility02") {
        actual = paper.dwPaperAbility02;
    }
    EXPECT_EQ(actual, c.expected) << c.key << "=" << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumericKeyTest,
    testing::Values(NumberCase{"nPaperWidth", "123", 123}, NumberCase{"nPaperWidth", "-5", -5},
                    NumberCase{"nPaperWidth", "0x1F", 31}, NumberCase{"nPaperWidth", "0X10", 16},
                    NumberCase{"nPaperWidth", "12abc", 12}, NumberCase{"nPaperWidth", "", 0},
                    NumberCase{"nPaperWidth", "abc", 0}, NumberCase{"nPaperWidth", "70000", 4464},
                    NumberCase{"nPaperWidth", "0x12345", 0x2345},
                    NumberCase{"nPaperWidth", "0xffff", -1},
                    NumberCase{"nPaperWidth", "99999999999999999999", -1 /* wraps, never traps */},
                    NumberCase{"wPinOffsetLeft", "-1", 65535},
                    NumberCase{"byEnergyRank", "300", 44},
                    NumberCase{"dwPaperAbility02", "0xFFFFFFFF", 0xFFFFFFFFll},
                    NumberCase{"dwPaperAbility02", "-1", 0xFFFFFFFFll}));

struct ReservedCase {
    const char* label;
    int16_t fileType;
    std::string reserved;
    int16_t nType;
    int16_t offset;
    int16_t width;
};

class Reserved12Test : public testing::TestWithParam<ReservedCase> {};

TEST_P(Reserved12Test, GivesMarkAndKind) {
    const auto& c = GetParam();
    PaperDef written = test::MakePaper("R", 513);
    written.nType = c.fileType;
    written.reserved_12_ = c.reserved;
    std::string text;
    ASSERT_TRUE(WritePaperSection(written, 0, text));
    const PaperDef paper = ReadOnly(text);
    EXPECT_EQ(paper.nType, c.nType);
    EXPECT_EQ(paper.nMarkOffset, c.offset);
    EXPECT_EQ(paper.nMarkWidth, c.width);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Reserved12Test,
    testing::Values(
        ReservedCase{"black_mark", 75, "0,0,3,4,5,6,2,0,0,0,0,0", 76, 3 + 4 * 256, 5 + 6 * 256},
        ReservedCase{"die_cut", 75, "0,0,0,0,0,0,1,0,0,0,0,0", 75, 0, 0},
        ReservedCase{"empty_numbers", 75, ",,-1,,,,2", 76, -1, 0},
        ReservedCase{"negative_offset", 75, "1,2,-12,-1,0,0,0", 75, -12 - 256, 0},
        ReservedCase{"continuous_keeps_kind", 74, "0,0,0,0,0,0,2,0,0,0,0,0", 74, 0, 0},
        ReservedCase{"flag_past_100_chars", 75, std::string(100, ' ') + "0,0,0,0,0,0,2", 75, 0, 0},
        ReservedCase{"garbage", 75, "x,y,z", 75, 0, 0},
        // Read as the editor reads the field: any blank before a number, as atoi skips it.
        ReservedCase{"vertical_tab_blank", 75, "0,0,\v7,0,0,0, 2", 76, 7, 0},
        // Too large numbers saturate at the int32_t limits: 0x7fffffff and -0x80000000.
        ReservedCase{"saturated", 75, "0,0,99999999999,0,-99999999999,0,2", 76, -1, 0}),
    [](const testing::TestParamInfo<ReservedCase>& info) { return std::string(info.param.label); });

TEST(MdtSourceTest, WriterOutputMatchesTheCheckedInFileAndReadsBackEqual) {
    const SourceFile file = LoadSourceFile(DataPath("user.txt"), false);
    ASSERT_EQ(file.papers.size(), 4u);
    const auto text = FormatSourceText(file.header, Pointers(file.papers));
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, ReadBytes(DataPath("user.expected.txt")));

    test::TempDir dir;
    ASSERT_TRUE(WriteSourceFile(dir.File("out.txt"), file.header, file.papers));
    EXPECT_EQ(ReadBytes(dir.File("out.txt")), *text);
    const SourceFile again = LoadSourceFile(dir.File("out.txt"), false);
    EXPECT_TRUE(again.headerOk);
    EXPECT_EQ(again.header, file.header);
    EXPECT_EQ(again.papers, file.papers);
}

// Keys in table order take a shortcut; any other spelling or order must read the same.
TEST(MdtSourceTest, KeyOrderCaseAndBlanksDoNotChangeWhatIsRead) {
    const PaperDef paper = test::MakePaper("P", 513);
    std::string written;
    ASSERT_TRUE(WritePaperSection(paper, 0, written));
    std::vector<std::string> lines;
    for (std::size_t start = written.find('\n') + 1; start < written.size();) {
        const std::size_t end = written.find("\r\n", start);
        lines.push_back(written.substr(start, end - start));
        start = end + 2;
    }
    ASSERT_GT(lines.size(), 10u);
    for (const bool reversed : {false, true}) {
        std::string text = "[Paper00]\n";
        for (std::size_t i = 0; i < lines.size(); ++i) {
            text += lines[reversed ? lines.size() - 1 - i : i] + "\n";
        }
        // Odd spellings, and repeats in table order that must not win over the first.
        text.replace(text.find("nType="), 6, " \tNTYPE = ");
        text.replace(text.find("szPaperName_inch="), 17, "szpapername_INCH\t=");
        text += "szPaperName_mm=Other\nszPaperName_inch=Other\nszPaperWidthString_inch=9\n"
                "nType=0x4a\n; szSizeMM=comment\n";
        PaperDef read;
        const auto result = ReadPaperSection(IniDocument(text), 0, false, read);
        ASSERT_EQ(result.status, PaperReadStatus::Loaded) << result.problem;
        EXPECT_EQ(read, paper) << reversed;
    }
}

TEST(MdtSourceTest, WriterStoresBlackMarkAsDieCutAndBit10FromProtected) {
    PaperDef mark = test::MakePaper("Mark", 513);
    mark.nType = kTypeBlackMark;
    mark.reserved_12_ = "0,0,16,0,32,0,2,0,0,0,0,0";
    mark.dwPaperAbility01 = 0x401; // bit 10 stale: bProtected is 0
    PaperDef locked = test::MakePaper("Locked", 514);
    locked.bProtected = 1;
    locked.dwPaperAbility01 = 0x1;
    const auto text = FormatSourceText(MdtHeader{}, {&mark, &locked});
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("[Paper00]\r\nszPaperName_mm=Mark\r\n"), std::string::npos);
    EXPECT_NE(text->find("nType=0x4b\r\n"), std::string::npos);
    EXPECT_NE(text->find("dwPaperAbility01=0x00000001\r\n"), std::string::npos);
    EXPECT_NE(text->find("dwPaperAbility01=0x00000401\r\n"), std::string::npos);
    EXPECT_NE(text->find(
                  "nClipInfoLeft=0\r\nnClipInfoRight=0\r\nnClipInfoTop=0\r\nnClipInfoBottom=0\r\n"),
              std::string::npos);

    const IniDocument doc(*text);
    PaperDef back;
    ASSERT_EQ(ReadPaperSection(doc, 0, false, back).status, PaperReadStatus::Loaded);
    EXPECT_EQ(back.nType, kTypeBlackMark);
    EXPECT_EQ(back.nMarkOffset, 16);
    EXPECT_EQ(back.nMarkWidth, 32);
    ASSERT_EQ(ReadPaperSection(doc, 1, false, back).status, PaperReadStatus::Loaded);
    EXPECT_EQ(back.bProtected, 1);
}

TEST(MdtSourceTest, WriterRefusesAPaperItCannotWriteWhole) {
    PaperDef surrogate = test::MakePaper("Ok", 513);
    surrogate.szPaperName_inch[0] = 0xD800;
    PaperDef newline = test::MakePaper("Ok", 514);
    newline.szSizeMM = "a\r\nb";
    PaperDef zero = test::MakePaper("Ok", 515);
    zero.MediaAtrInfo = std::string("a\0b", 3);
    const PaperDef good = test::MakePaper("Good", 516);
    for (const PaperDef* bad : {&surrogate, &newline, &zero}) {
        std::string text = "kept";
        EXPECT_FALSE(WritePaperSection(*bad, 0, text));
        EXPECT_EQ(text, "kept");
        EXPECT_FALSE(FormatSourceText(MdtHeader{}, {&good, bad}));
    }
    MdtHeader header;
    header.modelSection = {{"[Paper00]", "x"}};
    EXPECT_FALSE(FormatSourceText(header, {&good}));

    // Nothing replaces the former file.
    test::TempDir dir;
    test::WriteBytes(dir.File("user.txt"), "former");
    EXPECT_FALSE(WriteSourceFile(dir.File("user.txt"), MdtHeader{}, {good, newline}));
    EXPECT_EQ(ReadBytes(dir.File("user.txt")), "former");
}

TEST(MdtSourceTest, HeaderRewritesModelInPlaceAndAppendsMissingMembers) {
    MdtHeader header;
    header.dmDeviceName = "LT-5200E";
    header.wResolutions = "203";
    header.modelSection = {{"first", "1"}, {"DMDEVICENAME", "old"}, {"last", "2"}};
    const auto text = FormatSourceText(header, {});
    ASSERT_TRUE(text);
    const std::string model = text->substr(text->find("[Model]"));
    const std::string expected =
        "[Model]\r\nfirst=1\r\nDMDEVICENAME=LT-5200E\r\nlast=2\r\nbySeriesCode=\r\n";
    EXPECT_EQ(model.substr(0, expected.size()), expected);
    EXPECT_NE(model.find("wResolutions=203\r\n\r\n"), std::string::npos);
    EXPECT_EQ(text->find("wResolutions"), text->rfind("wResolutions"));

    // A device name too long for the comment line is cut to fit 260 bytes, at a character.
    header.dmDeviceName = "x" + std::string(300, '\xC3');
    for (std::size_t i = 2; i < header.dmDeviceName.size(); i += 2) {
        header.dmDeviceName[i] = '\xA9';
    }
    const auto cut = FormatSourceText(header, {});
    ASSERT_TRUE(cut);
    const std::size_t start = cut->find(";\t");
    const std::size_t end = cut->find("\r\n", start);
    const std::string line = cut->substr(start, end - start);
    EXPECT_LE(line.size() + 3 + 1, 260u);
    EXPECT_TRUE(TextCodec::Utf8ToUtf16(line)) << "cut inside a character";
    EXPECT_EQ(line.substr(line.size() - 16), " MDT Source File");
}

TEST(MdtSourceTest, ModelSectionKeepsTheEntriesThatFit13000Bytes) {
    std::string text = "[Model]\r\n";
    for (int i = 0; i < 200; ++i) {
        text += "key" + std::to_string(i) + "=" + std::string(90, 'v') + "\r\n";
    }
    MdtHeader header;
    std::string problem;
    EXPECT_FALSE(ReadHeader(IniDocument(text), header, &problem)); // no Version keys
    EXPECT_NE(problem.find("FormatVersion"), std::string::npos);
    text = "[Version]\r\nFormatVersion=1\r\nModelVersion=1\r\nOutputFileName=x\r\n" + text;
    EXPECT_FALSE(ReadHeader(IniDocument(text), header, &problem));
    EXPECT_NE(problem.find("bySeriesCode"), std::string::npos);
    std::size_t used = 1;
    for (const auto& [key, value] : header.modelSection) {
        used += key.size() + value.size() + 2;
    }
    EXPECT_LE(used, 13000u);
    EXPECT_GT(used + 96, 13000u); // the next entry would not have fitted
    EXPECT_EQ(header.modelSection.back().first,
              "key" + std::to_string(header.modelSection.size() - 1));
}

TEST(MdtSourceTest, LongTextsAreCutAsTheProfileBufferCutsThem) {
    const std::string longValue(400, 'q');
    const PaperDef paper = ReadOnly(SectionWith("szSizeMM", longValue.c_str()));
    EXPECT_EQ(paper.szSizeMM, std::string(259, 'q'));
    const PaperDef sizes = ReadOnly(SectionWith("nCompatiblePaperSizes", longValue.c_str()));
    EXPECT_EQ(std::string(sizes.nCompatiblePaperSizes.data()), std::string(254, 'q'));
}

TEST(MdtSourceTest, UnreadableFileIsReported) {
    const SourceFile file = LoadSourceFile(DataPath("no_such_file.txt"), false);
    EXPECT_FALSE(file.readable);
    EXPECT_FALSE(file.error.empty());
}

} // namespace
} // namespace qlx
