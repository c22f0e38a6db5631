// Both readings of a number from text, and their rounding to 16 bits.
#include <string_view>

#include "module/error.hpp"
#include "module/numeric.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (int flavour = 0; flavour < 2; ++flavour) {
    try {
      const double value = flavour == 0 ? pelvaron::NumberAtStart(text) : pelvaron::HostNumericPrefix(text);
      (void)pelvaron::ToInt16(value, "value");
    } catch (const pelvaron::Error&) {
    }
  }
  return 0;
}
