#pragma once

#include <cstdint>
#include <string_view>

namespace qlx {

// Reads an integer the way source values are read: optional blanks, then decimal with an
// optional minus sign, or hexadecimal after "0x"; reading stops at the first other
// character. `consumed` (optional) receives how many characters were used. Values wrap to
// 32 bits instead of overflowing. No digits: 0.
int32_t ParseProfileNumber(std::string_view text, size_t* consumed = nullptr);

} // namespace qlx
