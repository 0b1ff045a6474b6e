#include "FakeStrings.h"
#include "editor/ControlsToPaper.h"
#include "editor/EditorControls.h"
#include "editor/NameText.h"
#include "editor/PaperEditorModel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>

namespace qlx {
namespace {

namespace pc = paper_controls;

class NoMessages final : public MessageSink {
public:
    bool Show(MessageIcon, const std::string& text) override {
        ADD_FAILURE() << "unexpected message " << text;
        return false;
    }
};

// The editor's save through the real source writer and reader: what Add writes is what the
// next start reads, black mark included.
TEST(SaveRoundTrip, AddedBlackMarkPaperReadsBackAsBlackMark) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("qlx_editor_" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    const std::string userPath = (folder / "qlx530eed.txt").string();

    test::FakeStrings strings;
    auto stored = std::make_unique<PaperList>();
    stored->header.FormatVersion = "1";
    PaperDef work;
    work.nPaperSize = 513;
    PaperEditorSetup setup;
    setup.settings.profile = ModelProfileFor("qlx530e");
    setup.driverFolder = folder.string();
    PaperEditorModel m(work, setup, strings);
    m.TextEdited(pc::kName, "Marked", {6, 6});
    m.KindChanged(2);
    for (const auto& [id, text] :
         std::initializer_list<std::pair<int, const char*>>{{pc::kWidth, "50.0"},
                                                            {pc::kLength, "40.0"},
                                                            {pc::kTopMargin, "3.0"},
                                                            {pc::kBottomMargin, "3.0"},
                                                            {pc::kMarkWidth, "5.0"},
                                                            {pc::kMarkOffset, "-2.5"}}) {
        m.TextEdited(id, text, {0, 0});
    }
    int calls = 0;
    const PublishFunction publish = [&](const PublishEnvironment&, PublishVariant,
                                        const SourceWriter& write, const std::string&) {
        ++calls;
        return PublishOutcome{write(userPath), ""};
    };
    const SaveOutcome out = m.AddAsNew(*stored, PublishEnvironment{}, publish);
    ASSERT_EQ(out.result, 1) << out.message.value_or("");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(work.nType, 75);

    auto reread = std::make_unique<PaperList>();
    NoMessages sink;
    ASSERT_TRUE(reread->Load((folder / "none.txt").string(), userPath, false, strings, sink));
    ASSERT_EQ(reread->count, 1);
    const PaperDef& back = reread->slots[0];
    EXPECT_EQ(NameToUtf8(back.szPaperName_mm), "Marked");
    EXPECT_EQ(back.nType, 76);
    EXPECT_EQ(back.nMarkOffset, work.nMarkOffset);
    EXPECT_EQ(back.nMarkWidth, work.nMarkWidth);
    EXPECT_EQ(back.reserved_12_, work.reserved_12_);
    EXPECT_EQ(back.lblPitchDot, work.lblPitchDot);

    PaperDef reopened = back;
    const PaperEditorModel again(reopened, setup, strings);
    EXPECT_EQ(again.KindSelection(), 2);
    EXPECT_EQ(again.Texts().markOffset, "-2.5");
    EXPECT_EQ(again.Texts().length, "40.0");

    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace qlx
