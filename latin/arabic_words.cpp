#include "latin/arabic_words.hpp"

#include <algorithm>

#include "latin/letters.hpp"
#include "module/text.hpp"

namespace pelvaron::latin {
namespace {

bool IsBase(char32_t c) { return (c >= ar::kHamza && c <= ar::kYeh) || c == ar::kAlefWasla; }
bool IsMark(char32_t c) { return ar::IsUthmaniMark(c); }
bool IsBlank(char32_t c) { return c == U' ' || c == ar::kNoBreakSpace; }

bool IsStopSign(char32_t m) {
  return m == ar::kWaqfSadLamAlefMaksura || m == ar::kWaqfQafLamAlefMaksura || m == ar::kWaqfMeem ||
         m == ar::kWaqfJeem || m == ar::kWaqfThreeDots;
}

bool IsEndingVowel(char32_t m) {
  return (m >= ar::kFathatan && m <= ar::kKasra) || m == ar::kSukun ||
         (m >= ar::kOpenFathatan && m <= ar::kOpenKasratan);
}

// One character into the words: a blank starts a word, a letter or a thin space's seat joins
// the last word, a mark goes to the last letter.
void Take(std::vector<ArabicWord>& words, char32_t c, bool markNext) {
  if (IsBlank(c) || (c == ar::kThinSpace && !markNext)) {
    if (!words.back().empty()) words.emplace_back();
  } else if (c == ar::kAlefMadda) {  // آ as one character, in text from elsewhere
    words.back().push_back({ar::kAlef, std::u32string(1, ar::kMaddah)});
  } else if (IsBase(c) || c == ar::kThinSpace) {
    words.back().push_back({c == ar::kThinSpace ? ar::kTatweel : c, {}});
  } else if (IsMark(c) && !words.back().empty()) {
    words.back().back().marks += c;
  }
}

}  // namespace

// A thin space the text sets inside a word (فَٱدَّـٰرَ ٰٔتُمۡ) carries the marks after it, as
// a tatweel does; before a letter it is a blank.
std::vector<ArabicWord> ParseWords(std::string_view text) {
  std::vector<ArabicWord> words(1);
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t length = 1;
    const char32_t c = DecodeUtf8At(text, pos, &length);
    pos += length;
    std::size_t nextLength = 1;
    Take(words, c, pos < text.size() && IsMark(DecodeUtf8At(text, pos, &nextLength)));
  }
  if (words.back().empty()) words.pop_back();
  return words;
}

bool HasVowel(const ArabicLetter& l) {
  // Iterator algorithms, not std::ranges: the web build's libc++ 14 lacks the range ones.
  return std::any_of(l.marks.begin(), l.marks.end(), [](char32_t m) {
    return (m >= ar::kFathatan && m <= ar::kShadda) || m == ar::kSukun || m == ar::kDaggerAlef ||
           (m >= ar::kOpenFathatan && m <= ar::kOpenKasratan);
  });
}

char32_t StopSignOf(const ArabicLetter& l) {
  const auto sign = std::find_if(l.marks.begin(), l.marks.end(), IsStopSign);
  return sign == l.marks.end() ? 0 : *sign;
}

std::string WordKey(const ArabicWord& w) {
  std::string key;
  for (std::size_t i = 0; i < w.size(); ++i) {
    AppendUtf8(key, w[i].base);
    std::u32string marks = w[i].marks;
    std::sort(marks.begin(), marks.end());  // texts order a letter's marks differently (دُّ, دُّ)
    for (char32_t m : marks)
      if (!IsStopSign(m) && !(i + 1 == w.size() && IsEndingVowel(m))) AppendUtf8(key, m);
  }
  return key;
}

}  // namespace pelvaron::latin
