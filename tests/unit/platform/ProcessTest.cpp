#include "platform/Process.h"
#include "TestFolder.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

namespace qlx::platform {
namespace {

using test::TestFolder;
using Argv = std::vector<std::string>;

struct ExitCase {
    const char* name;
    Argv argv;
    bool started;
    int exitCode;
};

class RunProcessExitTest : public ::testing::TestWithParam<ExitCase> {};

TEST_P(RunProcessExitTest, ReportsStartAndExitCode) {
    int calls = 0;
    const ProcessResult result = RunProcess(GetParam().argv, [&] { ++calls; });
    EXPECT_EQ(result.started, GetParam().started);
    EXPECT_EQ(result.exitCode, GetParam().exitCode);
    if (!GetParam().started) {
        EXPECT_EQ(calls, 0) << "a program that never started is not waited for";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, RunProcessExitTest,
    ::testing::Values(ExitCase{"True", {"/bin/true"}, true, 0},
                      ExitCase{"ExitThree", {"/bin/sh", "-c", "exit 3"}, true, 3},
                      ExitCase{"KilledBySignal", {"/bin/sh", "-c", "kill -KILL $$"}, true, -1},
                      ExitCase{"MissingProgram", {"/nonexistent/qlx5sRpc", "/S"}, false, -1},
                      ExitCase{"NotExecutable", {"/etc/passwd"}, false, -1},
                      ExitCase{"NoPathSearch", {"true"}, false, -1},
                      ExitCase{"EmptyArgv", {}, false, -1}),
    [](const auto& info) { return info.param.name; });

TEST(RunProcessTest, CallsBackWhileTheProgramRuns) {
    int calls = 0;
    const ProcessResult result = RunProcess({"/bin/sleep", "0.2"}, [&] { ++calls; });
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_GT(calls, 1);
    EXPECT_TRUE(RunProcess({"/bin/true"}).started) << "the callback is optional";
}

TEST(RunProcessTest, ArgumentsArriveUnchangedAndStdinIsEmpty) {
    TestFolder dir;
    const std::string out = dir / "out file.txt";
    const std::string arg = "a b\"c 'd' \\e $HOME *";
    const ProcessResult result =
        RunProcess({"/bin/sh", "-c", "printf %s \"$1\" > \"$2\"; cat >> \"$2\"", "sh", arg, out});
    EXPECT_TRUE(result.started);
    EXPECT_EQ(result.exitCode, 0);
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(out, bytes));
    EXPECT_EQ(bytes, arg);
}

} // namespace
} // namespace qlx::platform
