#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qlx {

// The twelve comma-separated numbers of reserved_12_ (numbered 0 to 11).
using ReservedNumbers = std::array<int32_t, 12>;

// Reads the numbers in order, as atoi would (leading blanks and a sign, then digits; other
// text ends the number). An empty piece counts as 0 and keeps its place, as the record reader
// counts it, so a rewrite never shifts a value into a neighbour's place; numbers the text
// does not supply are 0 and pieces beyond the twelfth are ignored.
ReservedNumbers ParseReservedNumbers(std::string_view text);

// "%d,%d,...,%d" of the twelve numbers.
std::string FormatReservedNumbers(const ReservedNumbers& numbers);

} // namespace qlx
