#include "papers/MdtSource.h"

#include "papers/HexNumber.h"
#include "papers/ReservedNumbers.h"
#include "papers/SourceKeys.h"
#include "papers/TextCodec.h"
#include "platform/Files.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace qlx {

using namespace sourcekeys;

namespace {

constexpr std::size_t kTextBufferBytes = 260; // a text key holds at most 259 bytes
constexpr std::size_t kMaxCompatibleSizes = 254;
constexpr std::size_t kModelSectionBytes = 13000;

// A text key as the 260-byte profile buffer returns it.
std::string_view BufferedText(std::string_view value) {
    return value.substr(0, kTextBufferBytes - 1);
}

// Decimal with an optional '-', or hexadecimal after "0x"; stops at the first other
// character. Wraps modulo 2^32 like the 32-bit reader, so no input can overflow.
uint32_t ParseProfileInt(std::string_view text) {
    const char* digit = text.data();
    const char* const end = digit + text.size();
    while (digit != end && (*digit == ' ' || *digit == '\t')) {
        ++digit;
    }
    if (end - digit >= 2 && digit[0] == '0' && (digit[1] == 'x' || digit[1] == 'X')) {
        return ParseHexDigits(
            std::string_view(digit + 2, static_cast<std::size_t>(end - digit - 2)));
    }
    const bool negative = digit != end && *digit == '-';
    if (negative) {
        ++digit;
    }
    uint32_t value = 0;
    for (; digit != end && *digit >= '0' && *digit <= '9'; ++digit) {
        value = value * 10u + static_cast<uint32_t>(*digit - '0');
    }
    return negative ? 0u - value : value;
}

int16_t Low16Signed(uint32_t value) {
    return static_cast<int16_t>(static_cast<uint16_t>(value & 0xFFFFu));
}

// Numbers 2 to 6 of reserved_12_, read from its first 100 characters: mark offset, mark
// width and the black-mark flag.
void ApplyReserved12(PaperDef& paper) {
    const ReservedNumbers numbers =
        ParseReservedNumbers(std::string_view(paper.reserved_12_).substr(0, 100));
    const auto combine = [](int64_t low, int64_t high) {
        return static_cast<int16_t>(
            static_cast<uint16_t>(static_cast<uint64_t>(low + 256 * high) & 0xFFFFu));
    };
    paper.nMarkOffset = combine(numbers[2], numbers[3]);
    paper.nMarkWidth = combine(numbers[4], numbers[5]);
    // Only die-cut tape can be black-mark tape; any other kind keeps its number so that it
    // is written back as it was read.
    if (numbers[6] == 2 && paper.nType == kTypeDieCut) {
        paper.nType = kTypeBlackMark;
    }
}

// Joins message parts; plain appends keep the compiler's string checks quiet.
std::string Concat(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) {
        text.append(part);
    }
    return text;
}

std::string LineText(int line) {
    return Concat({"line ", std::to_string(line)});
}

} // namespace

bool ReadHeader(const IniDocument& document, MdtHeader& header, std::string* problem) {
    const auto fail = [problem](std::string text) {
        if (problem != nullptr) {
            *problem = std::move(text);
        }
        return false;
    };
    std::string* versionMembers[] = {&header.FormatVersion, &header.ModelVersion,
                                     &header.OutputFileName};
    const IniDocument::Section* version = document.FindSection("Version");
    for (std::size_t i = 0; i < kVersionKeys.size(); ++i) {
        const auto entry =
            version != nullptr ? IniDocument::FindEntry(*version, kVersionKeys[i]) : std::nullopt;
        if (!entry) {
            return fail(Concat({"[Version]: missing key ", kVersionKeys[i]}));
        }
        *versionMembers[i] = std::string(BufferedText(entry->value()));
    }

    const IniDocument::Section* model = document.FindSection("Model");
    const std::vector<IniDocument::Entry> modelEntries =
        model != nullptr ? IniDocument::Entries(*model) : std::vector<IniDocument::Entry>{};
    if (model == nullptr || modelEntries.empty()) {
        header.modelSection.clear();
        return fail(model == nullptr ? "missing section [Model]" : "[Model] is empty");
    }
    // The profile buffer holds "key=value" strings with their terminators and a final one;
    // entries that do not fit whole are left out.
    header.modelSection.clear();
    std::size_t used = 1;
    for (const IniDocument::Entry& entry : modelEntries) {
        const std::size_t size = entry.key().size() + 1 + entry.value().size() + 1;
        if (used + size > kModelSectionBytes) {
            break;
        }
        used += size;
        header.modelSection.emplace_back(std::string(entry.key()), std::string(entry.value()));
    }
    for (const ModelMember& member : kModelMembers) {
        const auto entry = IniDocument::FindEntry(*model, member.key);
        if (!entry) {
            return fail(Concat({"[Model]: missing key ", member.key}));
        }
        header.*member.member = std::string(BufferedText(entry->value()));
    }
    return true;
}

PaperReadResult ReadPaperSection(const IniDocument& document, int sectionNumber, bool preset,
                                 PaperDef& paper) {
    PaperReadResult result;
    const std::string name = SectionName(sectionNumber);
    const IniDocument::Section* section = document.FindSection(name);
    if (section == nullptr) {
        result.status = PaperReadStatus::Absent;
        return result;
    }

    // One pass over the section: the value of the first entry of each known key. Most lines
    // read "key=value" with the key the table expects next (the one after the previous
    // match); only other lines need the general split and a search of the table.
    // A found value points into the text; one still null was not found.
    std::array<std::string_view, kPaperKeyCount> values{};
    const auto has = [&values](std::size_t key) { return values[key].data() != nullptr; };
    const auto keep = [&](std::size_t key, std::string_view value) {
        if (!has(key)) {
            values[key] = value;
        }
    };
    std::size_t next = 0;
    LineReader lines = IniDocument::Lines(*section);
    std::string_view value;
    while (!lines.AtEnd()) {
        if (next < kPaperKeyCount && lines.TakeValueOfKey(kPaperKeys[next], value)) {
            keep(next++, value);
            continue;
        }
        const auto entry = IniDocument::ParseLine(lines.TakeLine());
        if (!entry) {
            continue;
        }
        std::size_t k = 0;
        while (k < kPaperKeyCount && !IniDocument::EqualIgnoringCase(kPaperKeys[k], entry->key())) {
            ++k;
        }
        if (k < kPaperKeyCount) {
            keep(k, entry->value());
            next = k + 1;
        }
    }
    // A value lies on its key's line, so its position names that line in messages.
    const auto lineOf = [&](PaperKey key) {
        return LineText(document.LineNumber(values[key].data()));
    };

    const auto fail = [&](std::string problem) {
        result.status = PaperReadStatus::Failed;
        result.problem = Concat({"[", name, "] ", problem});
        return result;
    };
    const auto missing = [&](PaperKey key) {
        return fail(Concat({"(", LineText(document.LineNumber(*section)),
                            "): missing required key ", kPaperKeys[key]}));
    };
    const auto integer = [&](PaperKey key) -> uint32_t {
        return has(key) ? ParseProfileInt(values[key]) : 0u;
    };
    const auto text = [&](PaperKey key, std::string& field) {
        field.assign(BufferedText(values[key]));
    };

    // Read straight into the caller's record: a failed read may leave it partly written.
    PaperDef& read = paper;
    std::string notConvertible;
    const auto readName = [&](PaperKey key, auto& units) -> bool {
        const std::string_view value = BufferedText(values[key]);
        // Plain ASCII that fits, the usual case, is copied without a conversion buffer.
        if (value.size() < units.size() && std::all_of(value.begin(), value.end(), [](char ch) {
                return static_cast<unsigned char>(ch) < 0x80;
            })) {
            units.fill(0);
            std::copy(value.begin(), value.end(), units.begin());
            return true;
        }
        const auto converted = TextCodec::Utf8ToUtf16(value);
        if (!converted) {
            units.fill(0);
            if (notConvertible.empty()) {
                notConvertible = Concat(
                    {"[", name, "] (", lineOf(key), "): ", kPaperKeys[key], " is not valid UTF-8"});
            }
            return true;
        }
        return TextCodec::Store(*converted, units);
    };
    const std::array<std::pair<PaperKey, std::size_t>, 4> names = {{
        {kSzPaperNameMm, 31},
        {kSzPaperNameInch, 31},
        {kSzPaperWidthStringInch, 15},
        {kSzPaperLengthStringInch, 15},
    }};
    for (const auto& [key, limit] : names) {
        if (!has(key)) {
            return missing(key);
        }
        bool fits = false;
        switch (key) {
        case kSzPaperNameMm:
            fits = readName(key, read.szPaperName_mm);
            break;
        case kSzPaperNameInch:
            fits = readName(key, read.szPaperName_inch);
            break;
        case kSzPaperWidthStringInch:
            fits = readName(key, read.szPaperWidthString_inch);
            break;
        default:
            fits = readName(key, read.szPaperLengthString_inch);
            break;
        }
        if (!fits) {
            return fail(Concat({"(", lineOf(key), "): ", kPaperKeys[key], " is longer than ",
                                std::to_string(limit), " characters"}));
        }
    }

    read.nType = Low16Signed(integer(kNType));
    read.nPaperSize = Low16Signed(integer(kNPaperSize));
    read.nPaperWidth = Low16Signed(integer(kNPaperWidth));
    read.nImageAreaWidth = Low16Signed(integer(kNImageAreaWidth));
    read.nPaperWidthRes = Low16Signed(integer(kNPaperWidthRes));
    read.nImageAreaWidthRes = Low16Signed(integer(kNImageAreaWidthRes));
    read.nPaperLength = Low16Signed(integer(kNPaperLength));
    read.nImageAreaLength = Low16Signed(integer(kNImageAreaLength));
    read.nPaperLengthRes = Low16Signed(integer(kNPaperLengthRes));
    read.nImageAreaLengthRes = Low16Signed(integer(kNImageAreaLengthRes));
    read.nPhysicalOffsetX = Low16Signed(integer(kNPhysicalOffsetX));
    read.nPhysicalOffsetY = Low16Signed(integer(kNPhysicalOffsetY));
    read.wPinOffsetLeft = static_cast<uint16_t>(integer(kWPinOffsetLeft));
    read.wPinOffsetRight = static_cast<uint16_t>(integer(kWPinOffsetRight));
    read.nMaxFeed = Low16Signed(integer(kNMaxFeed));
    read.nMaxLength = Low16Signed(integer(kNMaxLength));
    read.nMinLength = Low16Signed(integer(kNMinLength));
    read.wSplit = static_cast<uint16_t>(integer(kWSplit));
    read.nClipInfoLeft = Low16Signed(integer(kNClipInfoLeft));
    read.nClipInfoRight = Low16Signed(integer(kNClipInfoRight));
    read.nClipInfoTop = Low16Signed(integer(kNClipInfoTop));
    read.nClipInfoBottom = Low16Signed(integer(kNClipInfoBottom));
    read.nVirtualOffsetX = Low16Signed(integer(kNVirtualOffsetX));
    read.nVirtualOffsetY = Low16Signed(integer(kNVirtualOffsetY));

    if (!has(kByReserved001)) {
        return missing(kByReserved001);
    }
    text(kByReserved001, read.byReserved001);
    if (!has(kNCompatiblePaperSizes)) {
        return missing(kNCompatiblePaperSizes);
    }
    const std::string_view sizes = values[kNCompatiblePaperSizes].substr(0, kMaxCompatibleSizes);
    read.nCompatiblePaperSizes.fill(0);
    sizes.copy(read.nCompatiblePaperSizes.data(), sizes.size());

    read.dwPaperAbility01 = integer(kDwPaperAbility01);
    read.dwPaperAbility02 = integer(kDwPaperAbility02);
    read.bProtected = (read.dwPaperAbility01 & kAbilityProtected) != 0 ? 1 : 0;
    read.byEnergyRank = static_cast<uint8_t>(integer(kByEnergyRank));
    read.lblPitchDot = static_cast<uint16_t>(integer(kLblPitchDot));
    read.markNoChkValu = static_cast<uint16_t>(integer(kMarkNoChkValu));

    std::string PaperDef::*const texts[] = {
        &PaperDef::nSensorID,       &PaperDef::byRollWidMm,      &PaperDef::byHeadDivide,
        &PaperDef::nDieStartPlus,   &PaperDef::nDieStartRevPlus, &PaperDef::wDieStartFwdPlus,
        &PaperDef::nAfterFeedPlus,  &PaperDef::wPafMediaID,      &PaperDef::PresetBlkPos1_1,
        &PaperDef::PresetBlkPos2_1, &PaperDef::PresetBlkPos2_2,  &PaperDef::PresetBlkPos3_1,
        &PaperDef::PresetBlkPos3_2, &PaperDef::PresetBlkPos3_3,  &PaperDef::szSizeMM,
    };
    for (int i = 0; i < 15; ++i) {
        const auto key = static_cast<PaperKey>(kNSensorID + i);
        if (!has(key)) {
            return missing(key);
        }
        text(key, read.*texts[i]);
    }
    if (has(kSzSizeIN)) {
        text(kSzSizeIN, read.szSizeIN);
    } else {
        read.szSizeIN.assign(1, ' ');
    }
    if (!has(kMediaAtrInfo)) {
        return missing(kMediaAtrInfo);
    }
    text(kMediaAtrInfo, read.MediaAtrInfo);
    if (!has(kReserved12)) {
        return missing(kReserved12);
    }
    text(kReserved12, read.reserved_12_);
    ApplyReserved12(read);
    read.bPreset = preset ? 1 : 0;

    if (!notConvertible.empty()) {
        result.status = PaperReadStatus::NotConvertible;
        result.problem = std::move(notConvertible);
        return result;
    }
    result.status = PaperReadStatus::Loaded;
    return result;
}

bool ReadSourceDocument(const std::string& path, IniDocument& document) {
    std::string bytes;
    if (!platform::ReadFileBytes(path, bytes)) {
        return false;
    }
    document = IniDocument(std::move(bytes));
    return true;
}

SourceFile LoadSourceFile(const std::string& path, bool preset) {
    SourceFile file;
    IniDocument document;
    if (!ReadSourceDocument(path, document)) {
        file.error = "cannot read the file";
        return file;
    }
    file.readable = true;
    file.headerOk = ReadHeader(document, file.header, &file.headerProblem);
    for (int number = 0;; ++number) {
        PaperDef paper;
        const PaperReadResult read = ReadPaperSection(document, number, preset, paper);
        if (read.status == PaperReadStatus::Absent) {
            break;
        }
        SourceSectionResult section;
        section.section = SectionName(number);
        section.loaded = read.status == PaperReadStatus::Loaded;
        section.leftOut = read.status == PaperReadStatus::NotConvertible;
        section.problem = read.problem;
        file.sections.push_back(std::move(section));
        if (read.status == PaperReadStatus::Failed) {
            break;
        }
        if (read.status == PaperReadStatus::Loaded) {
            file.papers.push_back(std::move(paper));
        }
    }
    return file;
}

} // namespace qlx
