#pragma once
// A document that keeps only the characters typed into it, one string per paragraph:
// symbols by their character numbers, text as given. Formatting is ignored.

#include <string>
#include <vector>

#include "insert/document_ops.hpp"

namespace pelvaron::testing {

class TypedTextSink : public DocumentOps {
 public:
  std::vector<std::string> paragraphs{1};

  void SetScreenUpdating(bool) override {}
  void SetFontSize(float) override {}
  void SetFontName(const std::string&) override {}
  void SetFontNameBi(const std::string&) override {}
  void SetFontSizeBi(float) override {}
  void SetItalic(bool) override {}
  void InsertSymbol(int32_t characterNumber, const std::string& font, bool unicode, int32_t bias) override;
  void TypeText(const std::string& text) override { paragraphs.back() += text; }
  void TypeParagraph() override { paragraphs.emplace_back(); }
  void TypeParagraphThroughGlobal() override { paragraphs.emplace_back(); }
  void EndKey(int32_t) override {}
  void SetAlignment(int32_t) override {}
  void RtlPara() override {}
  void LtrPara() override {}
  void RtlRun() override {}
  void LtrRun() override {}
  void Yield() override {}
};

}  // namespace pelvaron::testing
