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
    Letter{ar::kBeh, "b", false, ""},
    Letter{ar::kTeh, "t", true, ""},
    Letter{ar::kTheh, "ṡ", true, ""},
    Letter{ar::kJeem, "j", false, ""},
    Letter{ar::kHah, "ḥ", false, "ḥā"},
    Letter{ar::kKhah, "kh", false, ""},
    Letter{ar::kDal, "d", true, ""},
    Letter{ar::kThal, "ż", true, ""},
    Letter{ar::kReh, "r", true, "rā"},
    Letter{ar::kZain, "z", true, ""},
    Letter{ar::kSeen, "s", true, "sīn"},
    Letter{ar::kSheen, "sy", true, ""},
    Letter{ar::kSad, "ṣ", true, "ṣād"},
    Letter{ar::kDad, "ḍ", true, ""},
    Letter{ar::kTah, "ṭ", true, "ṭā"},
    Letter{ar::kZah, "ẓ", true, ""},
    Letter{ar::kAin, "‘", false, "‘ain"},
    Letter{ar::kGhain, "g", false, ""},
    Letter{ar::kFeh, "f", false, ""},
    Letter{ar::kQaf, "q", false, "qāf"},
    Letter{ar::kKaf, "k", false, "kāf"},
    Letter{ar::kLam, "l", true, "lām"},
    Letter{ar::kMeem, "m", false, "mīm"},
    Letter{ar::kNoon, "n", true, "nūn"},
    Letter{ar::kWaw, "w", false, ""},
    Letter{ar::kHeh, "h", false, "hā"},
    Letter{ar::kYeh, "y", false, "yā"},
    Letter{ar::kTehMarbuta, "t", false, ""},
    Letter{ar::kAlef, "", false, "alif"},
    // The hamza and its seats.
    Letter{ar::kHamza, "’", false, ""},
    Letter{ar::kAlefHamzaAbove, "’", false, ""},
    Letter{ar::kAlefHamzaBelow, "’", false, ""},
    Letter{ar::kWawHamzaAbove, "’", false, ""},
    Letter{ar::kYehHamzaAbove, "’", false, ""},
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
