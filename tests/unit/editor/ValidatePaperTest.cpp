#include "editor/ValidatePaper.h"
#include "FakeStrings.h"
#include "editor/ControlsToPaper.h"
#include "editor/NameText.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace qlx {
namespace {

// A valid die-cut label at 300 dpi (printable width 56.8 mm) in the given unit.
PaperTexts Valid(bool inch) {
    PaperTexts t;
    t.name = "Label";
    t.kindSelection = 1;
    if (inch) {
        t.width = "2.00";
        t.length = "1.20";
        t.gap = "0.12";
        t.rightMargin = t.leftMargin = t.topMargin = t.bottomMargin = "0.06";
        t.markWidth = t.markOffset = "0.00";
    } else {
        t.width = "50.0";
        t.length = "30.0";
        t.gap = "3.0";
        t.rightMargin = t.leftMargin = t.topMargin = t.bottomMargin = "1.5";
        t.markWidth = t.markOffset = "0.0";
    }
    return t;
}

std::optional<std::string> Check(const PaperTexts& t, bool inch, char separator = '.',
                                 const std::vector<PaperDef>& stored = {}, bool edit = false,
                                 int16_t paperSize = 513) {
    EditorSettings s;
    s.bInch = inch;
    s.decimalSeparator = separator;
    s.profile = ModelProfileFor("qlx530e");
    PaperDef p;
    p.nPaperSize = paperSize;
    const bool blackMark = ControlsToPaper(t, s, p);
    const test::FakeStrings strings;
    return ValidatePaper(t, p, blackMark, s, stored, edit, strings);
}

struct CheckCase {
    const char* what;
    bool inch;
    std::function<void(PaperTexts&)> change;
    const char* message; // nullptr: valid
};

class ValidatePaperChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ValidatePaperChecks, FirstFailingCheckGivesItsMessage) {
    const CheckCase& c = GetParam();
    PaperTexts t = Valid(c.inch);
    c.change(t);
    const auto message = Check(t, c.inch);
    if (c.message == nullptr) {
        EXPECT_FALSE(message.has_value()) << c.what << ": " << message.value_or("");
    } else {
        EXPECT_EQ(message.value_or("(valid)"), c.message) << c.what;
    }
}

void BlackMark(PaperTexts& t) {
    t.kindSelection = 2;
    t.markWidth = "5.0";
    t.markOffset = "0.0";
    t.topMargin = t.bottomMargin = "3.0";
}

void Continuous(PaperTexts& t) {
    t.kindSelection = 0;
    t.topMargin = t.bottomMargin = "3.0";
}

INSTANTIATE_TEST_SUITE_P(Cases, ValidatePaperChecks,
                         ::testing::
                             Values(
                                 CheckCase{"valid die-cut", false, [](PaperTexts&) {}, nullptr},
                                 CheckCase{"valid inch die-cut", true, [](PaperTexts&) {}, nullptr},
                                 CheckCase{"empty name, before the width", false,
                                           [](PaperTexts& t) {
                                               t.name = "";
                                               t.width = "5.0";
                                           },
                                           "S1108:S1209"},
                                 CheckCase{"name starting with a blank", false,
                                           [](PaperTexts& t) { t.name = " A"; }, "S1108:S1209"},
                                 CheckCase{"name that is not UTF-8", false,
                                           [](PaperTexts& t) { t.name = "\xC3"; }, "S1108:S1209"},
                                 CheckCase{"width below 11.9", false,
                                           [](PaperTexts& t) { t.width = "11.8"; },
                                           "S1108:S1201\n( 11.9mm - 63.0mm )"},
                                 CheckCase{"width above 63.0", false,
                                           [](PaperTexts& t) { t.width = "63.1"; },
                                           "S1108:S1201\n( 11.9mm - 63.0mm )"},
                                 CheckCase{"width 11.9 accepted", false,
                                           [](PaperTexts& t) {
                                               t.width = "11.9";
                                               t.rightMargin = t.leftMargin = "0.0";
                                           },
                                           nullptr},
                                 CheckCase{"die-cut 5.9 mm refused before its bad gap", false,
                                           [](PaperTexts& t) {
                                               t.length = "5.9";
                                               t.gap = "0.0";
                                               t.topMargin = t.bottomMargin = "0.0";
                                           },
                                           "S1108:S1202\n( 6.0mm - 1000.0mm )"},
                                 CheckCase{"black mark 6.0 mm refused with 12.7", false,
                                           [](PaperTexts& t) {
                                               BlackMark(t);
                                               t.length = "6.0";
                                           },
                                           "S1108:S1202\n( 12.7mm - 1000.0mm )"},
                                 CheckCase{"length above 1000", false,
                                           [](PaperTexts& t) { t.length = "1000.1"; },
                                           "S1108:S1202\n( 6.0mm - 1000.0mm )"},
                                 CheckCase{"continuous tape has no length", false,
                                           [](PaperTexts& t) {
                                               Continuous(t);
                                               t.length = "0.0";
                                           },
                                           nullptr},
                                 CheckCase{"gap below 2 mm", false,
                                           [](PaperTexts& t) { t.gap = "1.9"; },
                                           "S1108:S1204\n( 2.0mm - 1000.0mm )"},
                                 CheckCase{"black mark ignores the gap", false,
                                           [](PaperTexts& t) {
                                               BlackMark(t);
                                               t.gap = "0.0";
                                           },
                                           nullptr},
                                 CheckCase{"mark narrower than 2 mm", false,
                                           [](PaperTexts& t) {
                                               BlackMark(t);
                                               t.markWidth = "1.9";
                                           },
                                           "S1108:S1210\n( 2.0mm - 30.0mm )"},
                                 CheckCase{"mark wider than the label", false,
                                           [](PaperTexts& t) {
                                               BlackMark(t);
                                               t.markWidth = "30.1";
                                           },
                                           "S1108:S1210\n( 2.0mm - 30.0mm )"},
                                 CheckCase{"mark offset below -L", false,
                                           [](PaperTexts& t) {
                                               BlackMark(t);
                                               t.markOffset = "-30.1";
                                           },
                                           "S1108:S1211\n( -30.0mm - 30.0mm )"},
                                 CheckCase{"mark offset -L accepted", false,
                                           [](PaperTexts& t) {
                                               BlackMark(t);
                                               t.markOffset = "-30.0";
                                           },
                                           nullptr},
                                 CheckCase{"width beyond the printable width forces both margins",
                                           false, [](PaperTexts& t) { t.width = "60.0"; },
                                           "S1108:S1212 , S1213\n( 1.6mm - 58.2mm )"},
                                 CheckCase{"forced margins met", false,
                                           [](PaperTexts& t) {
                                               t.width = "60.0";
                                               t.rightMargin = t.leftMargin = "1.6";
                                           },
                                           nullptr},
                                 CheckCase{"one forced margin short", false,
                                           [](PaperTexts& t) {
                                               t.width = "60.0";
                                               t.rightMargin = "1.6";
                                               t.leftMargin = "1.5";
                                           },
                                           "S1108:S1212 , S1213\n( 1.6mm - 58.2mm )"},
                                 CheckCase{"side margins leave under 0.2 mm", false,
                                           [](PaperTexts& t) {
                                               t.leftMargin = "25.0";
                                               t.rightMargin = "24.9";
                                           },
                                           "S1108:S1212 + S1213\n( 0.0mm - 49.8mm )"},
                                 CheckCase{
                                     "die-cut top margin 0 accepted", false,
                                     [](PaperTexts& t) { t.topMargin = t.bottomMargin = "0.0"; },
                                     nullptr},
                                 CheckCase{"continuous top margin below 3 mm", false,
                                           [](PaperTexts& t) {
                                               Continuous(t);
                                               t.topMargin = "2.9";
                                           },
                                           "S1108:S1214 / S1215\n( 3.0mm - 127.0mm )"},
                                 CheckCase{"black mark bottom margin below 3 mm", false,
                                           [](PaperTexts& t) {
                                               BlackMark(t);
                                               t.bottomMargin = "2.9";
                                           },
                                           "S1108:S1214 / S1215\n( 3.0mm - 29.8mm )"},
                                 CheckCase{"continuous allows 127 mm whatever the length", false,
                                           [](PaperTexts& t) {
                                               Continuous(t);
                                               t.length = "10.0";
                                               t.topMargin = t.bottomMargin = "63.5";
                                           },
                                           nullptr},
                                 CheckCase{"continuous beyond 127 mm", false,
                                           [](PaperTexts& t) {
                                               Continuous(t);
                                               t.topMargin = "63.5";
                                               t.bottomMargin = "63.6";
                                           },
                                           "S1108:S1214 + S1215\n( 3.0mm - 127.0mm )"},
                                 CheckCase{"label margins leave under 0.2 mm", false,
                                           [](PaperTexts& t) {
                                               t.topMargin = "15.0";
                                               t.bottomMargin = "14.9";
                                           },
                                           "S1108:S1214 + S1215\n( 0.0mm - 29.8mm )"},
                                 CheckCase{"inch width below 0.47", true,
                                           [](PaperTexts& t) { t.width = "0.46"; },
                                           "S1108:S1201\n( 0.47\" - 2.48\" )"},
                                 CheckCase{"inch black mark length below 0.50", true,
                                           [](PaperTexts& t) {
                                               t.kindSelection = 2;
                                               t.length = "0.49";
                                               t.markWidth = "0.10";
                                               t.topMargin = t.bottomMargin = "0.12";
                                           },
                                           "S1108:S1202\n( 0.50\" - 39.37\" )"},
                                 CheckCase{"inch gap below 0.08", true,
                                           [](PaperTexts& t) { t.gap = "0.07"; },
                                           "S1108:S1204\n( 0.08\" - 39.37\" )"},
                                 CheckCase{"inch width beyond 2.20 forces margins", true,
                                           [](PaperTexts& t) { t.width = "2.40"; },
                                           "S1108:S1212 , S1213\n( 0.10\" - 2.28\" )"},
                                 CheckCase{"inch continuous up to 5 inches", true,
                                           [](PaperTexts& t) {
                                               t.kindSelection = 0;
                                               t.topMargin = "2.50";
                                               t.bottomMargin = "2.50";
                                           },
                                           nullptr},
                                 CheckCase{"inch continuous beyond 5 inches", true,
                                           [](PaperTexts& t) {
                                               t.kindSelection = 0;
                                               t.topMargin = "2.50";
                                               t.bottomMargin = "2.51";
                                           },
                                           "S1108:S1214 + S1215\n( 0.12\" - 5.00\" )"}));

TEST(ValidatePaper, RangeTextUsesTheUsersSeparator) {
    PaperTexts t = Valid(false);
    t.width = "70,0";
    t.length = "30,0";
    t.gap = "3,0";
    t.rightMargin = t.leftMargin = t.topMargin = t.bottomMargin = "1,5";
    EXPECT_EQ(Check(t, false, ',').value_or(""), "S1108:S1201\n( 11,9mm - 63,0mm )");
}

PaperDef Stored(const char* mm, const char* inch, int16_t size) {
    PaperDef p;
    NameToUtf16(mm, p.szPaperName_mm);
    NameToUtf16(inch, p.szPaperName_inch);
    p.nPaperSize = size;
    return p;
}

TEST(ValidatePaper, DuplicateNamesAgainstEitherNameOfEveryStoredPaper) {
    const std::vector<PaperDef> stored = {Stored("62 mm", "2.4 in", 1), Stored("Own", "Own", 514)};
    PaperTexts t = Valid(false);
    t.name = "62 mm";
    EXPECT_EQ(Check(t, false, '.', stored).value_or(""), "S1106") << "a preset's name";
    t.name = "2.4 in";
    EXPECT_EQ(Check(t, false, '.', stored).value_or(""), "S1106") << "the inch name";
    t.name = "own";
    EXPECT_FALSE(Check(t, false, '.', stored)) << "names differ by case";
    t.name = "Own";
    EXPECT_EQ(Check(t, false, '.', stored, false, 515).value_or(""), "S1106") << "New";
    EXPECT_FALSE(Check(t, false, '.', stored, true, 514)) << "Edit of the paper itself";
    EXPECT_EQ(Check(t, false, '.', stored, true, 515).value_or(""), "S1106")
        << "Edit under another id (add as new)";
}

} // namespace
} // namespace qlx
