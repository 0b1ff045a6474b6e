#pragma once

#include <cstdint>
#include <string_view>

namespace qlx {

// The low byte of bySeriesCode or byModelCode: the text read as a hexadecimal number with an
// optional "0x" prefix, reading stopping at the first other character (no digits: 0). It
// names the printer and goes to the converter as a one-character argument.
uint8_t ParseCodeByte(std::string_view text);

} // namespace qlx
