#include "editor/FilterDecimalInput.h"

#include "app/Units.h"
#include "editor/NameText.h"

#include <cmath>

namespace qlx {

namespace {

constexpr int kMaxNameUnits = 31;

int CodePoints(std::string_view text) {
    int n = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++n;
        }
    }
    return n;
}

FilterOutcome Refuse(std::string_view oldText, TextSelection selection, bool moveCaret) {
    FilterOutcome out;
    out.accepted = false;
    out.text = std::string(oldText);
    out.selection = selection;
    if (moveCaret) {
        out.selection.start = std::max(0, selection.start - 1);
        out.selection.end = std::max(0, selection.end - 1);
    }
    return out;
}

} // namespace

FilterOutcome FilterDecimalInput(std::string_view oldText, std::string_view newText,
                                 TextSelection selection, char decimalSeparator,
                                 const DecimalInputRules& rules) {
    if (CodePoints(newText) > rules.maxLength) {
        return Refuse(oldText, selection, true);
    }
    bool separatorSeen = false;
    int decimals = 0;
    for (size_t i = 0; i < newText.size(); ++i) {
        const char c = newText[i];
        if (c >= '0' && c <= '9') {
            if (separatorSeen && ++decimals > rules.maxDecimals) {
                return Refuse(oldText, selection, true);
            }
        } else if (c == decimalSeparator && !separatorSeen) {
            separatorSeen = true;
        } else if (c == '-' && i == 0 && rules.allowLeadingMinus) {
            // the sign of a signed value
        } else {
            return Refuse(oldText, selection, true);
        }
    }
    const double value = ParseDotDouble(ToDotDecimal(newText, decimalSeparator));
    if (std::fabs(value) > rules.maxMagnitude) {
        return Refuse(oldText, selection, rules.moveCaretOnRangeRefusal);
    }
    return FilterOutcome{true, std::string(newText), selection};
}

FilterOutcome FilterNameInput(std::string_view oldText, std::string_view newText,
                              TextSelection selection) {
    if (NameUnits(newText) > kMaxNameUnits) {
        return Refuse(oldText, selection, true);
    }
    return FilterOutcome{true, std::string(newText), selection};
}

DecimalInputRules PaperValueRules(bool inch, bool signedValue) {
    DecimalInputRules rules;
    rules.maxLength = 6;
    rules.maxDecimals = inch ? 2 : 1;
    rules.allowLeadingMinus = signedValue;
    rules.maxMagnitude = 9999.9;
    rules.moveCaretOnRangeRefusal = false;
    return rules;
}

DecimalInputRules AdvanceValueRules(bool inch) {
    DecimalInputRules rules;
    rules.maxLength = 6;
    rules.maxDecimals = inch ? 2 : 1;
    rules.allowLeadingMinus = true;
    rules.maxMagnitude = 999.9;
    rules.moveCaretOnRangeRefusal = true;
    return rules;
}

} // namespace qlx
