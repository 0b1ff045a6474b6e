#include "editor/NameText.h"

#include <optional>
#include <vector>

namespace qlx {

namespace {

// Minimal strict UTF-8 decoder (no overlong forms, no surrogates, nothing above U+10FFFF).
// Kept private here until the shared text codec of the paper module is available.
std::optional<std::vector<char32_t>> DecodeUtf8(std::string_view text) {
    std::vector<char32_t> out;
    size_t i = 0;
    while (i < text.size()) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if (b0 < 0x80) {
            cp = b0;
        } else if ((b0 & 0xE0) == 0xC0) {
            extra = 1;
            cp = b0 & 0x1F;
            minimum = 0x80;
        } else if ((b0 & 0xF0) == 0xE0) {
            extra = 2;
            cp = b0 & 0x0F;
            minimum = 0x800;
        } else if ((b0 & 0xF8) == 0xF0) {
            extra = 3;
            cp = b0 & 0x07;
            minimum = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + static_cast<size_t>(extra) >= text.size() && extra > 0) {
            return std::nullopt;
        }
        for (int k = 1; k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            if ((b & 0xC0) != 0x80) {
                return std::nullopt;
            }
            cp = (cp << 6) | (b & 0x3F);
        }
        if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            return std::nullopt;
        }
        out.push_back(cp);
        i += static_cast<size_t>(extra) + 1;
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

int NameUnits(std::string_view utf8) {
    const auto decoded = DecodeUtf8(utf8);
    if (!decoded) {
        return static_cast<int>(utf8.size());
    }
    int units = 0;
    for (const char32_t cp : *decoded) {
        units += cp >= 0x10000 ? 2 : 1;
    }
    return units;
}

bool NameToUtf16(std::string_view utf8, PaperName& out) {
    out.fill(0);
    const auto decoded = DecodeUtf8(utf8);
    if (!decoded) {
        return false;
    }
    PaperName result{};
    size_t n = 0;
    const size_t limit = result.size() - 1;
    for (const char32_t cp : *decoded) {
        if (cp >= 0x10000) {
            if (n + 2 > limit) {
                return false;
            }
            const char32_t v = cp - 0x10000;
            result[n++] = static_cast<char16_t>(0xD800 + (v >> 10));
            result[n++] = static_cast<char16_t>(0xDC00 + (v & 0x3FF));
        } else {
            if (n + 1 > limit) {
                return false;
            }
            result[n++] = static_cast<char16_t>(cp);
        }
    }
    out = result;
    return true;
}

std::string NameToUtf8(const PaperName& name) {
    std::string out;
    for (size_t i = 0; i < name.size() && name[i] != 0; ++i) {
        const char16_t u = name[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < name.size() && name[i + 1] >= 0xDC00 &&
            name[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) +
                                (static_cast<char32_t>(name[i + 1]) - 0xDC00));
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            AppendUtf8(out, 0xFFFD);
        } else {
            AppendUtf8(out, u);
        }
    }
    return out;
}

} // namespace qlx
