#include "tests/support/typed_text_sink.hpp"

#include "module/text.hpp"

namespace pelvaron::testing {

void TypedTextSink::InsertSymbol(int32_t characterNumber, const std::string&, bool, int32_t) {
  AppendUtf8(paragraphs.back(), static_cast<char32_t>(characterNumber));
}

}  // namespace pelvaron::testing
