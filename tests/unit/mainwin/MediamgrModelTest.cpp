#include "MainWindowFakes.h"

#include "app/MediamgrModel.h"
#include "papers/MdtSource.h"
#include "support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qlx {
namespace {

using testing::FakeStrings;
using testing::MakePaper;
using testing::RecordingSink;

std::string Name(const PaperDef& p) {
    return TextCodec::ToUtf8(p.szPaperName_mm).value_or("?");
}

// A publisher stand-in: writes the source the variant asks for into its folder and succeeds
// or fails as told.
struct FakePublisher {
    std::string folder;
    bool succeed = true;
    int calls = 0;
    PublishVariant variant{};
    std::string destination;
    std::string writtenSource;

    MediamgrModel::Publisher Bind() {
        return [this](const PublishEnvironment&, PublishVariant v, const SourceWriter& writer,
                      const std::string& dest) {
            ++calls;
            variant = v;
            destination = dest;
            writtenSource = folder + "/written.txt";
            writer(writtenSource);
            PublishOutcome outcome;
            outcome.ok = succeed;
            return outcome;
        };
    }
};

class StandInEditor : public PaperEditor {
public:
    int result = 2;
    std::function<void(PaperEditorRequest&)> change;
    PaperEditorMode seenMode{};
    int seenOkAtStart = -1;
    int seenInch = -1;
    char seenSeparator = 0;
    int seenSelected = -1;
    int Run(PaperEditorRequest& request) override {
        seenMode = request.mode;
        seenOkAtStart = request.bOkAtStart;
        seenInch = request.bInch;
        seenSeparator = request.decimalSeparator;
        seenSelected = request.nSelected;
        if (change) {
            change(request);
        }
        return result;
    }
};

class MediamgrModelTest : public ::testing::Test {
protected:
    FakeStrings strings;
    RecordingSink sink;
    ScratchFolder temp;
    FakePublisher publisher;
    MediamgrModel model{strings, sink, publisher.Bind()};

    void SetUp() override {
        publisher.folder = temp.path();
        MainWindowSetup setup;
        setup.modelCode = "qlx530e";
        setup.printerName = "Label printer";
        setup.driverFolder = temp / "driver3";
        model.Configure(setup);
    }

    // Two presets then `users` user papers numbered from 513.
    void Fill(int users) {
        PaperList& list = model.Papers();
        list.count = 0;
        list.slots[0] = MakePaper("Preset A", 256, 1);
        list.slots[1] = MakePaper("Preset B", 257, 1, kTypeContinuous);
        list.count = 2;
        for (int i = 0; i < users; ++i) {
            list.slots[static_cast<std::size_t>(list.count)] =
                MakePaper("User " + std::to_string(i), 513 + i);
            ++list.count;
        }
        list.bFull = list.count >= PaperList::kCapacity ? 1 : 0;
    }
};

TEST_F(MediamgrModelTest, SelectedPaperTextsAndEnableStates) {
    Fill(1);
    PaperList& list = model.Papers();
    list.slots[2].dwPaperAbility01 |= kAbilityProtected;
    list.slots[2].bProtected = 1;
    list.slots[list.count] = MakePaper("Mark", 514, 0, kTypeBlackMark);
    list.slots[list.count].nPaperLength = 1234;
    list.slots[list.count].byEnergyRank = 12;
    ++list.count;

    struct Case {
        int index;
        int inch;
        char separator;
        bool editable;
        const char* width;
        const char* length;
    };
    const Case cases[] = {
        {0, 0, '.', false, "56.0 mm", "30.0 mm"}, // preset
        {1, 0, '.', false, "56.0 mm", "-- mm"},   // continuous preset
        {1, 1, '.', false, "2.20 \"", "-- \""},   // continuous, inches
        {2, 0, ',', false, "56,0 mm", "30,0 mm"}, // protected user paper
        {3, 0, ',', true, "56,0 mm", "123,4 mm"}, // black mark shows its length
        {3, 1, ',', true, "2,20 \"", "4,86 \""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        model.SetInch(c.inch);
        model.SetDecimalSeparator(c.separator);
        const auto view = model.ShowSelectedPaper(c.index);
        EXPECT_TRUE(view.valid);
        EXPECT_EQ(view.editEnabled, c.editable);
        EXPECT_EQ(view.deleteEnabled, c.editable);
        EXPECT_TRUE(view.newEnabled);
        EXPECT_EQ(view.width, c.width);
        EXPECT_EQ(view.length, c.length);
        EXPECT_EQ(list.nSelected, c.index);
        EXPECT_EQ(list.work, list.slots[static_cast<std::size_t>(c.index)]);
    }
    EXPECT_EQ(model.ShowSelectedPaper(3).energy, "12");

    const auto none = model.ShowSelectedPaper(-1);
    EXPECT_FALSE(none.valid);
    EXPECT_FALSE(none.editEnabled);
    EXPECT_TRUE(none.width.empty());
}

TEST_F(MediamgrModelTest, DisplayNamesFollowTheUnit) {
    Fill(1);
    EXPECT_EQ(model.DisplayNames(), (std::vector<std::string>{"Preset A", "Preset B", "User 0"}));
    model.SetInch(1);
    EXPECT_EQ(model.DisplayNames(),
              (std::vector<std::string>{"Preset A in", "Preset B in", "User 0 in"}));
}

TEST_F(MediamgrModelTest, NewPaperTakesTheLowestFreeSizeAndTheDefaultName) {
    Fill(0);
    PaperList& list = model.Papers();
    for (int size : {513, 514, 516}) {
        list.slots[static_cast<std::size_t>(list.count++)] = MakePaper("u", size);
    }
    model.ShowSelectedPaper(3);
    model.PrepareNewPaper();
    EXPECT_EQ(list.work.nPaperSize, 515);
    EXPECT_EQ(list.work.bPreset, 0);
    EXPECT_EQ(Name(list.work), "New label");
    EXPECT_EQ(TextCodec::ToUtf8(list.work.szPaperName_inch).value(), "New label");
    EXPECT_EQ(list.work.nPaperWidth, 560); // the rest comes from the paper selected last
}

TEST_F(MediamgrModelTest, NewPaperKeepsItsSizeWhenAllNumbersAreTaken) {
    PaperList& list = model.Papers();
    list.count = 0;
    for (int size = 513; size <= 612; ++size) {
        list.slots[static_cast<std::size_t>(list.count++)] = MakePaper("u", size);
    }
    model.ShowSelectedPaper(0);
    EXPECT_FALSE(model.LowestFreePaperSize());
    model.PrepareNewPaper();
    EXPECT_EQ(list.work.nPaperSize, 513);
}

TEST_F(MediamgrModelTest, DefaultNameLongerThanTheFieldIsCut) {
    // 40 characters, the 31st and 32nd units a surrogate pair that must not be split.
    strings.texts[501] = std::string(30, 'x') + "\xF0\x9F\x98\x80" + std::string(9, 'y');
    Fill(0);
    model.ShowSelectedPaper(0);
    model.PrepareNewPaper();
    EXPECT_EQ(Name(model.Papers().work), std::string(30, 'x'));
}

TEST_F(MediamgrModelTest, EditorResultsAddReplaceOrKeep) {
    StandInEditor editor;
    editor.change = [](PaperEditorRequest& r) { r.work.nPaperWidth = 999; };
    struct Case {
        PaperEditorMode mode;
        int result;
        int expectedCount;
        int expectedSelect;
        bool changed;
    };
    const Case cases[] = {
        {PaperEditorMode::New, kEditorResultAdd, 5, 4, true},
        {PaperEditorMode::New, 2, 4, 3, false},
        {PaperEditorMode::Edit, kEditorResultReplace, 4, 3, true},
        {PaperEditorMode::Edit, kEditorResultAdd, 5, 4, true},
        {PaperEditorMode::Edit, 0, 4, 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode) * 100 + c.result);
        Fill(2);
        PaperList& list = model.Papers();
        list.bChanged = 0;
        model.ShowSelectedPaper(3);
        editor.result = c.result;
        const int select = model.RunEditor(editor, c.mode);
        EXPECT_EQ(editor.seenMode, c.mode);
        EXPECT_EQ(editor.seenOkAtStart, c.mode == PaperEditorMode::New ? 1 : 0);
        EXPECT_EQ(editor.seenSelected, 3);
        EXPECT_EQ(list.count, c.expectedCount);
        EXPECT_EQ(select, c.expectedSelect);
        EXPECT_EQ(list.bChanged, c.changed ? 1 : 0);
        if (c.changed) {
            EXPECT_EQ(list.slots[static_cast<std::size_t>(select)].nPaperWidth, 999);
        } else {
            EXPECT_EQ(list.slots[3].nPaperWidth, 560);
        }
        // Whatever happened, showing the selection again restores `work` from the list.
        model.ShowSelectedPaper(select);
        EXPECT_EQ(list.work, list.slots[static_cast<std::size_t>(select)]);
    }
}

TEST_F(MediamgrModelTest, EditorSeesTheUnitAndSeparator) {
    Fill(1);
    model.SetInch(1);
    model.SetDecimalSeparator(',');
    model.ShowSelectedPaper(2);
    StandInEditor editor;
    model.RunEditor(editor, PaperEditorMode::Edit);
    EXPECT_EQ(editor.seenInch, 1);
    EXPECT_EQ(editor.seenSeparator, ',');
}

TEST_F(MediamgrModelTest, TheHundredthPaperFillsTheListAndDeleteClearsIt) {
    Fill(97); // 99 papers
    model.ShowSelectedPaper(98);
    EXPECT_TRUE(model.ShowSelectedPaper(98).newEnabled);
    StandInEditor editor;
    editor.result = kEditorResultAdd;
    EXPECT_EQ(model.RunEditor(editor, PaperEditorMode::New), 99);
    EXPECT_EQ(model.Papers().count, 100);
    EXPECT_EQ(model.Papers().bFull, 1);
    EXPECT_FALSE(model.ShowSelectedPaper(99).newEnabled);

    sink.answers = {true};
    const auto outcome = model.Delete();
    EXPECT_TRUE(outcome.published);
    EXPECT_EQ(model.Papers().bFull, 0);
    EXPECT_TRUE(model.ShowSelectedPaper(outcome.select).newEnabled);
}

TEST_F(MediamgrModelTest, DeleteAsksWithTheDisplayNameAndNoKeepsEverything) {
    Fill(2);
    model.SetInch(1);
    model.ShowSelectedPaper(3);
    sink.answers = {false};
    const auto outcome = model.Delete();
    EXPECT_FALSE(outcome.confirmed);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(sink.shown[0].text, "Delete \"User 1 in\"?");
    EXPECT_EQ(model.Papers().count, 4);
    EXPECT_EQ(publisher.calls, 0);
}

TEST_F(MediamgrModelTest, DeleteOfTheLastAndOfAnEarlierPaper) {
    struct Case {
        int index;
        int expectedSelect;
        std::vector<std::string> expectedNames;
    };
    const Case cases[] = {
        {4, 3, {"Preset A", "Preset B", "User 0", "User 1"}},
        {2, 2, {"Preset A", "Preset B", "User 1", "User 2"}},
        {3, 3, {"Preset A", "Preset B", "User 0", "User 2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        Fill(3);
        model.ShowSelectedPaper(c.index);
        sink.answers = {true};
        const auto outcome = model.Delete();
        EXPECT_TRUE(outcome.confirmed);
        EXPECT_TRUE(outcome.published);
        EXPECT_EQ(outcome.select, c.expectedSelect);
        EXPECT_EQ(model.DisplayNames(), c.expectedNames);
        EXPECT_EQ(model.Papers().bChanged, 0);
        EXPECT_EQ(publisher.variant, PublishVariant::Delete);
        EXPECT_EQ(publisher.destination, temp / "driver3");
        // The published source holds the user papers left, and no preset.
        const SourceFile written = LoadSourceFile(publisher.writtenSource, false);
        ASSERT_EQ(written.papers.size(), 2u);
        EXPECT_EQ(Name(written.papers[0]), c.expectedNames[2]);
        EXPECT_EQ(Name(written.papers[1]), c.expectedNames[3]);
    }
}

TEST_F(MediamgrModelTest, DeleteWhoseCopyFailsPutsThePaperBack) {
    Fill(3);
    model.ShowSelectedPaper(3);
    const PaperList before = model.Papers();
    publisher.succeed = false;
    sink.answers = {true};
    const auto outcome = model.Delete();
    EXPECT_TRUE(outcome.confirmed);
    EXPECT_FALSE(outcome.published);
    ASSERT_EQ(sink.shown.size(), 2u);
    EXPECT_EQ(sink.shown[1].icon, MessageIcon::Error);
    EXPECT_EQ(sink.shown[1].text, "Copy failed.");
    EXPECT_EQ(outcome.select, 3);
    EXPECT_EQ(model.Papers().count, before.count);
    EXPECT_EQ(model.Papers().slots, before.slots);
    EXPECT_EQ(model.Papers().work, before.work);
}

TEST_F(MediamgrModelTest, PresetsAreNeverDeleted) {
    Fill(1);
    model.ShowSelectedPaper(0);
    sink.answers = {true};
    EXPECT_FALSE(model.Delete().confirmed);
    EXPECT_TRUE(sink.shown.empty());
    EXPECT_EQ(model.Papers().count, 3);
}

TEST_F(MediamgrModelTest, OkReportsOnlyAddedOrReplacedPapers) {
    Fill(2);
    model.ShowSelectedPaper(3);
    sink.answers = {true};
    model.Delete();
    sink.shown.clear();
    model.ConfirmOk();
    EXPECT_TRUE(sink.shown.empty());

    StandInEditor editor;
    editor.result = kEditorResultAdd;
    model.RunEditor(editor, PaperEditorMode::New);
    model.ConfirmOk();
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(sink.shown[0].text, "Installed.");
}

TEST(MediamgrModelSetupTest, SendNeedsAPrinterAndTheDriverFolderIsDirectoryThree) {
    FakeStrings strings;
    RecordingSink sink;
    MediamgrModel model(strings, sink);
    MainWindowSetup setup;
    model.Configure(setup);
    EXPECT_FALSE(model.SendEnabled());
    setup.printerName = "Label printer";
    model.Configure(setup);
    EXPECT_TRUE(model.SendEnabled());
    EXPECT_EQ(MediamgrModel::DriverFolderFor("/spool/drivers"), "/spool/drivers/3");
    EXPECT_EQ(MediamgrModel::DriverFolderFor(""), "");
}

// Start checks on a small driver tree: the two tools next to the program, both sources.
class MediamgrInitialiseTest : public ::testing::Test {
protected:
    FakeStrings strings;
    RecordingSink sink;
    ScratchFolder temp;
    MainWindowSetup setup;

    void SetUp() override {
        std::filesystem::create_directories(temp / "bin");
        std::filesystem::create_directories(temp / "driver/3");
        setup.modelCode = "qlx530e";
        setup.programFolder = temp / "bin";
        setup.driverFolder = temp / "driver/3";
        WriteText(temp / "bin/qlx5sRpc", "#!/bin/sh\n");
        WriteText(temp / "bin/QLX5SRCV", "#!/bin/sh\n"); // found without regard to case
        MdtHeader header;
        header.FormatVersion = "1.00";
        header.ModelVersion = "1.00";
        header.OutputFileName = "qlx530ed.mdt";
        header.bySeriesCode = "0x12";
        header.byModelCode = "0x34";
        header.modelSection = {{"bySeriesCode", "0x12"}, {"byModelCode", "0x34"}};
        ASSERT_TRUE(WriteSourceFile(temp / "driver/3/qlx530ead.txt", header,
                                    {MakePaper("Preset A", 256), MakePaper("Preset B", 257)}));
        ASSERT_TRUE(
            WriteSourceFile(temp / "driver/3/qlx530eed.txt", header, {MakePaper("Mine", 513)}));
    }
};

TEST_F(MediamgrInitialiseTest, LoadsPresetsThenUserPapers) {
    MediamgrModel model(strings, sink);
    ASSERT_TRUE(model.Initialise(setup));
    EXPECT_TRUE(sink.shown.empty());
    const PaperList& list = model.Papers();
    EXPECT_EQ(model.DisplayNames(), (std::vector<std::string>{"Preset A", "Preset B", "Mine"}));
    EXPECT_EQ(list.slots[0].bPreset, 1);
    EXPECT_EQ(list.slots[2].bPreset, 0);
    EXPECT_EQ(list.header.bySeriesCode, "0x12");
    EXPECT_EQ(list.header.byModelCode, "0x34");
    EXPECT_FALSE(list.header.modelSection.empty());
    EXPECT_EQ(list.bChanged, 0);
}

TEST_F(MediamgrInitialiseTest, AMissingToolOrSourceEndsTheWindow) {
    const std::vector<std::function<void()>> breakages = {
        [&] { std::filesystem::remove(temp / "bin/qlx5sRpc"); },
        [&] { std::filesystem::remove(temp / "bin/QLX5SRCV"); },
        [&] { std::filesystem::remove(temp / "driver/3/qlx530ead.txt"); },
        [&] { std::filesystem::remove(temp / "driver/3/qlx530eed.txt"); },
        [&] { setup.modelCode.clear(); },
        [&] { setup.driverFolder.clear(); },
        [&] { setup.programFolder.clear(); },
    };
    for (std::size_t i = 0; i < breakages.size(); ++i) {
        SCOPED_TRACE(i);
        sink.shown.clear();
        SetUp();
        breakages[i]();
        MediamgrModel model(strings, sink);
        EXPECT_FALSE(model.Initialise(setup));
        ASSERT_EQ(sink.shown.size(), 1u);
        EXPECT_EQ(sink.shown[0].icon, MessageIcon::Error);
        EXPECT_EQ(sink.shown[0].text, "Files missing.");
    }
}

} // namespace
} // namespace qlx
