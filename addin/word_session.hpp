#pragma once
// The running Word, as the add-in holds it between connection and the next connection: its
// Application object, the DISPIDs of every kind of object the add-in talks to, and the
// document operations bound to Word's selection.

#include "addin/windows_api.hpp"

#include <map>
#include <memory>
#include <string>

#include "addin/com_ptr.hpp"
#include "addin/late_binding.hpp"
#include "insert/document_ops.hpp"

namespace pelvaron::addin {

// Word's application-global object (CLSID of Global, interface _Global).
ComPtr<IDispatch> CreateWordGlobal();

class WordSession : public DocumentOps {
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
  explicit WordSession(ComPtr<IDispatch> app) : app_(std::move(app)) {}
  // Fetched afresh for every operation: the user may have moved to another document.
  ComPtr<IDispatch> Selection();
  void SelectionCall(const std::wstring& method, std::initializer_list<Arg> args = {});

  ComPtr<IDispatch> app_;
  ComPtr<IDispatch> global_;  // for the paragraph mark that ends a verse, created on first use
  std::map<std::wstring, ObjectKind> kinds_;
};

}  // namespace pelvaron::addin
