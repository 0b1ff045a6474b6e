#include "CompiledTable.h"

#include "ByteOrder.h"

#include <algorithm>
#include <cstring>

namespace qlx {

namespace {
// Header layout: magic, version, header size, model record size, paper record size,
// paper count, whole file size, then zeros up to kHeaderSize.
constexpr size_t kOffVersion = 8;
constexpr size_t kOffHeaderSize = 10;
constexpr size_t kOffModelSize = 12;
constexpr size_t kOffPaperSize = 14;
constexpr size_t kOffCount = 16;
constexpr size_t kOffFileSize = 20;
} // namespace

std::string CompiledTable::Serialize() const {
    const size_t total = kHeaderSize + model.size() + papers.size() * kMdtPaperRecordSize;
    std::vector<uint8_t> bytes(total, 0);
    std::span<uint8_t> all(bytes);
    std::memcpy(bytes.data(), kMagic, sizeof kMagic);
    PutU16(all, kOffVersion, kVersion);
    PutU16(all, kOffHeaderSize, static_cast<uint16_t>(kHeaderSize));
    PutU16(all, kOffModelSize, kMdtModelRecordSize);
    PutU16(all, kOffPaperSize, kMdtPaperRecordSize);
    PutU32(all, kOffCount, static_cast<uint32_t>(papers.size()));
    PutU32(all, kOffFileSize, static_cast<uint32_t>(total));
    auto out = bytes.begin() + kHeaderSize;
    out = std::copy(model.begin(), model.end(), out);
    for (const PaperRecord& paper : papers) {
        out = std::copy(paper.begin(), paper.end(), out);
    }
    return std::string(bytes.begin(), bytes.end());
}

std::optional<CompiledTable> CompiledTable::Parse(std::string_view bytes) {
    if (bytes.size() < kHeaderSize + kMdtModelRecordSize) {
        return std::nullopt;
    }
    std::span<const uint8_t> all(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    if (std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0 ||
        GetU16(all, kOffVersion) != kVersion || GetU16(all, kOffHeaderSize) != kHeaderSize ||
        GetU16(all, kOffModelSize) != kMdtModelRecordSize ||
        GetU16(all, kOffPaperSize) != kMdtPaperRecordSize) {
        return std::nullopt;
    }
    const uint32_t count = GetU32(all, kOffCount);
    if (count > kMaxPapers) {
        return std::nullopt;
    }
    const size_t expected = kHeaderSize + kMdtModelRecordSize + size_t{count} * kMdtPaperRecordSize;
    if (GetU32(all, kOffFileSize) != expected || bytes.size() != expected) {
        return std::nullopt;
    }
    CompiledTable table;
    auto in = all.begin() + kHeaderSize;
    std::copy(in, in + kMdtModelRecordSize, table.model.begin());
    in += kMdtModelRecordSize;
    table.papers.resize(count);
    for (PaperRecord& paper : table.papers) {
        std::copy(in, in + kMdtPaperRecordSize, paper.begin());
        in += kMdtPaperRecordSize;
    }
    return table;
}

} // namespace qlx
