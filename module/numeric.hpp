#pragma once
// Numbers read from text, and the integer arithmetic the data formats are defined in.

#include <cstdint>
#include <string_view>

namespace pelvaron {

// The decimal number at the start of a text: leading blanks skipped, an optional sign,
// digits with an optional fractional part; whatever follows is ignored and a text without
// a number gives 0. Used for pos_depag.txt lines, glyph numbers and the dialog's boxes.
double NumberAtStart(std::string_view text);

// The host's numeric-prefix conversion, used for note markers: blanks (space, tab, line
// feed) are ignored wherever they stand; the longest leading number with optional sign,
// decimal point and exponent gives the value; "&H" and "&O" introduce hexadecimal and
// octal integers, which wrap to 16 bits when they fit there and to 32 bits otherwise.
double HostNumericPrefix(std::string_view text);

// Nearest integer, an exact half going to the even neighbour.
double RoundHalfEven(double value);

// Rounded (halves to even) and range-checked conversions; `what` names the value in the
// overflow error.
int16_t ToInt16(double value, std::string_view what);
int32_t ToInt32(double value, std::string_view what);

// Signed 16-bit addition that fails with an overflow error instead of wrapping.
int16_t CheckedAdd16(int16_t a, int16_t b, std::string_view what);

}  // namespace pelvaron
