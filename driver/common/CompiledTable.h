#pragma once

#include "MdtLibrary.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qlx {

// Byte offsets inside the 118-byte model record and the 252-byte paper record of a compiled
// table (docs/compiled-table.md). The paper record's names and dot values sit where the
// capabilities extension reads them.
namespace modelrecord {
constexpr size_t kSeriesByte = 0; // with kModelByte the value capability 278 returns
constexpr size_t kModelByte = 1;
constexpr size_t kHeadDots = 2;
constexpr size_t kDeviceAbility01 = 4;
constexpr size_t kDeviceAbility02 = 8;
constexpr size_t kMinCopies = 12;
constexpr size_t kMaxCopies = 14;
constexpr size_t kMinCutEveryNum = 16;
constexpr size_t kMaxCutEveryNum = 18;
constexpr size_t kDeviceName = 20; // 64 bytes, zero-terminated
constexpr size_t kDeviceNameSize = 64;
constexpr size_t kDefaultWidthDots = 92;
constexpr size_t kDefaultLengthDots = 94;
constexpr size_t kDefaultPaperSize = 96;
constexpr size_t kResolutionX = 98;
constexpr size_t kResolutionY = 100;
constexpr size_t kDefaultLength = 102;
constexpr size_t kResolutionNum = 104;
} // namespace modelrecord

namespace paperrecord {
constexpr size_t kNameMm = 0;
constexpr size_t kNameInch = 64;
constexpr size_t kWidthStringInch = 128;
constexpr size_t kLengthStringInch = 160;
constexpr size_t kType = 192;
constexpr size_t kPaperSize = 194;
constexpr size_t kPaperWidth = 196;
constexpr size_t kImageAreaWidth = 198;
constexpr size_t kPaperWidthRes = 200;
constexpr size_t kImageAreaWidthRes = 202;
constexpr size_t kPaperLength = 204;
constexpr size_t kImageAreaLength = 206;
constexpr size_t kPaperLengthRes = 208;
constexpr size_t kImageAreaLengthRes = 210;
constexpr size_t kPhysicalOffsetX = 212;
constexpr size_t kPhysicalOffsetY = 214;
constexpr size_t kPinOffsetLeft = 216;
constexpr size_t kPinOffsetRight = 218;
constexpr size_t kMaxFeed = 220;
constexpr size_t kMaxLength = 222;
constexpr size_t kMinLength = 224;
constexpr size_t kSplit = 226;
constexpr size_t kClipLeft = 228;
constexpr size_t kClipTop = 230;
constexpr size_t kClipRight = 232;
constexpr size_t kClipBottom = 234;
constexpr size_t kVirtualOffsetX = 236;
constexpr size_t kVirtualOffsetY = 238;
constexpr size_t kLabelPitchDots = 240;
constexpr size_t kMarkNoCheckValue = 242;
constexpr size_t kFlags = 244;
constexpr size_t kEnergyRank = 245;
constexpr size_t kMarkWidth = 246;
constexpr size_t kMarkOffset = 248;
constexpr size_t kSensorId = 250;

// Bits of the flag byte.
constexpr uint8_t kFlagBlackMark = 0x01;
constexpr uint8_t kFlagExchanged = 0x02; // width and length taken exchanged
constexpr uint8_t kFlagProtected = 0x04;
constexpr uint8_t kFlagClipAware = 0x08;
constexpr uint8_t kFlagContinuous = 0x10;
} // namespace paperrecord

using ModelRecord = std::array<uint8_t, kMdtModelRecordSize>;
using PaperRecord = std::array<uint8_t, kMdtPaperRecordSize>;

// A compiled media definition table: a fixed header, the model record, the paper records.
// Serialize and Parse are exact inverses; Parse accepts nothing it did not check.
struct CompiledTable {
    static constexpr char kMagic[8] = {'Q', 'L', 'X', 'M', 'D', 'T', 'B', 'L'};
    static constexpr uint16_t kVersion = 1;
    static constexpr size_t kHeaderSize = 32;
    static constexpr uint32_t kMaxPapers = 4096;

    ModelRecord model{};
    std::vector<PaperRecord> papers;

    std::string Serialize() const;
    // Nothing when the bytes are not a whole table of this version: wrong magic, version,
    // record sizes, a count beyond kMaxPapers, or a size that disagrees with the count.
    static std::optional<CompiledTable> Parse(std::string_view bytes);

    bool operator==(const CompiledTable&) const = default;
};

} // namespace qlx
