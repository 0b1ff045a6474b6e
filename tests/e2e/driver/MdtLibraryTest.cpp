#include "ByteOrder.h"
#include "CompiledTable.h"
#include "MdtLibraryFixture.h"

#include <gtest/gtest.h>

#include <span>

namespace qlx {
namespace {

CompiledTable TableWith(uint8_t series, uint8_t model, std::vector<uint16_t> paperSizes) {
    CompiledTable table;
    table.model[0] = series;
    table.model[1] = model;
    PutU16(std::span<uint8_t>(table.model), 98, 300);
    for (uint16_t size : paperSizes) {
        PaperRecord record{};
        PutU16(std::span<uint8_t>(record), paperrecord::kPaperSize, size);
        table.papers.push_back(record);
    }
    return table;
}

std::vector<uint16_t> PaperSizes(const std::vector<uint8_t>& papers) {
    std::vector<uint16_t> sizes;
    for (size_t at = 0; at + kMdtPaperRecordSize <= papers.size(); at += kMdtPaperRecordSize) {
        sizes.push_back(GetU16(std::span<const uint8_t>(papers), at + paperrecord::kPaperSize));
    }
    return sizes;
}

class MdtLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(folder.path().empty());
        ASSERT_TRUE(library.ok()) << "qlx5sri6.so could not be loaded from QLX_BIN_DIR";
    }
    ScratchFolder folder;
    LoadedMdtLibrary library{folder.path()};
};

TEST_F(MdtLibraryTest, UserPapersFollowThePresetsWhateverTheCaseOfTheNames) {
    WriteText(folder / "QLX530Ead.mdt", TableWith(0x35, 0x44, {257, 258}).Serialize());
    WriteText(folder / "qlx530eed.mdt", TableWith(0x35, 0x44, {513}).Serialize());
    for (const char* name : {"QLX530Ead.mdt", "qlx530ead.mdt"}) {
        std::vector<uint8_t> model;
        std::vector<uint8_t> papers;
        uint32_t count = 0;
        ASSERT_TRUE(library.ReadAll(name, model, papers, count)) << name;
        EXPECT_EQ(count, 3u);
        EXPECT_EQ(PaperSizes(papers), (std::vector<uint16_t>{257, 258, 513}));
        EXPECT_EQ(model[0], 0x35);
        EXPECT_EQ(model[1], 0x44);
    }
}

TEST_F(MdtLibraryTest, PassesOverAUserTableThatDoesNotBelong) {
    WriteText(folder / "QLX530Ead.mdt", TableWith(0x35, 0x44, {257}).Serialize());
    for (const std::string& user :
         {TableWith(0x35, 0x45, {513}).Serialize(), std::string("QLXMDTBL garbage")}) {
        WriteText(folder / "qlx530eed.mdt", user);
        std::vector<uint8_t> model;
        std::vector<uint8_t> papers;
        uint32_t count = 0;
        ASSERT_TRUE(library.ReadAll("QLX530Ead.mdt", model, papers, count));
        EXPECT_EQ(PaperSizes(papers), (std::vector<uint16_t>{257}));
    }
}

TEST_F(MdtLibraryTest, FailsCleanlyOnTablesItCannotRead) {
    const std::string good = TableWith(0x35, 0x44, {257, 258}).Serialize();
    std::string badMagic = good;
    badMagic[0] = 'X';
    std::string hugeCount = good;
    hugeCount[19] = '\x7f';
    const std::pair<const char*, std::string> cases[] = {
        {"truncated", good.substr(0, good.size() - 7)},
        {"bad magic", badMagic},
        {"huge count", hugeCount},
        {"empty", ""},
    };
    for (const auto& [name, bytes] : cases) {
        WriteText(folder / "QLX530Ead.mdt", bytes);
        void* mdt = reinterpret_cast<void*>(1);
        EXPECT_EQ(library.table().open(&mdt, "QLX530Ead.mdt"), 0) << name;
        EXPECT_EQ(mdt, nullptr) << name;
    }
    void* mdt = nullptr;
    EXPECT_EQ(library.table().open(&mdt, "QLX520Ead.mdt"), 0) << "missing table";
    EXPECT_EQ(library.table().open(&mdt, "../QLX530Ead.mdt"), 0) << "outside the folder";
    EXPECT_EQ(library.table().open(&mdt, nullptr), 0);
    EXPECT_EQ(library.table().open(nullptr, "QLX530Ead.mdt"), 0);
}

TEST_F(MdtLibraryTest, ChecksEveryArgument) {
    WriteText(folder / "QLX530Ead.mdt", TableWith(0x35, 0x44, {257, 258}).Serialize());
    const MdtFunctionTable& t = library.table();
    void* mdt = nullptr;
    ASSERT_NE(t.open(&mdt, "QLX530Ead.mdt"), 0);
    uint8_t model[kMdtModelRecordSize] = {};
    uint32_t scratch[8] = {};
    EXPECT_EQ(t.readModelData(mdt, 1, model, kMdtModelRecordSize - 1, scratch), 0);
    EXPECT_EQ(t.readModelData(mdt, 2, model, kMdtModelRecordSize, scratch), 0);
    EXPECT_EQ(t.readModelData(mdt, 1, nullptr, kMdtModelRecordSize, scratch), 0);
    EXPECT_NE(t.readModelData(mdt, 1, model, kMdtModelRecordSize, nullptr), 0);

    uint32_t needed = 0;
    uint32_t count = 0;
    ASSERT_NE(t.readPapers(mdt, 1, nullptr, 0, &needed, &count), 0);
    EXPECT_EQ(needed, 2u * kMdtPaperRecordSize);
    EXPECT_EQ(count, 2u);
    std::vector<uint8_t> small(needed - 1);
    EXPECT_EQ(t.readPapers(mdt, 1, small.data(), needed - 1, &needed, &count), 0);

    int notAHandle = 0;
    EXPECT_EQ(t.readPapers(&notAHandle, 1, nullptr, 0, &needed, &count), 0);
    EXPECT_EQ(t.close(&notAHandle), 0);
    EXPECT_NE(t.close(mdt), 0);
    EXPECT_EQ(t.close(mdt), 0) << "closed twice";
}

TEST_F(MdtLibraryTest, InitializeChecksTheTableSize) {
    auto initialize =
        reinterpret_cast<MdtInitializeFunction>(dlsym(library.library(), "MDT_InitializeA"));
    ASSERT_NE(initialize, nullptr);
    EXPECT_EQ(sizeof(MdtFunctionTable), 40u);
    EXPECT_EQ(initialize(nullptr), 0);
    MdtFunctionTable small{};
    small.size = 8;
    EXPECT_EQ(initialize(&small), 0);
    EXPECT_EQ(small.open, nullptr);
    // Only the one entry point is exported.
    EXPECT_EQ(dlsym(library.library(),
                    "_ZN3qlx13CompiledTable5ParseESt17basic_string_viewIcSt11char_traitsIcEE"),
              nullptr);
}

} // namespace
} // namespace qlx
