#include "module/text.hpp"

#include <array>
#include <cstdint>
#include <cstring>

namespace pelvaron {
namespace {

// Code points of the bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// How many bytes from the start are below 0x80, tested eight at a time.
std::size_t AsciiPrefixLength(std::string_view bytes) {
  constexpr uint64_t kHighBits = 0x8080808080808080ULL;
  std::size_t n = 0;
  for (; n + 8 <= bytes.size(); n += 8) {
    uint64_t word;
    std::memcpy(&word, bytes.data() + n, 8);
    if (word & kHighBits) break;
  }
  while (n < bytes.size() && static_cast<unsigned char>(bytes[n]) < 0x80) ++n;
  return n;
}

}  // namespace

char32_t Windows1252ToCodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string DecodeWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  std::size_t i = 0;
  while (i < bytes.size()) {
    // Most of a record is ASCII, which passes through unchanged: copy it a run at a time.
    const std::size_t run = AsciiPrefixLength(bytes.substr(i));
    out.append(bytes.data() + i, run);
    i += run;
    if (i < bytes.size()) AppendUtf8(out, Windows1252ToCodePoint(static_cast<unsigned char>(bytes[i++])));
  }
  return out;
}

char32_t DecodeUtf8At(std::string_view text, std::size_t pos, std::size_t* length) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  *length = 1;
  if (lead < 0x80) return lead;
  std::size_t need = (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : 0;
  if (need == 0 || pos + need >= text.size()) return 0xFFFD;
  char32_t cp = lead & (0x3F >> need);
  for (std::size_t k = 1; k <= need; ++k) {
    if ((byte(pos + k) & 0xC0) != 0x80) return 0xFFFD;
    cp = (cp << 6) | (byte(pos + k) & 0x3F);
  }
  *length = need + 1;
  return cp;
}

char32_t UpperCase(char32_t cp) {
  if (cp >= 'a' && cp <= 'z') return cp - 0x20;
  if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) return cp - 0x20;
  switch (cp) {
    case 0xFF:
      return 0x178;  // ÿ
    case 0x161:
      return 0x160;  // š
    case 0x153:
      return 0x152;  // œ
    case 0x17E:
      return 0x17D;  // ž
    default:
      return cp;
  }
}

std::string UpperCaseFirst(std::string_view text, std::size_t count) {
  std::string out;
  out.reserve(text.size() + 2);
  std::size_t pos = 0;
  for (std::size_t n = 0; n < count && pos < text.size(); ++n) {
    std::size_t length = 0;
    char32_t cp = DecodeUtf8At(text, pos, &length);
    if (cp == 0xFFFD && length == 1 && static_cast<unsigned char>(text[pos]) >= 0x80) {
      out += text[pos];  // keep a stray byte as it is
    } else {
      AppendUtf8(out, UpperCase(cp));
    }
    pos += length;
  }
  out.append(text.substr(pos));
  return out;
}

std::string_view TrimSpaces(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string RemoveAll(std::string_view text, std::string_view what) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (true) {
    std::size_t hit = text.find(what, pos);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(pos, hit - pos));
    pos = hit + what.size();
  }
  out.append(text.substr(pos));
  return out;
}

}  // namespace pelvaron
