#include "module/numeric.hpp"

#include <charconv>
#include <cmath>
#include <system_error>
#include <limits>
#include <string>
#if defined(_LIBCPP_VERSION) && !defined(__cpp_lib_to_chars)
#include <locale>
#include <sstream>
#endif

#include "module/error.hpp"

namespace pelvaron {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

#if defined(_LIBCPP_VERSION) && !defined(__cpp_lib_to_chars)
// libc++ 14 (emscripten's) has no from_chars for double. A stream in the classic locale reads
// the checked literal the same way, whatever the global locale; it fails only out of range.
std::errc ReadDouble(const char* first, const char* last, double& value) {
  std::istringstream in(std::string(first, last));
  in.imbue(std::locale::classic());
  in >> value;
  return in.fail() ? std::errc::result_out_of_range : std::errc{};
}
#else
std::errc ReadDouble(const char* first, const char* last, double& value) {
  return std::from_chars(first, last, value).ec;
}
#endif

// The value of a literal ParseDecimal has checked. std::from_chars, unlike strtod, ignores the
// C locale: inside Word another component may switch it to one with a decimal comma, where
// strtod would read "7.5" as 7.
double LiteralValue(const std::string& literal) {
  const char* first = literal.data();
  const char* last = first + literal.size();
  if (first != last && *first == '+') ++first;  // from_chars takes no plus sign
  double value = 0.0;
  const std::errc error = ReadDouble(first, last, value);
  if (error == std::errc::result_out_of_range) {
    // What strtod gives: infinity for a value too large, zero for one too small.
    const bool tiny = literal.find("e-") != std::string::npos;
    const bool negative = literal[0] == '-';
    if (tiny) return negative ? -0.0 : 0.0;
    return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
  }
  return value;
}

// Reads sign, digits and an optional fraction (and exponent when asked) from `text` as it
// stands; returns 0 when no digit is found.
double ParseDecimal(std::string_view text, bool allowExponent) {
  std::size_t i = 0;
  std::string literal;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) literal += text[i++];
  bool digits = false;
  while (i < text.size() && IsDigit(text[i])) {
    literal += text[i++];
    digits = true;
  }
  if (i < text.size() && text[i] == '.') {
    literal += text[i++];
    while (i < text.size() && IsDigit(text[i])) {
      literal += text[i++];
      digits = true;
    }
  }
  if (!digits) return 0.0;
  if (allowExponent && i < text.size() &&
      (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
    bool expDigits = false;
    while (j < text.size() && IsDigit(text[j])) {
      exponent += text[j++];
      expDigits = true;
    }
    if (expDigits) literal += exponent;
  }
  return LiteralValue(literal);
}

double ParseRadix(std::string_view digits, int radix) {
  uint64_t value = 0;
  bool any = false;
  for (char c : digits) {
    int d;
    if (IsDigit(c))
      d = c - '0';
    else if (c >= 'a' && c <= 'f')
      d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      d = c - 'A' + 10;
    else
      break;
    if (d >= radix) break;
    value = value * static_cast<uint64_t>(radix) + static_cast<uint64_t>(d);
    any = true;
    if (value > 0xFFFFFFFFull)
      throw Error(ErrorKind::Overflow, "number \"" + std::string(digits) + "\" does not fit in 32 bits");
  }
  if (!any) return 0.0;
  if (value <= 0xFFFF) return static_cast<int16_t>(static_cast<uint16_t>(value));
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

}  // namespace

double NumberAtStart(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  return ParseDecimal(text.substr(i), false);
}

double HostNumericPrefix(std::string_view text) {
  std::string packed;
  for (char c : text)
    if (c != ' ' && c != '\t' && c != '\n') packed += c;
  if (packed.size() >= 2 && packed[0] == '&') {
    char radix = packed[1];
    if (radix == 'H' || radix == 'h') return ParseRadix(std::string_view(packed).substr(2), 16);
    if (radix == 'O' || radix == 'o') return ParseRadix(std::string_view(packed).substr(2), 8);
  }
  return ParseDecimal(packed, true);
}

double RoundHalfEven(double value) { return std::nearbyint(value); }

int16_t ToInt16(double value, std::string_view what) {
  double rounded = RoundHalfEven(value);
  if (!(rounded >= -32768.0 && rounded <= 32767.0))
    throw Error(ErrorKind::Overflow,
                std::string(what) + " " + std::to_string(value) + " is outside -32768..32767");
  return static_cast<int16_t>(rounded);
}

int32_t ToInt32(double value, std::string_view what) {
  double rounded = RoundHalfEven(value);
  if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
    throw Error(ErrorKind::Overflow,
                std::string(what) + " " + std::to_string(value) + " is outside the 32-bit range");
  return static_cast<int32_t>(rounded);
}

int16_t CheckedAdd16(int16_t a, int16_t b, std::string_view what) {
  int sum = int{a} + int{b};
  if (sum < std::numeric_limits<int16_t>::min() || sum > std::numeric_limits<int16_t>::max())
    throw Error(ErrorKind::Overflow, std::string(what) + " " + std::to_string(a) + " + " + std::to_string(b) +
                                         " is outside -32768..32767");
  return static_cast<int16_t>(sum);
}

}  // namespace pelvaron
