#include "search/text_fold.hpp"

#include <algorithm>

#include "module/arabic_script.hpp"
#include "module/text.hpp"

namespace pelvaron::search {
namespace {

// Base letters of U+00C0..U+017F; blank for × and ÷.
constexpr std::string_view kLatinBase =
    "aaaaaaaceeeeiiiidnooooo ouuuuytsaaaaaaaceeeeiiiidnooooo "
    "ouuuuytyaaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiii"
    "iiiiiijjkkkllllllllllnnnnnnnnnoooooooorrrrrrssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";
static_assert(kLatinBase.size() == 0x180 - 0xC0);

bool IsJoiner(char32_t c) {
  return c == U'-' || c == U'\'' || c == U'\u2019' || c == U'\u2018' || c == U'`' || c == U'\u02BC' ||
         c == U'\u02BF' || c == U'\u02BE';
}

// Latin letters of the Latin Extended Additional block that transliterations use.
char DottedLatin(char32_t c) {
  switch (c | 1) {  // upper and lower case differ in the lowest bit there
    case U'\u1E0D':
    case U'\u1E0F':
      return 'd';
    case U'\u1E25':
    case U'\u1E2B':
      return 'h';
    case U'\u1E63':
      return 's';
    case U'\u1E6D':
    case U'\u1E6F':
      return 't';
    case U'\u1E93':
      return 'z';
    default:
      return 0;
  }
}

}  // namespace

char FoldLatin(char32_t c) {
  if (c >= U'a' && c <= U'z') return static_cast<char>(c);
  if (c >= U'0' && c <= U'9') return static_cast<char>(c);
  if (c >= U'A' && c <= U'Z') return static_cast<char>(c - U'A' + U'a');
  if (c >= 0xC0 && c < 0x180) {
    const char base = kLatinBase[c - 0xC0];
    return base == ' ' ? 0 : base;
  }
  if (c >= 0x1E00 && c <= 0x1EFF) return DottedLatin(c);
  return 0;
}

bool IsIgnoredArabicMark(char32_t c) { return arabic::IsQuranicMark(c) || c == arabic::kTatweel; }

char32_t UnifyArabicLetter(char32_t c) {
  if (arabic::IsAlefForm(c)) return arabic::kAlef;
  if (c == arabic::kAlefMaksura) return arabic::kYeh;
  if (c == arabic::kTehMarbuta) return arabic::kHeh;
  return c;
}

std::string AsciiDigitsAndDashes(std::string_view text) {
  std::string out;
  for (std::size_t pos = 0, length = 1; pos < text.size(); pos += length) {
    const char32_t c = DecodeUtf8At(text, pos, &length);
    if (const int digit = arabic::DigitValue(c); digit >= 0)
      out += static_cast<char>('0' + digit);
    else if (c == U'\u2013' || c == U'\u2014' || c == U'\u2212')
      out += '-';
    else
      out.append(text.substr(pos, length));
  }
  return out;
}

bool HasArabicLetter(std::string_view text) {
  for (std::size_t pos = 0, length = 1; pos < text.size(); pos += length)
    if (arabic::IsLetter(DecodeUtf8At(text, pos, &length))) return true;
  return false;
}

namespace {

using arabic::kAlef;
using arabic::kAlefMaksura;
using arabic::kHamza;

// Appends an Arabic letter; alef maksura stays itself until the word is closed.
void AppendArabic(std::u32string& word, char32_t c) {
  c = c == kAlefMaksura ? c : UnifyArabicLetter(c);
  if (c == kAlef && !word.empty() && word.back() == kHamza)
    word.back() = kAlef;  // ءا as آ, which is ا
  else
    word += c;
}

// The forms of an Arabic word the index holds: alef maksura as yeh, and when it ends the word also as alef.
void AddArabicForms(const std::u32string& word, std::vector<std::string>& forms) {
  std::string yeh;
  for (char32_t c : word) AppendUtf8(yeh, c == kAlefMaksura ? arabic::kYeh : c);
  const auto add = [&](std::string form) {
    if (std::find(forms.begin(), forms.end(), form) == forms.end()) forms.push_back(std::move(form));
  };
  if (!word.empty() && word.back() == kAlefMaksura) {
    std::string alef = yeh.substr(0, yeh.size() - 2);  // yeh is two bytes
    AppendUtf8(alef, kAlef);
    add(yeh);
    add(std::move(alef));
  } else {
    add(std::move(yeh));
  }
}

}  // namespace

std::vector<Token> Tokenize(std::string_view text) {
  std::vector<Token> tokens;
  tokens.reserve(text.size() / 6);
  Token word;
  std::u32string plain, read;  // Arabic: without and with the superscript alef read as alef
  bool inWord = false;
  bool arabicWord = false;
  const auto close = [&](std::size_t end) {
    if (inWord && (!word.term.empty() || !plain.empty())) {
      word.end = end;
      if (arabicWord) {
        std::vector<std::string> forms;
        AddArabicForms(plain, forms);
        if (read != plain) AddArabicForms(read, forms);
        word.term = std::move(forms.front());
        word.variants.assign(std::make_move_iterator(forms.begin() + 1),
                             std::make_move_iterator(forms.end()));
      }
      tokens.push_back(std::move(word));
    }
    word = Token{};
    plain.clear();
    read.clear();
    inWord = false;
  };
  std::size_t lastWordEnd = 0;
  for (std::size_t pos = 0, length = 1; pos < text.size(); pos += length) {
    const char32_t c = DecodeUtf8At(text, pos, &length);
    const char latin = FoldLatin(c);
    const bool isArabic = arabic::IsLetter(c);
    if (latin || isArabic) {
      if (inWord && arabicWord != isArabic) close(lastWordEnd);
      if (!inWord) {
        inWord = true;
        arabicWord = isArabic;
        word.begin = pos;
      }
      if (latin) {
        word.term += latin;
      } else {
        AppendArabic(plain, c);
        AppendArabic(read, c);
      }
      lastWordEnd = pos + length;
    } else if (inWord && arabicWord && IsIgnoredArabicMark(c)) {
      // the superscript alef over alef maksura (ىٰ) is the sound the maksura already writes
      if (c == arabic::kDaggerAlef && (read.empty() || read.back() != kAlefMaksura))
        AppendArabic(read, kAlef);
      lastWordEnd = pos + length;
    } else if (inWord && IsJoiner(c)) {
      // joins only when a word character follows; otherwise the word ended before it
      std::size_t nextLength = 1;
      const char32_t next = pos + length < text.size() ? DecodeUtf8At(text, pos + length, &nextLength) : 0;
      if (!(FoldLatin(next) || arabic::IsLetter(next))) close(lastWordEnd);
    } else {
      close(lastWordEnd);
    }
  }
  close(lastWordEnd);
  return tokens;
}

}  // namespace pelvaron::search
