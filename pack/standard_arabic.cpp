#include "pack/standard_arabic.hpp"

#include "module/text.hpp"

namespace pelvaron::pack {

char32_t StandardArabic(char32_t c) {
  switch (c) {
    case U'\u0657':
      return U'\u08F0';
    case U'\u065E':
      return U'\u08F1';
    case U'\u0656':
      return U'\u08F2';
    default:
      return c;
  }
}

std::string ToStandardArabic(std::string_view utf8, int* mapped) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    std::size_t length = 1;
    const char32_t c = DecodeUtf8At(utf8, pos, &length);
    const char32_t standard = StandardArabic(c);
    if (standard != c) ++*mapped;
    AppendUtf8(out, standard);
    pos += length;
  }
  return out;
}

}  // namespace pelvaron::pack
