#pragma once
// quran-json's Arabic is encoded for the King Fahd Complex's Uthmanic HAFS font, which draws
// the open (staggered) tanween at three code points Unicode gives other marks. The pack
// stores the standard code points so any Quran font draws what the source means.

#include <string>
#include <string_view>

namespace pelvaron::pack {

// U+0657 → U+08F0 (open fathatan), U+065E → U+08F1 (open dammatan), U+0656 → U+08F2
// (open kasratan); every other character as it is.
char32_t StandardArabic(char32_t c);

// `utf8` with StandardArabic applied to each character; adds the number of characters
// changed to `*mapped`.
std::string ToStandardArabic(std::string_view utf8, int* mapped);

}  // namespace pelvaron::pack
