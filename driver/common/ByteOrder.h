#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace qlx {

// Little-endian access to fixed records. Callers check the bounds of the record once; these
// helpers only place the bytes.
inline void PutU16(std::span<uint8_t> bytes, size_t offset, uint16_t value) {
    bytes[offset] = static_cast<uint8_t>(value & 0xff);
    bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
}

inline void PutU32(std::span<uint8_t> bytes, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<uint8_t>((value >> (8 * i)) & 0xff);
    }
}

inline uint16_t GetU16(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

inline int16_t GetI16(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<int16_t>(GetU16(bytes, offset));
}

inline uint32_t GetU32(std::span<const uint8_t> bytes, size_t offset) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) {
        value |= static_cast<uint32_t>(bytes[offset + i]) << (8 * i);
    }
    return value;
}

} // namespace qlx
