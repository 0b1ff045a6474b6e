#include "editor/AdvanceModel.h"
#include "FakeStrings.h"
#include "editor/EditorControls.h"

#include <gtest/gtest.h>

namespace qlx {
namespace {

namespace ac = advance_controls;

PaperDef Paper(int16_t type, const char* reserved) {
    PaperDef p;
    p.nType = type;
    p.reserved_12_ = reserved;
    p.nVirtualOffsetX = 1772;
    p.nVirtualOffsetY = -59;
    p.nAfterFeedPlus = "-24";
    p.byEnergyRank = 3;
    return p;
}

class AdvanceModelTest : public ::testing::Test {
protected:
    test::FakeStrings strings;
};

TEST_F(AdvanceModelTest, OpensWithTheRecordInMillimetres) {
    PaperDef p = Paper(75, "1,2,3,4,5,6,1,8,9,-1,2,12");
    const AdvanceModel m(p, false, '.', 300, strings);
    EXPECT_EQ(m.Control(ac::kOffsetXUnit).text, "mm");
    EXPECT_EQ(m.Control(ac::kAfterFeedUnit).text, "mm");
    EXPECT_EQ(m.Control(ac::kOffsetXRange).text, "[ -150.0 - 150.0 ]");
    EXPECT_EQ(m.Control(ac::kOffsetYRange).text, "[ -150.0 - 150.0 ]");
    EXPECT_EQ(m.Control(ac::kOffsetX).text, "150.0") << "1772 dots at 300 dpi";
    EXPECT_EQ(m.Control(ac::kOffsetXEcho).text, "150.0 mm");
    EXPECT_EQ(m.Control(ac::kOffsetY).text, "-5.0");
    EXPECT_EQ(m.Control(ac::kOffsetYEcho).text, "-5.0 mm");
    EXPECT_EQ(m.Control(ac::kAfterFeed).text, "-2.0");
    EXPECT_EQ(m.ListItems(ac::kEnergyRank).size(), 11u);
    EXPECT_EQ(m.ListItems(ac::kEnergyRank).back(), "10");
    EXPECT_EQ(m.Selection(ac::kEnergyRank), 3);
    EXPECT_EQ(m.ListItems(ac::kBlackMarkValue10),
              (std::vector<std::string>{"S1250", "S1251", "S1252", "S1253", "S1254"}));
    // Die-cut: its two lists show values 9 and 10, the black-mark lists are off at item 2.
    EXPECT_TRUE(m.Control(ac::kDieCutValue9).enabled);
    EXPECT_EQ(m.Selection(ac::kDieCutValue9), 1);
    EXPECT_EQ(m.Selection(ac::kDieCutValue10), 4);
    EXPECT_FALSE(m.Control(ac::kBlackMarkValue9).enabled);
    EXPECT_EQ(m.Selection(ac::kBlackMarkValue9), 2);
    EXPECT_EQ(m.Selection(ac::kBlackMarkValue10), 2);
}

TEST_F(AdvanceModelTest, OpensInInchesWithTheUsersSeparator) {
    PaperDef p = Paper(74, "");
    const AdvanceModel m(p, true, ',', 300, strings);
    EXPECT_EQ(m.Control(ac::kOffsetYUnit).text, "\"");
    EXPECT_EQ(m.Control(ac::kOffsetXRange).text, "[ -5,91 - 5,91 ]");
    EXPECT_EQ(m.Control(ac::kOffsetX).text, "5,91");
    EXPECT_EQ(m.Control(ac::kOffsetXEcho).text, "5,91 \"");
    EXPECT_EQ(m.Control(ac::kOffsetY).text, "-0,20");
}

TEST_F(AdvanceModelTest, OkStoresDotsAndTheTexts) {
    PaperDef p = Paper(74, "");
    p.nVirtualOffsetX = 0;
    AdvanceModel m(p, false, '.', 300, strings);
    m.TextEdited(ac::kOffsetX, "150.0", {5, 5});
    m.TextEdited(ac::kOffsetY, "-12.5", {5, 5});
    m.TextEdited(ac::kAfterFeed, "2.5", {3, 3});
    ASSERT_FALSE(m.Accept());
    EXPECT_EQ(p.nVirtualOffsetX, 1772) << "150000 x 300 x 10 / 254 = 1771653";
    EXPECT_EQ(p.nDieStartRevPlus, "1772");
    EXPECT_EQ(p.nVirtualOffsetY, -148);
    EXPECT_EQ(p.wDieStartFwdPlus, "-148");
    EXPECT_EQ(p.nAfterFeedPlus, "30");
    EXPECT_EQ(p.byEnergyRank, 3);

    // Reopened, the stored dots show the typed value again.
    const AdvanceModel again(p, false, '.', 300, strings);
    EXPECT_EQ(again.Control(ac::kOffsetX).text, "150.0");
}

TEST_F(AdvanceModelTest, InchValuesBecomeDots) {
    PaperDef p = Paper(74, "");
    AdvanceModel m(p, true, '.', 203, strings);
    m.TextEdited(ac::kOffsetX, "5.91", {4, 4});
    m.TextEdited(ac::kOffsetY, "-0.5", {4, 4});
    m.TextEdited(ac::kAfterFeed, "0.39", {4, 4});
    ASSERT_FALSE(m.Accept());
    EXPECT_EQ(p.nVirtualOffsetX, 1200);
    EXPECT_EQ(p.nVirtualOffsetY, -102); // -101.5 rounded away from zero
    EXPECT_EQ(p.nAfterFeedPlus, "79");
}

TEST_F(AdvanceModelTest, EnergyRankAboveTenShowsAndStoresTen) {
    PaperDef p = Paper(74, "");
    p.byEnergyRank = 12;
    AdvanceModel m(p, false, '.', 300, strings);
    EXPECT_EQ(m.Selection(ac::kEnergyRank), 10);
    ASSERT_FALSE(m.Accept());
    EXPECT_EQ(p.byEnergyRank, 10);
    m.Select(ac::kEnergyRank, 7);
    m.Select(ac::kEnergyRank, 11); // no such item
    ASSERT_FALSE(m.Accept());
    EXPECT_EQ(p.byEnergyRank, 7);
}

TEST_F(AdvanceModelTest, ReservedValuesAreWrittenBackAsTwelve) {
    PaperDef p = Paper(74, "5,6,7");
    AdvanceModel m(p, false, '.', 300, strings);
    for (int list :
         {ac::kDieCutValue9, ac::kDieCutValue10, ac::kBlackMarkValue9, ac::kBlackMarkValue10}) {
        EXPECT_FALSE(m.Control(list).enabled);
        EXPECT_EQ(m.Selection(list), 2);
    }
    ASSERT_FALSE(m.Accept());
    EXPECT_EQ(p.reserved_12_, "5,6,7,0,0,0,0,0,0,0,0,0");

    PaperDef continuous = Paper(74, "0,0,0,0,0,0,0,0,0,-2,1,9");
    AdvanceModel kept(continuous, false, '.', 300, strings);
    ASSERT_FALSE(kept.Accept());
    EXPECT_EQ(continuous.reserved_12_, "0,0,0,0,0,0,0,0,0,-2,1,9");
}

TEST_F(AdvanceModelTest, EachKindReadsItsOwnLists) {
    PaperDef dieCut = Paper(75, "0,0,0,0,0,0,1,0,0,0,0,0");
    AdvanceModel d(dieCut, false, '.', 300, strings);
    d.Select(ac::kDieCutValue9, 0);
    d.Select(ac::kDieCutValue10, 4);
    d.Select(ac::kBlackMarkValue9, 3); // not read for die-cut
    ASSERT_FALSE(d.Accept());
    EXPECT_EQ(dieCut.reserved_12_, "0,0,0,0,0,0,1,0,0,-2,2,0");

    PaperDef marked = Paper(76, "0,0,0,0,0,0,2,0,0,1,1,0");
    AdvanceModel b(marked, false, '.', 300, strings);
    EXPECT_FALSE(b.Control(ac::kDieCutValue9).enabled);
    EXPECT_EQ(b.Selection(ac::kBlackMarkValue9), 3);
    b.Select(ac::kBlackMarkValue10, 1);
    ASSERT_FALSE(b.Accept());
    EXPECT_EQ(marked.reserved_12_, "0,0,0,0,0,0,2,0,0,1,-1,0");
}

TEST_F(AdvanceModelTest, AValueWithoutAListItemIsKept) {
    PaperDef p = Paper(75, "0,0,0,0,0,0,1,0,0,7,-3,0");
    AdvanceModel m(p, false, '.', 300, strings);
    EXPECT_EQ(m.Selection(ac::kDieCutValue9), -1);
    ASSERT_FALSE(m.Accept());
    EXPECT_EQ(p.reserved_12_, "0,0,0,0,0,0,1,0,0,7,-3,0");
}

TEST_F(AdvanceModelTest, OutOfRangeValuesAreRefusedInOrderAndNothingIsWritten) {
    struct Case {
        bool inch;
        int control;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {false, ac::kOffsetX, "150.1", "S1108:S1207\n( -150.0mm - 150.0mm )"},
        {false, ac::kOffsetY, "-150.1", "S1108:S1208\n( -150.0mm - 150.0mm )"},
        {false, ac::kAfterFeed, "10.1", "S1108:S1216\n( -10.0mm - 10.0mm )"},
        {true, ac::kOffsetX, "5.92", "S1108:S1207\n( -5.91\" - 5.91\" )"},
        {true, ac::kAfterFeed, "-0.40", "S1108:S1216\n( -0.39\" - 0.39\" )"},
    };
    for (const Case& c : cases) {
        PaperDef p = Paper(74, "");
        p.nVirtualOffsetX = 0;
        p.nVirtualOffsetY = 0;
        p.nAfterFeedPlus.assign(1, '0'); // GCC 12 warns wrongly on a literal here
        const PaperDef before = p;
        AdvanceModel m(p, c.inch, '.', 300, strings);
        m.TextEdited(c.control, c.text, {0, 0});
        ASSERT_EQ(m.Control(c.control).text, c.text);
        EXPECT_EQ(m.Accept().value_or(""), c.message) << c.text;
        EXPECT_EQ(p, before) << c.text;
    }
    // X is looked at before the feed.
    PaperDef p = Paper(74, "");
    AdvanceModel m(p, false, '.', 300, strings);
    m.TextEdited(ac::kAfterFeed, "-99.0", {5, 5});
    m.TextEdited(ac::kOffsetX, "-200.0", {6, 6});
    EXPECT_EQ(m.Validate().value_or(""), "S1108:S1207\n( -150.0mm - 150.0mm )");
}

TEST_F(AdvanceModelTest, SpinsStopAtTheirBounds) {
    PaperDef p = Paper(74, "");
    p.nVirtualOffsetX = 0;
    AdvanceModel m(p, false, '.', 300, strings);
    m.TextEdited(ac::kOffsetX, "149.9", {5, 5});
    m.StepUp(ac::kOffsetXSpin);
    EXPECT_EQ(m.Control(ac::kOffsetX).text, "150.0");
    m.StepUp(ac::kOffsetXSpin);
    EXPECT_EQ(m.Control(ac::kOffsetX).text, "150.0");
    EXPECT_EQ(m.Control(ac::kOffsetXEcho).text, "150.0 mm");
    m.TextEdited(ac::kAfterFeed, "-9.9", {4, 4});
    m.StepDown(ac::kAfterFeedSpin);
    m.StepDown(ac::kAfterFeedSpin);
    EXPECT_EQ(m.Control(ac::kAfterFeed).text, "-10.0");
    ASSERT_FALSE(m.Accept()) << "a value the arrows reach is accepted";
}

TEST_F(AdvanceModelTest, TypingFollowsTheFilter) {
    PaperDef p = Paper(74, "");
    AdvanceModel m(p, false, '.', 300, strings);
    m.TextEdited(ac::kOffsetY, "-1", {2, 2});
    const FilterOutcome refused = m.TextEdited(ac::kOffsetY, "-1-", {3, 3});
    EXPECT_FALSE(refused.accepted);
    EXPECT_EQ(m.Control(ac::kOffsetY).text, "-1");
    EXPECT_EQ(m.Control(ac::kOffsetYEcho).text, "-1 mm");
}

} // namespace
} // namespace qlx
