#pragma once

#include <cstdint>
#include <string_view>

namespace qlx {

// The hexadecimal digits at the start of `text` as a number, reading stopping at the first
// other character (none: 0). Wraps modulo 2^32 as the 32-bit profile reader does, so no
// text can overflow it.
uint32_t ParseHexDigits(std::string_view text);

} // namespace qlx
