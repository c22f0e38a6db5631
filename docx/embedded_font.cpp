#include "docx/embedded_font.hpp"

#include "module/error.hpp"

namespace pelvaron::docx {
namespace {

uint64_t Fnv1a(const std::string& bytes, uint64_t hash) {
  for (unsigned char c : bytes) hash = (hash ^ c) * 0x100000001b3ULL;
  return hash;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string FontKeyFor(const std::string& fontBytes) {
  const uint64_t halves[2] = {Fnv1a(fontBytes, 0xcbf29ce484222325ULL),
                              Fnv1a(fontBytes, 0x84222325cbf29ce4ULL)};
  std::string hex;
  for (uint64_t half : halves)
    for (int shift = 60; shift >= 0; shift -= 4) hex += "0123456789ABCDEF"[(half >> shift) & 0xF];
  std::string key = "{";
  key += hex.substr(0, 8);
  for (const auto& [at, length] : {std::pair{8, 4}, std::pair{12, 4}, std::pair{16, 4}, std::pair{20, 12}}) {
    key += '-';
    key += hex.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(length));
  }
  key += '}';
  return key;
}

std::array<uint8_t, 16> FontKeyBytes(const std::string& fontKey) {
  std::string hex;
  for (char c : fontKey)
    if (HexValue(c) >= 0) hex += c;
  if (hex.size() != 32)
    throw Error(ErrorKind::Input, "font key \"" + fontKey + "\" does not hold 32 hex digits");
  std::array<uint8_t, 16> key{};
  for (std::size_t i = 0; i < 16; ++i) {
    const std::size_t pair = 30 - 2 * i;  // from the last pair to the first
    key[i] = static_cast<uint8_t>(HexValue(hex[pair]) * 16 + HexValue(hex[pair + 1]));
  }
  return key;
}

std::string ObfuscateFont(const std::string& fontBytes, const std::string& fontKey) {
  const std::array<uint8_t, 16> key = FontKeyBytes(fontKey);
  std::string out = fontBytes;
  for (std::size_t i = 0; i < 32 && i < out.size(); ++i)
    out[i] = static_cast<char>(static_cast<uint8_t>(out[i]) ^ key[i % 16]);
  return out;
}

}  // namespace pelvaron::docx
