#pragma once

#include "papers/IniDocument.h"
#include "papers/MdtHeader.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

// The key tables shared by the source reader and writer.
namespace qlx::sourcekeys {

// The paper keys in file order.
enum PaperKey : int {
    kSzPaperNameMm,
    kSzPaperNameInch,
    kSzPaperWidthStringInch,
    kSzPaperLengthStringInch,
    kNType,
    kNPaperSize,
    kNPaperWidth,
    kNImageAreaWidth,
    kNPaperWidthRes,
    kNImageAreaWidthRes,
    kNPaperLength,
    kNImageAreaLength,
    kNPaperLengthRes,
    kNImageAreaLengthRes,
    kNPhysicalOffsetX,
    kNPhysicalOffsetY,
    kWPinOffsetLeft,
    kWPinOffsetRight,
    kNMaxFeed,
    kNMaxLength,
    kNMinLength,
    kWSplit,
    kNClipInfoLeft,
    kNClipInfoRight,
    kNClipInfoTop,
    kNClipInfoBottom,
    kNVirtualOffsetX,
    kNVirtualOffsetY,
    kNCompatiblePaperSizes,
    kDwPaperAbility01,
    kDwPaperAbility02,
    kByReserved001,
    kByEnergyRank,
    kLblPitchDot,
    kMarkNoChkValu,
    kNSensorID,
    kByRollWidMm,
    kByHeadDivide,
    kNDieStartPlus,
    kNDieStartRevPlus,
    kWDieStartFwdPlus,
    kNAfterFeedPlus,
    kWPafMediaID,
    kPresetBlkPos1_1,
    kPresetBlkPos2_1,
    kPresetBlkPos2_2,
    kPresetBlkPos3_1,
    kPresetBlkPos3_2,
    kPresetBlkPos3_3,
    kSzSizeMM,
    kSzSizeIN,
    kMediaAtrInfo,
    kReserved12,
    kPaperKeyCount
};

inline constexpr std::array<std::string_view, kPaperKeyCount> kPaperKeys = {
    "szPaperName_mm",
    "szPaperName_inch",
    "szPaperWidthString_inch",
    "szPaperLengthString_inch",
    "nType",
    "nPaperSize",
    "nPaperWidth",
    "nImageAreaWidth",
    "nPaperWidthRes",
    "nImageAreaWidthRes",
    "nPaperLength",
    "nImageAreaLength",
    "nPaperLengthRes",
    "nImageAreaLengthRes",
    "nPhysicalOffsetX",
    "nPhysicalOffsetY",
    "wPinOffsetLeft",
    "wPinOffsetRight",
    "nMaxFeed",
    "nMaxLength",
    "nMinLength",
    "wSplit",
    "nClipInfoLeft",
    "nClipInfoRight",
    "nClipInfoTop",
    "nClipInfoBottom",
    "nVirtualOffsetX",
    "nVirtualOffsetY",
    "nCompatiblePaperSizes",
    "dwPaperAbility01",
    "dwPaperAbility02",
    "byReserved001",
    "byEnergyRank",
    "lblPitchDot",
    "markNoChkValu",
    "nSensorID",
    "byRollWidMm",
    "byHeadDivide",
    "nDieStartPlus",
    "nDieStartRevPlus",
    "wDieStartFwdPlus",
    "nAfterFeedPlus",
    "wPafMediaID",
    "PresetBlkPos1_1",
    "PresetBlkPos2_1",
    "PresetBlkPos2_2",
    "PresetBlkPos3_1",
    "PresetBlkPos3_2",
    "PresetBlkPos3_3",
    "szSizeMM",
    "szSizeIN",
    "MediaAtrInfo",
    "reserved_12_",
};

inline constexpr std::array<std::string_view, 3> kVersionKeys = {"FormatVersion", "ModelVersion",
                                                                 "OutputFileName"};

// The fifteen Model members in the order they are read and set.
struct ModelMember {
    std::string_view key;
    std::string MdtHeader::*member;
};
inline const std::array<ModelMember, 15> kModelMembers = {{
    {"bySeriesCode", &MdtHeader::bySeriesCode},
    {"byModelCode", &MdtHeader::byModelCode},
    {"dmDeviceName", &MdtHeader::dmDeviceName},
    {"dwHeadPinNum", &MdtHeader::dwHeadPinNum},
    {"dwDeviceAbility01", &MdtHeader::dwDeviceAbility01},
    {"dwDeviceAbility02", &MdtHeader::dwDeviceAbility02},
    {"wMinCopies", &MdtHeader::wMinCopies},
    {"wMaxCopies", &MdtHeader::wMaxCopies},
    {"wMinCutEveryNum", &MdtHeader::wMinCutEveryNum},
    {"wMaxCutEveryNum", &MdtHeader::wMaxCutEveryNum},
    {"nDefaultPaperSize", &MdtHeader::nDefaultPaperSize},
    {"nDefaultPaperLength", &MdtHeader::nDefaultPaperLength},
    {"nDefaultPaperLengthRes", &MdtHeader::nDefaultPaperLengthRes},
    {"wResolutionNum", &MdtHeader::wResolutionNum},
    {"wResolutions", &MdtHeader::wResolutions},
}};

// "Paper%02d" of the number, built by hand as it is asked for once per section read.
inline std::string SectionName(int sectionNumber) {
    if (sectionNumber >= 0 && sectionNumber < 100) {
        std::string name = "Paper00";
        name[5] = static_cast<char>('0' + sectionNumber / 10);
        name[6] = static_cast<char>('0' + sectionNumber % 10);
        return name;
    }
    char name[32];
    std::snprintf(name, sizeof name, "Paper%02d", sectionNumber);
    return name;
}

} // namespace qlx::sourcekeys
