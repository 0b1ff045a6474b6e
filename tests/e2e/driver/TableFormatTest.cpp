#include "ByteOrder.h"
#include "CompiledTable.h"
#include "PrinterDefinition.h"
#include "TableCompiler.h"
#include "papers/TextCodec.h"

#include <gtest/gtest.h>

#include <span>

namespace qlx {
namespace {

MdtHeader SampleHeader() {
    MdtHeader header;
    header.bySeriesCode = "0x35";
    header.byModelCode = "0x46";
    header.dmDeviceName = "Quellix LT-5300E";
    header.dwHeadPinNum = "672";
    header.nDefaultPaperSize = "259";
    header.nDefaultPaperLength = "290";
    header.nDefaultPaperLengthRes = "343";
    header.wResolutionNum.assign(1, '1'); // (a one-character literal trips GCC 12's -Wrestrict)
    header.wResolutions = "300";
    return header;
}

PaperDef BlackMarkPaper() {
    PaperDef paper;
    TextCodec::Store(u"58 x 40mm Black Mark", paper.szPaperName_mm);
    TextCodec::Store(u"2.28\" x 1.57\"", paper.szPaperName_inch);
    TextCodec::Store(u"2.28\"", paper.szPaperWidthString_inch);
    paper.nType = kTypeBlackMark;
    paper.nPaperSize = 513;
    paper.nPaperWidth = 580;
    paper.nPaperWidthRes = 685;
    paper.nImageAreaWidthRes = 650;
    paper.nPaperLength = 400;
    paper.nPaperLengthRes = 472;
    paper.nPhysicalOffsetX = 17;
    paper.nPhysicalOffsetY = -3;
    paper.wSplit = 2;
    paper.nClipInfoLeft = 1;
    paper.nClipInfoTop = 2;
    paper.nClipInfoRight = 3;
    paper.nClipInfoBottom = 4;
    paper.nVirtualOffsetX = -12;
    paper.nMarkWidth = 59;
    paper.nMarkOffset = -24;
    paper.byEnergyRank = 5;
    paper.lblPitchDot = 472;
    paper.nSensorID.assign(1, '2'); // (see above)
    paper.dwPaperAbility02 = 0x0a;  // both layout bits
    return paper;
}

TEST(TableCompilerTest, ModelRecordHoldsTheValuesTheExtensionReads) {
    const ModelRecord model = TableCompiler::MakeModelRecord(SampleHeader());
    std::span<const uint8_t> m(model);
    EXPECT_EQ(model[0], 0x35);
    EXPECT_EQ(model[1], 0x46); // capability 278 answers 0x4635
    EXPECT_EQ(GetU16(m, 92), 672);
    EXPECT_EQ(GetU16(m, 94), 343);
    EXPECT_EQ(GetU16(m, 98), 300);
    EXPECT_EQ(GetU16(m, 100), 300);

    MdtHeader twoResolutions = SampleHeader();
    twoResolutions.wResolutions = "203,300";
    const ModelRecord other = TableCompiler::MakeModelRecord(twoResolutions);
    EXPECT_EQ(GetU16(std::span<const uint8_t>(other), 98), 203);
    EXPECT_EQ(GetU16(std::span<const uint8_t>(other), 100), 300);
}

TEST(TableCompilerTest, PaperRecordHasTheFixedLayout) {
    const PaperRecord record = TableCompiler::MakePaperRecord(BlackMarkPaper());
    std::span<const uint8_t> r(record);
    EXPECT_EQ(GetU16(r, 0), u'5');
    EXPECT_EQ(GetU16(r, 64), u'2');
    EXPECT_EQ(GetU16(r, 128 + 8), u'"');
    EXPECT_EQ(GetU16(r, 192), 75) << "black-mark tape is stored as die-cut labels";
    EXPECT_EQ(GetU16(r, 194), 513);
    EXPECT_EQ(GetU16(r, 196), 580);
    EXPECT_EQ(GetU16(r, 200), 685);
    EXPECT_EQ(GetU16(r, 202), 650);
    EXPECT_EQ(GetU16(r, 204), 400);
    EXPECT_EQ(GetU16(r, 208), 472);
    EXPECT_EQ(GetU16(r, 212), 17);
    EXPECT_EQ(GetI16(r, 214), -3);
    EXPECT_EQ(GetU16(r, 226), 2);
    EXPECT_EQ(GetU16(r, 228), 1);
    EXPECT_EQ(GetU16(r, 230), 2);
    EXPECT_EQ(GetU16(r, 232), 3);
    EXPECT_EQ(GetU16(r, 234), 4);
    EXPECT_EQ(GetI16(r, 236), -12);
    EXPECT_EQ(record[244], paperrecord::kFlagBlackMark | paperrecord::kFlagExchanged |
                               paperrecord::kFlagClipAware);
    EXPECT_EQ(record[245], 5);
    EXPECT_EQ(GetU16(r, 246), 59);
    EXPECT_EQ(GetI16(r, 248), -24);
    EXPECT_EQ(GetU16(r, 250), 2);
}

TEST(TableCompilerTest, RefusesAHeaderWithoutResolution) {
    MdtHeader header = SampleHeader();
    header.wResolutions = "";
    CompiledTable table;
    std::string error;
    EXPECT_FALSE(TableCompiler::Compile(header, {BlackMarkPaper()}, table, error));
    EXPECT_FALSE(error.empty());
}

CompiledTable SampleTable() {
    CompiledTable table;
    std::string error;
    PaperDef continuous;
    continuous.nType = kTypeContinuous;
    continuous.nPaperWidthRes = 0; // takes the model's default width
    EXPECT_TRUE(
        TableCompiler::Compile(SampleHeader(), {BlackMarkPaper(), continuous}, table, error));
    return table;
}

TEST(CompiledTableTest, ParsesWhatItSerializes) {
    const CompiledTable table = SampleTable();
    const std::string bytes = table.Serialize();
    EXPECT_EQ(bytes.size(), 32u + 118u + 2u * 252u);
    const auto parsed = CompiledTable::Parse(bytes);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(*parsed, table);
}

TEST(CompiledTableTest, RejectsAnythingButAWholeTable) {
    const std::string good = SampleTable().Serialize();
    struct Case {
        const char* name;
        std::string bytes;
    };
    auto patched = [&](size_t offset, char value) {
        std::string bytes = good;
        bytes[offset] = value;
        return bytes;
    };
    std::string trailing = good;
    trailing.push_back('\0');
    const Case cases[] = {
        {"empty", ""},
        {"header only", good.substr(0, 32)},
        {"truncated", good.substr(0, good.size() - 1)},
        {"trailing byte", trailing},
        {"bad magic", patched(0, 'X')},
        {"other version", patched(8, 2)},
        {"other paper size", patched(14, 0)},
        {"count too high", patched(16, 3)},
        {"huge count", patched(19, '\x7f')},
        {"size field", patched(20, 0)},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(CompiledTable::Parse(c.bytes).has_value()) << c.name;
    }
}

TEST(CompiledTableTest, RejectsEveryTruncation) {
    const std::string good = SampleTable().Serialize();
    for (size_t length = 0; length < good.size(); ++length) {
        ASSERT_FALSE(CompiledTable::Parse(std::string_view(good).substr(0, length)).has_value())
            << length;
    }
}

TEST(PrinterDefinitionTest, CarriesSeriesModelAndPaperValuesInDots) {
    const PrinterDefinition definition = PrinterDefinition::FromTable(SampleTable(), 0x12, 0x34);
    ASSERT_EQ(definition.papers.size(), 2u);
    const PrinterPaper& mark = definition.papers[0];
    EXPECT_EQ(mark.kind, PrinterDefinition::kKindBlackMark);
    EXPECT_EQ(mark.paperSize, 513);
    EXPECT_EQ(mark.widthDots, 685);
    EXPECT_EQ(mark.lengthDots, 472);
    EXPECT_EQ(mark.pitchDots, 472);
    EXPECT_EQ(mark.offsetYDots, -3);
    EXPECT_EQ(mark.markWidthDots, 59);
    EXPECT_EQ(mark.markOffsetDots, -24);
    EXPECT_EQ(mark.energyRank, 5);
    EXPECT_EQ(mark.sensorId, 2);
    const PrinterPaper& tape = definition.papers[1];
    EXPECT_EQ(tape.kind, PrinterDefinition::kKindContinuous);
    EXPECT_EQ(tape.widthDots, 672) << "the model's default width";
    EXPECT_EQ(tape.lengthDots, 0) << "continuous tape has no length";

    const std::string bytes = definition.Serialize();
    EXPECT_EQ(bytes.size(), 16u + 2u * 32u);
    EXPECT_EQ(static_cast<uint8_t>(bytes[8]), 0x12);
    EXPECT_EQ(static_cast<uint8_t>(bytes[9]), 0x34);
    const auto parsed = PrinterDefinition::Parse(bytes);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(*parsed, definition);
    EXPECT_FALSE(PrinterDefinition::Parse(bytes.substr(0, bytes.size() - 1)).has_value());
}

} // namespace
} // namespace qlx
