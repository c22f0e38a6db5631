#include "docx/plain_text.hpp"

namespace pelvaron::docx {

void WritePlainText(const Document& document, std::ostream& out) {
  for (const Paragraph& paragraph : document.paragraphs) out << paragraph.PlainText() << '\n';
}

}  // namespace pelvaron::docx
