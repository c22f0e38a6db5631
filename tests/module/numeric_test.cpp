#include "module/numeric.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>

#include "module/error.hpp"
#include "tests/support/expect_error.hpp"

namespace pelvaron {
namespace {
using testing::ExpectError;

TEST(NumberAtStart, ReadsTheLeadingDecimalNumber) {
  EXPECT_EQ(NumberAtStart("  12 abc"), 12.0);
  EXPECT_EQ(NumberAtStart("-7"), -7.0);
  EXPECT_EQ(NumberAtStart("+3x"), 3.0);
  EXPECT_EQ(NumberAtStart("7.5"), 7.5);
  EXPECT_EQ(NumberAtStart("0051"), 51.0);
  EXPECT_EQ(NumberAtStart(".5"), 0.5);
}

TEST(NumberAtStart, TextWithoutANumberIsZero) {
  EXPECT_EQ(NumberAtStart(""), 0.0);
  EXPECT_EQ(NumberAtStart("abc"), 0.0);
  EXPECT_EQ(NumberAtStart("  "), 0.0);
  EXPECT_EQ(NumberAtStart("-"), 0.0);
  EXPECT_EQ(NumberAtStart("x12"), 0.0);
}

TEST(NumberAtStart, StopsAtTheFirstCharacterThatIsNotPartOfTheNumber) {
  EXPECT_EQ(NumberAtStart("1 2"), 1.0);  // blanks inside end the number in this flavour
  EXPECT_EQ(NumberAtStart("1e3"), 1.0);  // no exponent
  EXPECT_EQ(NumberAtStart("12\r"), 12.0);
}

TEST(HostNumericPrefix, IgnoresBlanksAnywhere) {
  EXPECT_EQ(HostNumericPrefix(" 1 2 "), 12.0);
  EXPECT_EQ(HostNumericPrefix("\t4\n5"), 45.0);
  EXPECT_EQ(HostNumericPrefix("3abc"), 3.0);
  EXPECT_EQ(HostNumericPrefix(""), 0.0);
  EXPECT_EQ(HostNumericPrefix("abc"), 0.0);
}

TEST(HostNumericPrefix, ReadsExponentAndRadixPrefixes) {
  EXPECT_EQ(HostNumericPrefix("1e2"), 100.0);
  EXPECT_EQ(HostNumericPrefix("1.5E+1"), 15.0);
  EXPECT_EQ(HostNumericPrefix("2e"), 2.0);
  EXPECT_EQ(HostNumericPrefix("&H10"), 16.0);
  EXPECT_EQ(HostNumericPrefix("&hff"), 255.0);
  EXPECT_EQ(HostNumericPrefix("&O17"), 15.0);
  EXPECT_EQ(HostNumericPrefix("&O9"), 0.0);
  EXPECT_EQ(HostNumericPrefix("&H"), 0.0);
}

TEST(HostNumericPrefix, RadixValuesWrapLikeTheHost) {
  EXPECT_EQ(HostNumericPrefix("&HFFFF"), -1.0);
  EXPECT_EQ(HostNumericPrefix("&H8000"), -32768.0);
  EXPECT_EQ(HostNumericPrefix("&H10000"), 65536.0);
  EXPECT_EQ(HostNumericPrefix("&HFFFFFFFF"), -1.0);
  EXPECT_THROW(HostNumericPrefix("&H100000000"), Error);
}

TEST(Numbers, ReadTheSameUnderALocaleWithADecimalComma) {
  // Another component in the host's process may switch the C locale.
  const std::string before = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
    GTEST_SKIP() << "de_DE.UTF-8 is not installed (tools/install-deps.sh makes it)";
  const double numbers[] = {NumberAtStart("7.5"), HostNumericPrefix("1e2"), HostNumericPrefix("-1.5E+1"),
                            HostNumericPrefix("1e999"), HostNumericPrefix("1e-999")};
  std::setlocale(LC_ALL, before.c_str());
  EXPECT_EQ(numbers[0], 7.5);
  EXPECT_EQ(numbers[1], 100.0);
  EXPECT_EQ(numbers[2], -15.0);
  EXPECT_EQ(numbers[3], std::numeric_limits<double>::infinity());  // too large: overflow when made an integer
  EXPECT_EQ(numbers[4], 0.0);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(7.5), 8.0);
  EXPECT_EQ(RoundHalfEven(6.5), 6.0);
  EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
  EXPECT_EQ(RoundHalfEven(2.4999), 2.0);
  EXPECT_EQ(ToInt16(0.5, "v"), 0);
  EXPECT_EQ(ToInt16(1.5, "v"), 2);
}

TEST(Rounding, Int16RangeIsChecked) {
  EXPECT_EQ(ToInt16(32767.4, "v"), 32767);
  EXPECT_EQ(ToInt16(-32768.5, "v"), -32768);  // rounds to the even -32768
  ExpectError(ErrorKind::Overflow, "pos_depag.txt: line 3",
              [&] { ToInt16(32767.5, "pos_depag.txt: line 3 value"); });
  EXPECT_THROW(ToInt16(1e300, "v"), Error);
  EXPECT_THROW(ToInt32(2147483647.5, "v"), Error);
  EXPECT_EQ(ToInt32(-2147483648.0, "v"), INT32_MIN);
}

TEST(CheckedAdd16, FailsInsteadOfWrapping) {
  EXPECT_EQ(CheckedAdd16(32000, 767, "k"), 32767);
  EXPECT_EQ(CheckedAdd16(-32768, 0, "k"), -32768);
  EXPECT_THROW(CheckedAdd16(32000, 768, "k"), Error);
  EXPECT_THROW(CheckedAdd16(-32768, -1, "k"), Error);
}

}  // namespace
}  // namespace pelvaron
