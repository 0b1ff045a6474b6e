#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qlx {

// Unit mode, rounding, parsing and display of lengths. Every text here is produced and read
// without the C locale's help: numbers use '.', and the user's separator is swapped in or
// out explicitly, so a user locale can never leak into a file.

// Rounds half up on the first dropped digit of a single-precision value; negative gives 0.
// The float path is deliberate: 1.15f lies below 1.15 and rounds to 1.1.
float RoundToDecimals(float x, int digits);
// As RoundToDecimals on the magnitude, with the sign of x.
float RoundToDecimalsSigned(float x, int digits);

// Millimetre text (with '.') to inch text with the given number of decimals; negative
// millimetres give 0.00.
std::string MmTextToInchText(std::string_view mmText, int digits);
// As MmTextToInchText, keeping the sign of the millimetres.
std::string MmTextToInchTextSigned(std::string_view mmText, int digits);

// Typed number to an integer scaled by 10^decimals, rounding half up on the first dropped
// digit. Only `decimalSeparator` is a separator; other characters are skipped. Absurdly long
// digit strings saturate instead of overflowing.
int32_t ParseScaledDecimal(std::string_view text, int decimals, char decimalSeparator);

// Integer division by 10^digits rounding half away from zero (digits 0 returns value).
int32_t RoundDivPow10(int32_t value, int digits);

// "%0.<precision>f" of value, always with '.'.
std::string FormatFixed(double value, int precision);
// The C library's string-to-double on '.' texts (leading blanks, sign, longest valid
// prefix; 0 when nothing is read), independent of the process locale.
double ParseDotDouble(std::string_view text);

// Every '.' replaced by the separator, and back.
std::string ToLocaleDecimal(std::string_view text, char decimalSeparator);
std::string ToDotDecimal(std::string_view text, char decimalSeparator);

// The main dialog's width and length texts for a value in tenths of a millimetre:
// "%0.1f mm", or the inch form "%0.2f \"", with '.' (callers apply ToLocaleDecimal).
std::string FormatTenthsMm(int tenthsMm, bool inch);
// "-- mm" or "-- \"" for a length that does not apply.
std::string NotApplicableLength(bool inch);

} // namespace qlx
