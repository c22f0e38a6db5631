#include "writer/frame_document.hpp"

#include <com/sun/star/awt/Toolkit.hpp>
#include <com/sun/star/awt/XToolkitExperimental.hpp>
#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XFrame.hpp>
#include <com/sun/star/task/XStatusIndicatorFactory.hpp>

#include "module/error.hpp"
#include "writer/uno_text.hpp"
#include "writer/failure_text.hpp"

namespace pelvaron::writer {

FrameDocument::FrameDocument(css::uno::Reference<css::uno::XComponentContext> context, std::string quranFont,
                             std::string undoTitle)
    : context_(std::move(context)), quranFont_(std::move(quranFont)), undoTitle_(std::move(undoTitle)) {}

void FrameDocument::Begin(const std::string& name, int verseCount) noexcept {
  versesDone_ = 0;
  if (verseCount < 2 || !model_.is()) return;
  try {
    css::uno::Reference<css::task::XStatusIndicatorFactory> factory(
        model_->getCurrentController()->getFrame(), css::uno::UNO_QUERY_THROW);
    progress_ = factory->createStatusIndicator();
    progress_->start(ToOUString(name), verseCount);
  } catch (...) {
    // Progress is a courtesy: the insertion goes on without it.
    progress_.clear();
  }
}

void FrameDocument::End() noexcept {
  try {
    if (progress_.is()) progress_->end();
  } catch (...) {
  }
  progress_.clear();
}

void FrameDocument::TranslationStep(int done, int total) {
  Do([](WriterDocument& d) { d.Yield(); });
  // The translation of a range shows its own progress; verse by verse each translation is one
  // verse long and the Arabic's count goes on.
  if (total > 1) {
    versesDone_ = done;
    Step(done);
  } else {
    Step(versesDone_);
  }
}

void FrameDocument::Step(int done) {
  if (!progress_.is()) return;
  progress_->setValue(done);
  // The published XReschedule is deprecated for this.
  css::uno::Reference<css::awt::XToolkitExperimental>(css::awt::Toolkit::create(context_),
                                                      css::uno::UNO_QUERY_THROW)
      ->processEventsToIdle();
}

void FrameDocument::Finish() noexcept {
  if (document_) {
    try {
      document_->MoveViewCursorToEnd();
    } catch (...) {
    }
  }
  document_.reset();
  insertion_.reset();
}

void FrameDocument::Do(const std::function<void(WriterDocument&)>& op) {
  try {
    if (!document_) {
      if (!model_.is()) throw Error(ErrorKind::HostCall, "there is no document to insert into");
      insertion_ = std::make_unique<WriterInsertion>(model_, undoTitle_);
      document_ = std::make_unique<WriterDocument>(model_, quranFont_);
    }
    op(*document_);
  } catch (const Error&) {
    Finish();
    throw;
  } catch (...) {
    const std::string text = CurrentFailureText();
    Finish();
    throw Error(ErrorKind::HostCall, text);
  }
}

void FrameDocument::SetScreenUpdating(bool on) {
  Do([&](WriterDocument& d) { d.SetScreenUpdating(on); });
}
void FrameDocument::SetFontSize(float points) {
  Do([&](WriterDocument& d) { d.SetFontSize(points); });
}
void FrameDocument::SetFontName(const std::string& name) {
  Do([&](WriterDocument& d) { d.SetFontName(name); });
}
void FrameDocument::SetFontNameBi(const std::string& name) {
  Do([&](WriterDocument& d) { d.SetFontNameBi(name); });
}
void FrameDocument::SetFontSizeBi(float points) {
  Do([&](WriterDocument& d) { d.SetFontSizeBi(points); });
}
void FrameDocument::SetItalic(bool on) {
  Do([&](WriterDocument& d) { d.SetItalic(on); });
}
void FrameDocument::InsertSymbol(int32_t characterNumber, const std::string& font, bool unicode,
                                 int32_t bias) {
  Do([&](WriterDocument& d) { d.InsertSymbol(characterNumber, font, unicode, bias); });
}
void FrameDocument::TypeText(const std::string& text) {
  Do([&](WriterDocument& d) { d.TypeText(text); });
}
void FrameDocument::ResetFont() {
  Do([](WriterDocument& d) { d.ResetFont(); });
}
void FrameDocument::TypeParagraph() {
  Do([](WriterDocument& d) { d.TypeParagraph(); });
}
void FrameDocument::TypeParagraphThroughGlobal() {
  Do([](WriterDocument& d) { d.TypeParagraphThroughGlobal(); });
}
void FrameDocument::EndKey(int32_t unit) {
  Do([&](WriterDocument& d) { d.EndKey(unit); });
}
void FrameDocument::SetAlignment(int32_t alignment) {
  Do([&](WriterDocument& d) { d.SetAlignment(alignment); });
}
void FrameDocument::RtlPara() {
  Do([](WriterDocument& d) { d.RtlPara(); });
}
void FrameDocument::LtrPara() {
  Do([](WriterDocument& d) { d.LtrPara(); });
}
void FrameDocument::RtlRun() {
  Do([](WriterDocument& d) { d.RtlRun(); });
}
void FrameDocument::LtrRun() {
  Do([](WriterDocument& d) { d.LtrRun(); });
}
void FrameDocument::Yield() {
  Do([](WriterDocument& d) { d.Yield(); });
  Step(++versesDone_);
}

}  // namespace pelvaron::writer
