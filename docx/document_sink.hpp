#pragma once
// The document operations applied to a document of our own, with Word's selection rules:
// the insertion point always stands at the end of the document (the insertions only type
// forward); font name, size and run direction set there apply to what is typed next; a
// paragraph's direction and alignment belong to the paragraph, and a paragraph mark starts
// a new one that carries them on. Screen updating and yields change nothing in the file.

#include <string>

#include "data/format.hpp"
#include "docx/document.hpp"
#include "insert/document_ops.hpp"

namespace pelvaron::docx {

// The font name that stands for the document's own text font.
inline constexpr const char* kNormalTextFontName = kNormalTextFont;

class DocumentSink : public DocumentOps {
 public:
  const Document& document() const { return document_; }

  void SetScreenUpdating(bool on) override;
  void SetFontSize(float points) override;
  void SetFontName(const std::string& name) override;
  // The document's "(normal text)" already takes its complex-script slot from the Quran font,
  // and every size is written for both scripts: nothing more to record.
  void SetFontNameBi(const std::string&) override {}
  void SetFontSizeBi(float points) override { SetFontSize(points); }
  void SetItalic(bool on) override { selection_.italic = on; }
  void InsertSymbol(int32_t characterNumber, const std::string& font, bool unicode, int32_t bias) override;
  void TypeText(const std::string& text) override;
  void TypeParagraph() override;
  void TypeParagraphThroughGlobal() override;
  void EndKey(int32_t unit) override;
  void SetAlignment(int32_t alignment) override;
  void RtlPara() override;
  void LtrPara() override;
  void RtlRun() override;
  void LtrRun() override;
  void Yield() override;

 private:
  Paragraph& current() { return document_.paragraphs.back(); }
  // One character in `format`; tab, CR and LF as Word takes them from typed text.
  void Append(char32_t c, const RunFormat& format);
  void AppendInline(Inline kind, const RunFormat& format);

  Document document_;
  RunFormat selection_;
};

}  // namespace pelvaron::docx
