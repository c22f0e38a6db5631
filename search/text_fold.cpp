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

// Latin letters of the Latin Extended Additional block that transliterations use, every one
// the Latin reading prints among them.
char DottedLatin(char32_t c) {
  switch (c | 1) {  // upper and lower case differ in the lowest bit there
    case U'\u1E0D':
    case U'\u1E0F':
      return 'd';
    case U'\u1E25':
    case U'\u1E2B':
      return 'h';
    case U'\u1E61':  // ṡ, the Latin reading's ث
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

namespace {

// The word being read, character by character, and the words read so far.
class Tokenizer {
 public:
  explicit Tokenizer(std::size_t textSize) { tokens_.reserve(textSize / 6); }

  // A Latin letter (folded) or an Arabic letter at byte `pos`, `length` bytes long.
  void Letter(char32_t c, char latin, std::size_t pos, std::size_t length) {
    const bool isArabic = latin == 0;
    if (inWord_ && arabicWord_ != isArabic) Close();
    if (!inWord_) {
      inWord_ = true;
      arabicWord_ = isArabic;
      word_.begin = pos;
    }
    if (latin) {
      word_.term += latin;
    } else {
      AppendArabic(plain_, c);
      AppendArabic(read_, c);
    }
    lastWordEnd_ = pos + length;
  }

  // True when `c` is a mark inside an Arabic word, which it then takes.
  bool Mark(char32_t c, std::size_t end) {
    if (!inWord_ || !arabicWord_ || !IsIgnoredArabicMark(c)) return false;
    // the superscript alef over alef maksura (ىٰ) is the sound the maksura already writes
    if (c == arabic::kDaggerAlef && (read_.empty() || read_.back() != kAlefMaksura))
      AppendArabic(read_, kAlef);
    lastWordEnd_ = end;
    return true;
  }

  bool InWord() const { return inWord_; }

  // Ends the word being read, if any, after its last letter or mark.
  void Close() {
    if (inWord_ && (!word_.term.empty() || !plain_.empty())) {
      word_.end = lastWordEnd_;
      if (arabicWord_) SetArabicForms();
      tokens_.push_back(std::move(word_));
    }
    word_ = Token{};
    plain_.clear();
    read_.clear();
    inWord_ = false;
  }

  std::vector<Token> Take() { return std::move(tokens_); }

 private:
  void SetArabicForms() {
    std::vector<std::string> forms;
    AddArabicForms(plain_, forms);
    if (read_ != plain_) AddArabicForms(read_, forms);
    word_.term = std::move(forms.front());
    word_.variants.assign(std::make_move_iterator(forms.begin() + 1), std::make_move_iterator(forms.end()));
  }

  std::vector<Token> tokens_;
  Token word_;
  std::u32string plain_, read_;  // Arabic: without and with the superscript alef read as alef
  bool inWord_ = false;
  bool arabicWord_ = false;
  std::size_t lastWordEnd_ = 0;
};

bool IsWordCharacter(char32_t c) { return FoldLatin(c) || arabic::IsLetter(c); }

// The code point at byte `pos`, 0 past the end.
char32_t CodePointAt(std::string_view text, std::size_t pos) {
  std::size_t length = 1;
  return pos < text.size() ? DecodeUtf8At(text, pos, &length) : 0;
}

}  // namespace

std::vector<Token> Tokenize(std::string_view text) {
  Tokenizer words(text.size());
  for (std::size_t pos = 0, length = 1; pos < text.size(); pos += length) {
    const char32_t c = DecodeUtf8At(text, pos, &length);
    if (IsWordCharacter(c)) {
      words.Letter(c, FoldLatin(c), pos, length);
      continue;
    }
    // A joiner joins only when a word character follows; otherwise the word ended before it.
    const bool joins = words.InWord() && IsJoiner(c) && IsWordCharacter(CodePointAt(text, pos + length));
    if (!words.Mark(c, pos + length) && !joins) words.Close();
  }
  words.Close();
  return words.Take();
}

}  // namespace pelvaron::search
