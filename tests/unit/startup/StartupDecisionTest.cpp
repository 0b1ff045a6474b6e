#include "app/StartupDecision.h"
#include "app/CommandLine.h"
#include "app/PrinterModel.h"

#include <gtest/gtest.h>

namespace qlx {
namespace {

using Args = std::vector<std::string>;

struct SplitCase {
    const char* name;
    const char* commandLine;
    Args expected;
};

class SplitCommandLineTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommandLineTest, SplitsAsTheScanDictates) {
    EXPECT_EQ(SplitCommandLine(GetParam().commandLine), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SplitCommandLineTest,
    ::testing::Values(
        SplitCase{"QuotedNameThenInch", "\"Label Printer 2\" /i", {"Label Printer 2", "/i"}},
        SplitCase{"NameThenMillimetres", "LP530 m", {"LP530", "m"}},
        SplitCase{"SwitchAloneIsAName", "/i", {"/i"}},
        SplitCase{"QuotedNameAlone", "  \"Label Printer 2\"\r\n", {"Label Printer 2"}},
        SplitCase{"LaterQuotesAreKept", "\"A B\" \"C D\"", {"A B", "\"C", "D\""}},
        SplitCase{"QuoteRightAfterASpaceDelimiterOpens", "LP \"x y\" z", {"LP", "x y", "z"}},
        SplitCase{"RunsOfSpaces", "  LP530    /m   extra ", {"LP530", "/m", "extra"}},
        // Only spaces separate: a lone tab is a token of its own, blank once trimmed, and a
        // blank token ends the list.
        SplitCase{"LoneTabEndsTheList", "LP530 \t /m", {"LP530"}},
        SplitCase{"TabInsideAToken", "LP\t530 m", {"LP\t530", "m"}},
        SplitCase{"UnclosedQuoteRunsToTheEnd", "\"Label Printer", {"Label Printer"}},
        SplitCase{"BlankQuotedNameEndsTheList", "\" \" /i", {}},
        SplitCase{"EmptyQuotes", "\"\"", {}}, SplitCase{"BlankLine", " \t\r\n\v\f ", {}},
        SplitCase{"Empty", "", {}},
        SplitCase{"Utf8NameKeptWhole", "\"Étiquettes 3\" i", {"Étiquettes 3", "i"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ArgumentsFromArgvTest, TrimsAndStopsAtTheFirstBlankArgument) {
    EXPECT_EQ(ArgumentsFromArgv({"Label Printer 2", "/i"}), (Args{"Label Printer 2", "/i"}));
    EXPECT_EQ(ArgumentsFromArgv({" LP530\n", "m "}), (Args{"LP530", "m"}));
    EXPECT_EQ(ArgumentsFromArgv({"LP530", " ", "m"}), (Args{"LP530"}));
    EXPECT_EQ(ArgumentsFromArgv({"", "LP530"}), Args{});
    EXPECT_EQ(ArgumentsFromArgv({}), Args{});
}

TEST(ModelCodeForDriverTest, MapsTheFiveDriversIgnoringCase) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Quellix LT-4100A", "qlx410a"},
        {"Quellix LT-5200E", "qlx520e"},
        {"Quellix LT-5200EW", "qlx520ew"},
        {"Quellix LT-5300E", "qlx530e"},
        {"Quellix LT-5300EW", "qlx530ew"},
        {"QUELLIX lt-5300ew", "qlx530ew"},
        {"quellix lt-4100a", "qlx410a"},
        {"Quellix LT-5300", ""},
        {"Quellix LT-5300E ", ""},
        {"Quellix LT-5300EWX", ""},
        {"", ""},
        {"Other Printer Driver", ""},
    };
    for (const auto& [driver, model] : cases) {
        EXPECT_EQ(ModelCodeForDriver(driver), model) << '"' << driver << '"';
    }
}

class FakeSpooler final : public platform::Spooler {
public:
    std::vector<platform::PrinterInfo> printers;
    bool fails = false;

    bool EnumPrinters(std::vector<platform::PrinterInfo>& out) const override {
        if (fails) {
            return false;
        }
        out = printers;
        return true;
    }
    bool GetPort(const std::string&, std::string&) const override { return false; }
    bool SetPort(const std::string&, const std::string&) override { return false; }
    std::string DriverDirectory() const override { return {}; }
};

FakeSpooler TwoQueues() {
    FakeSpooler spooler;
    spooler.printers = {{"Office", "Some Laser", "LPT1"},
                        {"Labels", "quellix lt-5300e", "USB001"},
                        {"Labels", "Quellix LT-4100A", "USB002"},
                        {"Small Labels", "Quellix LT-5200EW", "COM3"}};
    return spooler;
}

TEST(FindPrinterDriverTest, MatchesTheExactNameFirstInOrder) {
    const FakeSpooler spooler = TwoQueues();
    std::string driver = "untouched";
    EXPECT_TRUE(FindPrinterDriver(spooler, "Labels", driver));
    EXPECT_EQ(driver, "quellix lt-5300e");
    driver = "untouched";
    EXPECT_FALSE(FindPrinterDriver(spooler, "labels", driver)); // letter case counts
    EXPECT_FALSE(FindPrinterDriver(spooler, "Labels ", driver));
    EXPECT_EQ(driver, "untouched");

    FakeSpooler broken = TwoQueues();
    broken.fails = true;
    EXPECT_FALSE(FindPrinterDriver(broken, "Labels", driver));
    EXPECT_EQ(driver, "untouched");
}

TEST(ChooseUnitTest, TakesOnlyTheExactSwitchesElseTheLocale) {
    struct Case {
        Args args;
        bool metric;
        int bInch;
    };
    const std::vector<Case> cases = {
        {{"P", "/i"}, true, 1}, {{"P", "i"}, true, 1},  {{"P", "/m"}, false, 0},
        {{"P", "m"}, false, 0}, {{"P", "/I"}, true, 0}, {{"P", "/I"}, false, 1},
        {{"P", "M"}, false, 1}, {{"P", "-i"}, true, 0}, {{"P"}, true, 0},
        {{"P"}, false, 1},      {{"/m"}, false, 1},     {{"P", "x", "/i"}, true, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseUnit(c.args, c.metric), c.bInch)
            << c.args.size() << " args, second " << (c.args.size() > 1 ? c.args[1] : "-");
    }
}

TEST(StartupDecisionTest, KnownPrinterGivesItsModelProfileAndMutex) {
    StartupDecision decision;
    ASSERT_TRUE(StartupDecision::Make({"Labels", "/i"}, TwoQueues(), true, decision));
    EXPECT_EQ(decision.printerName, "Labels");
    EXPECT_EQ(decision.modelCode, "qlx530e");
    EXPECT_EQ(decision.bInch, 1);
    EXPECT_EQ(decision.profile.nResolutionDpi, 300);
    EXPECT_EQ(decision.mutexName, "mutex_qlx530e");
}

TEST(StartupDecisionTest, UnknownPrinterOrDriverRunsOnWithThe203DpiSet) {
    StartupDecision decision;
    ASSERT_TRUE(StartupDecision::Make({"labels"}, TwoQueues(), true, decision));
    EXPECT_EQ(decision.printerName, "");
    EXPECT_EQ(decision.modelCode, "");
    EXPECT_EQ(decision.bInch, 0);
    EXPECT_EQ(decision.profile.nResolutionDpi, 203);
    EXPECT_EQ(decision.mutexName, "mutex_");

    ASSERT_TRUE(StartupDecision::Make({"Office", "m"}, TwoQueues(), false, decision));
    EXPECT_EQ(decision.printerName, "Office"); // the printer exists, its driver is foreign
    EXPECT_EQ(decision.modelCode, "");
    EXPECT_EQ(decision.bInch, 0);
    EXPECT_EQ(decision.profile.nResolutionDpi, 203);

    ASSERT_TRUE(StartupDecision::Make({"/m"}, TwoQueues(), false, decision));
    EXPECT_EQ(decision.printerName, "");
    EXPECT_EQ(decision.bInch, 1); // "/m" was the printer name, the locale decides
}

TEST(StartupDecisionTest, NoArgumentsIsNoDecision) {
    StartupDecision decision;
    EXPECT_FALSE(StartupDecision::Make({}, TwoQueues(), true, decision));
}

} // namespace
} // namespace qlx
