#pragma once
// The Latin reading of vowelled Uthmani Arabic, by the Arab-Latin transliteration guideline of
// Indonesia's Ministries of Religious Affairs and of Education (1987) as the Ministry's Quran
// editions print it. The letters are a table (latin/letters.hpp); the reading is built word by
// word (the article included), then passes join the words as they are recited: hamzat waṣl
// elided, nūn sākinah and tanwin assimilated, and the pauses at the stop signs and the verse's end.

#include <string>
#include <string_view>

#include "latin/conjunctions.hpp"

namespace pelvaron::latin {

// The printed Latin of a whole verse, its first letter upper case, a pause and a comma at each
// stop sign, the pause at its end and a full stop: "Qul huwallāhu aḥad(un)." Characters that
// are neither letters nor marks (verse numbers, ornaments) are passed over; an empty text gives
// "". `joined`: the words whose first w or f is their own (DecideWaFa over the whole text);
// any other wa or fa before a consonant is read as the conjunction, apart.
std::string TransliterateVerse(std::string_view arabicUtf8, const JoinedWords& joined);

}  // namespace pelvaron::latin

namespace pelvaron {
using latin::TransliterateVerse;
}
