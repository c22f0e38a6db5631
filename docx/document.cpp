#include "docx/document.hpp"

namespace pelvaron::docx {

std::string Paragraph::PlainText() const {
  std::string text;
  for (const Run& run : runs) {
    switch (run.kind) {
      case Inline::Text:
        text += run.text;
        break;
      case Inline::Tab:
        text += '\t';
        break;
      case Inline::Break:
        text += '\n';
        break;
    }
  }
  return text;
}

}  // namespace pelvaron::docx
