#include "update/PublishDefinitions.h"
#include "ScratchFolder.h"
#include "update/CodeByte.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <sstream>
#include <vector>

namespace qlx {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> ReadLines(const std::string& path) {
    std::istringstream in(ReadText(path));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

bool IsReadOnlyFile(const std::string& path) {
    return (fs::status(path).permissions() & fs::perms::owner_write) == fs::perms::none;
}

void MakeReadOnly(const std::string& path) {
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

// The tools stand in for the real ones: the compiler copies the source into the table, the
// converter writes a marker; both record their arguments one per line.
const std::string kGoodCompiler = "printf '%s\\n' \"$@\" > \"$(dirname \"$0\")/pc.args\"\n"
                                  "cp \"$3\" \"$4\"\n";
const std::string kGoodConverter = "printf '%s\\n' \"$@\" > \"$(dirname \"$0\")/cv.args\"\n"
                                   "printf 'printer' > \"$2\"\n";

class PublishTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(root.path().empty());
        fs::create_directories(programs);
        fs::create_directories(temp);
        fs::create_directories(destination);
        environment.programFolder = programs;
        environment.tempFolder = temp;
        environment.modelCode = "qlx530e";
        environment.header.bySeriesCode = "0x12";
        environment.header.byModelCode = "0x34";
        environment.whileWaiting = [this] { ++waits; };
    }

    void InstallTools(const std::optional<std::string>& compiler,
                      const std::optional<std::string>& converter) {
        // Upper-case R as the main dialog spells it; the editor's variants ask for "qlx5sr".
        if (compiler) {
            WriteScript(programs + "/qlx5sRpc", *compiler);
        }
        if (converter) {
            WriteScript(programs + "/qlx5sRcv", *converter);
        }
    }

    SourceWriter Writer(const std::string& text = "[Version]\r\n") const {
        return [text](const std::string& path) {
            WriteText(path, text);
            return true;
        };
    }

    std::string Destination(const std::string& name) const { return destination + "/" + name; }

    void PutOldDestinationFiles() {
        for (const char* name : {"qlx530eed.txt", "qlx530eed.mdt", "pdt3412.bin"}) {
            WriteText(Destination(name), "old");
        }
    }

    ScratchFolder root;
    std::string programs = root / "bin";
    std::string temp = root / "tmp/";
    std::string destination = root / "dest";
    PublishEnvironment environment;
    int waits = 0;
};

TEST_F(PublishTest, InstallsThreeFilesAndHandsTheToolsTheirArguments) {
    InstallTools(kGoodCompiler, kGoodConverter);
    const PublishOutcome outcome =
        PublishDefinitions(environment, PublishVariant::Add, Writer("source text"), destination);
    ASSERT_TRUE(outcome.ok);
    EXPECT_EQ(ReadText(Destination("qlx530eed.txt")), "source text");
    EXPECT_EQ(ReadText(Destination("qlx530eed.mdt")), "source text");
    EXPECT_EQ(ReadText(Destination("pdt3412.bin")), "printer");

    const std::vector<std::string> compilerArgs = {"/S", "/L=" + temp + "log.txt",
                                                   temp + "qlx530eed.txt", temp + "qlx530eed.mdt"};
    EXPECT_EQ(ReadLines(programs + "/pc.args"), compilerArgs);
    // The editor's variants hand on the lower-case family's library name.
    const std::vector<std::string> converterArgs = {temp + "qlx530eed.mdt", temp + "pdt3412.bin",
                                                    "qlx5sri3.so", "\x12", "\x34"};
    EXPECT_EQ(ReadLines(programs + "/cv.args"), converterArgs);
}

TEST_F(PublishTest, MainDialogVariantsNameTheirOwnFamilysLibrary) {
    InstallTools(kGoodCompiler, kGoodConverter);
    ASSERT_TRUE(PublishDefinitions(environment, PublishVariant::Export, Writer(), destination).ok);
    EXPECT_EQ(ReadLines(programs + "/cv.args").at(2), "qlx5sRi3.so");
}

TEST_F(PublishTest, CallsTheWaitCallbackWhileAToolRuns) {
    InstallTools("sleep 0.2\n" + kGoodCompiler, kGoodConverter);
    ASSERT_TRUE(PublishDefinitions(environment, PublishVariant::Add, Writer(), destination).ok);
    EXPECT_GT(waits, 0);
}

struct FailureCase {
    const char* name;
    std::optional<std::string> compiler;
    std::optional<std::string> converter;
    std::string header_series = "0x12";
    bool writerWritesNothing = false;
    bool compilerNotExecutable = false;
};

class PublishFailureTest : public PublishTest, public ::testing::WithParamInterface<FailureCase> {};

// Whatever went wrong before the copies, the destination keeps its files, and nothing stale
// from an earlier run in the temporary folder is taken for a result.
TEST_P(PublishFailureTest, LeavesTheDestinationUntouched) {
    const FailureCase& c = GetParam();
    InstallTools(c.compiler, c.converter);
    if (c.compilerNotExecutable) {
        WriteText(programs + "/qlx5sRpc", "#!/bin/sh\n" + kGoodCompiler);
        fs::permissions(programs + "/qlx5sRpc", fs::perms::owner_read | fs::perms::owner_write);
    }
    environment.header.bySeriesCode = c.header_series;
    PutOldDestinationFiles();
    WriteText(temp + "qlx530eed.mdt", "stale table");
    WriteText(temp + "pdt3412.bin", "stale printer file");
    WriteText(temp + "pdt3400.bin", "stale printer file");
    const SourceWriter writer =
        c.writerWritesNothing ? SourceWriter([](const std::string&) { return false; }) : Writer();

    EXPECT_FALSE(PublishDefinitions(environment, PublishVariant::Add, writer, destination).ok);
    for (const char* name : {"qlx530eed.txt", "qlx530eed.mdt", "pdt3412.bin"}) {
        EXPECT_EQ(ReadText(Destination(name)), "old") << name;
    }
    EXPECT_FALSE(fs::exists(Destination("pdt3400.bin")));
}

INSTANTIATE_TEST_SUITE_P(
    Tools, PublishFailureTest,
    ::testing::Values(FailureCase{"CompilerMissing", std::nullopt, kGoodConverter},
                      FailureCase{"CompilerCannotStart", std::nullopt, kGoodConverter, "0x12",
                                  false, true},
                      FailureCase{"CompilerProducesNothing", "exit 1\n", kGoodConverter},
                      FailureCase{"ConverterMissing", kGoodCompiler, std::nullopt},
                      FailureCase{"ConverterProducesNothing", kGoodCompiler, "exit 0\n"},
                      // A zero byte cannot be passed as an argument: the run fails.
                      FailureCase{"ZeroSeriesByte", kGoodCompiler, kGoodConverter, "0x00"},
                      FailureCase{"SourceNotWritten", kGoodCompiler, kGoodConverter, "0x12", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PublishTest, ZeroModelByteNeverStartsTheConverter) {
    InstallTools(kGoodCompiler, kGoodConverter);
    environment.header.byModelCode = "0x100";
    EXPECT_FALSE(PublishDefinitions(environment, PublishVariant::Add, Writer(), destination).ok);
    EXPECT_FALSE(fs::exists(programs + "/cv.args"));
}

struct ReadOnlyCase {
    PublishVariant variant;
    bool clears;
};

class ReadOnlyDestinationTest : public PublishTest,
                                public ::testing::WithParamInterface<ReadOnlyCase> {};

TEST_P(ReadOnlyDestinationTest, ClearsReadOnlyOnlyWhereTheVariantSaysSo) {
    InstallTools(kGoodCompiler, kGoodConverter);
    PutOldDestinationFiles();
    for (const char* name : {"qlx530eed.txt", "qlx530eed.mdt", "pdt3412.bin"}) {
        MakeReadOnly(Destination(name));
    }
    const PublishOutcome outcome =
        PublishDefinitions(environment, GetParam().variant, Writer("new"), destination);
    if (GetParam().clears) {
        EXPECT_TRUE(outcome.ok);
        EXPECT_EQ(ReadText(Destination("qlx530eed.txt")), "new");
        EXPECT_EQ(ReadText(Destination("pdt3412.bin")), "printer");
    } else {
        // Export fails at the first copy and replaces nothing.
        EXPECT_FALSE(outcome.ok);
        for (const char* name : {"qlx530eed.txt", "qlx530eed.mdt", "pdt3412.bin"}) {
            EXPECT_EQ(ReadText(Destination(name)), "old") << name;
            EXPECT_TRUE(IsReadOnlyFile(Destination(name))) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Variants, ReadOnlyDestinationTest,
                         ::testing::Values(ReadOnlyCase{PublishVariant::Export, false},
                                           ReadOnlyCase{PublishVariant::Delete, true},
                                           ReadOnlyCase{PublishVariant::Import, true},
                                           ReadOnlyCase{PublishVariant::Replace, true},
                                           ReadOnlyCase{PublishVariant::Add, true}));

TEST_F(PublishTest, ExportStopsAtTheFirstFailingCopy) {
    InstallTools(kGoodCompiler, kGoodConverter);
    PutOldDestinationFiles();
    MakeReadOnly(Destination("qlx530eed.mdt"));
    EXPECT_FALSE(
        PublishDefinitions(environment, PublishVariant::Export, Writer("new"), destination).ok);
    EXPECT_EQ(ReadText(Destination("qlx530eed.txt")), "new"); // copied before the failure
    EXPECT_EQ(ReadText(Destination("qlx530eed.mdt")), "old");
    EXPECT_EQ(ReadText(Destination("pdt3412.bin")), "old"); // never reached
}

TEST_F(PublishTest, UnwritableDestinationFolderFails) {
    InstallTools(kGoodCompiler, kGoodConverter);
    WriteText(root / "plainfile", "x");
    for (PublishVariant variant : {PublishVariant::Export, PublishVariant::Add}) {
        EXPECT_FALSE(PublishDefinitions(environment, variant, Writer(), root / "plainfile/sub").ok);
    }
}

TEST_F(PublishTest, ImportMakesTheCopiedReadOnlySourceWritable) {
    InstallTools(kGoodCompiler, kGoodConverter);
    const std::string chosen = root / "chosen.txt";
    WriteText(chosen, "imported");
    MakeReadOnly(chosen);
    const SourceWriter copyChosen = [&](const std::string& path) {
        fs::copy_file(chosen, path, fs::copy_options::overwrite_existing);
        return true;
    };
    ASSERT_TRUE(
        PublishDefinitions(environment, PublishVariant::Import, copyChosen, destination).ok);
    EXPECT_EQ(ReadText(Destination("qlx530eed.txt")), "imported");
    EXPECT_FALSE(IsReadOnlyFile(Destination("qlx530eed.txt")));
}

class HandOnTest : public PublishTest, public ::testing::WithParamInterface<PublishVariant> {};

TEST_P(HandOnTest, DeletesSourceAndTableAndHandsThePrinterFileOn) {
    InstallTools(kGoodCompiler, kGoodConverter);
    const PublishOutcome outcome = PublishDefinitions(environment, GetParam(), Writer(), "");
    ASSERT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.temporaryPrinterFile, temp + "pdt3412.bin");
    EXPECT_EQ(ReadText(outcome.temporaryPrinterFile), "printer");
    EXPECT_FALSE(fs::exists(temp + "qlx530eed.txt"));
    EXPECT_FALSE(fs::exists(temp + "qlx530eed.mdt"));
    EXPECT_TRUE(fs::is_empty(destination));
}

TEST_P(HandOnTest, FailsWithoutAPrinterFileAndStillCleansUp) {
    InstallTools(kGoodCompiler, "exit 0\n");
    WriteText(temp + "pdt3412.bin", "stale printer file");
    const PublishOutcome outcome = PublishDefinitions(environment, GetParam(), Writer(), "");
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.temporaryPrinterFile.empty());
    EXPECT_FALSE(fs::exists(temp + "qlx530eed.txt"));
    EXPECT_FALSE(fs::exists(temp + "qlx530eed.mdt"));
    EXPECT_FALSE(fs::exists(temp + "pdt3412.bin"));
}

INSTANTIATE_TEST_SUITE_P(Variants, HandOnTest,
                         ::testing::Values(PublishVariant::Send, PublishVariant::SavePrinterFile));

TEST(PrinterFileNameTest, TakesTheLastTwoCharactersOfModelThenSeries) {
    struct Case {
        const char* series;
        const char* model;
        const char* expected;
    };
    for (const Case& c : {Case{"0x12", "0x34", "pdt3412.bin"}, Case{"0x35", "0x44", "pdt4435.bin"},
                          Case{"5", "0x4", "pdtx45.bin"}, Case{"", "", "pdt.bin"}}) {
        MdtHeader header;
        header.bySeriesCode = c.series;
        header.byModelCode = c.model;
        EXPECT_EQ(PrinterFileName(header), c.expected) << c.series << " " << c.model;
    }
}

TEST(CodeByteTest, ReadsTheLowByteOfAHexText) {
    struct Case {
        const char* text;
        uint8_t expected;
    };
    for (const Case& c : {Case{"0x12", 0x12}, Case{"0X1234", 0x34}, Case{"ff", 0xff},
                          Case{"34", 0x34}, Case{"12zz", 0x12}, Case{"0x", 0}, Case{"", 0},
                          Case{"-1", 0}, Case{"0xFFFFFFFFFF41", 0x41}}) {
        EXPECT_EQ(ParseCodeByte(c.text), c.expected) << c.text;
    }
}

TEST(PublishMessagesTest, EachVariantHasItsMessages) {
    EXPECT_EQ(PublishMessages(PublishVariant::Export).success, 1004);
    EXPECT_EQ(PublishMessages(PublishVariant::Export).failure, 1103);
    EXPECT_EQ(PublishMessages(PublishVariant::Import).success, 1005);
    EXPECT_EQ(PublishMessages(PublishVariant::Import).successSecond, 1006);
    EXPECT_EQ(PublishMessages(PublishVariant::Import).failure, 1104);
    for (PublishVariant v :
         {PublishVariant::Delete, PublishVariant::Replace, PublishVariant::Add}) {
        EXPECT_EQ(PublishMessages(v).failure, 1102);
        EXPECT_EQ(PublishMessages(v).success, 0);
    }
    EXPECT_EQ(FamilyCode(PublishVariant::Replace), "qlx5sr");
    EXPECT_EQ(FamilyCode(PublishVariant::Send), "qlx5sR");
}

} // namespace
} // namespace qlx
