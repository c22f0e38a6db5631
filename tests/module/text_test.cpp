#include "module/text.hpp"

#include <gtest/gtest.h>

#include "module/error.hpp"
#include "module/state.hpp"
#include "tests/support/expect_error.hpp"

namespace pelvaron {
namespace {
using testing::ExpectError;

TEST(Windows1252, DecodesTheWholeCodePage) {
  EXPECT_EQ(DecodeWindows1252("abc"), "abc");
  EXPECT_EQ(DecodeWindows1252("\x80"), "\u20ac");
  EXPECT_EQ(DecodeWindows1252("caf\xe9"), "caf\u00e9");
  EXPECT_EQ(DecodeWindows1252("\x9f"), "\u0178");
  EXPECT_EQ(DecodeWindows1252("\x81"), "\u0081");
  EXPECT_EQ(DecodeWindows1252(std::string("\0", 1)), std::string("\0", 1));
  for (int b = 0; b < 256; ++b) {
    const char32_t cp = Windows1252ToCodePoint(static_cast<unsigned char>(b));
    EXPECT_TRUE(b < 0x80 ? cp == static_cast<char32_t>(b) : cp >= 0x80) << b;
  }
}

TEST(Windows1252, LongRunsDecodeAsTheirBytesOneByOne) {
  // Long ASCII runs are copied in blocks; a high byte at any place inside a block must still
  // come out decoded, and in its place.
  for (std::size_t at = 0; at < 20; ++at) {
    std::string bytes(20, 'x');
    bytes[at] = '\x80';
    std::string expected(20, 'x');
    expected.replace(at, 1, "\u20ac");
    EXPECT_EQ(DecodeWindows1252(bytes), expected) << at;
  }
  std::string all;
  std::string oneByOne;
  for (int b = 0; b < 256; ++b) {
    all += static_cast<char>(b);
    oneByOne += DecodeWindows1252(std::string(1, static_cast<char>(b)));
  }
  EXPECT_EQ(DecodeWindows1252(all + all), oneByOne + oneByOne);
}

TEST(UpperCase, CoversEveryLetterOfTheCodePage) {
  EXPECT_EQ(UpperCase(U'a'), U'A');
  EXPECT_EQ(UpperCase(U'z'), U'Z');
  EXPECT_EQ(UpperCase(U'\u00e9'), U'\u00c9');
  EXPECT_EQ(UpperCase(U'\u00fe'), U'\u00de');
  EXPECT_EQ(UpperCase(U'\u00ff'), U'\u0178');
  EXPECT_EQ(UpperCase(U'\u0161'), U'\u0160');
  EXPECT_EQ(UpperCase(U'\u0153'), U'\u0152');
  EXPECT_EQ(UpperCase(U'\u017e'), U'\u017d');
  // No upper form inside the code page: unchanged.
  EXPECT_EQ(UpperCase(U'\u00df'), U'\u00df');
  EXPECT_EQ(UpperCase(U'\u00f7'), U'\u00f7');
  EXPECT_EQ(UpperCase(U'\u00b5'), U'\u00b5');
  EXPECT_EQ(UpperCase(U'('), U'(');
  EXPECT_EQ(UpperCase(U'A'), U'A');
  // Every lower-case letter of the code page maps to a letter of the code page.
  for (int b = 0; b < 256; ++b) {
    const char32_t cp = Windows1252ToCodePoint(static_cast<unsigned char>(b));
    const char32_t up = UpperCase(cp);
    if (up == cp) continue;
    bool inPage = false;
    for (int c = 0; c < 256; ++c) inPage |= Windows1252ToCodePoint(static_cast<unsigned char>(c)) == up;
    EXPECT_TRUE(inPage) << "byte " << b;
  }
}

TEST(UpperCaseFirst, ChangesOnlyTheFirstCharacters) {
  EXPECT_EQ(UpperCaseFirst(" in the name", 2), " In the name");
  EXPECT_EQ(UpperCaseFirst(" \u00e9t\u00e9", 2), " \u00c9t\u00e9");
  EXPECT_EQ(UpperCaseFirst(" (abc", 2), " (abc");
  EXPECT_EQ(UpperCaseFirst("a", 2), "A");
  EXPECT_EQ(UpperCaseFirst("", 2), "");
}

TEST(TrimSpaces, RemovesOnlyBlanksAtTheEnds) {
  EXPECT_EQ(TrimSpaces("  a  b  "), "a  b");
  EXPECT_EQ(TrimSpaces("\ta \t"), "\ta \t");
  EXPECT_EQ(TrimSpaces("   "), "");
}

TEST(ModuleState, SurahIndexesOutsideTheTableAreIndexErrors) {
  ModuleState state;
  EXPECT_EQ(state.Surah(0).VerseCount, 0);
  EXPECT_EQ(state.VersePosOf(114), 0);
  ExpectError(ErrorKind::Index, "", [&] { state.VersePosOf(115); });
  EXPECT_THROW(state.Surah(-1), Error);
}

}  // namespace
}  // namespace pelvaron
