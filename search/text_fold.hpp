#pragma once
// How the search compares text: Latin letters without case or accents, Arabic without vowel
// and Quranic annotation marks, with its variant letter forms unified.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pelvaron::search {

// a-z or 0-9 for a Latin letter (accents dropped, case lowered) or an ASCII digit; 0 for
// anything else.
char FoldLatin(char32_t c);

// Vowel and Quranic annotation marks (arabic::IsQuranicMark) and tatweel: dropped when comparing.
bool IsIgnoredArabicMark(char32_t c);
// أ إ آ ٱ → ا, ى → ي, ة → ه; every other letter as it is.
char32_t UnifyArabicLetter(char32_t c);

// Arabic-Indic and extended Arabic-Indic digits to ASCII, en and em dashes to "-"; the rest unchanged.
std::string AsciiDigitsAndDashes(std::string_view text);

// True when `text` holds an Arabic letter.
bool HasArabicLetter(std::string_view text);

// One word of a text as the index holds it.
struct Token {
  std::string term;  // folded
  // Arabic only: the other ways people type the word, when they differ: with the superscript
  // alef read as alef, and with a final alef maksura typed as alef (الزنا for الزنى).
  std::vector<std::string> variants;
  std::size_t begin = 0;  // byte offsets of the word in the text
  std::size_t end = 0;
};

// The words of `text`: runs of Latin letters and digits, or of Arabic letters (marks inside a
// word are skipped; hamza and alef, ءا, read as the alef آ is folded to). A hyphen or apostrophe between two
// word characters joins them
// ("Kursi-Nya" is "kursinya"); any other character ends a word.
std::vector<Token> Tokenize(std::string_view text);

}  // namespace pelvaron::search
