#include "latin/letters.hpp"

#include <array>
#include <utility>

namespace pelvaron::latin {
namespace {

struct Letter {
  char32_t arabic;
  std::string_view latin;
  bool sun;
  std::string_view name;  // spelled alone at the head of a surah
};

// Consonants, in the guideline's order. ع is ‘ (U+2018), ء is ’ (U+2019); ة is t here and h
// at a pause (the pause pass); ذ ż, غ g and ش sy as the Ministry prints them.
constexpr std::array kLetters{
    Letter{U'\u0628', "b", false, ""},
    Letter{U'\u062A', "t", true, ""},
    Letter{U'\u062B', "ṡ", true, ""},
    Letter{U'\u062C', "j", false, ""},
    Letter{U'\u062D', "ḥ", false, "ḥā"},
    Letter{U'\u062E', "kh", false, ""},
    Letter{U'\u062F', "d", true, ""},
    Letter{U'\u0630', "ż", true, ""},
    Letter{U'\u0631', "r", true, "rā"},
    Letter{U'\u0632', "z", true, ""},
    Letter{U'\u0633', "s", true, "sīn"},
    Letter{U'\u0634', "sy", true, ""},
    Letter{U'\u0635', "ṣ", true, "ṣād"},
    Letter{U'\u0636', "ḍ", true, ""},
    Letter{U'\u0637', "ṭ", true, "ṭā"},
    Letter{U'\u0638', "ẓ", true, ""},
    Letter{U'\u0639', "‘", false, "‘ain"},
    Letter{U'\u063A', "g", false, ""},
    Letter{U'\u0641', "f", false, ""},
    Letter{U'\u0642', "q", false, "qāf"},
    Letter{U'\u0643', "k", false, "kāf"},
    Letter{U'\u0644', "l", true, "lām"},
    Letter{U'\u0645', "m", false, "mīm"},
    Letter{U'\u0646', "n", true, "nūn"},
    Letter{U'\u0648', "w", false, ""},
    Letter{U'\u0647', "h", false, "hā"},
    Letter{U'\u064A', "y", false, "yā"},
    Letter{U'\u0629', "t", false, ""},
    Letter{U'\u0627', "", false, "alif"},
    // The hamza and its seats.
    Letter{U'\u0621', "’", false, ""},
    Letter{U'\u0623', "’", false, ""},
    Letter{U'\u0625', "’", false, ""},
    Letter{U'\u0624', "’", false, ""},
    Letter{U'\u0626', "’", false, ""},
};

const Letter* Find(char32_t c) {
  for (const Letter& l : kLetters)
    if (l.arabic == c) return &l;
  return nullptr;
}

// Lower and upper forms of the letters with marks the Latin uses.
constexpr std::array<std::pair<char32_t, char32_t>, 13> kUpper{{
    {U'ā', U'Ā'},
    {U'ī', U'Ī'},
    {U'ū', U'Ū'},
    {U'ē', U'Ē'},
    {U'ḥ', U'Ḥ'},
    {U'ṣ', U'Ṣ'},
    {U'ḍ', U'Ḍ'},
    {U'ṭ', U'Ṭ'},
    {U'ẓ', U'Ẓ'},
    {U'ṡ', U'Ṡ'},
    {U'ż', U'Ż'},
    {U'‘', U'‘'},
    {U'’', U'’'},
}};

}  // namespace

std::string_view Consonant(char32_t letter) {
  const Letter* l = Find(letter);
  return l ? l->latin : std::string_view{};
}

bool IsSunLetter(char32_t letter) {
  const Letter* l = Find(letter);
  return l && l->sun && letter != ar::kTehMarbuta;
}

bool IsHamza(char32_t letter) {
  const Letter* l = Find(letter);
  return l && l->latin == "’";
}

std::string_view LetterName(char32_t letter) {
  const Letter* l = Find(letter);
  return l ? l->name : std::string_view{};
}

char32_t LatinUpper(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - U'a' + U'A';
  for (const auto& [lower, upper] : kUpper)
    if (lower == c) return upper;
  return c;
}

}  // namespace pelvaron::latin
