#include "tests/wine/host/word_model.hpp"

#include <algorithm>
#include <cctype>

#include "data/format.hpp"

namespace pelvaron::wine_host {
namespace {

constexpr CLSID kClsidGlobal = {0x000209F0, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kIidGlobal = {0x000209B9, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kIidApplication = {0x00020970, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kIidSelection = {0x00020975, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr IID kIidButtonEvents = {0x000C0351, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
constexpr UINT kYieldMarker = WM_APP + 1;

std::wstring Text(const VARIANT& v) { return std::wstring(v.bstrVal, SysStringLen(v.bstrVal)); }

void CommandBarsChanged() {
  Model().normalSaved = false;
  ++Model().commandBarChanges;
}

void RecordFrame(const std::wstring& call, const std::wstring& text) {
  Model().frame.push_back({call, text, static_cast<std::size_t>(Model().trace.tellp())});
}

class UndoRecordObject final : public FakeObject {
 public:
  UndoRecordObject() : FakeObject({L"StartCustomRecord", L"EndCustomRecord"}) {}

 protected:
  void Call(const std::wstring& member, WORD, const DISPPARAMS& params, VARIANT*) override {
    if (member == L"StartCustomRecord") {
      ExpectArgs(member, params, 1);
      RecordFrame(member, Text(PositionalArg(member, params, 0, VT_BSTR)));
    } else {
      ExpectArgs(member, params, 0);
      RecordFrame(member, L"");
    }
  }
};

class TemplateObject final : public FakeObject {
 public:
  TemplateObject() : FakeObject({L"Saved"}) {}

 protected:
  void Call(const std::wstring& member, WORD flags, const DISPPARAMS& params, VARIANT* result) override {
    if (flags & DISPATCH_PROPERTYPUT) {
      Model().normalSaved = PutValue(member, flags, params, VT_BOOL).boolVal != VARIANT_FALSE;
    } else {
      if (!result) throw HostFault{L"Saved read without a result"};
      result->vt = VT_BOOL;
      result->boolVal = Model().normalSaved ? VARIANT_TRUE : VARIANT_FALSE;
    }
  }
};

class RibbonControlObject final : public FakeObject {
 public:
  explicit RibbonControlObject(std::wstring id)
      : FakeObject({L"Id", L"Context", L"Tag"}), id_(std::move(id)) {}

 protected:
  void Call(const std::wstring& member, WORD flags, const DISPPARAMS&, VARIANT* result) override {
    if (!IsGet(flags)) throw HostFault{member + L" is read-only"};
    ReturnText(result, member == L"Id" ? id_ : L"");
  }

 private:
  std::wstring id_;
};

class DocumentObject final : public FakeObject {
 public:
  DocumentObject() : FakeObject({L"Name"}) {}

 protected:
  void Call(const std::wstring&, WORD, const DISPPARAMS&, VARIANT* result) override {
    ReturnText(result, L"Dokumen1");
  }
};

constexpr const wchar_t* kNoDocument = L"This command is not available because no document is open.";

// The active document's object: the same one until the user switches.
ComPtr<IDispatch> ActiveDocumentObject() {
  static ComPtr<IDispatch> document;
  static int generation = -1;
  if (!Model().documentOpen) throw HostFault{kNoDocument};
  if (generation != Model().documentGeneration) {
    document = ComPtr<IDispatch>::Attach(new DocumentObject());
    generation = Model().documentGeneration;
  }
  return document;
}

std::vector<std::wstring> ApplicationMembers() {
  std::vector<std::wstring> members{L"Selection", L"ScreenUpdating", L"CommandBars",
                                    L"StatusBar", L"NormalTemplate", L"ActiveDocument"};
  if (Model().hasUndoRecord) members.push_back(L"UndoRecord");
  return members;
}

class FontObject final : public FakeObject {
 public:
  FontObject() : FakeObject({L"Name", L"Size", L"NameBi", L"SizeBi", L"Italic", L"Reset"}) {}

 protected:
  void Call(const std::wstring& member, WORD flags, const DISPPARAMS& params, VARIANT*) override {
    if (member == L"Name") {
      Model().fontName = Utf8(PutValue(member, flags, params, VT_BSTR).bstrVal);
      Model().sink.SetFontName(Model().fontName);
    }
    if (member == L"Reset") {
      ExpectArgs(member, params, 0);
      Model().fontName.clear();
      Model().sink.ResetFont();
    }
    if (member == L"Size") Model().sink.SetFontSize(PutValue(member, flags, params, VT_R4).fltVal);
    if (member == L"NameBi")
      Model().sink.SetFontNameBi(Utf8(PutValue(member, flags, params, VT_BSTR).bstrVal));
    if (member == L"SizeBi") Model().sink.SetFontSizeBi(PutValue(member, flags, params, VT_R4).fltVal);
    if (member == L"Italic")
      Model().sink.SetItalic(PutValue(member, flags, params, VT_BOOL).boolVal != VARIANT_FALSE);
  }
};

class ParagraphFormatObject final : public FakeObject {
 public:
  ParagraphFormatObject() : FakeObject({L"Alignment"}) {}

 protected:
  void Call(const std::wstring& member, WORD flags, const DISPPARAMS& params, VARIANT*) override {
    Model().sink.SetAlignment(PutValue(member, flags, params, VT_I4).lVal);
  }
};

class SelectionObject final : public FakeObject {
 public:
  SelectionObject()
      : FakeObject({L"Font", L"ParagraphFormat", L"TypeText", L"TypeParagraph", L"InsertSymbol", L"EndKey",
                    L"RtlPara", L"LtrPara", L"RtlRun", L"LtrRun"},
                   {kIidSelection}) {}

 protected:
  void Call(const std::wstring& member, WORD flags, const DISPPARAMS& params, VARIANT* result) override {
    TraceSink& sink = Model().sink;
    if (member == L"Font" || member == L"ParagraphFormat") {
      if (!IsGet(flags)) throw HostFault{member + L" is read-only"};
      auto object = member == L"Font" ? ComPtr<IDispatch>::Attach(new FontObject())
                                      : ComPtr<IDispatch>::Attach(new ParagraphFormatObject());
      ReturnObject(result, object.get());
    } else if (member == L"TypeText") {
      ExpectArgs(member, params, 1);
      const std::string text = Utf8(PositionalArg(member, params, 0, VT_BSTR).bstrVal);
      if (Model().fontName == kNormalTextFont)
        Model().typedInPlaceholderFont += static_cast<long>(text.size());
      if (!Model().fontName.empty() && std::any_of(text.begin(), text.end(), [](char c) {
            return std::isalpha(static_cast<unsigned char>(c)) != 0;
          }))
        ++Model().latinInSetFont;
      sink.TypeText(text);
    } else if (member == L"InsertSymbol") {
      ExpectArgs(member, params, 4);
      sink.InsertSymbol(PositionalArg(member, params, 0, VT_I4).lVal,
                        Utf8(PositionalArg(member, params, 1, VT_BSTR).bstrVal),
                        PositionalArg(member, params, 2, VT_BOOL).boolVal != VARIANT_FALSE,
                        PositionalArg(member, params, 3, VT_I4).lVal);
      ++Model().insertedSymbols;
      if (Utf8(PositionalArg(member, params, 1, VT_BSTR).bstrVal) == kNormalTextFont)
        ++Model().typedInPlaceholderFont;
    } else if (member == L"EndKey") {
      ExpectArgs(member, params, 1);  // Extend left out
      sink.EndKey(PositionalArg(member, params, 0, VT_I4).lVal);
    } else {
      ExpectArgs(member, params, 0);
      if (member == L"TypeParagraph") sink.TypeParagraph();
      if (member == L"RtlPara") sink.RtlPara();
      if (member == L"LtrPara") sink.LtrPara();
      if (member == L"RtlRun") sink.RtlRun();
      if (member == L"LtrRun") sink.LtrRun();
    }
  }
};

class ControlsObject final : public FakeObject {
 public:
  explicit ControlsObject(ControlList& list) : FakeObject({L"Add", L"Item", L"Count"}), list_(list) {}

 protected:
  DISPID NamedArgId(const std::wstring& member, const std::wstring& name) override {
    if (member != L"Add") return DISPID_UNKNOWN;
    static const wchar_t* kNames[] = {L"Type", L"Id", L"Parameter", L"Before", L"Temporary"};
    for (DISPID i = 0; i < 5; ++i)
      if (lstrcmpiW(kNames[i], name.c_str()) == 0) return 1000 + i;
    return DISPID_UNKNOWN;
  }

  void Call(const std::wstring& member, WORD flags, const DISPPARAMS& params, VARIANT* result) override {
    if (member == L"Add") {
      if (params.cNamedArgs != params.cArgs)
        throw HostFault{L"Controls.Add: only named arguments are expected"};
      int type = 0;
      bool temporary = false;
      for (UINT i = 0; i < params.cArgs; ++i) {
        const std::wstring& name = NamedArgName(params.rgdispidNamedArgs[i]);
        const VARIANT& v = params.rgvarg[i];
        if (name == L"Type" && v.vt == VT_I4) {
          type = v.lVal;
        } else if (name == L"Temporary" && v.vt == VT_BOOL) {
          temporary = v.boolVal != VARIANT_FALSE;
        } else {
          throw HostFault{L"Controls.Add: unexpected argument " + name + L" of type " +
                          std::to_wstring(v.vt)};
        }
      }
      if (type != 1 && type != 10) throw HostFault{L"Controls.Add: Type " + std::to_wstring(type)};
      auto control = ComPtr<ControlObject>::Attach(new ControlObject(type, temporary, &list_));
      list_.items.push_back(control);
      CommandBarsChanged();
      ReturnObject(result, control.get());
    } else if (member == L"Item") {
      ++Model().lookups;
      ExpectArgs(member, params, 1);
      const VARIANT& index = params.rgvarg[0];
      if (index.vt != VT_BSTR) throw HostFault{L"Controls.Item: index of type " + std::to_wstring(index.vt)};
      const auto found = std::find_if(list_.items.begin(), list_.items.end(),
                                      [&](const auto& c) { return c->caption() == Text(index); });
      if (found == list_.items.end()) throw HostFault{L"Controls.Item: no control " + Text(index)};
      ReturnObject(result, found->get());
    } else {
      if (!result) throw HostFault{L"Count without a result"};
      result->vt = VT_I4;
      result->lVal = static_cast<LONG>(list_.items.size());
    }
    (void)flags;
  }

 private:
  ControlList& list_;
};

class CommandBarObject final : public FakeObject {
 public:
  CommandBarObject() : FakeObject({L"Controls"}) {}

 protected:
  void Call(const std::wstring&, WORD, const DISPPARAMS&, VARIANT* result) override {
    auto controls = ComPtr<IDispatch>::Attach(new ControlsObject(Model().menuBar));
    ReturnObject(result, controls.get());
  }
};

class CommandBarsObject final : public FakeObject {
 public:
  CommandBarsObject() : FakeObject({L"ActiveMenuBar"}) {}

 protected:
  void Call(const std::wstring&, WORD, const DISPPARAMS&, VARIANT* result) override {
    auto bar = ComPtr<IDispatch>::Attach(new CommandBarObject());
    ReturnObject(result, bar.get());
  }
};

class ApplicationObject final : public FakeObject {
 public:
  ApplicationObject() : FakeObject(ApplicationMembers(), {kIidApplication}) {}

 protected:
  void Call(const std::wstring& member, WORD flags, const DISPPARAMS& params, VARIANT* result) override {
    if (member == L"ScreenUpdating") {
      const bool on = PutValue(member, flags, params, VT_BOOL).boolVal != VARIANT_FALSE;
      Model().sink.SetScreenUpdating(on);
      Model().screenUpdating = on;
      // Shows up as "Yield" in the trace only if the add-in pumps messages before the next
      // operation.
      if (on) PostMessageW(Model().yieldWindow, kYieldMarker, static_cast<WPARAM>(Model().trace.tellp()), 0);
      return;
    }
    if (member == L"StatusBar") {
      RecordFrame(member, Text(PutValue(member, flags, params, VT_BSTR)));
      return;
    }
    if (!IsGet(flags)) throw HostFault{member + L" is read-only"};
    ComPtr<IDispatch> object;
    if (member == L"Selection" && !Model().documentOpen) throw HostFault{kNoDocument};
    if (member == L"ActiveDocument") object = ActiveDocumentObject();
    if (member == L"Selection") object = ComPtr<IDispatch>::Attach(new SelectionObject());
    if (member == L"CommandBars") object = ComPtr<IDispatch>::Attach(new CommandBarsObject());
    if (member == L"NormalTemplate") object = ComPtr<IDispatch>::Attach(new TemplateObject());
    if (member == L"UndoRecord") object = ComPtr<IDispatch>::Attach(new UndoRecordObject());
    ReturnObject(result, object.get());
  }
};

ComPtr<IDispatch>& TheApplication() {
  static ComPtr<IDispatch> app;
  if (!app) app = ComPtr<IDispatch>::Attach(new ApplicationObject());
  return app;
}

class GlobalObject final : public FakeObject {
 public:
  GlobalObject() : FakeObject({L"Application", L"Selection"}, {kIidGlobal}) {}

 protected:
  void Call(const std::wstring& member, WORD flags, const DISPPARAMS&, VARIANT* result) override {
    if (!IsGet(flags)) throw HostFault{member + L" is read-only"};
    if (member == L"Application") {
      ReturnObject(result, TheApplication().get());
    } else {
      auto selection = ComPtr<IDispatch>::Attach(new SelectionObject());
      ReturnObject(result, selection.get());
    }
  }
};

class AddInObject final : public FakeObject {
 public:
  explicit AddInObject(std::wstring progId) : FakeObject({L"ProgId"}), progId_(std::move(progId)) {}

 protected:
  void Call(const std::wstring&, WORD flags, const DISPPARAMS&, VARIANT* result) override {
    if (!IsGet(flags)) throw HostFault{L"ProgId is read-only"};
    ReturnText(result, progId_);
  }

 private:
  std::wstring progId_;
};

class GlobalFactory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (riid == IID_IUnknown || riid == IID_IClassFactory) {
      *out = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
    if (outer) return CLASS_E_NOAGGREGATION;
    auto global = ComPtr<IDispatch>::Attach(new GlobalObject());
    return global->QueryInterface(riid, out);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

GlobalFactory g_factory;
DWORD g_factoryCookie = 0;

BOOL CALLBACK FindMessageBox(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (lstrcmpW(name, L"#32770") != 0) return TRUE;
  *reinterpret_cast<bool*>(found) = true;
  return FALSE;
}

LRESULT CALLBACK YieldWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kYieldMarker) {
    // The add-in's yield is the pump right after "ScreenUpdating True": a marker that waits
    // for a later operation, or for a message box's own loop, is no yield of the add-in.
    bool messageBox = false;
    EnumThreadWindows(GetCurrentThreadId(), FindMessageBox, reinterpret_cast<LPARAM>(&messageBox));
    if (!messageBox && static_cast<WPARAM>(Model().trace.tellp()) == wParam) {
      Model().sink.Yield();
      WordModel& m = Model();
      ++m.yields;
      if (m.yields == m.closeAtYield) m.documentOpen = false;
      if (m.yields == m.switchAtYield) ++m.documentGeneration;
      if (m.yields == m.shutdownAtYield && m.shutdown) m.shutdown();
    }
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

WordModel& Model() {
  static WordModel model;
  return model;
}

ControlObject::ControlObject(int type, bool temporary, ControlList* parent)
    : FakeObject({L"Caption", L"TooltipText", L"OnAction", L"Delete", L"Controls", L"Type", L"Tag"}),
      type_(type),
      temporary_(temporary),
      parent_(parent) {}

void* ControlObject::ExtraInterface(REFIID riid) {
  if (type_ == 1 && riid == IID_IConnectionPointContainer)
    return static_cast<IConnectionPointContainer*>(this);
  return nullptr;
}

void ControlObject::Call(const std::wstring& member, WORD flags, const DISPPARAMS& params, VARIANT* result) {
  if (member == L"Caption" || member == L"TooltipText" || member == L"OnAction" || member == L"Tag") {
    std::wstring& field = member == L"Caption"       ? caption_
                          : member == L"TooltipText" ? tooltip_
                          : member == L"OnAction"    ? onAction_
                                                     : tag_;
    if (IsGet(flags) && !(flags & DISPATCH_PROPERTYPUT)) {
      ReturnText(result, field);
    } else {
      field = Text(PutValue(member, flags, params, VT_BSTR));
      CommandBarsChanged();
    }
  } else if (member == L"Delete") {
    ExpectArgs(member, params, 0);  // Temporary left out
    ++Model().removals;
    CommandBarsChanged();
    auto& items = parent_->items;
    items.erase(std::remove_if(items.begin(), items.end(), [&](const auto& c) { return c.get() == this; }),
                items.end());
  } else if (member == L"Controls") {
    if (type_ != 10) throw HostFault{L"Controls of a control that is not a popup"};
    auto controls = ComPtr<IDispatch>::Attach(new ControlsObject(children_));
    ReturnObject(result, controls.get());
  } else {
    result->vt = VT_I4;
    result->lVal = type_;
  }
}

std::size_t ControlObject::sinkCount() const {
  return static_cast<std::size_t>(
      std::count_if(sinks_.begin(), sinks_.end(), [](const auto& s) { return bool(s); }));
}

HRESULT ControlObject::FireClick() {
  for (std::size_t i = 0; i < sinks_.size(); ++i) {
    ComPtr<IDispatch> sink = sinks_[i];
    if (!sink) continue;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    VARIANT args[2];
    args[0].vt = VT_BOOL | VT_BYREF;  // CancelDefault, last
    args[0].pboolVal = &cancel;
    args[1].vt = VT_DISPATCH;  // Ctrl, first
    args[1].pdispVal = static_cast<IDispatch*>(this);
    DISPPARAMS params{args, nullptr, 2, 0};
    const HRESULT hr = sink->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    if (FAILED(hr)) return hr;
    if (cancel != VARIANT_FALSE) return E_UNEXPECTED;  // the add-in must leave CancelDefault alone
  }
  return S_OK;
}

HRESULT ControlObject::EnumConnectionPoints(IEnumConnectionPoints** out) {
  *out = nullptr;
  return E_NOTIMPL;
}

HRESULT ControlObject::FindConnectionPoint(REFIID riid, IConnectionPoint** out) {
  *out = nullptr;
  if (riid != kIidButtonEvents) return CONNECT_E_NOCONNECTION;
  *out = static_cast<IConnectionPoint*>(this);
  AddRef();
  return S_OK;
}

HRESULT ControlObject::GetConnectionInterface(IID* iid) {
  *iid = kIidButtonEvents;
  return S_OK;
}

HRESULT ControlObject::GetConnectionPointContainer(IConnectionPointContainer** out) {
  *out = static_cast<IConnectionPointContainer*>(this);
  AddRef();
  return S_OK;
}

HRESULT ControlObject::Advise(IUnknown* sink, DWORD* cookie) {
  ComPtr<IDispatch> events;
  if (FAILED(sink->QueryInterface(kIidButtonEvents, events.put_void()))) return CONNECT_E_CANNOTCONNECT;
  sinks_.push_back(events);
  *cookie = static_cast<DWORD>(sinks_.size());
  return S_OK;
}

HRESULT ControlObject::Unadvise(DWORD cookie) {
  if (cookie == 0 || cookie > sinks_.size() || !sinks_[cookie - 1]) return CONNECT_E_NOCONNECTION;
  sinks_[cookie - 1].reset();
  return S_OK;
}

HRESULT ControlObject::EnumConnections(IEnumConnections** out) {
  *out = nullptr;
  return E_NOTIMPL;
}

void RegisterWordGlobal() {
  CoRegisterClassObject(kClsidGlobal, &g_factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &g_factoryCookie);
}

void RevokeWordGlobal() { CoRevokeClassObject(g_factoryCookie); }

ComPtr<IDispatch> MakeAddInObject(const std::wstring& progId) {
  return ComPtr<IDispatch>::Attach(new AddInObject(progId));
}

ComPtr<IDispatch> MakeRibbonControl(const std::wstring& id) {
  return ComPtr<IDispatch>::Attach(new RibbonControlObject(id));
}

void CreateYieldWindow() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = YieldWindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"PelvaronHostYield";
  RegisterClassW(&wc);
  Model().yieldWindow =
      CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
}

}  // namespace pelvaron::wine_host
