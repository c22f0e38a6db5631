#pragma once
// The Latin reading of vowelled Uthmani Arabic, by the Arab-Latin transliteration guideline of
// Indonesia's Ministries of Religious Affairs and of Education (1987) as the Ministry's Quran
// editions print it. The letters are a table (latin/letters.hpp); the reading is built word by
// word (the article included), then passes join the words as they are recited: hamzat waṣl
// elided, nūn sākinah and tanwin assimilated, and the pause at the verse's end.

#include <string>
#include <string_view>

namespace pelvaron::latin {

// The printed Latin of a whole verse, its first letter upper case, the pause at its end and a
// full stop: "Qul huwallāhu aḥad(un)." Characters that are neither letters nor marks (verse
// numbers, ornaments, waqf signs) are passed over; an empty text gives "".
std::string TransliterateVerse(std::string_view arabicUtf8);

}  // namespace pelvaron::latin

namespace pelvaron {
using latin::TransliterateVerse;
}
