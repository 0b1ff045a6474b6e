// The driver update with the real tools: the compiler and converter from QLX_BIN_DIR, the
// MDT library loaded from the driver folder they install into.

#include "ByteOrder.h"
#include "CompiledTable.h"
#include "MdtLibraryFixture.h"
#include "PrinterDefinition.h"
#include "TableCompiler.h"
#include "papers/MdtSource.h"
#include "papers/TextCodec.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "update/PublishDefinitions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <span>

namespace qlx {
namespace {

namespace fs = std::filesystem;

// Two papers as the editor makes them for a 300-dpi model.
std::vector<PaperDef> UserPapers() {
    PaperDef labels;
    TextCodec::Store(u"Shelf 45 x 25", labels.szPaperName_mm);
    TextCodec::Store(u"Shelf 45 x 25", labels.szPaperName_inch);
    TextCodec::Store(u"1.77\"", labels.szPaperWidthString_inch);
    TextCodec::Store(u"0.98\"", labels.szPaperLengthString_inch);
    labels.nType = kTypeDieCut;
    labels.nPaperSize = 513;
    labels.nPaperWidth = 450;
    labels.nImageAreaWidth = 430;
    labels.nPaperWidthRes = 531;
    labels.nImageAreaWidthRes = 507;
    labels.nPaperLength = 250;
    labels.nImageAreaLength = 230;
    labels.nPaperLengthRes = 295;
    labels.nImageAreaLengthRes = 272;
    labels.nPhysicalOffsetX = 12;
    labels.nPhysicalOffsetY = 12;
    labels.wPinOffsetLeft = 82;
    labels.wPinOffsetRight = 83;
    labels.byReserved001 = "0";
    labels.byEnergyRank = 4;
    labels.lblPitchDot = 331;
    labels.nSensorID = "1";
    labels.byRollWidMm = "45";
    labels.byHeadDivide = "0";
    for (std::string* text :
         {&labels.nDieStartPlus, &labels.nDieStartRevPlus, &labels.wDieStartFwdPlus,
          &labels.nAfterFeedPlus, &labels.PresetBlkPos1_1, &labels.PresetBlkPos2_1,
          &labels.PresetBlkPos2_2, &labels.PresetBlkPos3_1, &labels.PresetBlkPos3_2,
          &labels.PresetBlkPos3_3}) {
        text->assign(1, '0');
    }
    labels.wPafMediaID = "513";
    labels.szSizeMM = "Shelf 45 x 25";
    labels.MediaAtrInfo = "0x01";
    labels.reserved_12_ = "12,0,0,0,0,0,1,12,0,0,0,0";

    PaperDef mark = labels;
    TextCodec::Store(u"Tag 50 x 30 mark", mark.szPaperName_mm);
    TextCodec::Store(u"Tag 50 x 30 mark", mark.szPaperName_inch);
    mark.nType = kTypeBlackMark;
    mark.nPaperSize = 514;
    mark.wPafMediaID = "514";
    mark.nPaperWidth = 500;
    mark.nPaperWidthRes = 591;
    mark.nPaperLength = 300;
    mark.nPaperLengthRes = 354;
    mark.lblPitchDot = 354;
    mark.nMarkWidth = 47;
    mark.nMarkOffset = -6;
    mark.byEnergyRank = 6;
    mark.reserved_12_ = "12,0,250,255,47,0,2,12,0,0,0,0";
    return {labels, mark};
}

class DriverPipelineTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* bin = std::getenv("QLX_BIN_DIR");
        const char* demo = std::getenv("QLX_DEMO_DIR");
        ASSERT_NE(bin, nullptr);
        ASSERT_NE(demo, nullptr);
        binFolder = bin;
        fs::create_directories(driverFolder);
        fs::create_directories(temp);
        const std::string demoDriver = std::string(demo) + "/driver/3/";
        for (const char* name : {"qlx530ead.txt", "QLX530Ead.mdt", "qlx530eed.txt"}) {
            fs::copy_file(demoDriver + name, driverFolder + "/" + name);
        }
        const SourceFile user = LoadSourceFile(driverFolder + "/qlx530eed.txt", false);
        ASSERT_TRUE(user.headerOk) << user.headerProblem;
        environment.programFolder = binFolder;
        environment.tempFolder = temp;
        environment.modelCode = "qlx530e";
        environment.header = user.header;
    }

    SourceWriter WriteUserPapers() const {
        return [header = environment.header](const std::string& path) {
            return WriteSourceFile(path, header, UserPapers());
        };
    }

    std::string Driver(const std::string& name) const { return driverFolder + "/" + name; }

    ScratchFolder root;
    std::string binFolder;
    std::string driverFolder = root / "driver/3";
    std::string temp = root / "tmp/";
    PublishEnvironment environment;
};

TEST_F(DriverPipelineTest, PublishedUserPapersFollowThePresetsThroughTheLibrary) {
    ASSERT_TRUE(
        PublishDefinitions(environment, PublishVariant::Add, WriteUserPapers(), driverFolder).ok);
    for (const char* name : {"qlx530eed.txt", "qlx530eed.mdt", "pdt4435.bin"}) {
        EXPECT_TRUE(fs::exists(Driver(name))) << name;
    }

    LoadedMdtLibrary library(driverFolder);
    ASSERT_TRUE(library.ok());
    std::vector<uint8_t> model;
    std::vector<uint8_t> papers;
    uint32_t count = 0;
    ASSERT_TRUE(library.ReadAll("QLX530Ead.mdt", model, papers, count));
    EXPECT_EQ(model[0], 0x35);
    EXPECT_EQ(model[1], 0x44);
    EXPECT_EQ(GetU16(std::span<const uint8_t>(model), 98), 300);

    std::vector<PaperDef> expected = LoadSourceFile(Driver("qlx530ead.txt"), true).papers;
    ASSERT_EQ(expected.size(), 8u);
    for (const PaperDef& paper : UserPapers()) {
        expected.push_back(paper);
    }
    ASSERT_EQ(count, expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const PaperRecord record = TableCompiler::MakePaperRecord(expected[i]);
        EXPECT_TRUE(std::equal(record.begin(), record.end(), papers.begin() + i * 252))
            << "paper " << i;
    }
    // The user's black-mark paper, byte by byte where the extension reads it.
    std::span<const uint8_t> mark(papers.data() + 9 * 252, 252);
    EXPECT_EQ(GetU16(mark, 192), 75);
    EXPECT_EQ(GetU16(mark, 194), 514);
    EXPECT_EQ(GetU16(mark, 200), 591);
    EXPECT_EQ(GetU16(mark, 208), 354);
    EXPECT_EQ(mark[244] & paperrecord::kFlagBlackMark, paperrecord::kFlagBlackMark);

    std::string bytes;
    ASSERT_TRUE(platform::ReadFileBytes(Driver("pdt4435.bin"), bytes));
    const auto definition = PrinterDefinition::Parse(bytes);
    ASSERT_TRUE(definition.has_value());
    EXPECT_EQ(definition->seriesByte, 0x35);
    EXPECT_EQ(definition->modelByte, 0x44);
    ASSERT_EQ(definition->papers.size(), 2u);
    EXPECT_EQ(definition->papers[0].kind, PrinterDefinition::kKindDieCut);
    EXPECT_EQ(definition->papers[0].pitchDots, 331);
    EXPECT_EQ(definition->papers[1].kind, PrinterDefinition::kKindBlackMark);
    EXPECT_EQ(definition->papers[1].markWidthDots, 47);
    EXPECT_EQ(definition->papers[1].markOffsetDots, -6);
    EXPECT_EQ(definition->papers[1].energyRank, 6);
}

TEST_F(DriverPipelineTest, SeriesAndModelCodesNameThePrinterFileAndTravelAsBytes) {
    environment.header.bySeriesCode = "0x12";
    environment.header.byModelCode = "0x34";
    ASSERT_TRUE(
        PublishDefinitions(environment, PublishVariant::Export, WriteUserPapers(), driverFolder)
            .ok);
    std::string bytes;
    ASSERT_TRUE(platform::ReadFileBytes(Driver("pdt3412.bin"), bytes));
    const auto definition = PrinterDefinition::Parse(bytes);
    ASSERT_TRUE(definition.has_value());
    EXPECT_EQ(definition->seriesByte, 0x12);
    EXPECT_EQ(definition->modelByte, 0x34);
}

TEST_F(DriverPipelineTest, SendHandsOnAPrinterFileOfTheSinglePaper) {
    const auto writeOne = [header = environment.header](const std::string& path) {
        return WriteSourceFile(path, header, {UserPapers()[1]});
    };
    const PublishOutcome outcome =
        PublishDefinitions(environment, PublishVariant::Send, writeOne, "");
    ASSERT_TRUE(outcome.ok);
    std::string bytes;
    ASSERT_TRUE(platform::ReadFileBytes(outcome.temporaryPrinterFile, bytes));
    const auto definition = PrinterDefinition::Parse(bytes);
    ASSERT_TRUE(definition.has_value());
    ASSERT_EQ(definition->papers.size(), 1u);
    EXPECT_EQ(definition->papers[0].paperSize, 514);
    EXPECT_FALSE(fs::exists(temp + "qlx530eed.mdt"));
}

TEST_F(DriverPipelineTest, ReadOnlyDestinationFailsExportButNotDelete) {
    ASSERT_TRUE(
        PublishDefinitions(environment, PublishVariant::Add, WriteUserPapers(), driverFolder).ok);
    const std::string installed = ReadText(Driver("qlx530eed.txt"));
    for (const char* name : {"qlx530eed.txt", "qlx530eed.mdt", "pdt4435.bin"}) {
        fs::permissions(Driver(name), fs::perms::owner_read);
    }
    const auto writeNone = [header = environment.header](const std::string& path) {
        return WriteSourceFile(path, header, {});
    };
    EXPECT_FALSE(
        PublishDefinitions(environment, PublishVariant::Export, writeNone, driverFolder).ok);
    EXPECT_EQ(ReadText(Driver("qlx530eed.txt")), installed) << "fails at the first copy";

    ASSERT_TRUE(
        PublishDefinitions(environment, PublishVariant::Delete, writeNone, driverFolder).ok);
    LoadedMdtLibrary library(driverFolder);
    std::vector<uint8_t> model;
    std::vector<uint8_t> papers;
    uint32_t count = 0;
    ASSERT_TRUE(library.ReadAll("QLX530Ead.mdt", model, papers, count));
    EXPECT_EQ(count, 8u) << "only the presets are left";
}

TEST_F(DriverPipelineTest, FailuresLeaveTheDriverFolderAsItWas) {
    const std::string before = ReadText(Driver("qlx530eed.txt"));
    // A compiler that cannot be found: the program folder holds only the converter.
    const std::string onlyConverter = root / "onlyconverter";
    fs::create_directories(onlyConverter);
    fs::copy_file(binFolder + "/qlx5sRcv", onlyConverter + "/qlx5sRcv");
    PublishEnvironment missingCompiler = environment;
    missingCompiler.programFolder = onlyConverter;
    EXPECT_FALSE(
        PublishDefinitions(missingCompiler, PublishVariant::Add, WriteUserPapers(), driverFolder)
            .ok);

    // A source the compiler refuses: it has no [Model] section.
    const auto writeBroken = [](const std::string& path) {
        WriteText(path, "[Version]\r\nFormatVersion=1\r\n");
        return true;
    };
    EXPECT_FALSE(
        PublishDefinitions(environment, PublishVariant::Add, writeBroken, driverFolder).ok);

    // A zero model byte: the converter cannot be handed it.
    PublishEnvironment zeroModel = environment;
    zeroModel.header.byModelCode = "0x00";
    EXPECT_FALSE(
        PublishDefinitions(zeroModel, PublishVariant::Add, WriteUserPapers(), driverFolder).ok);

    // An unwritable destination folder.
    WriteText(root / "plainfile", "x");
    EXPECT_FALSE(PublishDefinitions(environment, PublishVariant::Export, WriteUserPapers(),
                                    root / "plainfile/sub")
                     .ok);

    EXPECT_EQ(ReadText(Driver("qlx530eed.txt")), before);
    EXPECT_FALSE(fs::exists(Driver("qlx530eed.mdt")));
    EXPECT_FALSE(fs::exists(Driver("pdt4435.bin")));
    EXPECT_FALSE(fs::exists(Driver("pdt0035.bin")));
}

TEST_F(DriverPipelineTest, CompilerRefusesABrokenSourceAndLeavesNoTable) {
    const std::string preset = ReadText(Driver("qlx530ead.txt"));
    // Replaces the first `what` after section `section` by `by`.
    const auto patched = [&](const char* section, const std::string& what, const char* by) {
        std::string text = preset;
        const size_t at = text.find(what, text.find(section));
        text.replace(at, what.size(), by);
        return text;
    };
    struct Case {
        const char* name;
        std::string text;
        const char* logMentions;
    };
    const Case cases[] = {
        {"missing required key", patched("[Paper03]", "MediaAtrInfo", "OtherAtrInfo"), "Paper03"},
        {"name not text", patched("[Paper01]", "=50mm", "=\xff\xfemm"), "Paper01"},
        {"no model section", patched("[Model]", "[Model]", "[Mode]"), "Model"},
    };
    const std::string table = root / "out.mdt";
    const std::string log = root / "log.txt";
    for (const Case& c : cases) {
        const std::string source = root / "broken.txt";
        WriteText(source, c.text);
        WriteText(table, "stale");
        const auto result =
            platform::RunProcess({binFolder + "/qlx5sRpc", "/S", "/L=" + log, source, table});
        ASSERT_TRUE(result.started);
        EXPECT_NE(result.exitCode, 0) << c.name;
        EXPECT_FALSE(fs::exists(table)) << c.name;
        EXPECT_NE(ReadText(log).find(c.logMentions), std::string::npos) << ReadText(log);
    }

    const auto missing = platform::RunProcess(
        {binFolder + "/qlx5sRpc", "/S", "/L=" + log, root / "none.txt", table});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_FALSE(fs::exists(table));
}

// The formats the capabilities extension and the printer rely on do not drift: the tools
// turn a fixed source into the very bytes stored beside it.
TEST_F(DriverPipelineTest, ToolsProduceTheGoldenTableAndPrinterFile) {
    const char* data = std::getenv("QLX_TEST_DATA");
    ASSERT_NE(data, nullptr);
    const std::string golden = std::string(data) + "/driver/presets-qlx530e";
    const std::string source = root / "source.txt";
    fs::copy_file(golden + ".txt", source);
    const std::string table = root / "table.mdt";
    const std::string printer = root / "printer.bin";
    ASSERT_EQ(platform::RunProcess(
                  {binFolder + "/qlx5sRpc", "/S", "/L=" + (root / "log.txt"), source, table})
                  .exitCode,
              0);
    ASSERT_EQ(
        platform::RunProcess({binFolder + "/qlx5sRcv", table, printer, "qlx5sRi3.so", "5", "D"})
            .exitCode,
        0);
    EXPECT_TRUE(ReadText(table) == ReadText(golden + ".mdt"));
    EXPECT_TRUE(ReadText(printer) == ReadText(golden + "-pdt.bin"));
}

TEST_F(DriverPipelineTest, ConverterRefusesBadInput) {
    const std::string printer = root / "p.bin";
    const std::string table = root / "t.mdt";
    WriteText(table, "QLXMDTBL not a table");
    struct Case {
        const char* name;
        std::vector<std::string> args;
    };
    const std::string good = Driver("QLX530Ead.mdt");
    const Case cases[] = {
        {"bad table", {table, printer, "qlx5sRi3.so", "5", "D"}},
        {"missing table", {root / "none.mdt", printer, "qlx5sRi3.so", "5", "D"}},
        {"two-byte series", {good, printer, "qlx5sRi3.so", "55", "D"}},
        {"empty model", {good, printer, "qlx5sRi3.so", "5", ""}},
        {"too few arguments", {good, printer, "qlx5sRi3.so", "5"}},
    };
    for (const Case& c : cases) {
        WriteText(printer, "stale");
        std::vector<std::string> argv = {binFolder + "/qlx5sRcv"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        const auto result = platform::RunProcess(argv);
        EXPECT_NE(result.exitCode, 0) << c.name;
        if (c.args.size() == 5) {
            EXPECT_FALSE(fs::exists(printer)) << c.name;
        }
    }
}

} // namespace
} // namespace qlx
