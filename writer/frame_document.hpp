#pragma once
// The document the dialogs and the Insert command type into: the Writer document of the
// frame the command came from. The first operation of an insertion locks the controllers
// and opens one undo step; Finish (after the event that inserted, and at once on a failure)
// moves the view cursor after the text and releases both. Failures reach the caller as
// pelvaron::Error, whatever LibreOffice threw.

#include <functional>
#include <memory>
#include <optional>

#include <com/sun/star/frame/XModel.hpp>

#include "insert/document_ops.hpp"
#include "writer/writer_document.hpp"

namespace pelvaron::writer {

class FrameDocument : public DocumentOps {
 public:
  FrameDocument(std::string quranFont, std::string undoTitle);

  void SetModel(const css::uno::Reference<css::frame::XModel>& model) { model_ = model; }
  // Ends the open insertion, if any; never throws.
  void Finish() noexcept;

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

 private:
  void Do(const std::function<void(WriterDocument&)>& op);

  std::string quranFont_;
  std::string undoTitle_;
  css::uno::Reference<css::frame::XModel> model_;
  std::unique_ptr<WriterInsertion> insertion_;
  std::unique_ptr<WriterDocument> document_;
};

}  // namespace pelvaron::writer
