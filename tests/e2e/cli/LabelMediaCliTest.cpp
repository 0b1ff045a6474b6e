#include "PapersTestSupport.h"
#include "cli/DriverModelCode.h"
#include "cli/LabelMediaCommand.h"
#include "papers/MdtSource.h"
#include "platform/Process.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace qlx {
namespace {

using test::DataPath;
using test::ReadBytes;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the built program with `env` settings, capturing both streams.
Outcome RunLabelMedia(const test::TempDir& dir, const std::vector<std::string>& env,
                      const std::vector<std::string>& args) {
    const char* binDir = std::getenv("QLX_BIN_DIR");
    std::vector<std::string> argv = {"/bin/sh",
                                     "-c",
                                     "o=$1; e=$2; shift 2; exec \"$@\" >\"$o\" 2>\"$e\"",
                                     "sh",
                                     dir.File("stdout"),
                                     dir.File("stderr"),
                                     "env"};
    argv.insert(argv.end(), env.begin(), env.end());
    argv.push_back(std::string(binDir != nullptr ? binDir : "bin") + "/labelmedia");
    argv.insert(argv.end(), args.begin(), args.end());
    const platform::ProcessResult result = platform::RunProcess(argv);
    Outcome outcome;
    outcome.status = result.started ? result.exitCode : -1;
    outcome.out = ReadBytes(dir.File("stdout"));
    outcome.err = ReadBytes(dir.File("stderr"));
    return outcome;
}

// A spooler file and driver folder holding the fixtures under the names the model needs,
// spelled in other cases than asked for.
std::string MakeSpooler(const test::TempDir& dir, const std::string& presets,
                        const std::string& user) {
    std::filesystem::create_directories(dir.File("drv/3"));
    std::filesystem::copy_file(presets, dir.File("drv/3/QLX530EAD.TXT"));
    std::filesystem::copy_file(user, dir.File("drv/3/qlx530eed.txt"));
    test::WriteBytes(dir.File("printers.ini"),
                     "[Spooler]\nDriverDirectory=drv\n[Printers]\n"
                     "Labels=quellix LT-5300e,USB001\nOther=Office Laser,LPT1\n");
    return "QLX_PRINTERS=" + dir.File("printers.ini");
}

TEST(LabelMediaCliTest, ListShowsWhatTheMainDialogShows) {
    test::TempDir dir;
    const std::string env = MakeSpooler(dir, DataPath("presets.txt"), DataPath("user.txt"));
    const Outcome mm = RunLabelMedia(dir, {env}, {"list", "--printer", "Labels"});
    EXPECT_EQ(mm.status, 0) << mm.err;
    EXPECT_EQ(mm.out, "#\tname\twidth\tlength\tenergy\torigin\n"
                      "0\tPreset Roll 62 mm\t50.0 mm\t-- mm\t2\tpreset\n"
                      "1\tPreset 29x90 mm\t29.0 mm\t90.0 mm\t4\tpreset\n"
                      "2\tPreset 17x54 mm\t17.0 mm\t54.0 mm\t3\tpreset\n"
                      "3\tShipping 50x30 mm\t50.0 mm\t30.0 mm\t3\tuser\n"
                      "4\tBlack mark 40x60 mm\t40.0 mm\t60.0 mm\t3\tuser\n"
                      "5\tProtected 30x20 mm\t50.0 mm\t30.0 mm\t255\tprotected\n"
                      "6\tRoll 58 mm\t50.0 mm\t-- mm\t3\tuser\n");
    const Outcome inch = RunLabelMedia(dir, {env}, {"list", "--inch", "--printer", "Labels"});
    EXPECT_EQ(inch.status, 0);
    EXPECT_NE(inch.out.find("4\tBlack mark 40x60 in\t1.57 \"\t2.36 \"\t3\tuser\n"),
              std::string::npos)
        << inch.out;
    EXPECT_NE(inch.out.find("0\tPreset Roll 62 in\t1.97 \"\t-- \"\t2\tpreset\n"),
              std::string::npos);

    const Outcome unknown =
        RunLabelMedia(dir, {env}, {"list", "--printer", "labels"}); // names are exact
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("no printer named 'labels'"), std::string::npos);
    const Outcome other = RunLabelMedia(dir, {env}, {"list", "--printer", "Other"});
    EXPECT_EQ(other.status, 2);
    EXPECT_NE(other.err.find("Office Laser"), std::string::npos);
    const Outcome noSpooler = RunLabelMedia(dir, {"QLX_PRINTERS=" + dir.File("none.ini")},
                                            {"list", "--printer", "Labels"});
    EXPECT_EQ(noSpooler.status, 2);
    EXPECT_FALSE(noSpooler.err.empty());
}

TEST(LabelMediaCliTest, ListReportsAFullListOnStandardError) {
    test::TempDir dir;
    std::vector<PaperDef> presets;
    for (int i = 0; i < 100; ++i) {
        presets.push_back(test::MakePaper("P" + std::to_string(i), static_cast<int16_t>(257 + i)));
    }
    ASSERT_TRUE(WriteSourceFile(dir.File("presets.txt"), MdtHeader{}, presets));
    const std::string env = MakeSpooler(dir, dir.File("presets.txt"), DataPath("user.txt"));
    const Outcome full = RunLabelMedia(dir, {env}, {"list", "--printer", "Labels"});
    EXPECT_EQ(full.status, 0);
    EXPECT_NE(full.out.find("\n99\tP99\t"), std::string::npos);
    EXPECT_EQ(full.out.find("Shipping"), std::string::npos);
    EXPECT_NE(full.err.find("100 papers"), std::string::npos) << full.err;
}

TEST(LabelMediaCliTest, LintReportsWhereLoadingStops) {
    test::TempDir dir;
    const Outcome clean =
        RunLabelMedia(dir, {}, {"lint", DataPath("user.txt"), DataPath("presets.txt")});
    EXPECT_EQ(clean.status, 0) << clean.out << clean.err;
    EXPECT_NE(clean.out.find("user.txt: [Paper01] loaded: Black mark 40x60 mm\n"),
              std::string::npos);

    const Outcome stopped =
        RunLabelMedia(dir, {}, {"lint", DataPath("user.txt"), DataPath("missing_keys.txt")});
    EXPECT_EQ(stopped.status, 1);
    EXPECT_NE(
        stopped.out.find(
            "missing_keys.txt: error: [Paper01] (line 90): missing required key MediaAtrInfo; "
            "loading stops here\n"),
        std::string::npos)
        << stopped.out;
    EXPECT_NE(stopped.out.find("missing_keys.txt: 1 of 2 sections loaded, stopped at [Paper01]\n"),
              std::string::npos);

    const Outcome names = RunLabelMedia(dir, {}, {"lint", DataPath("name_limits.txt")});
    EXPECT_EQ(names.status, 1);
    EXPECT_NE(names.out.find("szPaperName_mm is longer than 31 characters"), std::string::npos);

    const Outcome missing = RunLabelMedia(dir, {}, {"lint", dir.File("absent.txt")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("absent.txt: error:"), std::string::npos);

    test::WriteBytes(dir.File("garbage.txt"),
                     std::string("\x01\xFF[Paper00\r\n=\n[Paper00]\nszPaperName_mm=\xC3", 40));
    const Outcome garbage = RunLabelMedia(dir, {}, {"lint", dir.File("garbage.txt")});
    EXPECT_EQ(garbage.status, 1);
    EXPECT_NE(garbage.out.find("error: header:"), std::string::npos);
}

TEST(LabelMediaCliTest, NormalizeWritesWhatTheProgramWrites) {
    test::TempDir dir;
    const Outcome same = RunLabelMedia(dir, {}, {"normalize", DataPath("user.txt")});
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out, ReadBytes(DataPath("user.expected.txt")));

    const Outcome partial = RunLabelMedia(dir, {}, {"normalize", DataPath("missing_keys.txt")});
    EXPECT_EQ(partial.status, 1);
    EXPECT_NE(partial.out.find("[Paper00]\r\n"), std::string::npos);
    EXPECT_EQ(partial.out.find("[Paper01]"), std::string::npos);
    EXPECT_NE(partial.err.find("missing_keys.txt: [Paper01]"), std::string::npos) << partial.err;

    EXPECT_EQ(RunLabelMedia(dir, {}, {"normalize"}).status, 2);
    EXPECT_EQ(RunLabelMedia(dir, {}, {"normalize", dir.File("absent.txt")}).status, 2);
}

TEST(LabelMediaCliTest, HelpAndBadArguments) {
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* inOut;
    };
    const Case cases[] = {
        {{"--help"}, 0, "Usage: labelmedia COMMAND"},
        {{"list", "--help"}, 0, "Usage: labelmedia list"},
        {{"lint", "--help"}, 0, "Usage: labelmedia lint"},
        {{"normalize", "--help"}, 0, "Usage: labelmedia normalize"},
        {{}, 2, ""},
        {{"frobnicate"}, 2, ""},
        {{"list"}, 2, ""},
        {{"list", "--printer"}, 2, ""},
        {{"lint"}, 2, ""},
    };
    for (const Case& c : cases) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(LabelMediaCommand::Run(c.args, out, err), c.status);
        EXPECT_NE(out.str().find(c.inOut), std::string::npos);
        if (c.status != 0) {
            EXPECT_FALSE(err.str().empty());
        }
    }
}

TEST(LabelMediaCliTest, DriverNamesMapToModelCodesWithoutRegardToCase) {
    EXPECT_EQ(ModelCodeForDriver("Quellix LT-4100A"), "qlx410a");
    EXPECT_EQ(ModelCodeForDriver("QUELLIX lt-5200e"), "qlx520e");
    EXPECT_EQ(ModelCodeForDriver("Quellix LT-5200EW"), "qlx520ew");
    EXPECT_EQ(ModelCodeForDriver("quellix lt-5300e"), "qlx530e");
    EXPECT_EQ(ModelCodeForDriver("Quellix LT-5300EW"), "qlx530ew");
    EXPECT_EQ(ModelCodeForDriver("Quellix LT-5300"), "");
    EXPECT_EQ(ModelCodeForDriver(""), "");
}

} // namespace
} // namespace qlx
