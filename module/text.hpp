#pragma once
// Text as the engine keeps it: UTF-8 in std::string. The data files hold Windows-1252
// bytes, which are decoded on reading.

#include <cstddef>
#include <string>
#include <string_view>

namespace pelvaron {

// Windows-1252 bytes to UTF-8. The five bytes that code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, as Windows itself does.
std::string DecodeWindows1252(std::string_view bytes);

// The code point of a Windows-1252 byte.
char32_t Windows1252ToCodePoint(unsigned char byte);

// Appends one code point as UTF-8.
void AppendUtf8(std::string& out, char32_t codePoint);

// The code point starting at `pos` of a valid UTF-8 text and the byte length of its
// encoding. Invalid sequences read as one byte each, as U+FFFD.
char32_t DecodeUtf8At(std::string_view text, std::size_t pos, std::size_t* length);

// Upper case of one code point, exact for every letter Windows-1252 can hold (a-z, the
// accented Latin-1 letters, š œ ž ÿ); anything without an upper case form is returned as
// it is (ß, µ and ƒ among them, whose upper forms lie outside the code page).
char32_t UpperCase(char32_t codePoint);

// `text` with its first `count` characters upper-cased and the rest unchanged.
std::string UpperCaseFirst(std::string_view text, std::size_t count);

// `text` without the blanks (U+0020 only) at its two ends.
std::string_view TrimSpaces(std::string_view text);

// `text` with every non-overlapping occurrence of `what` removed in one pass from the left.
std::string RemoveAll(std::string_view text, std::string_view what);

}  // namespace pelvaron
