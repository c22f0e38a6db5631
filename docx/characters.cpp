#include "docx/characters.hpp"

namespace pelvaron::docx {

bool IsXmlCharacter(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0x10FFFF);
}

char32_t SymbolCharacter(int32_t number) {
  int64_t value = number;
  if (value < 0 && value >= -65535) value += 65536;
  if (value < 0 || value > 0x10FFFF) return kReplacementCharacter;
  const auto c = static_cast<char32_t>(value);
  return IsXmlCharacter(c) ? c : kReplacementCharacter;
}

}  // namespace pelvaron::docx
