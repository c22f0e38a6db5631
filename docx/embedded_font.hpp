#pragma once
// A font carried inside a .docx: Office Open XML stores it obfuscated, the first 32 bytes
// XORed with a key made from a GUID that the font table names (w:fontKey), so the part is
// not a usable font file by itself.

#include <array>
#include <cstdint>
#include <string>

namespace pelvaron::docx {

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper-case hex, made from the font's bytes so
// the same font gives the same document.
std::string FontKeyFor(const std::string& fontBytes);

// The 16 key bytes of `fontKey`: its hex digit pairs read from the last to the first.
std::array<uint8_t, 16> FontKeyBytes(const std::string& fontKey);

// `fontBytes` with its first 32 bytes XORed with the key (twice over its 16 bytes); the same
// call undoes it.
std::string ObfuscateFont(const std::string& fontBytes, const std::string& fontKey);

}  // namespace pelvaron::docx
