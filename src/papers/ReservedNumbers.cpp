#include "papers/ReservedNumbers.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace qlx {

namespace {

// One number as atoi reads it, saturating at the limits of int32_t instead of overflowing.
// The reader runs this for every paper it loads, so it walks by pointer.
int32_t AtoiSaturating(const char* digit, const char* end) {
    while (digit != end && (*digit == ' ' || (*digit >= '\t' && *digit <= '\r'))) {
        ++digit;
    }
    const bool negative = digit != end && *digit == '-';
    if (digit != end && (*digit == '+' || *digit == '-')) {
        ++digit;
    }
    constexpr int64_t kCap = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t value = 0;
    for (; digit != end && *digit >= '0' && *digit <= '9'; ++digit) {
        value = std::min(kCap, value * 10 + (*digit - '0'));
    }
    if (negative) {
        value = -value;
    }
    return static_cast<int32_t>(std::min<int64_t>(value, std::numeric_limits<int32_t>::max()));
}

} // namespace

ReservedNumbers ParseReservedNumbers(std::string_view text) {
    ReservedNumbers numbers{};
    const char* piece = text.data();
    const char* const end = piece + text.size();
    for (int32_t& number : numbers) {
        const char* const comma = std::find(piece, end, ',');
        number = AtoiSaturating(piece, comma);
        if (comma == end) {
            break;
        }
        piece = comma + 1;
    }
    return numbers;
}

std::string FormatReservedNumbers(const ReservedNumbers& numbers) {
    std::string out;
    char buffer[16];
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, numbers[i]);
        out.append(buffer, result.ptr);
    }
    return out;
}

} // namespace qlx
