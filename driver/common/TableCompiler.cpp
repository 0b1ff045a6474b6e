#include "TableCompiler.h"

#include "ByteOrder.h"
#include "ProfileNumber.h"
#include "update/CodeByte.h"

#include <algorithm>

namespace qlx {

namespace {

uint16_t Low16(const std::string& text) {
    return static_cast<uint16_t>(ParseProfileNumber(text));
}

template <size_t N>
void PutName(std::span<uint8_t> record, size_t offset, const std::array<char16_t, N>& name) {
    // The last unit stays zero so that a record always holds a terminated name.
    for (size_t i = 0; i + 1 < N && name[i] != 0; ++i) {
        PutU16(record, offset + 2 * i, static_cast<uint16_t>(name[i]));
    }
}

} // namespace

ModelRecord TableCompiler::MakeModelRecord(const MdtHeader& header) {
    using namespace modelrecord;
    ModelRecord model{};
    std::span<uint8_t> bytes(model);
    model[kSeriesByte] = ParseCodeByte(header.bySeriesCode);
    model[kModelByte] = ParseCodeByte(header.byModelCode);
    const uint16_t headDots = Low16(header.dwHeadPinNum);
    PutU16(bytes, kHeadDots, headDots);
    PutU32(bytes, kDeviceAbility01,
           static_cast<uint32_t>(ParseProfileNumber(header.dwDeviceAbility01)));
    PutU32(bytes, kDeviceAbility02,
           static_cast<uint32_t>(ParseProfileNumber(header.dwDeviceAbility02)));
    PutU16(bytes, kMinCopies, Low16(header.wMinCopies));
    PutU16(bytes, kMaxCopies, Low16(header.wMaxCopies));
    PutU16(bytes, kMinCutEveryNum, Low16(header.wMinCutEveryNum));
    PutU16(bytes, kMaxCutEveryNum, Low16(header.wMaxCutEveryNum));
    const size_t nameLength = std::min(header.dmDeviceName.size(), kDeviceNameSize - 1);
    std::copy_n(header.dmDeviceName.begin(), nameLength, model.begin() + kDeviceName);
    PutU16(bytes, kDefaultWidthDots, headDots);
    PutU16(bytes, kDefaultLengthDots, Low16(header.nDefaultPaperLengthRes));
    PutU16(bytes, kDefaultPaperSize, Low16(header.nDefaultPaperSize));
    // wResolutions holds "300" or "300,300" (horizontal, then vertical).
    size_t used = 0;
    const auto horizontal = static_cast<uint16_t>(ParseProfileNumber(header.wResolutions, &used));
    uint16_t vertical = horizontal;
    if (used + 1 < header.wResolutions.size()) {
        const auto second = static_cast<uint16_t>(
            ParseProfileNumber(std::string_view(header.wResolutions).substr(used + 1)));
        if (second != 0) {
            vertical = second;
        }
    }
    PutU16(bytes, kResolutionX, horizontal);
    PutU16(bytes, kResolutionY, vertical);
    PutU16(bytes, kDefaultLength, Low16(header.nDefaultPaperLength));
    PutU16(bytes, kResolutionNum, Low16(header.wResolutionNum));
    return model;
}

PaperRecord TableCompiler::MakePaperRecord(const PaperDef& paper) {
    using namespace paperrecord;
    PaperRecord record{};
    std::span<uint8_t> bytes(record);
    PutName(bytes, kNameMm, paper.szPaperName_mm);
    PutName(bytes, kNameInch, paper.szPaperName_inch);
    PutName(bytes, kWidthStringInch, paper.szPaperWidthString_inch);
    PutName(bytes, kLengthStringInch, paper.szPaperLengthString_inch);
    // Black-mark tape is stored as die-cut labels, as in the source file; the flag tells.
    const bool blackMark = paper.nType == kTypeBlackMark;
    PutU16(bytes, kType, static_cast<uint16_t>(blackMark ? kTypeDieCut : paper.nType));
    const auto put = [&](size_t offset, auto value) {
        PutU16(bytes, offset, static_cast<uint16_t>(value));
    };
    put(kPaperSize, paper.nPaperSize);
    put(kPaperWidth, paper.nPaperWidth);
    put(kImageAreaWidth, paper.nImageAreaWidth);
    put(kPaperWidthRes, paper.nPaperWidthRes);
    put(kImageAreaWidthRes, paper.nImageAreaWidthRes);
    put(kPaperLength, paper.nPaperLength);
    put(kImageAreaLength, paper.nImageAreaLength);
    put(kPaperLengthRes, paper.nPaperLengthRes);
    put(kImageAreaLengthRes, paper.nImageAreaLengthRes);
    put(kPhysicalOffsetX, paper.nPhysicalOffsetX);
    put(kPhysicalOffsetY, paper.nPhysicalOffsetY);
    put(kPinOffsetLeft, paper.wPinOffsetLeft);
    put(kPinOffsetRight, paper.wPinOffsetRight);
    put(kMaxFeed, paper.nMaxFeed);
    put(kMaxLength, paper.nMaxLength);
    put(kMinLength, paper.nMinLength);
    put(kSplit, paper.wSplit);
    put(kClipLeft, paper.nClipInfoLeft);
    put(kClipTop, paper.nClipInfoTop);
    put(kClipRight, paper.nClipInfoRight);
    put(kClipBottom, paper.nClipInfoBottom);
    put(kVirtualOffsetX, paper.nVirtualOffsetX);
    put(kVirtualOffsetY, paper.nVirtualOffsetY);
    put(kLabelPitchDots, paper.lblPitchDot);
    put(kMarkNoCheckValue, paper.markNoChkValu);
    put(kMarkWidth, paper.nMarkWidth);
    put(kMarkOffset, paper.nMarkOffset);
    put(kSensorId, ParseProfileNumber(paper.nSensorID));

    uint8_t flags = 0;
    if (blackMark) {
        flags |= kFlagBlackMark;
    }
    if (paper.nType == kTypeContinuous) {
        flags |= kFlagContinuous;
    }
    if (paper.bProtected != 0 || (paper.dwPaperAbility01 & kAbilityProtected) != 0) {
        flags |= kFlagProtected;
    }
    // The two layout bits come from the carried ability bits of the same values.
    flags |= static_cast<uint8_t>(paper.dwPaperAbility02 & (kFlagExchanged | kFlagClipAware));
    record[kFlags] = flags;
    record[kEnergyRank] = paper.byEnergyRank;
    return record;
}

bool TableCompiler::Compile(const MdtHeader& header, const std::vector<PaperDef>& papers,
                            CompiledTable& table, std::string& error) {
    if (papers.size() > CompiledTable::kMaxPapers) {
        error = "too many papers";
        return false;
    }
    table.model = MakeModelRecord(header);
    std::span<const uint8_t> model(table.model);
    if (GetU16(model, modelrecord::kResolutionX) == 0) {
        error = "wResolutions gives no resolution";
        return false;
    }
    table.papers.clear();
    for (const PaperDef& paper : papers) {
        table.papers.push_back(MakePaperRecord(paper));
    }
    return true;
}

} // namespace qlx
