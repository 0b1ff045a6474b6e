#include "update/CodeByte.h"

namespace qlx {

uint8_t ParseCodeByte(std::string_view text) {
    size_t at = 0;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        at = 2;
    }
    uint32_t value = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        uint32_t digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<uint32_t>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<uint32_t>(c - 'a' + 10);
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<uint32_t>(c - 'A' + 10);
        } else {
            break;
        }
        value = ((value << 4) | digit) & 0xffu;
    }
    return static_cast<uint8_t>(value);
}

} // namespace qlx
