#include "pack/windows1252_mapper.hpp"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <map>
#include <vector>

#include "module/error.hpp"
#include "module/text.hpp"

namespace pelvaron::pack {
namespace {

const std::map<char32_t, unsigned char>& ByteTable() {
  static const auto table = [] {
    std::map<char32_t, unsigned char> bytes;
    for (int b = 0; b < 256; ++b)
      bytes.emplace(Windows1252ToCodePoint(static_cast<unsigned char>(b)), static_cast<unsigned char>(b));
    return bytes;
  }();
  return table;
}

const icu::Normalizer2& Normalizer(bool decompose) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* normalizer =
      decompose ? icu::Normalizer2::getNFDInstance(status) : icu::Normalizer2::getNFCInstance(status);
  if (U_FAILURE(status))
    throw Error(ErrorKind::File, std::string("Unicode normalization data: ") + u_errorName(status));
  return *normalizer;
}

// The nearest Windows-1252 byte for `c`, or -1: its canonical decomposition with accents
// dropped from the last one on until what is left composes to one character of the code page.
int NearestByte(char32_t c) {
  UErrorCode decomposing = U_ZERO_ERROR;
  const icu::UnicodeString decomposed =
      Normalizer(true).normalize(icu::UnicodeString(static_cast<UChar32>(c)), decomposing);
  if (U_FAILURE(decomposing)) return -1;
  std::vector<UChar32> parts;
  for (int32_t i = 0; i < decomposed.length(); i = decomposed.moveIndex32(i, 1))
    parts.push_back(decomposed.char32At(i));
  for (std::size_t keep = parts.size(); keep >= 1; --keep) {
    icu::UnicodeString candidate;
    for (std::size_t i = 0; i < keep; ++i) candidate.append(parts[i]);
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString composed = Normalizer(false).normalize(candidate, status);
    if (U_SUCCESS(status) && composed.countChar32() == 1) {
      const int byte = Windows1252Byte(static_cast<char32_t>(composed.char32At(0)));
      if (byte >= 0) return byte;
    }
  }
  return -1;
}

}  // namespace

int Windows1252Byte(char32_t c) {
  const auto& table = ByteTable();
  const auto it = table.find(c);
  return it == table.end() ? -1 : it->second;
}

std::string Windows1252Mapper::Map(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    std::size_t length = 1;
    const char32_t c = DecodeUtf8At(utf8, pos, &length);
    pos += length;
    int byte = Windows1252Byte(c);
    if (byte < 0) {
      ++mapped_;
      byte = NearestByte(c);
      if (byte < 0) {
        ++unmappable_;
        byte = '?';
      }
    }
    out += static_cast<char>(byte);
  }
  return out;
}

}  // namespace pelvaron::pack
