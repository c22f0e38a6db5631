#include "insert/trace_sink.hpp"

#include "module/trace_format.hpp"

namespace pelvaron {
namespace {

const char* Bool(bool value) { return value ? "True" : "False"; }

}  // namespace

void TraceSink::Line(std::string_view text) { out_ << text << '\n'; }

void TraceSink::SetScreenUpdating(bool on) { out_ << "ScreenUpdating " << Bool(on) << '\n'; }
void TraceSink::SetFontSize(float points) { out_ << "Font.Size " << FormatTraceFloat(points) << '\n'; }
void TraceSink::SetFontName(const std::string& name) {
  out_ << "Font.Name " << QuoteTraceString(name) << '\n';
}
void TraceSink::SetFontNameBi(const std::string& name) {
  out_ << "Font.NameBi " << QuoteTraceString(name) << '\n';
}
void TraceSink::SetFontSizeBi(float points) { out_ << "Font.SizeBi " << FormatTraceFloat(points) << '\n'; }
void TraceSink::SetItalic(bool on) { out_ << "Font.Italic " << Bool(on) << '\n'; }
void TraceSink::InsertSymbol(int32_t characterNumber, const std::string& font, bool unicode, int32_t bias) {
  out_ << "InsertSymbol " << characterNumber << ' ' << QuoteTraceString(font) << ' ' << Bool(unicode) << ' '
       << bias << '\n';
}
void TraceSink::TypeText(const std::string& text) { out_ << "TypeText " << QuoteTraceString(text) << '\n'; }
void TraceSink::ResetFont() { out_ << "Font.Reset\n"; }
void TraceSink::TypeParagraph() { out_ << "TypeParagraph\n"; }
void TraceSink::TypeParagraphThroughGlobal() { out_ << "TypeParagraph\n"; }
void TraceSink::EndKey(int32_t unit) { out_ << "EndKey " << unit << '\n'; }
void TraceSink::SetAlignment(int32_t alignment) { out_ << "ParagraphFormat.Alignment " << alignment << '\n'; }
void TraceSink::RtlPara() { out_ << "RtlPara\n"; }
void TraceSink::LtrPara() { out_ << "LtrPara\n"; }
void TraceSink::RtlRun() { out_ << "RtlRun\n"; }
void TraceSink::LtrRun() { out_ << "LtrRun\n"; }
void TraceSink::Yield() { out_ << "Yield\n"; }

}  // namespace pelvaron
