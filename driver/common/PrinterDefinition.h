#pragma once

#include "CompiledTable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qlx {

// One paper as the printer takes it, everything in dots (docs/printer-file.md).
struct PrinterPaper {
    uint16_t paperSize = 0;
    uint8_t kind = 0; // kKindContinuous, kKindDieCut, kKindBlackMark
    uint8_t energyRank = 0;
    uint16_t widthDots = 0;
    uint16_t lengthDots = 0; // 0 for continuous tape
    uint16_t pitchDots = 0;
    int16_t offsetXDots = 0;
    int16_t offsetYDots = 0;
    uint16_t printableWidthDots = 0;
    uint16_t printableLengthDots = 0;
    uint16_t markWidthDots = 0;
    int16_t markOffsetDots = 0;
    uint16_t sensorId = 0;
    uint16_t markNoCheckValue = 0;
    int16_t feedAdjustXDots = 0;
    int16_t feedAdjustYDots = 0;

    bool operator==(const PrinterPaper&) const = default;
};

// The printer's binary definition file the converter writes: a header naming the series and
// model, then one fixed record per paper.
struct PrinterDefinition {
    static constexpr char kMagic[4] = {'Q', 'P', 'D', 'F'};
    static constexpr uint16_t kVersion = 1;
    static constexpr size_t kHeaderSize = 16;
    static constexpr size_t kRecordSize = 32;
    static constexpr uint8_t kKindContinuous = 0;
    static constexpr uint8_t kKindDieCut = 1;
    static constexpr uint8_t kKindBlackMark = 2;
    static constexpr uint16_t kMaxPapers = 4096;

    uint8_t seriesByte = 0;
    uint8_t modelByte = 0;
    std::vector<PrinterPaper> papers;

    // The papers of a compiled table; a width or length of 0 dots takes the model's default
    // (a continuous tape keeps length 0).
    static PrinterDefinition FromTable(const CompiledTable& table, uint8_t seriesByte,
                                       uint8_t modelByte);

    std::string Serialize() const;
    static std::optional<PrinterDefinition> Parse(std::string_view bytes);

    bool operator==(const PrinterDefinition&) const = default;
};

} // namespace qlx
