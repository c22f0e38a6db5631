#include "docx/document_sink.hpp"

#include <cmath>

#include "docx/characters.hpp"
#include "module/trace_format.hpp"
#include "module/error.hpp"
#include "module/text.hpp"

namespace pelvaron::docx {
namespace {

// "(normal text)" and the empty name (a symbol before any font was chosen) both mean the
// document's default font.
std::string RunFont(const std::string& name) { return name == kNormalTextFontName ? std::string() : name; }

bool IsWordAlignment(int32_t alignment) {
  // left, centre, right, justify, distribute, the three kashida justifications, Thai
  return (alignment >= 0 && alignment <= 5) || (alignment >= 7 && alignment <= 9);
}

}  // namespace

void DocumentSink::Append(char32_t c, const RunFormat& format) {
  switch (c) {
    case U'\t':
      AppendInline(Inline::Tab, format);
      return;
    case U'\r':
      TypeParagraph();
      return;  // Word: a CR in typed text is a paragraph mark
    case U'\n':
    case U'\v':
      AppendInline(Inline::Break, format);
      return;
    default:
      break;
  }
  if (!IsXmlCharacter(c)) c = kReplacementCharacter;
  std::vector<Run>& runs = current().runs;
  if (runs.empty() || runs.back().kind != Inline::Text || runs.back().format != format)
    runs.push_back(Run{format, Inline::Text, {}});
  AppendUtf8(runs.back().text, c);
}

void DocumentSink::AppendInline(Inline kind, const RunFormat& format) {
  current().runs.push_back(Run{format, kind, {}});
}

void DocumentSink::SetScreenUpdating(bool) {}
void DocumentSink::Yield() {}

void DocumentSink::SetFontSize(float points) {
  if (!(points >= 1.0f && points <= 1638.0f))
    throw Error(ErrorKind::HostCall,
                "Font.Size " + FormatTraceFloat(points) + ": sizes run from 1 to 1638 points");
  selection_.halfPoints = static_cast<int>(std::lround(points * 2.0f));
}

void DocumentSink::SetFontName(const std::string& name) { selection_.font = RunFont(name); }

void DocumentSink::InsertSymbol(int32_t characterNumber, const std::string& font, bool, int32_t) {
  // The Unicode flag and the bias only matter for fonts with their own code pages; the
  // symbol is taken as a character number either way.
  RunFormat format = selection_;
  format.font = RunFont(font);
  Append(SymbolCharacter(characterNumber), format);
}

void DocumentSink::TypeText(const std::string& text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t length = 1;
    const char32_t c = DecodeUtf8At(text, pos, &length);
    Append(c, selection_);
    pos += length;
  }
}

// As Word's Font.Reset: font, size and italic; the run direction is not reset here (LtrRun
// follows wherever it matters).
void DocumentSink::ResetFont() {
  selection_.font.clear();
  selection_.halfPoints = 0;
  selection_.italic = false;
}

void DocumentSink::TypeParagraph() {
  Paragraph next;
  next.format = current().format;
  document_.paragraphs.push_back(std::move(next));
}

void DocumentSink::TypeParagraphThroughGlobal() { TypeParagraph(); }

// The insertion point is always at the end of the last line already.
void DocumentSink::EndKey(int32_t) {}

void DocumentSink::SetAlignment(int32_t alignment) {
  if (!IsWordAlignment(alignment))
    throw Error(ErrorKind::HostCall,
                "ParagraphFormat.Alignment " + std::to_string(alignment) + ": no such alignment");
  current().format.alignment = alignment;
}

void DocumentSink::RtlPara() { current().format.rtl = true; }
void DocumentSink::LtrPara() { current().format.rtl = false; }
void DocumentSink::RtlRun() { selection_.rtl = true; }
void DocumentSink::LtrRun() { selection_.rtl = false; }

}  // namespace pelvaron::docx
