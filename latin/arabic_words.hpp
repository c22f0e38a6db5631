#pragma once
// Vowelled Uthmani Arabic as words of letters, each letter with its marks, the form every
// pass of the Latin reading works on; and the key by which a word is looked up in a word list.

#include <string>
#include <string_view>
#include <vector>

namespace pelvaron::latin {

struct ArabicLetter {
  char32_t base = 0;
  std::u32string marks;
  bool Has(char32_t mark) const { return marks.find(mark) != std::u32string::npos; }
};
using ArabicWord = std::vector<ArabicLetter>;

// The words of a text, split at blanks. Characters that are neither letters nor marks
// (verse numbers, ornaments) are passed over; a mark before any letter is dropped.
std::vector<ArabicWord> ParseWords(std::string_view text);

// A vowel sign, shadda, sukun or dagger alif on the letter.
bool HasVowel(const ArabicLetter& l);

// The stop sign over a letter (ۖ ۗ ۘ ۚ ۛ, a word's last), or 0.
char32_t StopSignOf(const ArabicLetter& l);

// The word as a list looks it up: UTF-8, each letter's marks in code point order, without stop
// signs, and without the short vowel, tanwin or sukun of its last letter, which the case and
// the pause change.
std::string WordKey(const ArabicWord& w);

}  // namespace pelvaron::latin
