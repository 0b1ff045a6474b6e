#include "platform/Spooler.h"
#include "TestFolder.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

namespace qlx::platform {
namespace {

using test::ScopedEnv;
using test::TestFolder;

std::string Fixture() {
    const char* data = std::getenv("QLX_TEST_DATA");
    std::string bytes;
    EXPECT_NE(data, nullptr);
    if (data != nullptr) {
        EXPECT_TRUE(ReadFileBytes(std::string(data) + "/platform/printers.ini", bytes));
    }
    return bytes;
}

std::string WithCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::string Read(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(path, bytes));
    return bytes;
}

enum class Form { Lf, CrLf };

// Each case runs on a copy of the fixture with LF and with CR LF line ends.
class SpoolerTest : public ::testing::TestWithParam<Form> {
protected:
    bool CrLf() const { return GetParam() != Form::Lf; }
    void SetUp() override {
        original_ = CrLf() ? WithCrLf(Fixture()) : Fixture();
        ASSERT_TRUE(WriteFileAtomic(path_, original_));
    }
    TestFolder dir_;
    std::string path_ = dir_ / "printers.ini";
    std::string original_;
    std::unique_ptr<Spooler> spooler_ = CreateFileSpooler(path_);
};

std::string FormName(const ::testing::TestParamInfo<Form>& info) {
    switch (info.param) {
    case Form::Lf:
        return "Lf";
    case Form::CrLf:
        return "CrLf";
    }
    return "?";
}

INSTANTIATE_TEST_SUITE_P(Forms, SpoolerTest, ::testing::Values(Form::Lf, Form::CrLf), FormName);

TEST_P(SpoolerTest, ListsPrintersInFileOrderWithTheLastCommaSplittingOffThePort) {
    std::vector<PrinterInfo> printers{{"stale", "", ""}};
    ASSERT_TRUE(spooler_->EnumPrinters(printers));
    ASSERT_EQ(printers.size(), 6u);
    const std::vector<std::vector<std::string>> expected{
        {"Demo LT-5300E", "Quellix LT-5300E", "USB001"},
        {"Office label printer", "Quellix LT-4100A", "COM3"},
        {"Comma driver", "Quellix LT-5200E, rev 2", "USB002"},
        {"demo lt-5300e", "Quellix LT-5300EW", "USB003"},
        {"No port", "Quellix LT-5200EW", ""},
        {"Second block", "Quellix LT-4100A", "COM1"}};
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(printers[i].name, expected[i][0]);
        EXPECT_EQ(printers[i].driverName, expected[i][1]);
        EXPECT_EQ(printers[i].portName, expected[i][2]);
    }
}

TEST_P(SpoolerTest, FindsPortsByExactName) {
    std::string port = "kept";
    EXPECT_TRUE(spooler_->GetPort("Demo LT-5300E", port));
    EXPECT_EQ(port, "USB001");
    EXPECT_TRUE(spooler_->GetPort("demo lt-5300e", port));
    EXPECT_EQ(port, "USB003");
    port = "kept";
    EXPECT_FALSE(spooler_->GetPort("DEMO LT-5300E", port));
    EXPECT_FALSE(spooler_->GetPort("Demo LT-5300E ", port)) << "names are trimmed in the file only";
    EXPECT_FALSE(spooler_->GetPort("Not a printer", port));
    EXPECT_EQ(port, "kept");
}

TEST_P(SpoolerTest, DriverDirectoryIsAbsoluteBesideTheFile) {
    EXPECT_EQ(spooler_->DriverDirectory(), dir_ / "drivers/x64");

    std::string text = original_;
    text.replace(text.find("drivers/x64/"), 12, "/opt/quellix/");
    ASSERT_TRUE(WriteFileAtomic(path_, text));
    EXPECT_EQ(spooler_->DriverDirectory(), "/opt/quellix");

    text.replace(text.find("driverdirectory"), 15, "DriverFolder");
    ASSERT_TRUE(WriteFileAtomic(path_, text));
    EXPECT_EQ(spooler_->DriverDirectory(), "");
}

TEST_P(SpoolerTest, SetPortRewritesOnlyThatPrintersPort) {
    const std::string eol = CrLf() ? "\r\n" : "\n";
    ASSERT_TRUE(spooler_->SetPort("Office label printer", "USB004"));
    std::string expected = original_;
    const std::string oldLine = "Office label printer = Quellix LT-4100A , COM3 " + eol;
    expected.replace(expected.find(oldLine), oldLine.size(),
                     "Office label printer = Quellix LT-4100A ,USB004" + eol);
    EXPECT_EQ(Read(path_), expected);

    ASSERT_TRUE(spooler_->SetPort("No port", "COM2"));
    const std::string bare = "No port=Quellix LT-5200EW" + eol;
    expected.replace(expected.find(bare), bare.size(), "No port=Quellix LT-5200EW,COM2" + eol);
    EXPECT_EQ(Read(path_), expected);

    std::string port;
    ASSERT_TRUE(spooler_->GetPort("Comma driver", port));
    ASSERT_TRUE(spooler_->SetPort("Comma driver", port)) << "writing the same port back";
    EXPECT_EQ(Read(path_), expected);
    EXPECT_EQ(dir_.Names(), std::set<std::string>{"printers.ini"});
}

TEST_P(SpoolerTest, SetPortRefusalsLeaveTheFileAlone) {
    EXPECT_FALSE(spooler_->SetPort("DEMO LT-5300E", "USB009")) << "no such printer";
    EXPECT_FALSE(spooler_->SetPort("Demo LT-5300E", "USB1,USB2")) << "would not read back";
    EXPECT_FALSE(spooler_->SetPort("Demo LT-5300E", "USB1\nEvil=x,y"));
    ASSERT_TRUE(SetReadOnly(path_, true));
    EXPECT_FALSE(spooler_->SetPort("Demo LT-5300E", "USB009")) << "read-only file";
    EXPECT_EQ(Read(path_), original_);
}

TEST(SpoolerWithoutFileTest, CannotBeAsked) {
    TestFolder dir;
    const std::unique_ptr<Spooler> spooler = CreateFileSpooler(dir / "missing.ini");
    std::vector<PrinterInfo> printers;
    std::string port;
    EXPECT_FALSE(spooler->EnumPrinters(printers));
    EXPECT_FALSE(spooler->GetPort("Demo LT-5300E", port));
    EXPECT_FALSE(spooler->SetPort("Demo LT-5300E", "USB001"));
    EXPECT_EQ(spooler->DriverDirectory(), "");
    EXPECT_EQ(dir.Names(), std::set<std::string>{});
}

TEST(SpoolerByteOrderMarkTest, DoesNotHideTheFirstSection) {
    TestFolder dir;
    ASSERT_TRUE(
        WriteFileAtomic(dir / "p.ini", "\xEF\xBB\xBF[Printers]\r\nQ=Quellix LT-4100A,COM1\r\n"));
    const std::unique_ptr<Spooler> spooler = CreateFileSpooler(dir / "p.ini");
    std::string port;
    EXPECT_TRUE(spooler->GetPort("Q", port));
    EXPECT_EQ(port, "COM1");
    ASSERT_TRUE(spooler->SetPort("Q", "COM2"));
    EXPECT_EQ(Read(dir / "p.ini"), "\xEF\xBB\xBF[Printers]\r\nQ=Quellix LT-4100A,COM2\r\n");
}

TEST(DefaultSpoolerTest, ReadsTheFileNamedByTheEnvironment) {
    TestFolder dir;
    ASSERT_TRUE(WriteFileAtomic(dir / "p.ini", "[Printers]\nQ=Quellix LT-4100A,COM1\n"));
    std::vector<PrinterInfo> printers;
    {
        ScopedEnv env("QLX_PRINTERS", std::nullopt);
        EXPECT_FALSE(CreateDefaultSpooler()->EnumPrinters(printers));
    }
    ScopedEnv env("QLX_PRINTERS", dir / "p.ini");
    ASSERT_TRUE(CreateDefaultSpooler()->EnumPrinters(printers));
    ASSERT_EQ(printers.size(), 1u);
    EXPECT_EQ(printers[0].driverName, "Quellix LT-4100A");
}

} // namespace
} // namespace qlx::platform
