#include "editor/ValidatePaper.h"

#include "app/FormatMessage.h"
#include "app/Units.h"

#include <string_view>

namespace qlx {

namespace {

std::u16string_view NameView(const PaperName& name) {
    size_t n = 0;
    while (n < name.size() && name[n] != 0) {
        ++n;
    }
    return std::u16string_view(name.data(), n);
}

bool SameName(const PaperDef& a, const PaperDef& b) {
    const auto a1 = NameView(a.szPaperName_mm);
    const auto a2 = NameView(a.szPaperName_inch);
    const auto b1 = NameView(b.szPaperName_mm);
    const auto b2 = NameView(b.szPaperName_inch);
    return a1 == b1 || a1 == b2 || a2 == b1 || a2 == b2;
}

} // namespace

std::string FormatRangeText(int32_t minimum, int32_t maximum, bool inch, char decimalSeparator) {
    const int digits = inch ? 2 : 1;
    const char* unit = inch ? "\"" : "mm";
    const std::string text = "\n( " + FormatFixed(minimum / 1000.0, digits) + unit + " - " +
                             FormatFixed(maximum / 1000.0, digits) + unit + " )";
    return ToLocaleDecimal(text, decimalSeparator);
}

std::optional<std::string> ValidatePaper(const PaperTexts& texts, const PaperDef& paper,
                                         bool bBlackMark, const EditorSettings& settings,
                                         std::span<const PaperDef> storedPapers, bool editMode,
                                         const StringSource& strings) {
    const bool inch = settings.bInch;
    const char sep = settings.decimalSeparator;
    const ModelProfile& profile = settings.profile;
    auto label = [&strings](int id) { return strings.String(id); };
    auto rangeMessage = [&](const std::string& field, int32_t minimum, int32_t maximum) {
        return FormatMessage(strings.String(1108), {field}) +
               FormatRangeText(minimum, maximum, inch, sep);
    };

    const auto [w, l, gap, rt, lf, t, b, mw, mo] = ReadPaperValues(texts, sep);

    const bool dieCut = paper.nType == kTypeDieCut && !bBlackMark;
    const bool continuous = paper.nType == kTypeContinuous;

    // Limits in thousandths of the unit.
    const int32_t minWidth = inch ? 470 : 11900;
    const int32_t maxWidth = inch ? profile.nMaxWidthInch100 * 10 : profile.nMaxWidthMm100 * 10;
    const int32_t minLength = bBlackMark ? (inch ? 500 : 12700) : (inch ? 240 : 6000);
    const int32_t maxLength = inch ? 39370 : 1000000;
    const int32_t minGap = inch ? 80 : 2000;
    const int32_t minMarkWidth = inch ? 80 : 2000;
    const int32_t printWidth =
        inch ? profile.nPrintWidthInch100 * 10 : profile.nPrintWidthMm100 * 10;
    // The paper's edges beyond the printable width must lie inside the margins.
    const int32_t minH = w > printWidth ? (w - printWidth) / 2 : 0;
    const int32_t sideSpace = w - (inch ? 20 : 200);
    const int32_t minV = dieCut ? 0 : (inch ? 120 : 3000);
    const int32_t maxV = continuous ? (inch ? 5000 : 127000) : l - (inch ? 20 : 200);

    // 1: a name, not starting with a blank.
    const auto name = NameView(paper.szPaperName_mm);
    if (name.empty() || name.front() == u' ') {
        return FormatMessage(strings.String(1108), {label(1209)});
    }
    // 2: no other stored paper of the same name.
    for (const PaperDef& stored : storedPapers) {
        if (editMode && stored.nPaperSize == paper.nPaperSize) {
            continue;
        }
        if (SameName(paper, stored)) {
            return strings.String(1106);
        }
    }
    // 3: width.
    if (w < minWidth || w > maxWidth) {
        return rangeMessage(label(1201), minWidth, maxWidth);
    }
    // 4: length of labels.
    if (paper.nType == kTypeDieCut && (l < minLength || l > maxLength)) {
        return rangeMessage(label(1202), minLength, maxLength);
    }
    // 5: gap between die-cut labels.
    if (dieCut && (gap < minGap || gap > maxLength)) {
        return rangeMessage(label(1204), minGap, maxLength);
    }
    if (bBlackMark) {
        // 6, 7: the mark lies within one label.
        if (mw > l || mw < minMarkWidth) {
            return rangeMessage(label(1210), minMarkWidth, l);
        }
        if (mo > l || mo < -l) {
            return rangeMessage(label(1211), -l, l);
        }
    }
    // 8, 9: side margins.
    if (rt < minH || lf < minH) {
        return rangeMessage(FormatMessage("%s , %s", {label(1212), label(1213)}), minH,
                            sideSpace - minH);
    }
    if (static_cast<int64_t>(lf) + rt > sideSpace) {
        return rangeMessage(FormatMessage("%s + %s", {label(1212), label(1213)}), minH, sideSpace);
    }
    // 10, 11: top and bottom margins.
    if (t < minV || b < minV) {
        return rangeMessage(FormatMessage("%s / %s", {label(1214), label(1215)}), minV, maxV);
    }
    if (static_cast<int64_t>(t) + b > maxV) {
        return rangeMessage(FormatMessage("%s + %s", {label(1214), label(1215)}), minV, maxV);
    }
    return std::nullopt;
}

} // namespace qlx
