#pragma once

#include "editor/ControlState.h"

#include <string>
#include <string_view>

namespace qlx {

// The rules one numeric edit box applies to every change the user makes.
struct DecimalInputRules {
    int maxLength = 6;              // a longer text is refused
    int maxDecimals = 1;            // digits after the separator: 1 in mm, 2 in inches
    bool allowLeadingMinus = false; // '-' as the first character (signed values only)
    double maxMagnitude = 9999.9;   // a value beyond +/- this is refused
    // The paper editor puts the caret back where it was when only the value is too large;
    // the advanced dialog moves it one place left as for every other refusal.
    bool moveCaretOnRangeRefusal = false;
};

// The text and caret to show after a change: the new text when accepted, otherwise the text
// before the change with the caret moved one character left (never before the start).
struct FilterOutcome {
    bool accepted = false;
    std::string text;
    TextSelection selection;
};

// Filters the change of a numeric edit box from `oldText` to `newText`; `selection` is the
// caret after the change. Characters are counted as code points.
FilterOutcome FilterDecimalInput(std::string_view oldText, std::string_view newText,
                                 TextSelection selection, char decimalSeparator,
                                 const DecimalInputRules& rules);

// The paper name accepts any character; only its length is limited, to 31 UTF-16 units, the
// capacity of the record's name arrays (see NameUnits).
FilterOutcome FilterNameInput(std::string_view oldText, std::string_view newText,
                              TextSelection selection);

// The rules of the paper editor's value boxes in the given unit; `signedValue` for the mark
// offset.
DecimalInputRules PaperValueRules(bool inch, bool signedValue);
// The rules of the advanced dialog's offset and feed boxes in the given unit.
DecimalInputRules AdvanceValueRules(bool inch);

} // namespace qlx
