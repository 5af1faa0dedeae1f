#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zuvar {

// Conversions between the texts that hold the values of the block language and numbers. Every
// conversion is independent of the locale: "." is the decimal separator.
namespace NumberText {

// An optional "-" or "+" followed by decimal digits only, within the signed 32-bit range.
bool ParseInteger(std::string_view text, int32_t& value);

// The whole text is a decimal number: optional sign, digits, optional point and digits,
// optional exponent, at least one digit before the exponent. A magnitude beyond the range of
// a double reads as an infinity, one below it as zero.
bool ParseNumber(std::string_view text, double& value);

// The numeric value, 0 when the text is no number.
double NumberOrZero(std::string_view text);
// The integer value, 0 when the text has none.
int32_t IntegerOrZero(std::string_view text);

// Truncates toward zero and reduces modulo 2^32 into the signed 32-bit range. An infinity or
// a NaN gives -2147483648.
int32_t TruncateToInt32(double value);

// The fixed text: rounded to 10 significant digits and written with exactly 18 decimals
// ("3.500000000000000000"); a value whose integer part needs more than 10 digits is written
// in exponent notation ("1.23456789E15"). With roundTo15 the value is first rounded to 15
// significant digits, as every operator and math function does. Fails (false, out untouched)
// for an infinity or a NaN.
// When readBack is given it receives the numeric value of the text written, exactly as
// ParseNumber would read it.
bool FormatFixed(double value, bool roundTo15, std::string& out, double* readBack = nullptr);

// The canonical text of a value of the given type code: char, int and long wrap to 8, 16 and
// 32 bits, double is the fixed text. Fails for a double that is not finite, and for a type
// that holds no numbers.
bool CanonicalText(uint8_t type, double value, std::string& out);

// Writes a 32-bit integer in decimal.
void FormatInteger(int32_t value, std::string& out);
void AppendInteger(int32_t value, std::string& out);

// The type of a text that is no variable: its integer value above 65535 taken as unsigned
// 32-bit (every negative integer) gives long, above 255 int, else char; no integer value gives
// double.
uint8_t TypeOfText(std::string_view text);

}  // namespace NumberText

}  // namespace zuvar
