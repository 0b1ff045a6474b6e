#include "editor/ReservedNumbers.h"

#include <charconv>
#include <limits>

namespace qlx {

namespace {

int32_t AtoiSaturating(std::string_view piece) {
    size_t i = 0;
    while (i < piece.size() && (piece[i] == ' ' || (piece[i] >= '\t' && piece[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < piece.size() && (piece[i] == '+' || piece[i] == '-')) {
        negative = piece[i] == '-';
        ++i;
    }
    int64_t value = 0;
    constexpr int64_t kCap = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; i < piece.size() && piece[i] >= '0' && piece[i] <= '9'; ++i) {
        value = std::min(kCap, value * 10 + (piece[i] - '0'));
    }
    if (negative) {
        value = -value;
    }
    if (value > std::numeric_limits<int32_t>::max()) {
        value = std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(value);
}

} // namespace

ReservedNumbers ParseReservedNumbers(std::string_view text) {
    ReservedNumbers numbers{};
    if (text.empty()) {
        return numbers;
    }
    size_t index = 0;
    size_t start = 0;
    while (index < numbers.size()) {
        const size_t comma = text.find(',', start);
        const std::string_view piece = text.substr(
            start, comma == std::string_view::npos ? std::string_view::npos : comma - start);
        numbers[index++] = AtoiSaturating(piece);
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
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
