#include "update/CodeByte.h"

#include "papers/HexNumber.h"

namespace qlx {

uint8_t ParseCodeByte(std::string_view text) {
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
    }
    // The low byte of the wrapped value is the low byte of the whole number.
    return static_cast<uint8_t>(ParseHexDigits(text) & 0xffu);
}

} // namespace qlx
