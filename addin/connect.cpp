#include "addin/connect.hpp"

#include "addin/addin_state.hpp"
#include "addin/com_error.hpp"
#include "addin/library_path.hpp"
#include "addin/module_lock.hpp"
#include "addin/type_library.hpp"
#include "addin/word_session.hpp"
#include "data/surah_index.hpp"
#include "forms/forms_app.hpp"

namespace pelvaron::addin {

Connect::Connect() { AddModuleRef(); }

Connect::~Connect() {
  RemoveQuranMenu(Word());
  ReleaseModuleRef();
}

HRESULT Connect::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  // _Connect has no members of its own, so the IDispatch part of this vtable serves it.
  if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IDTExtensibility2 || riid == IID__Connect) {
    *out = static_cast<IDTExtensibility2*>(this);
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
  try {
    return DispGetIDsOfNames(ConnectTypeInfo().get(), names, count, ids);
  }
  PELVARON_CATCH_RETURN
}

HRESULT Connect::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep,
                        UINT* argErr) {
  try {
    return DispInvoke(static_cast<IDispatch*>(this), ConnectTypeInfo().get(), id, flags, params, result, excep,
                      argErr);
  }
  PELVARON_CATCH_RETURN
}

void Connect::AddinInstance_OnConnection(IDispatch* addInInst) {
  ModuleState& state = Module();
  LoadModuleState(state, LibraryFolder());
  SetWord(WordSession::Connect());
  RemoveQuranMenu(Word());
  BuildQuranMenu(*Word(), addInInst, [this](int index, const ComPtr<IDispatch>& button) {
    static constexpr void (forms::FormsApp::*kHandlers[kMenuButtonCount])() = {
        &forms::FormsApp::OnGetAllClicked, &forms::FormsApp::OnGetAyatClicked, &forms::FormsApp::OnGetTerjemahClicked,
        &forms::FormsApp::OnAboutClicked, &forms::FormsApp::OnSearchClicked};
    const auto handler = kHandlers[index];
    ctrl_[static_cast<std::size_t>(index)].Connect(button, [handler] { (Forms().*handler)(); });
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
  RemoveQuranMenu(Word());
  return S_OK;
}

}  // namespace pelvaron::addin
