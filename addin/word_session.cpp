#include "addin/word_session.hpp"

#include "addin/com_error.hpp"
#include "addin/wide_text.hpp"
#include "module/error.hpp"

namespace pelvaron::addin {
namespace {

// {000209F0-0000-0000-C000-000000000046}: Word.Global; {000209B9-...}: its _Global interface.
constexpr CLSID kClsidWordGlobal = {
    0x000209F0, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr IID kIidWordGlobal = {0x000209B9, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

}  // namespace

ComPtr<IDispatch> CreateWordGlobal() {
  ComPtr<IDispatch> global;
  CheckHr(CoCreateInstance(kClsidWordGlobal, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                           kIidWordGlobal, global.put_void()),
          "creating Word's Global object");
  return global;
}

std::shared_ptr<WordSession> WordSession::Connect() {
  ComPtr<IDispatch> global = CreateWordGlobal();
  ObjectKind globalKind(L"Global");
  ComPtr<IDispatch> app = globalKind.Get(global.get(), L"Application");
  std::shared_ptr<WordSession> session(new WordSession(std::move(app)));
  session->kinds_.emplace(L"Global", std::move(globalKind));
  return session;
}

ObjectKind& WordSession::Kind(const std::wstring& name) {
  return kinds_.try_emplace(name, name).first->second;
}

ComPtr<IDispatch> WordSession::Selection() {
  if (!selection_) selection_ = Kind(L"Application").Get(app_.get(), L"Selection");
  return selection_;
}

ComPtr<IDispatch> WordSession::SelectionPart(ComPtr<IDispatch>& cached, const wchar_t* name) {
  if (!cached) cached = Kind(L"Selection").Get(Selection().get(), name);
  return cached;
}

void WordSession::ForgetSelection() noexcept {
  selection_.reset();
  font_.reset();
  paragraphFormat_.reset();
}

void WordSession::SelectionCall(const std::wstring& method, std::initializer_list<Arg> args) {
  Kind(L"Selection").Call(Selection().get(), method, args);
}

void WordSession::SetScreenUpdating(bool on) {
  Kind(L"Application").Put(app_.get(), L"ScreenUpdating", Arg::Bool(on));
}

void WordSession::SetFontSize(float points) {
  Kind(L"Font").Put(SelectionPart(font_, L"Font").get(), L"Size", Arg::Float(points));
}

void WordSession::SetFontName(const std::string& name) {
  Kind(L"Font").Put(SelectionPart(font_, L"Font").get(), L"Name", Arg::Text(Widen(name)));
}

void WordSession::SetFontNameBi(const std::string& name) {
  Kind(L"Font").Put(SelectionPart(font_, L"Font").get(), L"NameBi", Arg::Text(Widen(name)));
}

void WordSession::SetFontSizeBi(float points) {
  Kind(L"Font").Put(SelectionPart(font_, L"Font").get(), L"SizeBi", Arg::Float(points));
}

void WordSession::SetItalic(bool on) {
  Kind(L"Font").Put(SelectionPart(font_, L"Font").get(), L"Italic", Arg::Bool(on));
}

void WordSession::InsertSymbol(int32_t characterNumber, const std::string& font, bool unicode, int32_t bias) {
  SelectionCall(L"InsertSymbol",
                {Arg::Int(characterNumber), Arg::Text(Widen(font)), Arg::Bool(unicode), Arg::Int(bias)});
}

void WordSession::TypeText(const std::string& text) { SelectionCall(L"TypeText", {Arg::Text(Widen(text))}); }

void WordSession::ResetFont() { Kind(L"Font").Call(SelectionPart(font_, L"Font").get(), L"Reset"); }

void WordSession::TypeParagraph() { SelectionCall(L"TypeParagraph"); }

void WordSession::TypeParagraphThroughGlobal() {
  if (!global_) global_ = CreateWordGlobal();
  ComPtr<IDispatch> selection = Kind(L"Global").Get(global_.get(), L"Selection");
  Kind(L"Selection").Call(selection.get(), L"TypeParagraph");
}

void WordSession::EndKey(int32_t unit) { SelectionCall(L"EndKey", {Arg::Int(unit)}); }

void WordSession::SetAlignment(int32_t alignment) {
  Kind(L"ParagraphFormat")
      .Put(SelectionPart(paragraphFormat_, L"ParagraphFormat").get(), L"Alignment", Arg::Int(alignment));
}

void WordSession::RtlPara() { SelectionCall(L"RtlPara"); }
void WordSession::LtrPara() { SelectionCall(L"LtrPara"); }
void WordSession::RtlRun() { SelectionCall(L"RtlRun"); }
void WordSession::LtrRun() { SelectionCall(L"LtrRun"); }

ComPtr<IUnknown> WordSession::ActiveDocument() noexcept {
  ComPtr<IUnknown> identity;
  try {
    ComPtr<IDispatch> document = Kind(L"Application").Get(app_.get(), L"ActiveDocument");
    document->QueryInterface(IID_IUnknown, identity.put_void());
  } catch (...) {
    // No document open: Word raises an error for ActiveDocument.
  }
  return identity;
}

void WordSession::CheckStillWanted() {
  if (closing_) throw Error(ErrorKind::HostCall, "Word is closing: the insertion stopped");
  if (!document_ || ActiveDocument().get() == document_.get()) return;
  throw Error(ErrorKind::HostCall,
              "The insertion stopped after verse " + std::to_string(versesDone_) + " of " +
                  std::to_string(verseCount_) +
                  ": the document it typed into was closed or is no longer the active one.");
}

void WordSession::Begin(const std::string& name, int verseCount) noexcept {
  ForgetSelection();
  verseCount_ = verseCount;
  versesDone_ = 0;
  document_ = ActiveDocument();
  if (noUndoRecord_) return;
  try {
    ComPtr<IDispatch> record = Kind(L"Application").Get(app_.get(), L"UndoRecord");
    Kind(L"UndoRecord").Call(record.get(), L"StartCustomRecord", {Arg::Text(Widen(name))});
    undoRecord_ = std::move(record);
  } catch (...) {
    // Word 2007 and older: every operation stays its own undo step, as before.
    noUndoRecord_ = true;
  }
}

void WordSession::End() noexcept {
  if (verseCount_ > 1) {
    try {
      Kind(L"Application").Put(app_.get(), L"StatusBar", Arg::Text(L""));
    } catch (...) {
    }
  }
  verseCount_ = 0;
  document_.reset();
  ForgetSelection();
  if (!undoRecord_) return;
  try {
    Kind(L"UndoRecord").Call(undoRecord_.get(), L"EndCustomRecord");
  } catch (...) {
  }
  undoRecord_.reset();
}

void WordSession::Yield() {
  if (verseCount_ > 0 && versesDone_ < verseCount_) ++versesDone_;
  Pump(verseCount_ > 1
           ? L"Al-Quran: ayat " + std::to_wstring(versesDone_) + L" dari " + std::to_wstring(verseCount_)
           : std::wstring());
}

void WordSession::TranslationStep(int done, int total) {
  // Verse by verse each translation is one verse long: the Arabic's count goes on.
  if (total > 1) versesDone_ = done;
  Pump(total > 1 ? L"Al-Quran: terjemah " + std::to_wstring(done) + L" dari " + std::to_wstring(total)
                 : std::wstring());
}

void WordSession::Pump(const std::wstring& status) {
  ForgetSelection();
  if (!status.empty()) {
    try {
      Kind(L"Application").Put(app_.get(), L"StatusBar", Arg::Text(status));
    } catch (...) {
      // Progress is a courtesy: the insertion goes on without it.
    }
  }
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {  // belongs to the host's own loop: put it back
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  CheckStillWanted();
}

}  // namespace pelvaron::addin
