#include "platform/Files.h"
#include "TestFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qlx::platform {
namespace {

using test::ModeOf;
using test::TestFolder;
using Names = std::set<std::string>;

std::string Read(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(path, bytes)) << path;
    return bytes;
}

// Binary bytes, NULs and CR LF included, longer than one copy buffer.
std::string SampleBytes() {
    std::string bytes;
    for (int i = 0; i < 200000; ++i)
        bytes.push_back(static_cast<char>(i * 7 % 256));
    return bytes;
}

TEST(WriteFileAtomicTest, CreatesAndReplacesWithoutLeavingTemporaryFiles) {
    TestFolder dir;
    const std::string target = dir / "QLX530Eed.txt";
    const std::string bytes = SampleBytes();
    ASSERT_TRUE(WriteFileAtomic(target, bytes));
    EXPECT_EQ(Read(target), bytes);
    EXPECT_EQ(ModeOf(target), 0644u);

    ASSERT_TRUE(WriteFileAtomic(target, "[Version]\r\n"));
    EXPECT_EQ(Read(target), "[Version]\r\n");
    ASSERT_TRUE(WriteFileAtomic(target, ""));
    EXPECT_EQ(Read(target), "");
    EXPECT_EQ(dir.Names(), Names{"QLX530Eed.txt"});
}

TEST(WriteFileAtomicTest, RefusesReadOnlyTargetAndLeavesItUntouched) {
    TestFolder dir;
    const std::string target = dir / "preset.txt";
    ASSERT_TRUE(WriteFileAtomic(target, "old"));
    ASSERT_TRUE(SetReadOnly(target, true));
    EXPECT_FALSE(WriteFileAtomic(target, "new"));
    EXPECT_EQ(Read(target), "old");
    EXPECT_TRUE(IsReadOnly(target));
    EXPECT_EQ(dir.Names(), Names{"preset.txt"});

    ASSERT_TRUE(SetReadOnly(target, false));
    EXPECT_TRUE(WriteFileAtomic(target, "new"));
    EXPECT_EQ(Read(target), "new");
}

TEST(WriteFileAtomicTest, FailsWhereTheFileCannotBeWritten) {
    TestFolder dir;
    EXPECT_FALSE(WriteFileAtomic(dir / "missing/file.txt", "x"));
    ASSERT_EQ(mkdir((dir / "folder").c_str(), 0700), 0);
    EXPECT_FALSE(WriteFileAtomic(dir / "folder", "x")) << "a folder is not replaced";
    EXPECT_EQ(dir.Names(dir / "folder"), Names{});
    EXPECT_EQ(dir.Names(), Names{"folder"});
}

// Root writes anywhere, so as root the write is tried by a child that gave up its rights.
bool WriteAsUnprivilegedUser(const std::string& path) {
    if (geteuid() != 0)
        return WriteFileAtomic(path, "x");
    const pid_t pid = fork();
    if (pid == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(2);
        _exit(WriteFileAtomic(path, "x") ? 1 : 0);
    }
    int status = 0;
    EXPECT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2) << "could not drop rights";
    return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

TEST(WriteFileAtomicTest, FailsInAFolderWithoutWritePermission) {
    TestFolder dir;
    ASSERT_EQ(chmod(dir.path().c_str(), 0755), 0);
    ASSERT_EQ(mkdir((dir / "locked").c_str(), 0555), 0);
    ASSERT_EQ(chmod((dir / "locked").c_str(), 0555), 0);
    EXPECT_FALSE(WriteAsUnprivilegedUser(dir / "locked/file.txt"));
    EXPECT_EQ(dir.Names(dir / "locked"), Names{});
    ASSERT_EQ(mkdir((dir / "open").c_str(), 0777), 0);
    ASSERT_EQ(chmod((dir / "open").c_str(), 0777), 0);
    EXPECT_TRUE(WriteAsUnprivilegedUser(dir / "open/file.txt")) << "the same user can write here";
}

TEST(CopyFileAtomicTest, CopiesBytesAndPermissions) {
    TestFolder dir;
    const std::string bytes = SampleBytes();
    ASSERT_TRUE(WriteFileAtomic(dir / "source.mdt", bytes));
    ASSERT_EQ(chmod((dir / "source.mdt").c_str(), 0600), 0);
    ASSERT_TRUE(WriteFileAtomic(dir / "target.mdt", "stale"));

    ASSERT_TRUE(CopyFileAtomic(dir / "source.mdt", dir / "target.mdt"));
    EXPECT_EQ(Read(dir / "target.mdt"), bytes);
    EXPECT_EQ(ModeOf(dir / "target.mdt"), 0600u);

    // As the system's own copy does, a read-only source gives a read-only copy.
    ASSERT_TRUE(SetReadOnly(dir / "source.mdt", true));
    ASSERT_TRUE(CopyFileAtomic(dir / "source.mdt", dir / "fresh.mdt"));
    EXPECT_TRUE(IsReadOnly(dir / "fresh.mdt"));
    EXPECT_EQ(dir.Names(), (Names{"fresh.mdt", "source.mdt", "target.mdt"}));
}

TEST(CopyFileAtomicTest, FailuresLeaveTheTargetAsItWas) {
    TestFolder dir;
    ASSERT_TRUE(WriteFileAtomic(dir / "source.bin", "new"));
    ASSERT_TRUE(WriteFileAtomic(dir / "installed.bin", "old"));
    ASSERT_TRUE(SetReadOnly(dir / "installed.bin", true));

    EXPECT_FALSE(CopyFileAtomic(dir / "source.bin", dir / "installed.bin"));
    EXPECT_EQ(Read(dir / "installed.bin"), "old");
    EXPECT_FALSE(CopyFileAtomic(dir / "missing.bin", dir / "other.bin"));
    EXPECT_FALSE(CopyFileAtomic(dir.path(), dir / "other.bin")) << "a folder is no source";
    EXPECT_FALSE(CopyFileAtomic(dir / "source.bin", dir / "missing/x.bin"));
    EXPECT_EQ(dir.Names(), (Names{"installed.bin", "source.bin"}));
}

TEST(ReadOnlyTest, ClearsEveryWriteBitAndRestoresTheOwners) {
    TestFolder dir;
    const std::string file = dir / "f.txt";
    ASSERT_TRUE(WriteFileAtomic(file, "x"));
    ASSERT_EQ(chmod(file.c_str(), 0666), 0);
    EXPECT_FALSE(IsReadOnly(file));
    ASSERT_TRUE(SetReadOnly(file, true));
    EXPECT_EQ(ModeOf(file), 0444u);
    EXPECT_TRUE(IsReadOnly(file));
    ASSERT_TRUE(SetReadOnly(file, false));
    EXPECT_EQ(ModeOf(file), 0644u);

    EXPECT_FALSE(IsReadOnly(dir / "missing"));
    EXPECT_FALSE(SetReadOnly(dir / "missing", false));
}

TEST(FileQueriesTest, ExistenceReadingAndDeletion) {
    TestFolder dir;
    ASSERT_TRUE(WriteFileAtomic(dir / "f.txt", "abc"));
    EXPECT_TRUE(FileExists(dir / "f.txt"));
    EXPECT_FALSE(FileExists(dir.path()));
    EXPECT_TRUE(DirectoryExists(dir.path()));
    EXPECT_FALSE(DirectoryExists(dir / "f.txt"));

    std::string bytes = "kept";
    EXPECT_FALSE(ReadFileBytes(dir / "missing", bytes));
    EXPECT_EQ(bytes, "kept");

    EXPECT_TRUE(DeleteFileIfExists(dir / "f.txt"));
    EXPECT_FALSE(FileExists(dir / "f.txt"));
    EXPECT_TRUE(DeleteFileIfExists(dir / "f.txt"));
    EXPECT_FALSE(DeleteFileIfExists(dir.path())) << "folders are not deleted";
}

struct CaseLookup {
    const char* asked;
    const char* found; // nullptr: nothing
};

class FindNameIgnoringCaseTest : public ::testing::TestWithParam<CaseLookup> {};

TEST_P(FindNameIgnoringCaseTest, ExactNameWinsElseSmallestCaseInsensitiveMatch) {
    TestFolder dir;
    for (const char* name : {"QLX530Ead.mdt", "qlx530ead.MDT", "qlx5sRpc", "Other.txt"})
        ASSERT_TRUE(WriteFileAtomic(dir / name, name));
    const std::optional<std::string> found = FindNameIgnoringCase(dir.path(), GetParam().asked);
    if (GetParam().found == nullptr) {
        EXPECT_FALSE(found.has_value()) << *found;
    } else {
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(*found, dir / GetParam().found);
        // A folder given with its trailing '/' gives the same path.
        EXPECT_EQ(FindNameIgnoringCase(dir.path() + "/", GetParam().asked), found);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, FindNameIgnoringCaseTest,
                         ::testing::Values(CaseLookup{"qlx530ead.MDT", "qlx530ead.MDT"},
                                           CaseLookup{"QLX530Ead.mdt", "QLX530Ead.mdt"},
                                           CaseLookup{"qlx530ead.mdt", "QLX530Ead.mdt"},
                                           CaseLookup{"qlx5srpc", "qlx5sRpc"},
                                           CaseLookup{"QLX5SRPC", "qlx5sRpc"},
                                           CaseLookup{"qlx5srcv", nullptr},
                                           CaseLookup{"Other.tx", nullptr},
                                           CaseLookup{"", nullptr}));

TEST(FindNameIgnoringCaseTest, MissingFolderFindsNothing) {
    TestFolder dir;
    EXPECT_FALSE(FindNameIgnoringCase(dir / "missing", "x").has_value());
}

} // namespace
} // namespace qlx::platform
