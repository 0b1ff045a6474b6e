#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qlx {

// Conversion between the UTF-16 names held in memory and the narrow code page of the files
// and the list box, which is UTF-8 here. Ill-formed input (invalid UTF-8, unpaired
// surrogates) cannot be converted: the result is empty then, never a guess.
class TextCodec {
public:
    static std::optional<std::u16string> Utf8ToUtf16(std::string_view text);
    static std::optional<std::string> Utf16ToUtf8(std::u16string_view text);

    // The text of a zero-terminated fixed array (up to the first zero or the capacity).
    template <std::size_t N> static std::u16string_view View(const std::array<char16_t, N>& units) {
        std::size_t length = 0;
        while (length < N && units[length] != 0) {
            ++length;
        }
        return std::u16string_view(units.data(), length);
    }

    // Stores `text` with its terminator in a fixed array; false (array untouched) when it
    // holds more than N - 1 units.
    template <std::size_t N>
    static bool Store(std::u16string_view text, std::array<char16_t, N>& units) {
        if (text.size() > N - 1) {
            return false;
        }
        units.fill(0);
        text.copy(units.data(), text.size());
        return true;
    }

    // UTF-8 of a fixed array, or nothing when it cannot be converted.
    template <std::size_t N>
    static std::optional<std::string> ToUtf8(const std::array<char16_t, N>& units) {
        return Utf16ToUtf8(View(units));
    }
};

} // namespace qlx
