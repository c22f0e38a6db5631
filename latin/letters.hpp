#pragma once
// The table of letters of the Arab-Latin transliteration guideline (joint decree of the
// Ministries of Religious Affairs and of Education, 1987), as the Ministry's Quran editions
// print it. Everything the passes know about a single letter's Latin lives here; its code
// point and character class live in module/arabic_script.hpp.

#include <string_view>

#include "module/arabic_script.hpp"

namespace pelvaron::latin {

// The Latin of a consonant; empty for a character that is none.
std::string_view Consonant(char32_t letter);

// The fourteen letters the article's l is assimilated to (al-qamar, but ar-raḥmān).
bool IsSunLetter(char32_t letter);

// ء أ إ ؤ ئ: a hamza, written ’ except at the start of a word.
bool IsHamza(char32_t letter);

// The spelled name of a letter standing alone at the head of a surah (الٓمٓ: alif lām mīm).
std::string_view LetterName(char32_t letter);

// Upper case of the first letter of a verse, the dotted and macron letters included.
char32_t LatinUpper(char32_t c);

// The passes name Arabic characters by the script's one set of names.
namespace ar = ::pelvaron::arabic;

}  // namespace pelvaron::latin
