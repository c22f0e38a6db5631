#pragma once
// A Document as HTML for the clipboard and a page's preview: what the .docx says of each
// paragraph (direction, alignment) and run (font, size, direction, italic), as inline styles, so a
// paste into Word, LibreOffice or Google Docs keeps them.

#include <string>

#include "docx/document.hpp"

namespace pelvaron::docx {

struct HtmlFonts {
  std::string arabic = "Amiri Quran";  // the default font's complex-script slot (.docx: w:cs)
  std::string latin = "Times New Roman";
};

// One <p> a paragraph, UTF-8, nothing around them.
std::string HtmlText(const Document& document, const HtmlFonts& fonts);

}  // namespace pelvaron::docx
