#include "ProfileNumber.h"

namespace qlx {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool HasHexPrefix(std::string_view text, size_t at) {
    return at + 1 < text.size() && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X');
}

} // namespace

int32_t ParseProfileNumber(std::string_view text, size_t* consumed) {
    size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
        ++at;
    }
    uint32_t value = 0;
    if (HasHexPrefix(text, at)) {
        at += 2;
        while (at < text.size() && HexDigit(text[at]) >= 0) {
            value = value * 16u + static_cast<uint32_t>(HexDigit(text[at]));
            ++at;
        }
    } else {
        const bool negative = at < text.size() && text[at] == '-';
        if (negative) {
            ++at;
        }
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
            value = value * 10u + static_cast<uint32_t>(text[at] - '0');
            ++at;
        }
        if (negative) {
            value = 0u - value;
        }
    }
    if (consumed != nullptr) {
        *consumed = at;
    }
    return static_cast<int32_t>(value);
}

} // namespace qlx
