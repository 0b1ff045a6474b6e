#include "editor/ControlsToPaper.h"

#include "app/Units.h"
#include "editor/NameText.h"
#include "papers/ReservedNumbers.h"

#include <string>

namespace qlx {

namespace {

// Products and sums of the conversion are 32-bit, as the formulas are written. Inside the
// ranges that validation accepts none of them leaves 32 bits (the branches at 700000 exist
// for that). Texts outside those ranges (an attempt validation then refuses) can overflow a
// product: it is computed in 64 bits and wrapped to 32 bits as two's-complement hardware
// does, so the results are those of the 32-bit formulas everywhere and nothing is undefined.
int32_t Mul(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<int64_t>(a) * b);
}
int32_t Add(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<int64_t>(a) + b);
}
int32_t Sub(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<int64_t>(a) - b);
}
// Truncating division by a positive divisor.
int32_t Div(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<int64_t>(a) / b);
}

int32_t Resolution(const ModelProfile& profile) {
    return profile.nResolutionDpi > 0 ? profile.nResolutionDpi : 203;
}

// Dots of a large length given in thousandths of a millimetre: above 700000 the product with
// ten would leave 32 bits, so the division comes first and one digit less is rounded.
int32_t MmThousandthsToDotsTwoBranch(int32_t value, int32_t r, bool large) {
    if (large) {
        return RoundDivPow10(Div(Mul(value, r), 254), 2);
    }
    return RoundDivPow10(Div(Mul(Mul(value, r), 10), 254), 3);
}

void SetAsciiText(PaperSizeText& target, const std::string& text) {
    target.fill(0);
    for (size_t i = 0; i < text.size() && i + 1 < target.size(); ++i) {
        target[i] = static_cast<char16_t>(static_cast<unsigned char>(text[i]));
    }
}

std::string Decimal(int32_t value) {
    return std::to_string(value);
}

int32_t LowByte(int32_t v) {
    return static_cast<int32_t>(static_cast<uint32_t>(v) & 0xFFu);
}
int32_t HighByte(int32_t v) {
    return static_cast<int32_t>((static_cast<uint32_t>(v) >> 8) & 0xFFu);
}

} // namespace

int32_t ThousandthsToDots(int32_t thousandths, bool inch, int32_t resolutionDpi) {
    const int32_t r = resolutionDpi > 0 ? resolutionDpi : 203;
    if (inch) {
        return RoundDivPow10(Mul(thousandths, r), 3);
    }
    return RoundDivPow10(Div(Mul(Mul(thousandths, r), 10), 254), 3);
}

std::string Utf8Prefix(std::string_view text, size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return std::string(text);
    }
    size_t cut = maxBytes;
    // Step back over continuation bytes to the start of the character that would be cut.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return std::string(text.substr(0, cut));
}

bool ControlsToPaper(const PaperTexts& texts, const EditorSettings& settings, PaperDef& paper) {
    const bool inch = settings.bInch;
    const char sep = settings.decimalSeparator;
    const int32_t r = Resolution(settings.profile);
    const int32_t p = settings.profile.nHeadDots;
    auto dots = [inch, r](int32_t thousandths) { return ThousandthsToDots(thousandths, inch, r); };

    const auto [w, l, gapText, rt, lf, t, b, mw, mo] = ReadPaperValues(texts, sep);

    // Names: one text for both units. A name that cannot be converted leaves both empty,
    // which validation refuses.
    NameToUtf16(texts.name, paper.szPaperName_mm);
    paper.szPaperName_inch = paper.szPaperName_mm;

    // Width and length as inch texts.
    std::string widthInch;
    std::string lengthInch;
    if (inch) {
        widthInch = FormatFixed(w / 1000.0, 2);
        lengthInch = FormatFixed(l / 1000.0, 2);
    } else {
        widthInch = MmTextToInchText(FormatFixed(w / 1000.0, 1), 2);
        lengthInch = MmTextToInchText(FormatFixed(l / 1000.0, 1), 2);
    }
    widthInch.push_back('"');
    lengthInch.push_back('"');
    SetAsciiText(paper.szPaperWidthString_inch, widthInch);
    SetAsciiText(paper.szPaperLengthString_inch, lengthInch);

    const int16_t kind = KindFromSelection(texts.kindSelection);
    paper.nType = kind;
    paper.wPafMediaID = Decimal(paper.nPaperSize);

    if (kind == kTypeContinuous) {
        paper.nMaxFeed = 1500;
        paper.nMaxLength = 10000;
        paper.nMinLength = 60;
    } else {
        paper.nMaxFeed = 0;
        paper.nMaxLength = 0;
        paper.nMinLength = 0;
    }

    // Width.
    int32_t leftDots = 0;
    int32_t rightDots = 0;
    if (inch) {
        paper.nPaperWidth = static_cast<int16_t>(RoundDivPow10(Mul(w, 254), 3));
        paper.nPaperWidthRes = static_cast<int16_t>(RoundDivPow10(Mul(w, r), 3));
    } else {
        paper.nPaperWidth = static_cast<int16_t>(RoundDivPow10(w, 2));
        paper.nPaperWidthRes =
            static_cast<int16_t>(RoundDivPow10(Div(Mul(Mul(paper.nPaperWidth, r), 10), 254), 1));
    }
    leftDots = dots(lf);
    rightDots = dots(rt);
    paper.nImageAreaWidthRes =
        static_cast<int16_t>(Sub(Sub(paper.nPaperWidthRes, leftDots), rightDots));
    paper.nImageAreaWidth = static_cast<int16_t>(Div(Mul(paper.nImageAreaWidthRes, 254), r));

    // Length: only labels have one.
    if (kind == kTypeDieCut || kind == kTypeBlackMark) {
        const int32_t printable = Sub(Sub(l, b), t);
        if (inch) {
            paper.nPaperLength = static_cast<int16_t>(RoundDivPow10(Mul(l, 254), 3));
            paper.nImageAreaLength = static_cast<int16_t>(RoundDivPow10(Mul(printable, 254), 3));
            paper.nPaperLengthRes = static_cast<int16_t>(RoundDivPow10(Mul(l, r), 3));
            paper.nImageAreaLengthRes = static_cast<int16_t>(RoundDivPow10(Mul(printable, r), 3));
        } else {
            paper.nPaperLength = static_cast<int16_t>(RoundDivPow10(l, 2));
            paper.nImageAreaLength = static_cast<int16_t>(RoundDivPow10(printable, 2));
            paper.nPaperLengthRes = static_cast<int16_t>(
                RoundDivPow10(Div(Mul(Mul(paper.nPaperLength, r), 10), 254), 1));
            paper.nImageAreaLengthRes = static_cast<int16_t>(
                RoundDivPow10(Div(Mul(Mul(paper.nImageAreaLength, r), 10), 254), 1));
        }
    } else {
        paper.nPaperLength = 0;
        paper.nImageAreaLength = 0;
        paper.nPaperLengthRes = 0;
        paper.nImageAreaLengthRes = 0;
    }

    paper.nPhysicalOffsetX = static_cast<int16_t>(leftDots);
    paper.nPhysicalOffsetY = static_cast<int16_t>(dots(t));

    // Print-head offsets: the paper centred on the head.
    const int32_t n = dots(Sub(w, Mul(2, lf)));
    paper.wPinOffsetLeft = static_cast<uint16_t>(Div(Sub(p, n), 2));
    paper.wPinOffsetRight =
        static_cast<uint16_t>(Sub(Sub(p, paper.wPinOffsetLeft), paper.nImageAreaWidthRes));

    if (kind == kTypeContinuous) {
        paper.dwPaperAbility01 |= 0x1u;
    } else {
        paper.dwPaperAbility01 &= ~0xFu;
    }

    // Roll width in whole millimetres, rounded half up.
    paper.byRollWidMm = Decimal(inch ? Div(Add(Mul(w, 254), 5000), 10000) : Div(Add(w, 500), 1000));

    // Label pitch.
    if (kind == kTypeDieCut) {
        const int32_t g = inch ? Div(Mul(gapText, 254), 10) : gapText;
        const int32_t gapDots = MmThousandthsToDotsTwoBranch(g, r, g > 700000);
        paper.lblPitchDot = static_cast<uint16_t>(Add(gapDots, paper.nPaperLengthRes));
    } else if (kind == kTypeBlackMark) {
        paper.lblPitchDot = static_cast<uint16_t>(paper.nPaperLengthRes);
    } else {
        paper.lblPitchDot = 0;
    }

    paper.markNoChkValu = 0;
    // assign(count, char): GCC 12 mistakes a literal assignment here for an overlapping copy.
    paper.byHeadDivide.assign(1, '0');
    paper.szSizeMM = Utf8Prefix(texts.name, 15);
    paper.szSizeIN.assign(1, ' ');

    // Black mark.
    paper.nMarkWidth = static_cast<int16_t>(dots(mw));
    if (inch) {
        paper.nMarkOffset = static_cast<int16_t>(RoundDivPow10(Mul(mo, r), 3));
    } else {
        paper.nMarkOffset =
            static_cast<int16_t>(MmThousandthsToDotsTwoBranch(mo, r, mo < -700000 || mo > 700000));
    }
    const int32_t bottomDots = dots(b);

    const ReservedNumbers previous = ParseReservedNumbers(paper.reserved_12_);
    const bool blackMark = kind == kTypeBlackMark;
    ReservedNumbers numbers{};
    numbers[0] = LowByte(paper.nPhysicalOffsetY);
    numbers[1] = HighByte(paper.nPhysicalOffsetY);
    numbers[2] = blackMark ? LowByte(paper.nMarkOffset) : 0;
    numbers[3] = blackMark ? HighByte(paper.nMarkOffset) : 0;
    numbers[4] = blackMark ? LowByte(paper.nMarkWidth) : 0;
    numbers[5] = blackMark ? HighByte(paper.nMarkWidth) : 0;
    numbers[6] = kind == kTypeDieCut ? 1 : blackMark ? 2 : 0;
    numbers[7] = LowByte(bottomDots);
    numbers[8] = HighByte(bottomDots);
    numbers[9] = previous[9];
    numbers[10] = previous[10];
    numbers[11] = previous[11];
    paper.reserved_12_ = FormatReservedNumbers(numbers);

    if (blackMark) {
        paper.nType = kTypeDieCut;
    }
    return blackMark;
}

} // namespace qlx
