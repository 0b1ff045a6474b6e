#include "editor/PaperEditorModel.h"
#include "FakeStrings.h"
#include "editor/ControlsToPaper.h"
#include "editor/EditorControls.h"
#include "editor/NameText.h"

#include <gtest/gtest.h>

#include <memory>

namespace qlx {
namespace {

namespace pc = paper_controls;

EditorSettings Settings300(bool inch = false, char separator = '.') {
    EditorSettings s;
    s.bInch = inch;
    s.decimalSeparator = separator;
    s.profile = ModelProfileFor("qlx530e");
    return s;
}

PaperTexts Texts(int kindSelection, const char* name = "Label") {
    PaperTexts t;
    t.name = name;
    t.kindSelection = kindSelection;
    t.width = "50.0";
    t.length = "30.0";
    t.gap = "3.0";
    t.rightMargin = t.leftMargin = "1.5";
    t.topMargin = t.bottomMargin = "3.0";
    t.markWidth = "5.0";
    t.markOffset = "-2.5";
    return t;
}

// A stored record as the editor itself would have saved it.
PaperDef Saved(int kindSelection, const char* name, int16_t size) {
    PaperDef p;
    p.nPaperSize = size;
    p.reserved_12_ = "0,0,0,0,0,0,0,0,0,1,-1,0";
    ControlsToPaper(Texts(kindSelection, name), Settings300(), p);
    return p;
}

PaperEditorSetup EditorSetup(int mode, bool inch = false, char separator = '.') {
    PaperEditorSetup s;
    s.mode = mode;
    s.settings = Settings300(inch, separator);
    s.bOkAtStart = mode == 0;
    s.driverFolder = "/drivers/3";
    return s;
}

// Records every publication and the papers its source writer was asked to write.
struct FakePublisher {
    int calls = 0;
    bool succeed = true;
    PublishVariant variant = PublishVariant::Export;
    std::string destination;
    int writtenCount = -1;
    std::vector<PaperDef> written;

    PublishFunction Publish() {
        return [this](const PublishEnvironment&, PublishVariant v, const SourceWriter& write,
                      const std::string& folder) {
            ++calls;
            variant = v;
            destination = folder;
            write("/tmp/qlx/qlx530eed.txt");
            return PublishOutcome{succeed, ""};
        };
    }
    UserSourceWriter Writer() {
        return [this](const PaperList& papers, const std::string&, int n) {
            writtenCount = n;
            written.assign(papers.slots.begin(), papers.slots.begin() + n);
            return true;
        };
    }
};

class PaperEditorModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        stored = std::make_unique<PaperList>();
        stored->slots[0] = Saved(1, "Preset 62", 1);
        stored->slots[0].bPreset = 1;
        stored->slots[1] = Saved(1, "Mine", 513);
        stored->slots[2] = Saved(2, "Marked", 514);
        stored->count = 3;
    }
    SaveOutcome Add(PaperEditorModel& m) {
        return m.AddAsNew(*stored, environment, publisher.Publish(), publisher.Writer());
    }
    SaveOutcome Overwrite(PaperEditorModel& m) {
        return m.Overwrite(*stored, environment, publisher.Publish(), publisher.Writer());
    }

    test::FakeStrings strings;
    std::unique_ptr<PaperList> stored;
    PublishEnvironment environment;
    FakePublisher publisher;
};

TEST_F(PaperEditorModelTest, OpeningShowsTheRecordInMillimetres) {
    PaperDef work = Saved(1, "Mine", 513);
    work.bProtected = 1;
    const PaperEditorModel m(work, EditorSetup(0), strings);
    EXPECT_EQ(m.Title(), "S201");
    EXPECT_FALSE(m.Control(pc::kOverwrite).visible);
    EXPECT_EQ(work.bProtected, 0);
    EXPECT_EQ(m.Control(pc::kName).text, "Mine");
    EXPECT_EQ(m.Control(pc::kWidthUnit).text, "mm");
    EXPECT_EQ(m.Control(pc::kMarginUnit3).text, "mm");
    EXPECT_EQ(m.Control(pc::kWidthRange).text, "[ 11.9 - 63.0 ]");
    EXPECT_EQ(m.Control(pc::kLengthRange).text, "[ 6.0 - 1000.0 ]");
    const PaperTexts t = m.Texts();
    EXPECT_EQ(t.width, "50.0");
    EXPECT_EQ(t.length, "30.0");
    EXPECT_EQ(t.gap, "3.0");
    EXPECT_EQ(t.rightMargin, "1.5");
    EXPECT_EQ(t.leftMargin, "1.5");
    EXPECT_EQ(t.topMargin, "3.0");
    EXPECT_EQ(t.bottomMargin, "3.0");
    EXPECT_EQ(m.Control(pc::kWidthEcho).text, "50.0 mm");
    EXPECT_EQ(m.Control(pc::kGapEcho).text, "3.0 mm");
    EXPECT_EQ(m.KindNames(), (std::vector<std::string>{"S2000", "S2001", "S2002"}));
    EXPECT_EQ(m.KindSelection(), 1);
    EXPECT_EQ(m.previewType(), 75);
    EXPECT_TRUE(m.OkEnabled());
}

TEST_F(PaperEditorModelTest, OpeningInInchesWithACommaSeparator) {
    PaperDef work = Saved(1, "Mine", 513);
    const PaperEditorModel m(work, EditorSetup(1, true, ','), strings);
    EXPECT_EQ(m.Title(), "S202");
    EXPECT_TRUE(m.Control(pc::kOverwrite).visible);
    EXPECT_EQ(m.Control(pc::kLengthUnit).text, "\"");
    EXPECT_EQ(m.Control(pc::kWidthRange).text, "[ 0,47 - 2,48 ]");
    EXPECT_EQ(m.Control(pc::kLengthRange).text, "[ 0,24 - 39,37 ]");
    EXPECT_EQ(m.Texts().width, "1,97");
    EXPECT_EQ(m.Texts().length, "1,18");
    EXPECT_EQ(m.Texts().gap, "0,12");
    EXPECT_EQ(m.Control(pc::kWidthEcho).text, "1,97 \"");
}

TEST_F(PaperEditorModelTest, BlackMarkIsStoredAsDieCutAndReopensAsBlackMark) {
    PaperDef work = Saved(2, "Marked", 514);
    EXPECT_EQ(work.nType, 75);
    const PaperEditorModel m(work, EditorSetup(1), strings);
    EXPECT_EQ(work.nType, 76);
    EXPECT_EQ(m.KindSelection(), 2);
    EXPECT_EQ(m.Control(pc::kLengthRange).text, "[ 12.7 - 1000.0 ]");
    EXPECT_EQ(m.Texts().markWidth, "5.0");
    EXPECT_EQ(m.Texts().markOffset, "-2.5");
    EXPECT_EQ(m.Bitmaps(), (PreviewBitmaps{144, 148, 130}));
}

TEST_F(PaperEditorModelTest, KindTableEnablesHidesAndCopiesTheTopMargin) {
    PaperDef work = Saved(2, "Marked", 514);
    PaperEditorModel m(work, EditorSetup(1), strings);
    m.TextEdited(pc::kBottomMargin, "4.0", {3, 3});
    EXPECT_TRUE(m.KindChanged(0));
    EXPECT_EQ(m.previewType(), 74);
    EXPECT_EQ(m.Texts().bottomMargin, "3.0");
    EXPECT_EQ(m.Control(pc::kBottomEcho).text, "3.0 mm");
    for (int id : {pc::kLength, pc::kGap, pc::kMarkWidth, pc::kMarkOffset, pc::kBottomMargin,
                   pc::kLengthSpin, pc::kBottomSpin}) {
        EXPECT_FALSE(m.Control(id).enabled) << id;
    }
    for (int id : {pc::kLengthEcho, pc::kGapEcho, pc::kMarkWidthEcho, pc::kMarkOffsetEcho}) {
        EXPECT_FALSE(m.Control(id).visible) << id;
    }
    EXPECT_EQ(work.nType, 76) << "choosing a kind does not write the record";

    m.KindChanged(1);
    EXPECT_TRUE(m.Control(pc::kGap).enabled);
    EXPECT_FALSE(m.Control(pc::kMarkWidth).enabled);
    EXPECT_TRUE(m.Control(pc::kGapEcho).visible);
    EXPECT_FALSE(m.Control(pc::kMarkOffsetEcho).visible);
    EXPECT_EQ(m.Control(pc::kLengthRange).text, "[ 6.0 - 1000.0 ]");
    EXPECT_EQ(m.Bitmaps(), (PreviewBitmaps{131, 149, 130}));

    m.KindChanged(2);
    EXPECT_FALSE(m.Control(pc::kGap).enabled);
    EXPECT_TRUE(m.Control(pc::kMarkOffset).enabled);
    EXPECT_TRUE(m.Control(pc::kMarkOffsetEcho).visible);
    EXPECT_EQ(m.Control(pc::kLengthRange).text, "[ 12.7 - 1000.0 ]");
}

TEST_F(PaperEditorModelTest, TopMarginDrivesTheBottomForContinuousTapeOnly) {
    PaperDef work = Saved(0, "Tape", 515);
    PaperEditorModel m(work, EditorSetup(1), strings);
    work.nType = 0;
    m.TextEdited(pc::kTopMargin, "4.5", {3, 3});
    EXPECT_EQ(work.nType, 74) << "a top margin change writes the kind";
    EXPECT_EQ(m.Texts().bottomMargin, "4.5");
    EXPECT_EQ(m.Control(pc::kBottomEcho).text, "4.5 mm");
    EXPECT_FALSE(m.StepUp(pc::kTopSpin));
    EXPECT_EQ(m.Texts().bottomMargin, "4.6");
    EXPECT_FALSE(m.StepUp(pc::kBottomSpin)) << "the bottom arrow is disabled with its value";
    EXPECT_EQ(m.Texts().bottomMargin, "4.6");

    m.KindChanged(1);
    m.TextEdited(pc::kTopMargin, "2.0", {3, 3});
    EXPECT_EQ(m.Texts().bottomMargin, "4.6");
}

TEST_F(PaperEditorModelTest, RefusedTypingKeepsTheTextAndEcho) {
    PaperDef work = Saved(1, "Mine", 513);
    PaperEditorModel m(work, EditorSetup(0), strings);
    const auto out = m.TextEdited(pc::kWidth, "50.05", {5, 5});
    EXPECT_EQ(out.text, "50.0");
    EXPECT_EQ(out.selection, (TextSelection{4, 4}));
    EXPECT_EQ(m.Texts().width, "50.0");
    EXPECT_EQ(m.Control(pc::kWidthEcho).text, "50.0 mm");
    m.TextEdited(pc::kWidth, "50.", {3, 3});
    EXPECT_EQ(m.Control(pc::kWidthEcho).text, "50. mm");
}

TEST_F(PaperEditorModelTest, OkFollowsTheNameUnlessTheListIsFull) {
    PaperDef work = Saved(1, "Mine", 513);
    PaperEditorSetup edit = EditorSetup(1);
    const PaperEditorModel opened(work, edit, strings);
    EXPECT_TRUE(opened.OkEnabled()) << "filling the name enables OK in Edit";

    edit.bListFull = true;
    PaperEditorModel full(work, edit, strings);
    EXPECT_FALSE(full.OkEnabled());
    full.TextEdited(pc::kName, "Other", {5, 5});
    EXPECT_FALSE(full.OkEnabled());
}

TEST_F(PaperEditorModelTest, MarkOffsetRepaintsOnlyWhenItsSignChanges) {
    PaperDef work = Saved(2, "Marked", 514);
    PaperEditorModel m(work, EditorSetup(1), strings);
    EXPECT_FALSE(m.TextEdited(pc::kMarkOffset, "-1", {2, 2}).repaint);
    EXPECT_TRUE(m.TextEdited(pc::kMarkOffset, "1", {0, 0}).repaint);
    EXPECT_EQ(m.Bitmaps().anchor1033, 143);
    EXPECT_FALSE(m.TextEdited(pc::kMarkOffset, "2", {1, 1}).repaint);
    EXPECT_FALSE(m.TextEdited(pc::kMarkOffset, "-123456", {7, 7}).repaint);
    EXPECT_EQ(m.Texts().markOffset, "2");
    m.TextEdited(pc::kMarkOffset, "0.1", {3, 3});
    EXPECT_FALSE(m.StepDown(pc::kMarkOffsetSpin)); // 0.0
    EXPECT_TRUE(m.StepDown(pc::kMarkOffsetSpin));  // -0.1
    EXPECT_EQ(m.Texts().markOffset, "-0.1");
    EXPECT_EQ(m.Control(pc::kMarkOffsetEcho).text, "-0.1 mm");
    EXPECT_TRUE(m.StepUp(pc::kMarkOffsetSpin));
    EXPECT_EQ(m.Texts().markOffset, "0.0");
}

TEST_F(PaperEditorModelTest, LengthArrowStopsAtSixThenBlackMarkIsRefused) {
    PaperDef work = Saved(2, "Marked", 514);
    PaperEditorModel m(work, EditorSetup(1), strings);
    m.TextEdited(pc::kName, "Marked short", {12, 12});
    m.TextEdited(pc::kLength, "6.2", {3, 3});
    for (int i = 0; i < 5; ++i) {
        m.StepDown(pc::kLengthSpin);
    }
    EXPECT_EQ(m.Texts().length, "6.0");
    EXPECT_EQ(m.Control(pc::kLengthEcho).text, "6.0 mm");
    const SaveOutcome out = Add(m);
    EXPECT_EQ(out.result, 0);
    EXPECT_EQ(out.message.value_or(""), "S1108:S1202\n( 12.7mm - 1000.0mm )");
    EXPECT_EQ(publisher.calls, 0);
}

TEST_F(PaperEditorModelTest, AddAsNewPublishesTheStoredPapersAndThisOneOnce) {
    PaperDef work = Saved(1, "Mine", 513);
    work.nPaperSize = 515;
    PaperEditorModel m(work, EditorSetup(0), strings);
    m.TextEdited(pc::kName, "Fresh", {5, 5});
    const SaveOutcome out = Add(m);
    EXPECT_EQ(out.result, 1);
    EXPECT_FALSE(out.message);
    EXPECT_EQ(publisher.calls, 1);
    EXPECT_EQ(publisher.variant, PublishVariant::Add);
    EXPECT_EQ(publisher.destination, "/drivers/3");
    ASSERT_EQ(publisher.writtenCount, 4);
    EXPECT_EQ(publisher.written[1], stored->slots[1]);
    EXPECT_EQ(publisher.written[3], work);
    EXPECT_EQ(NameToUtf8(work.szPaperName_mm), "Fresh");
    EXPECT_EQ(work.nPaperSize, 515) << "New keeps the id the main dialog chose";
    EXPECT_EQ(stored->count, 3) << "the stored list is the main dialog's to change";
}

TEST_F(PaperEditorModelTest, AddAsNewFromEditTakesTheFirstFreeIdAndRestoresItOnRefusal) {
    PaperDef work = stored->slots[1];
    work.wPafMediaID = "513";
    PaperEditorSetup setup = EditorSetup(1);
    setup.selectedIndex = 1;
    PaperEditorModel m(work, setup, strings);

    SaveOutcome out = Add(m);
    EXPECT_EQ(out.message.value_or(""), "S1106") << "the same name is a duplicate";
    EXPECT_EQ(work.nPaperSize, 513);
    EXPECT_EQ(work.wPafMediaID, "513");
    EXPECT_EQ(publisher.calls, 0);

    m.TextEdited(pc::kName, "Mine copy", {9, 9});
    out = Add(m);
    EXPECT_EQ(out.result, 1);
    EXPECT_EQ(work.nPaperSize, 515) << "513 and 514 are taken";
    EXPECT_EQ(work.wPafMediaID, "515");
    EXPECT_EQ(publisher.calls, 1);
}

TEST_F(PaperEditorModelTest, FailedCopyStaysOpenAndEveryAttemptPublishesOnce) {
    PaperDef work = stored->slots[1];
    PaperEditorSetup setup = EditorSetup(1);
    setup.selectedIndex = 1;
    PaperEditorModel m(work, setup, strings);
    m.TextEdited(pc::kName, "Mine copy", {9, 9});
    publisher.succeed = false;
    SaveOutcome out = Add(m);
    EXPECT_EQ(out.result, 0);
    EXPECT_EQ(out.message.value_or(""), "S1102");
    EXPECT_EQ(publisher.calls, 1);
    EXPECT_EQ(work.nPaperSize, 513) << "a failed copy leaves the edited paper's own id";

    // Overwrite after the failed add still finds the paper itself under its id.
    publisher.succeed = true;
    out = Overwrite(m);
    EXPECT_EQ(out.result, 10);
    EXPECT_EQ(publisher.calls, 2);
    EXPECT_EQ(publisher.variant, PublishVariant::Replace);
}

TEST_F(PaperEditorModelTest, OverwriteReplacesTheSelectedPaper) {
    PaperDef work = stored->slots[2];
    PaperEditorSetup setup = EditorSetup(1);
    setup.selectedIndex = 2;
    PaperEditorModel m(work, setup, strings);
    m.TextEdited(pc::kWidth, "40.0", {4, 4});
    const SaveOutcome out = Overwrite(m);
    EXPECT_EQ(out.result, 10) << out.message.value_or("");
    EXPECT_EQ(publisher.calls, 1);
    ASSERT_EQ(publisher.writtenCount, 3);
    EXPECT_EQ(publisher.written[2], work);
    EXPECT_EQ(publisher.written[2].nPaperWidth, 400);
    EXPECT_EQ(publisher.written[2].nType, 75);
    EXPECT_TRUE(m.bBlackMark());
    EXPECT_EQ(work.nPaperSize, 514);
    EXPECT_EQ(stored->slots[2].nPaperWidth, 500);
}

TEST_F(PaperEditorModelTest, OverwriteIsRefusedForANameOfAnotherPaper) {
    PaperDef work = stored->slots[2];
    PaperEditorSetup setup = EditorSetup(1);
    setup.selectedIndex = 2;
    PaperEditorModel m(work, setup, strings);
    m.TextEdited(pc::kName, "Preset 62", {9, 9});
    EXPECT_EQ(Overwrite(m).message.value_or(""), "S1106");
    EXPECT_EQ(publisher.calls, 0);
}

TEST_F(PaperEditorModelTest, OverwriteDoesNothingInNew) {
    PaperDef work = Saved(1, "Fresh", 515);
    PaperEditorModel m(work, EditorSetup(0), strings);
    EXPECT_EQ(Overwrite(m).result, 0);
    EXPECT_EQ(publisher.calls, 0);
}

TEST_F(PaperEditorModelTest, AdvancedSettingsSeeTheChosenKind) {
    PaperDef work = Saved(1, "Mine", 513);
    PaperEditorModel m(work, EditorSetup(1), strings);
    m.KindChanged(2);
    EXPECT_EQ(m.PrepareAdvanced().nType, 76);
    EXPECT_EQ(&m.PrepareAdvanced(), &work);
}

} // namespace
} // namespace qlx
