#pragma once
// Writes each document operation as one line of text, LF-terminated, UTF-8. Other tools
// read this format: keep it exactly.

#include <ostream>
#include <string>
#include <string_view>

#include "insert/document_ops.hpp"

namespace pelvaron {

class TraceSink : public DocumentOps {
 public:
  explicit TraceSink(std::ostream& out) : out_(out) {}

  void SetScreenUpdating(bool on) override;
  void SetFontSize(float points) override;
  void SetFontName(const std::string& name) override;
  void SetFontNameBi(const std::string& name) override;
  void SetFontSizeBi(float points) override;
  void SetItalic(bool on) override;
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

  // Writes a line of the caller's own (the dialog's Load, MsgBox, … lines).
  void Line(std::string_view text);

 private:
  std::ostream& out_;
};

}  // namespace pelvaron
