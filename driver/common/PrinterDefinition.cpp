#include "PrinterDefinition.h"

#include "ByteOrder.h"

#include <cstring>

namespace qlx {

namespace {
// Header: magic, version, header size, series byte, model byte, paper count, record size,
// two zero bytes.
constexpr size_t kOffVersion = 4;
constexpr size_t kOffHeaderSize = 6;
constexpr size_t kOffSeries = 8;
constexpr size_t kOffModel = 9;
constexpr size_t kOffCount = 10;
constexpr size_t kOffRecordSize = 12;
} // namespace

PrinterDefinition PrinterDefinition::FromTable(const CompiledTable& table, uint8_t seriesByte,
                                               uint8_t modelByte) {
    using namespace paperrecord;
    std::span<const uint8_t> model(table.model);
    const uint16_t defaultWidth = GetU16(model, modelrecord::kDefaultWidthDots);
    const uint16_t defaultLength = GetU16(model, modelrecord::kDefaultLengthDots);
    PrinterDefinition definition;
    definition.seriesByte = seriesByte;
    definition.modelByte = modelByte;
    for (const PaperRecord& record : table.papers) {
        std::span<const uint8_t> r(record);
        PrinterPaper paper;
        paper.paperSize = GetU16(r, kPaperSize);
        const uint8_t flags = record[kFlags];
        // Kind 74 is continuous tape.
        const bool continuous = (flags & kFlagContinuous) != 0 || GetI16(r, kType) == 74;
        paper.kind = continuous                      ? kKindContinuous
                     : (flags & kFlagBlackMark) != 0 ? kKindBlackMark
                                                     : kKindDieCut;
        paper.energyRank = record[kEnergyRank];
        paper.widthDots = GetU16(r, kPaperWidthRes);
        if (paper.widthDots == 0) {
            paper.widthDots = defaultWidth;
        }
        paper.lengthDots = GetU16(r, kPaperLengthRes);
        if (paper.lengthDots == 0 && !continuous) {
            paper.lengthDots = defaultLength;
        }
        paper.pitchDots = GetU16(r, kLabelPitchDots);
        paper.offsetXDots = GetI16(r, kPhysicalOffsetX);
        paper.offsetYDots = GetI16(r, kPhysicalOffsetY);
        paper.printableWidthDots = GetU16(r, kImageAreaWidthRes);
        paper.printableLengthDots = GetU16(r, kImageAreaLengthRes);
        paper.markWidthDots = GetU16(r, kMarkWidth);
        paper.markOffsetDots = GetI16(r, kMarkOffset);
        paper.sensorId = GetU16(r, kSensorId);
        paper.markNoCheckValue = GetU16(r, kMarkNoCheckValue);
        paper.feedAdjustXDots = GetI16(r, kVirtualOffsetX);
        paper.feedAdjustYDots = GetI16(r, kVirtualOffsetY);
        definition.papers.push_back(paper);
    }
    return definition;
}

std::string PrinterDefinition::Serialize() const {
    std::vector<uint8_t> bytes(kHeaderSize + papers.size() * kRecordSize, 0);
    std::span<uint8_t> all(bytes);
    std::memcpy(bytes.data(), kMagic, sizeof kMagic);
    PutU16(all, kOffVersion, kVersion);
    PutU16(all, kOffHeaderSize, static_cast<uint16_t>(kHeaderSize));
    bytes[kOffSeries] = seriesByte;
    bytes[kOffModel] = modelByte;
    PutU16(all, kOffCount, static_cast<uint16_t>(papers.size()));
    PutU16(all, kOffRecordSize, static_cast<uint16_t>(kRecordSize));
    size_t at = kHeaderSize;
    for (const PrinterPaper& p : papers) {
        PutU16(all, at + 0, p.paperSize);
        bytes[at + 2] = p.kind;
        bytes[at + 3] = p.energyRank;
        PutU16(all, at + 4, p.widthDots);
        PutU16(all, at + 6, p.lengthDots);
        PutU16(all, at + 8, p.pitchDots);
        PutU16(all, at + 10, static_cast<uint16_t>(p.offsetXDots));
        PutU16(all, at + 12, static_cast<uint16_t>(p.offsetYDots));
        PutU16(all, at + 14, p.printableWidthDots);
        PutU16(all, at + 16, p.printableLengthDots);
        PutU16(all, at + 18, p.markWidthDots);
        PutU16(all, at + 20, static_cast<uint16_t>(p.markOffsetDots));
        PutU16(all, at + 22, p.sensorId);
        PutU16(all, at + 24, p.markNoCheckValue);
        PutU16(all, at + 26, static_cast<uint16_t>(p.feedAdjustXDots));
        PutU16(all, at + 28, static_cast<uint16_t>(p.feedAdjustYDots));
        at += kRecordSize;
    }
    return std::string(bytes.begin(), bytes.end());
}

std::optional<PrinterDefinition> PrinterDefinition::Parse(std::string_view bytes) {
    if (bytes.size() < kHeaderSize || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) {
        return std::nullopt;
    }
    std::span<const uint8_t> all(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    const uint16_t count = GetU16(all, kOffCount);
    if (GetU16(all, kOffVersion) != kVersion || GetU16(all, kOffHeaderSize) != kHeaderSize ||
        GetU16(all, kOffRecordSize) != kRecordSize || count > kMaxPapers ||
        bytes.size() != kHeaderSize + size_t{count} * kRecordSize) {
        return std::nullopt;
    }
    PrinterDefinition definition;
    definition.seriesByte = all[kOffSeries];
    definition.modelByte = all[kOffModel];
    for (size_t at = kHeaderSize; at < bytes.size(); at += kRecordSize) {
        PrinterPaper p;
        p.paperSize = GetU16(all, at + 0);
        p.kind = all[at + 2];
        p.energyRank = all[at + 3];
        p.widthDots = GetU16(all, at + 4);
        p.lengthDots = GetU16(all, at + 6);
        p.pitchDots = GetU16(all, at + 8);
        p.offsetXDots = GetI16(all, at + 10);
        p.offsetYDots = GetI16(all, at + 12);
        p.printableWidthDots = GetU16(all, at + 14);
        p.printableLengthDots = GetU16(all, at + 16);
        p.markWidthDots = GetU16(all, at + 18);
        p.markOffsetDots = GetI16(all, at + 20);
        p.sensorId = GetU16(all, at + 22);
        p.markNoCheckValue = GetU16(all, at + 24);
        p.feedAdjustXDots = GetI16(all, at + 26);
        p.feedAdjustYDots = GetI16(all, at + 28);
        definition.papers.push_back(p);
    }
    return definition;
}

} // namespace qlx
