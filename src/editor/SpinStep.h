#pragma once

#include <string>
#include <string_view>

namespace qlx {

// One press of a spin arrow on a value text: reads the text (the user's separator taken as
// the decimal point), adds or subtracts 0.1 mm or 0.01 inch, keeps the result from passing
// `boundMm` in the direction of the step (the bound is in millimetres and divided by 25.4 in
// inch mode), and formats it with one or two decimals and the user's separator.
std::string SpinStep(std::string_view text, bool up, double boundMm, bool inch,
                     char decimalSeparator);

} // namespace qlx
