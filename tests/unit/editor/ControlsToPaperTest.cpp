#include "editor/ControlsToPaper.h"
#include "app/Units.h"
#include "editor/NameText.h"
#include "papers/ReservedNumbers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace qlx {
namespace {

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> out;
    std::stringstream in(line);
    std::string field;
    while (std::getline(in, field, '\t')) {
        out.push_back(field);
    }
    return out;
}

std::string NarrowSizeText(const PaperSizeText& text) {
    std::string out;
    for (char16_t c : text) {
        if (c == 0) {
            break;
        }
        out += static_cast<char>(c);
    }
    return out;
}

EditorSettings Settings(int dpi, bool inch, char separator) {
    EditorSettings s;
    s.bInch = inch;
    s.decimalSeparator = separator;
    s.profile = ModelProfileFor(dpi == 300 ? "qlx530e" : "qlx520e");
    return s;
}

struct GoldenRow {
    std::vector<std::string> f;
};

std::vector<GoldenRow> LoadGolden() {
    const char* root = std::getenv("QLX_TEST_DATA");
    std::vector<GoldenRow> rows;
    if (root == nullptr) {
        return rows;
    }
    std::ifstream in(std::string(root) + "/editor/controls_to_paper.tsv");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        rows.push_back({SplitTabs(line)});
    }
    return rows;
}

// Every typical label of the golden file, in both units and resolutions, and once more with
// a comma as the user's separator: the record must come out the same.
TEST(ControlsToPaperGolden, TypicalLabelsGiveTheStoredRecord) {
    const std::vector<GoldenRow> rows = LoadGolden();
    ASSERT_GE(rows.size(), 10u) << "tests/data/editor/controls_to_paper.tsv not found";
    for (const GoldenRow& row : rows) {
        const auto& f = row.f;
        ASSERT_EQ(f.size(), 33u) << f[0];
        for (const char separator : {'.', ','}) {
            SCOPED_TRACE(f[0] + " separator " + separator);
            PaperTexts t;
            t.name = "Label";
            auto local = [separator](const std::string& s) {
                return ToLocaleDecimal(s, separator);
            };
            t.width = local(f[4]);
            t.length = local(f[5]);
            t.gap = local(f[6]);
            t.rightMargin = local(f[7]);
            t.leftMargin = local(f[8]);
            t.topMargin = local(f[9]);
            t.bottomMargin = local(f[10]);
            t.markWidth = local(f[11]);
            t.markOffset = local(f[12]);
            const int kind = std::stoi(f[3]);
            t.kindSelection = SelectionFromKind(kind);
            PaperDef p;
            p.reserved_12_ = f[13] == "-" ? "" : f[13];
            const bool blackMark =
                ControlsToPaper(t, Settings(std::stoi(f[1]), f[2] == "inch", separator), p);
            EXPECT_EQ(blackMark, kind == 76);
            EXPECT_EQ(p.nType, kind == 76 ? 75 : kind);
            EXPECT_EQ(p.nPaperWidth, std::stoi(f[14]));
            EXPECT_EQ(p.nImageAreaWidth, std::stoi(f[15]));
            EXPECT_EQ(p.nPaperWidthRes, std::stoi(f[16]));
            EXPECT_EQ(p.nImageAreaWidthRes, std::stoi(f[17]));
            EXPECT_EQ(p.nPaperLength, std::stoi(f[18]));
            EXPECT_EQ(p.nImageAreaLength, std::stoi(f[19]));
            EXPECT_EQ(p.nPaperLengthRes, std::stoi(f[20]));
            EXPECT_EQ(p.nImageAreaLengthRes, std::stoi(f[21]));
            EXPECT_EQ(p.nPhysicalOffsetX, std::stoi(f[22]));
            EXPECT_EQ(p.nPhysicalOffsetY, std::stoi(f[23]));
            EXPECT_EQ(p.wPinOffsetLeft, std::stoi(f[24]));
            EXPECT_EQ(p.wPinOffsetRight, std::stoi(f[25]));
            EXPECT_EQ(p.lblPitchDot, std::stoi(f[26]));
            EXPECT_EQ(p.byRollWidMm, f[27]);
            EXPECT_EQ(p.nMarkWidth, std::stoi(f[28]));
            EXPECT_EQ(p.nMarkOffset, std::stoi(f[29]));
            EXPECT_EQ(p.reserved_12_, f[30]);
            EXPECT_EQ(NarrowSizeText(p.szPaperWidthString_inch), f[31]);
            EXPECT_EQ(NarrowSizeText(p.szPaperLengthString_inch), f[32]);
            EXPECT_EQ(p.nMaxFeed, kind == 74 ? 1500 : 0);
            EXPECT_EQ(p.nMaxLength, kind == 74 ? 10000 : 0);
            EXPECT_EQ(p.nMinLength, kind == 74 ? 60 : 0);
        }
    }
}

PaperTexts DieCut50x30() {
    PaperTexts t;
    t.name = "Shipping 50x30";
    t.width = "50.0";
    t.length = "30.0";
    t.gap = "3.0";
    t.rightMargin = t.leftMargin = t.topMargin = t.bottomMargin = "1.5";
    t.markWidth = t.markOffset = "0.0";
    t.kindSelection = 1;
    return t;
}

TEST(ControlsToPaper, WritesTheFixedFieldsAndKeepsThoseItDoesNotOwn) {
    PaperDef p;
    p.nPaperSize = 517;
    p.dwPaperAbility01 = 0x40F;
    p.nClipInfoLeft = 9;
    p.byEnergyRank = 4;
    p.markNoChkValu = 3;
    p.szSizeIN = "x";
    const PaperTexts t = DieCut50x30();
    ControlsToPaper(t, Settings(300, false, '.'), p);
    PaperName expected{};
    ASSERT_TRUE(NameToUtf16(t.name, expected));
    EXPECT_EQ(p.szPaperName_mm, expected);
    EXPECT_EQ(p.szPaperName_inch, expected);
    EXPECT_EQ(p.wPafMediaID, "517");
    EXPECT_EQ(p.dwPaperAbility01, 0x400u) << "die-cut clears bits 0 to 3 only";
    EXPECT_EQ(p.markNoChkValu, 0);
    EXPECT_EQ(p.byHeadDivide, "0");
    EXPECT_EQ(p.szSizeMM, "Shipping 50x30");
    EXPECT_EQ(p.szSizeIN, " ");
    EXPECT_EQ(p.nClipInfoLeft, 9);
    EXPECT_EQ(p.byEnergyRank, 4);

    PaperTexts continuous = t;
    continuous.kindSelection = 0;
    p.dwPaperAbility01 = 0x40E;
    ControlsToPaper(continuous, Settings(300, false, '.'), p);
    EXPECT_EQ(p.dwPaperAbility01, 0x40Fu);
}

TEST(ControlsToPaper, ShortSizeNameNeverCutsACharacter) {
    PaperDef p;
    PaperTexts t = DieCut50x30();
    t.name = "Etiquette d\xC3\xA9"
             "coup\xC3\xA9"
             "e"; // "é" at bytes 13-14 and 19-20
    ControlsToPaper(t, Settings(203, false, '.'), p);
    EXPECT_EQ(p.szSizeMM, "Etiquette d\xC3\xA9"
                          "co");
    t.name = "Etiquette abcd\xC3\xA9"
             "f"; // "é" at bytes 15-16: the 15th byte would split it
    ControlsToPaper(t, Settings(203, false, '.'), p);
    EXPECT_EQ(p.szSizeMM, "Etiquette abcd");
}

TEST(ControlsToPaper, InvalidNameLeavesBothNamesEmpty) {
    PaperDef p;
    ASSERT_TRUE(NameToUtf16("Old", p.szPaperName_mm));
    p.szPaperName_inch = p.szPaperName_mm;
    PaperTexts t = DieCut50x30();
    t.name = "bad \xFF name";
    ControlsToPaper(t, Settings(203, false, '.'), p);
    EXPECT_EQ(p.szPaperName_mm[0], 0);
    EXPECT_EQ(p.szPaperName_inch[0], 0);
}

TEST(ControlsToPaper, ValuesNineToElevenAreCarriedAndMissingOnesAreZero) {
    PaperDef p;
    PaperTexts t = DieCut50x30();
    p.reserved_12_ = "9,9,9,9,9,9,9,9,9,-2,2,77";
    ControlsToPaper(t, Settings(300, false, '.'), p);
    EXPECT_EQ(p.reserved_12_, "18,0,0,0,0,0,1,18,0,-2,2,77");
    p.reserved_12_ = "1,2,3";
    ControlsToPaper(t, Settings(300, false, '.'), p);
    EXPECT_EQ(p.reserved_12_, "18,0,0,0,0,0,1,18,0,0,0,0");
    // An empty number keeps its place.
    p.reserved_12_ = "1,,3,4,5,6,7,8,9,10,,12";
    ControlsToPaper(t, Settings(300, false, '.'), p);
    EXPECT_EQ(p.reserved_12_, "18,0,0,0,0,0,1,18,0,10,0,12");
}

TEST(ControlsToPaper, BytesOfALargeTopMarginSplitLowHigh) {
    PaperDef p;
    PaperTexts t = DieCut50x30();
    t.topMargin = "30.0";    // 354 dots at 300 dpi = 98 + 256
    t.bottomMargin = "25.0"; // 295 dots = 39 + 256
    ControlsToPaper(t, Settings(300, false, '.'), p);
    EXPECT_EQ(p.nPhysicalOffsetY, 354);
    EXPECT_EQ(p.reserved_12_, "98,1,0,0,0,0,1,39,1,0,0,0");
}

TEST(ReservedNumbers, ReadAsAtoiWouldWithoutOverflow) {
    const ReservedNumbers n = ParseReservedNumbers(" 5,+3,-7x,abc,,99999999999,-99999999999");
    EXPECT_EQ(n[0], 5);
    EXPECT_EQ(n[1], 3);
    EXPECT_EQ(n[2], -7);
    EXPECT_EQ(n[3], 0);
    EXPECT_EQ(n[4], 0);
    EXPECT_EQ(n[5], 2147483647);
    EXPECT_EQ(n[6], -2147483647 - 1);
    EXPECT_EQ(n[7], 0);
    EXPECT_EQ(FormatReservedNumbers(ParseReservedNumbers("1,2,3,4,5,6,7,8,9,10,11,12,13")),
              "1,2,3,4,5,6,7,8,9,10,11,12");
}

// Texts far beyond every accepted range still convert without undefined arithmetic (the
// sanitizer build checks); validation refuses such a paper afterwards.
TEST(ControlsToPaper, OutOfRangeTextsConvertWithoutUndefinedArithmetic) {
    for (const bool inch : {false, true}) {
        PaperTexts t;
        t.name = "x";
        t.width = t.length = t.gap = t.rightMargin = t.leftMargin = t.topMargin = t.bottomMargin =
            t.markWidth = inch ? "9999.99" : "9999.9";
        t.markOffset = inch ? "-9999.99" : "-9999.9";
        for (int kind = 0; kind < 3; ++kind) {
            t.kindSelection = kind;
            PaperDef p;
            ControlsToPaper(t, Settings(300, inch, '.'), p);
            EXPECT_FALSE(p.reserved_12_.empty());
        }
    }
}

} // namespace
} // namespace qlx
