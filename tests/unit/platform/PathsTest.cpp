#include "platform/Paths.h"
#include "TestFolder.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qlx::platform {
namespace {

using test::ModeOf;
using test::ScopedEnv;
using test::TestFolder;

struct CutCase {
    const char* path;
    const char* directory;
};

class CutAtLastSeparatorTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutAtLastSeparatorTest, CutsBeforeTheLastSeparator) {
    EXPECT_EQ(CutAtLastSeparator(GetParam().path), GetParam().directory);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CutAtLastSeparatorTest,
    ::testing::Values(CutCase{"C:\\Program Files\\Quellix\\qlx5srct.exe",
                              "C:\\Program Files\\Quellix"},
                      CutCase{"C:\\qlx5srct.exe", "C:"}, CutCase{"C:qlx5srct.exe", "C"},
                      CutCase{"\\\\server\\share\\qlx5srct.exe", "\\\\server\\share"},
                      CutCase{"C:/mixed\\dir/prog.exe", "C:/mixed\\dir"},
                      CutCase{"/usr/lib/qlx/qlx5srct", "/usr/lib/qlx"}, CutCase{"/qlx5srct", ""},
                      CutCase{"dir/", "dir"}, CutCase{"qlx5srct", "qlx5srct"}, CutCase{"", ""}));

TEST(GetModuleDirectoryTest, IsTheFolderHoldingThisProgram) {
    std::string directory = "unchanged";
    ASSERT_TRUE(GetModuleDirectory(directory));
    ASSERT_FALSE(directory.empty());
    EXPECT_NE(directory.back(), '/');
    struct stat self {};
    struct stat beside {};
    ASSERT_EQ(stat("/proc/self/exe", &self), 0);
    ASSERT_EQ(stat((directory + "/platform_test").c_str(), &beside), 0);
    EXPECT_EQ(self.st_ino, beside.st_ino);
    EXPECT_EQ(self.st_dev, beside.st_dev);
}

TEST(PrivateTempFolderTest, RuntimeFolderGetsAPrivateSubfolder) {
    TestFolder runtime;
    ScopedEnv xdg("XDG_RUNTIME_DIR", runtime.path() + "/");
    const mode_t oldMask = umask(0); // a permissive umask must not widen the folder
    const std::string folder = PrivateTempFolder();
    umask(oldMask);
    EXPECT_EQ(folder, runtime.path() + "/qlx5srct/");
    EXPECT_EQ(ModeOf(folder), 0700u);
    EXPECT_EQ(PrivateTempFolder(), folder); // the second call accepts what the first made
}

TEST(PrivateTempFolderTest, FallsBackToAPerUserFolderUnderTmpdir) {
    TestFolder tmp;
    ScopedEnv xdg("XDG_RUNTIME_DIR", tmp / "missing");
    ScopedEnv tmpdir("TMPDIR", tmp.path());
    const mode_t oldMask = umask(0777); // even one that takes the owner's bits
    const std::string folder = PrivateTempFolder();
    umask(oldMask);
    EXPECT_EQ(folder, tmp / ("qlx5srct-" + std::to_string(geteuid())) + "/");
    EXPECT_EQ(ModeOf(folder), 0700u);
}

// Another user could read or replace the tools' files in any of these, so none is used.
TEST(PrivateTempFolderTest, RefusesAFallbackFolderOthersCouldReach) {
    TestFolder tmp;
    ScopedEnv xdg("XDG_RUNTIME_DIR", std::nullopt);
    ScopedEnv tmpdir("TMPDIR", tmp.path());
    const std::string folder = tmp / ("qlx5srct-" + std::to_string(geteuid()));

    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    ASSERT_EQ(chmod(folder.c_str(), 0755), 0);
    EXPECT_EQ(PrivateTempFolder(), "") << "open to others";
    EXPECT_EQ(ModeOf(folder), 0755u) << "left as found";
    ASSERT_EQ(rmdir(folder.c_str()), 0);

    const std::string elsewhere = tmp / "elsewhere";
    ASSERT_EQ(mkdir(elsewhere.c_str(), 0700), 0);
    ASSERT_EQ(symlink(elsewhere.c_str(), folder.c_str()), 0);
    EXPECT_EQ(PrivateTempFolder(), "") << "symbolic link";
    ASSERT_EQ(unlink(folder.c_str()), 0);

    std::FILE* file = std::fopen(folder.c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_EQ(PrivateTempFolder(), "") << "a file in the folder's place";
    ASSERT_EQ(unlink(folder.c_str()), 0);

    if (geteuid() == 0) { // only root can hand a folder to someone else
        ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
        ASSERT_EQ(chown(folder.c_str(), 65534, 65534), 0);
        EXPECT_EQ(PrivateTempFolder(), "") << "belongs to another user";
    }
}

TEST(DocumentsFolderTest, PrefersDocumentsUnderHome) {
    TestFolder home;
    ScopedEnv env("HOME", home.path());
    EXPECT_EQ(DocumentsFolder(), home.path());
    ASSERT_EQ(mkdir((home / "Documents").c_str(), 0700), 0);
    EXPECT_EQ(DocumentsFolder(), home / "Documents");
}

} // namespace
} // namespace qlx::platform
