#include "app/Units.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace qlx {

float RoundToDecimals(float x, int digits) {
    if (x < 0) {
        return 0;
    }
    const long double scale = digits == 2 ? 1000.0L : digits == 1 ? 100.0L : 10.0L;
    const long double scaled = static_cast<long double>(x) * scale;
    // Truncation to an unsigned 32-bit integer; values beyond its range do not occur for
    // lengths but must not be undefined behaviour either.
    uint32_t t = scaled >= 4294967295.0L ? 4294967295u : static_cast<uint32_t>(scaled);
    if (t % 10 >= 5) {
        t += 10;
    }
    t /= 10;
    if (digits == 2) {
        return static_cast<float>(t / 100.0);
    }
    if (digits == 1) {
        return static_cast<float>(t / 10.0);
    }
    return static_cast<float>(t);
}

float RoundToDecimalsSigned(float x, int digits) {
    if (x >= 0) {
        return RoundToDecimals(x, digits);
    }
    const float magnitude = -x;
    return -RoundToDecimals(magnitude, digits);
}

namespace {

std::string MmToInch(std::string_view mmText, int digits, bool keepSign) {
    const float x = static_cast<float>(ParseDotDouble(mmText));
    const bool negative = keepSign && x < 0;
    const float mm = negative ? -x : x;
    const float inch = static_cast<float>(static_cast<double>(mm) * 10.0 / 254.0);
    float rounded = RoundToDecimals(inch, digits);
    if (negative) {
        rounded = -rounded;
    }
    return FormatFixed(rounded, digits);
}

} // namespace

std::string MmTextToInchText(std::string_view mmText, int digits) {
    return MmToInch(mmText, digits, false);
}

std::string MmTextToInchTextSigned(std::string_view mmText, int digits) {
    return MmToInch(mmText, digits, true);
}

int32_t ParseScaledDecimal(std::string_view text, int decimals, char decimalSeparator) {
    // Saturating accumulator: a digit string longer than any edit box allows stops growing
    // here instead of overflowing.
    constexpr int64_t kCap = std::numeric_limits<int32_t>::max();
    int64_t value = 0;
    bool negative = false;
    bool afterSeparator = false;
    int remaining = decimals;
    auto accumulate = [&](int64_t digit) { value = std::min(kCap, value * 10 + digit); };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (i == 0 && c == '-') {
            negative = true;
            continue;
        }
        if (c == decimalSeparator) {
            if (remaining == 0) {
                break;
            }
            afterSeparator = true;
            continue;
        }
        if (c >= '0' && c <= '9') {
            accumulate(c - '0');
            if (afterSeparator) {
                --remaining;
                if (remaining == 0) {
                    if (i + 1 < text.size() && text[i + 1] >= '5' && text[i + 1] <= '9') {
                        value = std::min(kCap, value + 1);
                    }
                    break;
                }
            }
        }
    }
    for (; remaining > 0; --remaining) {
        value = std::min(kCap, value * 10);
    }
    return static_cast<int32_t>(negative ? -value : value);
}

int32_t RoundDivPow10(int32_t value, int digits) {
    if (digits <= 0) {
        return value;
    }
    int64_t divisor = 1;
    for (int i = 0; i < digits; ++i) {
        divisor *= 10;
    }
    const int64_t half = divisor / 2;
    const int64_t v = value;
    return static_cast<int32_t>(v >= 0 ? (v + half) / divisor : (v - half) / divisor);
}

std::string FormatFixed(double value, int precision) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
    if (result.ec != std::errc()) {
        return "0";
    }
    return std::string(buffer, result.ptr);
}

double ParseDotDouble(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    double value = 0;
    const auto result = std::from_chars(text.data() + i, text.data() + text.size(), value,
                                        std::chars_format::general);
    if (result.ec != std::errc() && result.ec != std::errc::result_out_of_range) {
        return 0;
    }
    return negative ? -value : value;
}

std::string ToLocaleDecimal(std::string_view text, char decimalSeparator) {
    std::string out(text);
    for (char& c : out) {
        if (c == '.') {
            c = decimalSeparator;
        }
    }
    return out;
}

std::string ToDotDecimal(std::string_view text, char decimalSeparator) {
    std::string out(text);
    for (char& c : out) {
        if (c == decimalSeparator) {
            c = '.';
        }
    }
    return out;
}

std::string FormatTenthsMm(int tenthsMm, bool inch) {
    if (inch) {
        const float inches = static_cast<float>(tenthsMm / 254.0);
        return FormatFixed(RoundToDecimals(inches, 2), 2) + " \"";
    }
    return FormatFixed(tenthsMm / 10.0, 1) + " mm";
}

std::string NotApplicableLength(bool inch) {
    return inch ? "-- \"" : "-- mm";
}

} // namespace qlx
