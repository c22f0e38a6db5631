#pragma once
// Which characters a document file can hold, and how symbol numbers become characters.

#include <cstdint>

namespace pelvaron::docx {

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// True for the characters XML 1.0 allows in text.
bool IsXmlCharacter(char32_t c);

// The character that InsertSymbol's number stands for, Unicode flag set. Word reads a
// negative number as its 16-bit pattern (recorded macros name Wingdings symbols as -4010
// for U+F056), so -65535..-1 become 65536 + number. Whatever is then no character XML can
// carry (0, other C0 controls, surrogates, U+FFFE/U+FFFF, above U+10FFFF, below -65535)
// becomes U+FFFD, so a damaged data file still gives a document that opens.
char32_t SymbolCharacter(int32_t number);

}  // namespace pelvaron::docx
