#include "addin/connect.hpp"

#include "addin/addin_state.hpp"
#include "addin/com_error.hpp"
#include "addin/library_path.hpp"
#include "addin/module_lock.hpp"
#include "addin/ribbon.hpp"
#include "addin/type_library.hpp"
#include "addin/user_settings.hpp"
#include "addin/word_session.hpp"
#include "data/surah_index.hpp"
#include "forms/forms_app.hpp"
#include "forms/search_dialog.hpp"

namespace pelvaron::addin {
namespace {

// The same handler for a menu button and the ribbon button at the same position.
// The ribbon applies the user's choices (citation, Latin, verse by verse); the Word 2003
// menu leaves them out.
void RunCommand(int index, bool ribbon = false) {
  Forms().SetCitation(ribbon ? forms::kCiteChoices[StoredCitation()] : CiteStyle::None);
  Forms().SetLatinLayout(ribbon && StoredToggle(kLatinToggle.value),
                         ribbon && StoredToggle(kPerVerseToggle.value));
  static constexpr void (forms::FormsApp::*kHandlers[kMenuButtonCount])() = {
      &forms::FormsApp::OnGetAllClicked, &forms::FormsApp::OnGetAyatClicked,
      &forms::FormsApp::OnGetTerjemahClicked, &forms::FormsApp::OnAboutClicked,
      &forms::FormsApp::OnSearchClicked};
  (Forms().*kHandlers[index])();
}

}  // namespace

Connect::Connect() { AddModuleRef(); }

Connect::~Connect() {
  RemoveQuranMenu(Word());
  ReleaseModuleRef();
}

HRESULT Connect::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  // _Connect has no members of its own, so the IDispatch part of this vtable serves it.
  if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IDTExtensibility2 ||
      riid == IID__Connect) {
    *out = static_cast<IDTExtensibility2*>(this);
    AddRef();
    return S_OK;
  }
  if (riid == IID_IRibbonExtensibility) {
    *out = static_cast<IRibbonExtensibility*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG Connect::AddRef() { return ++refs_; }

ULONG Connect::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT Connect::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT Connect::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  try {
    *info = ConnectTypeInfo().copy();
    return S_OK;
  }
  PELVARON_CATCH_RETURN
}

HRESULT Connect::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (!names || !ids) return E_POINTER;
  if (count == 1 && lstrcmpiW(names[0], kRibbonActionName) == 0) {
    ids[0] = kDispidRibbonAction;
    return S_OK;
  }
  if (count == 1 && lstrcmpiW(names[0], kRibbonCitationName) == 0) {
    ids[0] = kDispidRibbonCitation;
    return S_OK;
  }
  if (count == 1 && lstrcmpiW(names[0], kRibbonPressedName) == 0) {
    ids[0] = kDispidRibbonPressed;
    return S_OK;
  }
  try {
    return DispGetIDsOfNames(ConnectTypeInfo().get(), names, count, ids);
  }
  PELVARON_CATCH_RETURN
}

HRESULT Connect::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* excep, UINT* argErr) {
  if (id == kDispidRibbonAction || id == kDispidRibbonCitation || id == kDispidRibbonPressed) {
    try {
      const std::wstring control = RibbonControlId(params);
      for (const RibbonToggle& toggle : {kLatinToggle, kPerVerseToggle}) {
        if (control != toggle.id) continue;
        if (id == kDispidRibbonAction) {
          StoreToggle(toggle.value, RibbonPressed(params));
        } else if (id == kDispidRibbonPressed && result) {
          VariantInit(result);
          result->vt = VT_BOOL;
          result->boolVal = StoredToggle(toggle.value) ? VARIANT_TRUE : VARIANT_FALSE;
        }
        return S_OK;
      }
      if (control == kCitationDropDownId) {
        if (id == kDispidRibbonAction) {
          StoreCitation(RibbonSelectedIndex(params));
        } else if (result) {
          VariantInit(result);
          result->vt = VT_I4;
          result->lVal = StoredCitation();
        }
        return S_OK;
      }
      const int index = RibbonButtonIndex(control);
      if (index < 0 || id != kDispidRibbonAction) return DISP_E_MEMBERNOTFOUND;
      RunCommand(index, true);
      return S_OK;
    } catch (...) {
      return ExcepInfoFromCaught(excep);
    }
  }
  try {
    return DispInvoke(static_cast<IDTExtensibility2*>(this), ConnectTypeInfo().get(), id, flags, params,
                      result, excep, argErr);
  }
  PELVARON_CATCH_RETURN
}

void Connect::AddinInstance_OnConnection(IDispatch* addInInst) {
  ModuleState& state = Module();
  LoadModuleState(state, LibraryFolder());
  SetWord(WordSession::Connect());
  OpenAfterConnection();
  RemoveQuranMenu(Word());
  BuildQuranMenu(*Word(), addInInst, [this](int index, const ComPtr<IDispatch>& button) {
    ctrl_[static_cast<std::size_t>(index)].Connect(button, [index] { RunCommand(index); });
  });
}

HRESULT Connect::OnConnection(IDispatch* Application, ext_ConnectMode, IDispatch* AddInInst, SAFEARRAY**) {
  try {
    // Held for the call only, released on every way out.
    const ComPtr<IDispatch> application(Application);
    const ComPtr<IDispatch> addInInst(AddInInst);
    AddinInstance_OnConnection(addInInst.get());
    return S_OK;
  }
  PELVARON_CATCH_RETURN
}

HRESULT Connect::OnDisconnection(ext_DisconnectMode, SAFEARRAY**) {
  RemoveQuranMenu(Word());
  return S_OK;
}

HRESULT Connect::OnAddInsUpdate(SAFEARRAY**) { return S_OK; }
HRESULT Connect::OnStartupComplete(SAFEARRAY**) { return S_OK; }

HRESULT Connect::OnBeginShutdown(SAFEARRAY**) {
  CloseForShutdown();
  RemoveQuranMenu(Word());
  return S_OK;
}

HRESULT Connect::GetCustomUI(BSTR RibbonID, BSTR* RibbonXml) {
  if (!RibbonXml) return E_POINTER;
  *RibbonXml = nullptr;
  try {
    // Another ribbon (none in Word today) gets no XML: nothing of ours belongs there.
    if (!RibbonID || lstrcmpW(RibbonID, kWordRibbonId) != 0) return S_OK;
    const std::wstring xml = pelvaron::addin::RibbonXml();
    *RibbonXml = SysAllocStringLen(xml.data(), static_cast<UINT>(xml.size()));
    return *RibbonXml ? S_OK : E_OUTOFMEMORY;
  }
  PELVARON_CATCH_RETURN
}

}  // namespace pelvaron::addin
