#include "writer/writer_document.hpp"

#include <cmath>
#include <utility>

#include <com/sun/star/awt/FontSlant.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/beans/XPropertyState.hpp>
#include <com/sun/star/document/XUndoManager.hpp>
#include <com/sun/star/document/XUndoManagerSupplier.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/style/ParagraphAdjust.hpp>
#include <com/sun/star/text/ControlCharacter.hpp>
#include <com/sun/star/text/WritingMode2.hpp>
#include <com/sun/star/text/XTextViewCursorSupplier.hpp>

#include "docx/characters.hpp"
#include "docx/document_sink.hpp"
#include "module/error.hpp"
#include "module/text.hpp"
#include "module/trace_format.hpp"
#include "writer/uno_text.hpp"

namespace pelvaron::writer {
namespace {

using css::uno::Any;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;

// "(normal text)" and the empty name (a symbol before any font was chosen) both mean the
// document's own font.
bool IsNormalText(const std::string& name) { return name.empty() || name == docx::kNormalTextFontName; }

void AppendUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out.push_back(static_cast<char16_t>(c));
    return;
  }
  c -= 0x10000;
  out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
  out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
}

// Word's alignment numbers as Writer's paragraph adjustment; the kashida and Thai kinds
// justify, "distribute" justifies the last line too.
std::pair<css::style::ParagraphAdjust, bool> WriterAdjust(int32_t alignment) {
  using namespace css::style;
  switch (alignment) {
    case 0:
      return {ParagraphAdjust_LEFT, false};
    case 1:
      return {ParagraphAdjust_CENTER, false};
    case 2:
      return {ParagraphAdjust_RIGHT, false};
    case 4:
      return {ParagraphAdjust_BLOCK, true};
    case 3:
    case 5:
    case 7:
    case 8:
    case 9:
      return {ParagraphAdjust_BLOCK, false};
    default:
      throw Error(ErrorKind::HostCall,
                  "ParagraphFormat.Alignment " + std::to_string(alignment) + ": no such alignment");
  }
}

}  // namespace

WriterDocument::WriterDocument(const Reference<css::frame::XModel>& model, std::string quranFont)
    : quranFont_(std::move(quranFont)) {
  Reference<css::text::XTextViewCursorSupplier> supplier(model->getCurrentController(), UNO_QUERY_THROW);
  viewCursor_ = supplier->getViewCursor();
  text_ = viewCursor_->getText();
  // A selection stays as it is: the text goes after it, so nothing the user had is lost.
  cursor_ = text_->createTextCursorByRange(viewCursor_->getEnd());
}

void WriterDocument::MoveViewCursorToEnd() {
  Flush();
  viewCursor_->gotoRange(cursor_->getEnd(), false);
}

void WriterDocument::ApplyCharacterFormat(const CharacterFormat& format) {
  Reference<css::beans::XPropertySet> props(cursor_, UNO_QUERY_THROW);
  if (format.font.empty()) {
    Reference<css::beans::XPropertyState>(cursor_, UNO_QUERY_THROW)->setPropertyToDefault("CharFontName");
    props->setPropertyValue("CharFontNameComplex", Any(ToOUString(quranFont_)));
  } else {
    const Any name(ToOUString(format.font));
    props->setPropertyValue("CharFontName", name);
    props->setPropertyValue("CharFontNameComplex", name);
  }
  if (format.points > 0) {
    props->setPropertyValue("CharHeight", Any(format.points));
    props->setPropertyValue("CharHeightComplex", Any(format.points));
  } else {
    Reference<css::beans::XPropertyState> state(cursor_, UNO_QUERY_THROW);
    state->setPropertyToDefault("CharHeight");
    state->setPropertyToDefault("CharHeightComplex");
  }
  italicTyped_ = italicTyped_ || format.italic;
  if (italicTyped_) {
    const Any posture(format.italic ? css::awt::FontSlant_ITALIC : css::awt::FontSlant_NONE);
    props->setPropertyValue("CharPosture", posture);
    props->setPropertyValue("CharPostureComplex", posture);
  }
}

void WriterDocument::Insert(const std::u16string& text) {
  if (text.empty()) return;
  const CharacterFormat format{IsNormalText(font_) ? std::string() : font_, points_, italic_};
  if (!(format == pendingFormat_)) Flush();
  pendingFormat_ = format;
  pending_ += text;
}

void WriterDocument::Flush() {
  if (pending_.empty()) return;
  const std::u16string text = std::exchange(pending_, {});
  // A collapsed cursor given a string spans it afterwards: format it, then move past it.
  cursor_->setString(
      rtl::OUString(reinterpret_cast<const sal_Unicode*>(text.data()), static_cast<sal_Int32>(text.size())));
  ApplyCharacterFormat(pendingFormat_);
  cursor_->collapseToEnd();
}

// The controllers stay locked for the whole insertion; what was typed goes in here, so a
// failure in the next verse finds this one in the document.
void WriterDocument::SetScreenUpdating(bool) { Flush(); }
void WriterDocument::Yield() { Flush(); }

void WriterDocument::SetFontSize(float points) {
  if (!(points >= 1.0f && points <= 1638.0f))
    throw Error(ErrorKind::HostCall,
                "Font.Size " + FormatTraceFloat(points) + ": sizes run from 1 to 1638 points");
  // Half points, as a .docx keeps them.
  points_ = static_cast<float>(std::lround(points * 2.0f)) / 2.0f;
}

void WriterDocument::SetFontName(const std::string& name) { font_ = name; }

// The paragraph style's font and size again; the complex-script slot keeps the Quran font.
void WriterDocument::ResetFont() {
  font_.clear();
  points_ = 0;
  italic_ = false;
}

// Normal text's complex-script slot is the Quran font already; a pack naming another one
// changes it for what follows.
void WriterDocument::SetFontNameBi(const std::string& name) {
  if (name == quranFont_) return;
  Flush();
  quranFont_ = name;
}

// Every size is set for both scripts already.
void WriterDocument::SetFontSizeBi(float points) { SetFontSize(points); }

void WriterDocument::InsertSymbol(int32_t characterNumber, const std::string& font, bool, int32_t) {
  const std::string selected = std::exchange(font_, font);
  std::u16string text;
  AppendUtf16(text, docx::SymbolCharacter(characterNumber));
  try {
    Insert(text);
  } catch (...) {
    font_ = selected;
    throw;
  }
  font_ = selected;
}

void WriterDocument::TypeText(const std::string& text) {
  std::u16string piece;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t length = 1;
    char32_t c = DecodeUtf8At(text, pos, &length);
    pos += length;
    if (c == U'\r' || c == U'\n' || c == U'\v') {
      Insert(std::exchange(piece, {}));
      // Word: a CR in typed text is a paragraph mark, LF and VT a line break.
      if (c == U'\r') {
        TypeParagraph();
      } else {
        Flush();
        text_->insertControlCharacter(Reference<css::text::XTextRange>(cursor_.get()),
                                      css::text::ControlCharacter::LINE_BREAK, false);
      }
      continue;
    }
    if (c != U'\t' && !docx::IsXmlCharacter(c)) c = docx::kReplacementCharacter;
    AppendUtf16(piece, c);
  }
  Insert(piece);
}

void WriterDocument::TypeParagraph() {
  Flush();
  // The new paragraph carries the direction and adjustment of the one it splits from.
  text_->insertControlCharacter(Reference<css::text::XTextRange>(cursor_.get()),
                                css::text::ControlCharacter::PARAGRAPH_BREAK, false);
}

void WriterDocument::TypeParagraphThroughGlobal() { TypeParagraph(); }

// The insertion point is after the last character typed already; moving to the end of the
// line would step past text of the user's that follows it.
void WriterDocument::EndKey(int32_t) {}

void WriterDocument::SetParagraphProperty(const char* name, const Any& value) {
  Flush();
  Reference<css::beans::XPropertySet>(cursor_, UNO_QUERY_THROW)
      ->setPropertyValue(rtl::OUString::createFromAscii(name), value);
}

void WriterDocument::SetAlignment(int32_t alignment) {
  const auto [adjust, lastLineToo] = WriterAdjust(alignment);
  SetParagraphProperty("ParaAdjust", Any(static_cast<sal_Int16>(adjust)));
  SetParagraphProperty("ParaLastLineAdjust",
                       Any(static_cast<sal_Int16>(lastLineToo ? adjust : css::style::ParagraphAdjust_LEFT)));
}

void WriterDocument::RtlPara() { SetParagraphProperty("WritingMode", Any(css::text::WritingMode2::RL_TB)); }
void WriterDocument::LtrPara() { SetParagraphProperty("WritingMode", Any(css::text::WritingMode2::LR_TB)); }
// Writer has no direction of its own per character: the characters' bidi classes and the
// paragraph's direction order them, and the script picks the Western or complex font slot,
// both of which the character format sets.
void WriterDocument::RtlRun() {}
void WriterDocument::LtrRun() {}

WriterInsertion::WriterInsertion(const Reference<css::frame::XModel>& model, const std::string& title)
    : model_(model) {
  model_->lockControllers();
  try {
    Reference<css::document::XUndoManager> undo =
        Reference<css::document::XUndoManagerSupplier>(model_, UNO_QUERY_THROW)->getUndoManager();
    undo->enterUndoContext(ToOUString(title));
    undo_ = undo;
  } catch (...) {
    model_->unlockControllers();
    throw;
  }
}

WriterInsertion::~WriterInsertion() {
  try {
    Reference<css::document::XUndoManager>(undo_, UNO_QUERY_THROW)->leaveUndoContext();
  } catch (...) {
  }
  try {
    model_->unlockControllers();
  } catch (...) {
  }
}

}  // namespace pelvaron::writer
