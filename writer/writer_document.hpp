#pragma once
// The document operations applied to a Writer document at its view cursor, with the rules
// of the .docx sink: "(normal text)" leaves the Western font to the paragraph style and puts
// the Quran font in the complex (Arabic) slot; symbol numbers become characters as Word
// reads them; the insertion point stays after what was typed. A WriterInsertion wraps one
// insertion in a single undo step with the controllers locked, released on every path.

#include <string>

#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextCursor.hpp>
#include <com/sun/star/text/XTextViewCursor.hpp>

#include "insert/document_ops.hpp"

namespace pelvaron::writer {

class WriterDocument : public DocumentOps {
 public:
  // Types at the view cursor of `model`'s current controller; `quranFont` is the font the
  // Arabic of "(normal text)" is shown in.
  WriterDocument(const css::uno::Reference<css::frame::XModel>& model, std::string quranFont);

  // Puts the view cursor after what was typed.
  void MoveViewCursorToEnd();

  void SetScreenUpdating(bool on) override;
  void SetFontSize(float points) override;
  void SetFontName(const std::string& name) override;
  void SetFontNameBi(const std::string& name) override;
  void SetFontSizeBi(float points) override;
  void SetItalic(bool on) override { italic_ = on; }
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
  struct CharacterFormat {
    std::string font;  // empty: the document's own
    float points = 0;  // 0: never set
    bool italic = false;
    bool operator==(const CharacterFormat&) const = default;
  };
  // Typed text in the selection's character format. Runs of one format are gathered and
  // go into the document in one piece (a verse is hundreds of symbols), before anything
  // else touches the document.
  void Insert(const std::u16string& text);
  void Flush();
  void ApplyCharacterFormat(const CharacterFormat& format);
  void SetParagraphProperty(const char* name, const css::uno::Any& value);

  css::uno::Reference<css::text::XTextViewCursor> viewCursor_;
  css::uno::Reference<css::text::XText> text_;
  css::uno::Reference<css::text::XTextCursor> cursor_;
  std::string quranFont_;
  // The selection's character format, applied to the cursor before each insertion.
  std::string font_;  // empty or "(normal text)": the document's own
  float points_ = 0;  // 0: never set
  bool italic_ = false;
  bool italicTyped_ = false;  // after italic text, upright text is set upright explicitly
  std::u16string pending_;
  CharacterFormat pendingFormat_;
};

// One insertion as the user sees it: controllers locked and one undo step named `title`.
class WriterInsertion {
 public:
  WriterInsertion(const css::uno::Reference<css::frame::XModel>& model, const std::string& title);
  ~WriterInsertion();
  WriterInsertion(const WriterInsertion&) = delete;
  WriterInsertion& operator=(const WriterInsertion&) = delete;

 private:
  css::uno::Reference<css::frame::XModel> model_;
  css::uno::Reference<css::uno::XInterface> undo_;
};

}  // namespace pelvaron::writer
