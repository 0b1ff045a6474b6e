#include "papers/PaperList.h"

#include "PapersTestSupport.h"
#include "papers/MdtSource.h"

#include <gtest/gtest.h>

#include <memory>

namespace qlx {
namespace {

using test::DataPath;
using test::Utf8;

// The list is large (101 records); keep it off the stack.
std::unique_ptr<PaperList> NewList() {
    return std::make_unique<PaperList>();
}

std::string PresetFileWith(int papers) {
    std::vector<PaperDef> list;
    for (int i = 0; i < papers; ++i) {
        list.push_back(
            test::MakePaper("Preset " + std::to_string(i), static_cast<int16_t>(257 + i)));
    }
    std::vector<const PaperDef*> pointers;
    for (const auto& paper : list) {
        pointers.push_back(&paper);
    }
    return *FormatSourceText(MdtHeader{}, pointers);
}

TEST(PaperListTest, LoadsPresetsFirstThenUserPapers) {
    auto list = NewList();
    test::FakeStrings strings;
    test::RecordingSink sink;
    ASSERT_TRUE(list->Load(DataPath("presets.txt"), DataPath("user.txt"), false, strings, sink));
    EXPECT_TRUE(sink.shown.empty());
    ASSERT_EQ(list->count, 7);
    EXPECT_EQ(list->bFull, 0);
    EXPECT_EQ(Utf8(list->slots[0].szPaperName_mm), "Preset Roll 62 mm");
    EXPECT_EQ(list->slots[2].bPreset, 1);
    EXPECT_EQ(Utf8(list->slots[3].szPaperName_mm), "Shipping 50x30 mm");
    EXPECT_EQ(list->slots[3].bPreset, 0);
    EXPECT_EQ(list->slots[4].nType, kTypeBlackMark);

    // Editable: neither preset nor protected.
    EXPECT_FALSE(list->IsEditable(0));
    EXPECT_FALSE(list->IsEditable(2)); // preset and protected
    EXPECT_TRUE(list->IsEditable(3));
    EXPECT_FALSE(list->IsEditable(5)); // protected user paper
    EXPECT_FALSE(list->IsEditable(7)); // beyond the list
}

TEST(PaperListTest, LeftOutPaperDoesNotTakeASlot) {
    auto list = NewList();
    test::FakeStrings strings;
    test::RecordingSink sink;
    ASSERT_TRUE(list->Load(DataPath("presets.txt"), DataPath("bad_utf8.txt"), true, strings, sink));
    ASSERT_EQ(list->count, 5);
    EXPECT_EQ(Utf8(list->slots[4].szPaperName_inch), "After in");
}

TEST(PaperListTest, HundredPresetsAndOneUserPaperReport1109) {
    test::TempDir dir;
    test::WriteBytes(dir.File("presets.txt"), PresetFileWith(100));
    test::FakeStrings strings;
    {
        auto list = NewList();
        test::RecordingSink sink;
        EXPECT_FALSE(
            list->Load(dir.File("presets.txt"), DataPath("user.txt"), false, strings, sink));
        EXPECT_EQ(list->count, 100);
        EXPECT_EQ(list->bFull, 1);
        ASSERT_EQ(sink.shown.size(), 1u);
        EXPECT_EQ(sink.shown[0].first, MessageIcon::Error);
        EXPECT_EQ(sink.shown[0].second, "string 1109");
        EXPECT_EQ(list->slots[99].bPreset, 1); // no user paper in the list
    }
    {
        // Without a user section the list is full, but nothing overflowed.
        auto list = NewList();
        test::RecordingSink sink;
        EXPECT_TRUE(
            list->Load(dir.File("presets.txt"), dir.File("absent.txt"), false, strings, sink));
        EXPECT_EQ(list->count, 100);
        EXPECT_EQ(list->bFull, 1);
        EXPECT_TRUE(sink.shown.empty());
    }
    {
        test::WriteBytes(dir.File("presets101.txt"), PresetFileWith(101));
        auto list = NewList();
        test::RecordingSink sink;
        EXPECT_FALSE(
            list->Load(dir.File("presets101.txt"), DataPath("user.txt"), false, strings, sink));
        EXPECT_EQ(list->count, 100);
        EXPECT_EQ(sink.shown.size(), 1u);
    }
}

TEST(PaperListTest, RemoveLastMovesSelectionRemoveEarlierShifts) {
    auto list = NewList();
    for (int i = 0; i < 4; ++i) {
        list->Append(test::MakePaper("P" + std::to_string(i), static_cast<int16_t>(513 + i)));
    }
    list->Select(3);
    list->Remove(3);
    EXPECT_EQ(list->count, 3);
    EXPECT_EQ(list->nSelected, 2);
    EXPECT_EQ(Utf8(list->slots[2].szPaperName_mm), "P2");

    list->Select(0);
    list->Remove(0);
    EXPECT_EQ(list->count, 2);
    EXPECT_EQ(list->nSelected, 0);
    EXPECT_EQ(Utf8(list->slots[0].szPaperName_mm), "P1");
    EXPECT_EQ(Utf8(list->slots[1].szPaperName_mm), "P2");

    list->Remove(5); // out of range: nothing happens
    EXPECT_EQ(list->count, 2);
}

TEST(PaperListTest, AppendingThe100thPaperFillsTheList) {
    auto list = NewList();
    for (int i = 0; i < 99; ++i) {
        list->Append(test::MakePaper("P", static_cast<int16_t>(513 + i)));
    }
    EXPECT_EQ(list->bFull, 0);
    EXPECT_EQ(list->bChanged, 1);
    list->Append(test::MakePaper("Last", 612));
    EXPECT_EQ(list->count, 100);
    EXPECT_EQ(list->bFull, 1);
    list->Append(test::MakePaper("Too many", 613));
    EXPECT_EQ(list->count, 100);
    EXPECT_EQ(Utf8(list->slots[99].szPaperName_mm), "Last");
    list->Remove(10);
    EXPECT_EQ(list->bFull, 0);
}

TEST(PaperListTest, SelectAndReplaceCopyDeeply) {
    auto list = NewList();
    list->Append(test::MakePaper("A", 513));
    list->bChanged = 0;
    list->Select(0);
    list->work.szSizeMM = "changed";
    EXPECT_EQ(list->slots[0].szSizeMM, "25x50");
    list->Replace(0, list->work);
    EXPECT_EQ(list->slots[0].szSizeMM, "changed");
    EXPECT_EQ(list->bChanged, 1);
}

TEST(PaperListTest, UserWriterSkipsPresetsAndNumbersWithoutGaps) {
    auto list = NewList();
    test::FakeStrings strings;
    test::RecordingSink sink;
    ASSERT_TRUE(list->Load(DataPath("presets.txt"), DataPath("user.txt"), false, strings, sink));
    ASSERT_TRUE(list->ReadHeader(DataPath("user.txt")));
    list->Remove(4);

    test::TempDir dir;
    ASSERT_TRUE(list->WriteUserSource(dir.File("out.txt"), list->count));
    const SourceFile file = LoadSourceFile(dir.File("out.txt"), false);
    ASSERT_EQ(file.papers.size(), 3u);
    EXPECT_EQ(file.sections.back().section, "Paper02");
    EXPECT_EQ(Utf8(file.papers[1].szPaperName_mm), "Protected 30x20 mm");
    EXPECT_EQ(file.header, list->header);
    // Only the first slots count.
    ASSERT_TRUE(list->WriteUserSource(dir.File("two.txt"), 5));
    EXPECT_EQ(LoadSourceFile(dir.File("two.txt"), false).papers.size(), 2u);

    list->Select(1); // a preset, written whatever its kind
    ASSERT_TRUE(list->WriteSingleSource(dir.File("single.txt")));
    const SourceFile single = LoadSourceFile(dir.File("single.txt"), false);
    ASSERT_EQ(single.papers.size(), 1u);
    EXPECT_EQ(Utf8(single.papers[0].szPaperName_mm), "Preset 29x90 mm");
    EXPECT_EQ(test::ReadBytes(dir.File("single.txt")).find("[Paper01]"), std::string::npos);
}

TEST(PaperListTest, WriterRefusalLeavesTheFormerFile) {
    auto list = NewList();
    list->Append(test::MakePaper("A", 513));
    list->slots[0].szPaperName_mm[0] = 0xDC00;
    test::TempDir dir;
    test::WriteBytes(dir.File("user.txt"), "former");
    EXPECT_FALSE(list->WriteUserSource(dir.File("user.txt"), 1));
    EXPECT_EQ(test::ReadBytes(dir.File("user.txt")), "former");
}

} // namespace
} // namespace qlx
