#pragma once

#include <string>
#include <string_view>

namespace qlx {

// A string resource used as a format with one string argument: the first "%s" takes the
// argument and "%%" gives '%'. Every other character, another "%s" or a stray conversion
// included, is copied as it is, so a resource text can never read past its one argument.
std::string FormatWithOneString(std::string_view format, std::string_view argument);

} // namespace qlx
