// The note-marker scan over arbitrary translation lines.
#include <string_view>
#include <vector>

#include "insert/translation.hpp"
#include "module/error.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<int16_t> notes;
  try {
    pelvaron::CollectNoteMarkers(std::string_view(reinterpret_cast<const char*>(data), size), notes, "fuzz");
  } catch (const pelvaron::Error&) {
  }
  if (notes.size() > static_cast<std::size_t>(pelvaron::kMaxNoteMarkers)) __builtin_trap();
  return 0;
}
