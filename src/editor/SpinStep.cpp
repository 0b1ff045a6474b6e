#include "editor/SpinStep.h"

#include "app/Units.h"

namespace qlx {

std::string SpinStep(std::string_view text, bool up, double boundMm, bool inch,
                     char decimalSeparator) {
    const double step = inch ? 0.01 : 0.1;
    const double bound = inch ? boundMm / 25.4 : boundMm;
    double value = ParseDotDouble(ToDotDecimal(text, decimalSeparator));
    value += up ? step : -step;
    if (up && value > bound) {
        value = bound;
    }
    if (!up && value < bound) {
        value = bound;
    }
    std::string formatted = FormatFixed(value, inch ? 2 : 1);
    // A sum that lands a hair below zero must not show as "-0.0": the preview would read
    // the sign as a negative mark offset.
    if (formatted == "-0.0" || formatted == "-0.00") {
        formatted.erase(0, 1);
    }
    return ToLocaleDecimal(formatted, decimalSeparator);
}

} // namespace qlx
