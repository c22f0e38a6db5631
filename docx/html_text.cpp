#include "docx/html_text.hpp"

namespace pelvaron::docx {
namespace {

void AppendEscaped(std::string& out, const std::string& text) {
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
}

const char* TextAlign(int alignment) {
  switch (alignment) {
    case 0:
      return "left";
    case 1:
      return "center";
    case 2:
      return "right";
    default:
      return "justify";  // Word's 3 and its kashida and distribute forms
  }
}

// A run without a font of its own is in the document's default font, whose slot for Arabic
// is the Quran font: right-to-left text names that one first.
std::string FontFamily(const RunFormat& format, bool rtl, const HtmlFonts& fonts) {
  if (!format.font.empty()) return "'" + format.font + "'";
  return rtl ? "'" + fonts.arabic + "','" + fonts.latin + "',serif"
             : "'" + fonts.latin + "','" + fonts.arabic + "',serif";
}

}  // namespace

std::string HtmlText(const Document& document, const HtmlFonts& fonts) {
  std::string out;
  for (const Paragraph& paragraph : document.paragraphs) {
    out += paragraph.format.rtl ? "<p dir=\"rtl\" style=\"margin:0 0 6pt;"
                                : "<p dir=\"ltr\" style=\"margin:0 0 6pt;";
    if (paragraph.format.alignment) (out += "text-align:") += TextAlign(*paragraph.format.alignment);
    out += "\">";
    for (const Run& run : paragraph.runs) {
      out += run.format.rtl ? "<span dir=\"rtl\" style=\"font-family:" : "<span style=\"font-family:";
      AppendEscaped(out, FontFamily(run.format, run.format.rtl || paragraph.format.rtl, fonts));
      // Half points, as the .docx stores them; 24 is its default size.
      const int halfPoints = run.format.halfPoints != 0 ? run.format.halfPoints : 24;
      out += ";font-size:" + std::to_string(halfPoints / 2) + (halfPoints % 2 ? ".5pt" : "pt");
      if (run.format.italic) out += ";font-style:italic";
      out += "\">";
      switch (run.kind) {
        case Inline::Text:
          AppendEscaped(out, run.text);
          break;
        case Inline::Tab:
          out += "&#9;";
          break;
        case Inline::Break:
          out += "<br>";
          break;
      }
      out += "</span>";
    }
    // An empty paragraph keeps its line, as in the document.
    if (paragraph.runs.empty()) out += "<br>";
    out += "</p>";
  }
  return out;
}

}  // namespace pelvaron::docx
