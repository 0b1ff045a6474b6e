#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace qlx {

// Paper kinds. Black-mark tape (76) exists only in memory: files hold 75 with number 6 of
// reserved_12_ equal to 2.
constexpr int16_t kTypeContinuous = 74;
constexpr int16_t kTypeDieCut = 75;
constexpr int16_t kTypeBlackMark = 76;

// Bit 10 of dwPaperAbility01 mirrors bProtected.
constexpr uint32_t kAbilityProtected = 0x400;

using PaperName = std::array<char16_t, 32>;     // at most 31 units plus the terminator
using PaperSizeText = std::array<char16_t, 16>; // at most 15 units plus the terminator

// One paper definition. Fields carry the names of the source file's keys and appear in the
// file's order; lengths in tenths of a millimetre, positions in printer dots. Value type:
// copies are deep.
struct PaperDef {
    PaperName szPaperName_mm{};
    PaperName szPaperName_inch{};
    PaperSizeText szPaperWidthString_inch{};
    PaperSizeText szPaperLengthString_inch{};
    int16_t nType = kTypeContinuous;
    int16_t nPaperSize = 0;
    int16_t nPaperWidth = 0;
    int16_t nImageAreaWidth = 0;
    int16_t nPaperWidthRes = 0;
    int16_t nImageAreaWidthRes = 0;
    int16_t nPaperLength = 0;
    int16_t nImageAreaLength = 0;
    int16_t nPaperLengthRes = 0;
    int16_t nImageAreaLengthRes = 0;
    int16_t nPhysicalOffsetX = 0;
    int16_t nPhysicalOffsetY = 0;
    uint16_t wPinOffsetLeft = 0;
    uint16_t wPinOffsetRight = 0;
    int16_t nMaxFeed = 0;
    int16_t nMaxLength = 0;
    int16_t nMinLength = 0;
    uint16_t wSplit = 0;
    int16_t nClipInfoLeft = 0;
    int16_t nClipInfoTop = 0;
    int16_t nClipInfoRight = 0;
    int16_t nClipInfoBottom = 0;
    int16_t nVirtualOffsetX = 0;
    int16_t nVirtualOffsetY = 0;
    std::string byReserved001;
    int32_t bPreset = 0;     // memory only: read from the preset file
    int32_t bProtected = 0;  // memory only: mirror of bit 10 of dwPaperAbility01
    int16_t nMarkWidth = 0;  // memory only: from reserved_12_, dots
    int16_t nMarkOffset = 0; // memory only: from reserved_12_, dots, signed
    std::array<char, 256> nCompatiblePaperSizes{}; // zero-terminated, at most 254 read
    uint32_t dwPaperAbility01 = 0;
    uint32_t dwPaperAbility02 = 0;
    uint8_t byEnergyRank = 0;
    uint16_t lblPitchDot = 0;
    uint16_t markNoChkValu = 0;
    std::string nSensorID;
    std::string byRollWidMm;
    std::string byHeadDivide;
    std::string nDieStartPlus;
    std::string nDieStartRevPlus;
    std::string wDieStartFwdPlus;
    std::string nAfterFeedPlus;
    std::string wPafMediaID;
    std::string PresetBlkPos1_1;
    std::string PresetBlkPos2_1;
    std::string PresetBlkPos2_2;
    std::string PresetBlkPos3_1;
    std::string PresetBlkPos3_2;
    std::string PresetBlkPos3_3;
    std::string szSizeMM;
    std::string szSizeIN = " ";
    std::string MediaAtrInfo;
    std::string reserved_12_;

    bool operator==(const PaperDef&) const = default;
};

} // namespace qlx
