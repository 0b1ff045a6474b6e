#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qlx {

// Fills the placeholders of a message text from the resource library. Only "%s" and "%d" are
// placeholders (each takes the next argument, already a text) and "%%" is a percent sign;
// every other character, another '%' sequence included, is copied as it stands. A
// placeholder without an argument becomes empty. The format is never handed to printf, so a
// translated string cannot read or write beyond its arguments.
std::string FormatMessage(std::string_view format, const std::vector<std::string>& arguments);

} // namespace qlx
