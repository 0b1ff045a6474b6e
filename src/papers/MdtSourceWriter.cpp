#include "papers/MdtSource.h"

#include "papers/SourceKeys.h"
#include "papers/TextCodec.h"
#include "platform/Files.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <iterator>

namespace qlx {

using namespace sourcekeys;

const char* const kSourceNotice = "Label media definitions. Keep a copy before editing by hand.";

namespace {

constexpr std::size_t kCommentLineBytes = 260;

bool IsWritableText(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

void AppendLine(std::string& text, std::string_view line) {
    text.append(line);
    text.append("\r\n");
}

void AppendKey(std::string& text, std::string_view key, std::string_view value) {
    text.append(key);
    text.push_back('=');
    text.append(value);
    text.append("\r\n");
}

void AppendNumber(std::string& text, std::string_view key, const char* format, long long value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, value);
    AppendKey(text, key, buffer);
}

void AppendHex(std::string& text, std::string_view key, const char* format, unsigned value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, value);
    AppendKey(text, key, buffer);
}

// The header key checks: a key or value the reader would read differently is refused.
bool IsWritableModelKey(std::string_view key) {
    if (key.empty() || !IsWritableText(key) || key.find('=') != std::string_view::npos) {
        return false;
    }
    const std::size_t first = key.find_first_not_of(" \t");
    return first != std::string_view::npos && key[first] != '[' && key[first] != ';';
}

bool AppendHeader(const MdtHeader& header, std::string& text) {
    for (const auto* value :
         {&header.FormatVersion, &header.ModelVersion, &header.OutputFileName}) {
        if (!IsWritableText(*value)) {
            return false;
        }
    }
    for (const ModelMember& member : kModelMembers) {
        if (!IsWritableText(header.*member.member)) {
            return false;
        }
    }
    for (const auto& [key, value] : header.modelSection) {
        if (!IsWritableModelKey(key) || !IsWritableText(value)) {
            return false;
        }
    }

    const std::string stars = ";" + std::string(54, '*');
    AppendLine(text, stars);
    AppendLine(text, ";");
    // The device-name line is formatted into a 260-byte buffer: a longer name is cut there,
    // at a character boundary.
    constexpr std::string_view prefix = ";\t";
    constexpr std::string_view suffix = " MDT Source File";
    const std::size_t room = kCommentLineBytes - 1 - prefix.size() - suffix.size() - 3;
    std::size_t cut = std::min(room, header.dmDeviceName.size());
    if (cut < header.dmDeviceName.size()) {
        while (cut > 0 && (static_cast<unsigned char>(header.dmDeviceName[cut]) & 0xC0u) == 0x80u) {
            --cut;
        }
    }
    text.append(prefix);
    text.append(header.dmDeviceName, 0, cut);
    text.append(suffix);
    text.append("\r\n");
    AppendLine(text, ";");
    text.append(";\t");
    AppendLine(text, kSourceNotice);
    AppendLine(text, ";");
    AppendLine(text, stars);
    AppendLine(text, "");

    AppendLine(text, "[Version]");
    AppendKey(text, kVersionKeys[0], header.FormatVersion);
    AppendKey(text, kVersionKeys[1], header.ModelVersion);
    AppendKey(text, kVersionKeys[2], header.OutputFileName);
    AppendLine(text, "0");
    AppendLine(text, "");

    // The stored section in its order, the members replacing their keys in place.
    std::vector<std::pair<std::string, std::string>> model = header.modelSection;
    for (const ModelMember& member : kModelMembers) {
        bool replaced = false;
        for (auto& [key, value] : model) {
            std::string_view trimmed = key;
            while (!trimmed.empty() && (trimmed.front() == ' ' || trimmed.front() == '\t')) {
                trimmed.remove_prefix(1);
            }
            while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '\t')) {
                trimmed.remove_suffix(1);
            }
            if (IniDocument::EqualIgnoringCase(trimmed, member.key)) {
                value = header.*member.member;
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            model.emplace_back(std::string(member.key), header.*member.member);
        }
    }
    AppendLine(text, "[Model]");
    for (const auto& [key, value] : model) {
        AppendKey(text, key, value);
    }
    AppendLine(text, "");
    return true;
}

} // namespace

bool WritePaperSection(const PaperDef& paper, int sectionNumber, std::string& text) {
    const auto mm = TextCodec::ToUtf8(paper.szPaperName_mm);
    const auto inch = TextCodec::ToUtf8(paper.szPaperName_inch);
    const auto width = TextCodec::ToUtf8(paper.szPaperWidthString_inch);
    const auto length = TextCodec::ToUtf8(paper.szPaperLengthString_inch);
    if (!mm || !inch || !width || !length) {
        return false;
    }
    std::size_t sizesLength = 0;
    while (sizesLength < paper.nCompatiblePaperSizes.size() &&
           paper.nCompatiblePaperSizes[sizesLength] != 0) {
        ++sizesLength;
    }
    const std::string_view sizes(paper.nCompatiblePaperSizes.data(), sizesLength);
    const std::string* const texts[] = {
        &paper.byReserved001,    &paper.nSensorID,       &paper.byRollWidMm,
        &paper.byHeadDivide,     &paper.nDieStartPlus,   &paper.nDieStartRevPlus,
        &paper.wDieStartFwdPlus, &paper.nAfterFeedPlus,  &paper.wPafMediaID,
        &paper.PresetBlkPos1_1,  &paper.PresetBlkPos2_1, &paper.PresetBlkPos2_2,
        &paper.PresetBlkPos3_1,  &paper.PresetBlkPos3_2, &paper.PresetBlkPos3_3,
        &paper.szSizeMM,         &paper.szSizeIN,        &paper.MediaAtrInfo,
        &paper.reserved_12_,
    };
    if (!IsWritableText(*mm) || !IsWritableText(*inch) || !IsWritableText(*width) ||
        !IsWritableText(*length) || !IsWritableText(sizes)) {
        return false;
    }
    for (const std::string* value : texts) {
        if (!IsWritableText(*value)) {
            return false;
        }
    }

    text.reserve(text.size() + 1600);
    text.push_back('[');
    text.append(SectionName(sectionNumber));
    text.append("]\r\n");
    AppendKey(text, kPaperKeys[kSzPaperNameMm], *mm);
    AppendKey(text, kPaperKeys[kSzPaperNameInch], *inch);
    AppendKey(text, kPaperKeys[kSzPaperWidthStringInch], *width);
    AppendKey(text, kPaperKeys[kSzPaperLengthStringInch], *length);
    // Black-mark tape is stored as die-cut tape; reserved_12_ carries the difference.
    const int type = paper.nType == kTypeBlackMark ? kTypeDieCut : paper.nType;
    AppendHex(text, kPaperKeys[kNType], "0x%x", static_cast<unsigned>(type));
    const int16_t signedValues[] = {
        paper.nPaperSize,       paper.nPaperWidth,        paper.nImageAreaWidth,
        paper.nPaperWidthRes,   paper.nImageAreaWidthRes, paper.nPaperLength,
        paper.nImageAreaLength, paper.nPaperLengthRes,    paper.nImageAreaLengthRes,
        paper.nPhysicalOffsetX, paper.nPhysicalOffsetY,
    };
    for (int i = 0; i < 11; ++i) {
        AppendNumber(text, kPaperKeys[kNPaperSize + i], "%lld", signedValues[i]);
    }
    AppendNumber(text, kPaperKeys[kWPinOffsetLeft], "%lld", paper.wPinOffsetLeft);
    AppendNumber(text, kPaperKeys[kWPinOffsetRight], "%lld", paper.wPinOffsetRight);
    AppendNumber(text, kPaperKeys[kNMaxFeed], "%lld", paper.nMaxFeed);
    AppendNumber(text, kPaperKeys[kNMaxLength], "%lld", paper.nMaxLength);
    AppendNumber(text, kPaperKeys[kNMinLength], "%lld", paper.nMinLength);
    AppendNumber(text, kPaperKeys[kWSplit], "%lld", paper.wSplit);
    AppendNumber(text, kPaperKeys[kNClipInfoLeft], "%lld", paper.nClipInfoLeft);
    AppendNumber(text, kPaperKeys[kNClipInfoRight], "%lld", paper.nClipInfoRight);
    AppendNumber(text, kPaperKeys[kNClipInfoTop], "%lld", paper.nClipInfoTop);
    AppendNumber(text, kPaperKeys[kNClipInfoBottom], "%lld", paper.nClipInfoBottom);
    AppendNumber(text, kPaperKeys[kNVirtualOffsetX], "%lld", paper.nVirtualOffsetX);
    AppendNumber(text, kPaperKeys[kNVirtualOffsetY], "%lld", paper.nVirtualOffsetY);
    AppendKey(text, kPaperKeys[kNCompatiblePaperSizes], sizes);
    uint32_t ability01 = paper.dwPaperAbility01 & ~kAbilityProtected;
    if (paper.bProtected != 0) {
        ability01 |= kAbilityProtected;
    }
    AppendHex(text, kPaperKeys[kDwPaperAbility01], "0x%08x", ability01);
    AppendHex(text, kPaperKeys[kDwPaperAbility02], "0x%08x", paper.dwPaperAbility02);
    AppendKey(text, kPaperKeys[kByReserved001], paper.byReserved001);
    AppendNumber(text, kPaperKeys[kByEnergyRank], "%lld", paper.byEnergyRank);
    AppendNumber(text, kPaperKeys[kLblPitchDot], "%lld", paper.lblPitchDot);
    AppendNumber(text, kPaperKeys[kMarkNoChkValu], "%lld", paper.markNoChkValu);
    for (int i = 1; i < static_cast<int>(std::size(texts)); ++i) {
        AppendKey(text, kPaperKeys[kNSensorID + i - 1], *texts[i]);
    }
    AppendLine(text, "0");
    AppendLine(text, "");
    return true;
}

std::optional<std::string> FormatSourceText(const MdtHeader& header,
                                            const std::vector<const PaperDef*>& papers) {
    std::string text;
    text.reserve(2048 + papers.size() * 1600);
    if (!AppendHeader(header, text)) {
        return std::nullopt;
    }
    int number = 0;
    for (const PaperDef* paper : papers) {
        if (paper == nullptr || !WritePaperSection(*paper, number++, text)) {
            return std::nullopt;
        }
    }
    return text;
}

bool WriteSourceFile(const std::string& path, const MdtHeader& header,
                     const std::vector<PaperDef>& papers) {
    std::vector<const PaperDef*> pointers;
    pointers.reserve(papers.size());
    for (const PaperDef& paper : papers) {
        pointers.push_back(&paper);
    }
    const auto text = FormatSourceText(header, pointers);
    return text && platform::WriteFileAtomic(path, *text);
}

} // namespace qlx
