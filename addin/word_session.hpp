#pragma once
// The running Word, as the add-in holds it between connection and the next connection: its
// Application object, the DISPIDs of every kind of object the add-in talks to, the
// document operations bound to Word's selection, and the undo record and status bar
// around each insertion.

#include "addin/windows_api.hpp"

#include <map>
#include <memory>
#include <string>

#include "addin/com_ptr.hpp"
#include "addin/late_binding.hpp"
#include "insert/document_ops.hpp"
#include "insert/insertion_frame.hpp"

namespace pelvaron::addin {

// Word's application-global object (CLSID of Global, interface _Global).
ComPtr<IDispatch> CreateWordGlobal();

class WordSession : public DocumentOps, public InsertionFrame {
 public:
  // Takes the Application property of a freshly created Global object.
  static std::shared_ptr<WordSession> Connect();

  IDispatch* Application() const { return app_.get(); }
  // The DISPID cache of one kind of Word object ("Controls", "CommandBarButton", ...).
  ObjectKind& Kind(const std::wstring& name);

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

  // One custom undo record (Word 2010 and later; older Words have no UndoRecord and get
  // none) and, for more than one verse, "Al-Quran: ayat k dari n" at each yield.
  void Begin(const std::string& name, int verseCount) noexcept override;
  void End() noexcept override;

  // Word is closing: a running insertion stops at its next yield.
  void StopInsertions() noexcept { closing_ = true; }

 private:
  explicit WordSession(ComPtr<IDispatch> app) : app_(std::move(app)) {}
  // Fetched afresh for every operation: Word's selection is the active window's.
  ComPtr<IDispatch> Selection();
  // Raises an error when the user closed the insertion's document or made another one
  // active while it yielded, or when Word is closing: it never types where the user did not
  // choose.
  void CheckStillWanted();
  ComPtr<IUnknown> ActiveDocument() noexcept;
  void SelectionCall(const std::wstring& method, std::initializer_list<Arg> args = {});

  ComPtr<IDispatch> app_;
  ComPtr<IDispatch> global_;  // for the paragraph mark that ends a verse, created on first use
  std::map<std::wstring, ObjectKind> kinds_;
  ComPtr<IDispatch> undoRecord_;  // while a custom record is open
  bool noUndoRecord_ = false;     // this Word has none: not asked again
  int verseCount_ = 0;            // of the running insertion; 0 between insertions
  int versesDone_ = 0;
  ComPtr<IUnknown> document_;  // the insertion's document, by COM identity
  bool closing_ = false;
};

}  // namespace pelvaron::addin
