#pragma once
// Connect: the add-in's only creatable class, the object Word talks to. Its default
// interface _Connect has no members; Word drives it through IDTExtensibility2, asks Word
// 2007 and later's IRibbonExtensibility for the tab, and calls the tab's callback by name
// through IDispatch.

#include <array>
#include <atomic>

#include "addin/button_sink.hpp"
#include "addin/extensibility.hpp"
#include "addin/quran_menu.hpp"

namespace pelvaron::addin {

class Connect final : public IDTExtensibility2, public IRibbonExtensibility {
 public:
  Connect();
  Connect(const Connect&) = delete;
  Connect& operator=(const Connect&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch, from the type library's _Connect, plus the ribbon's callback
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excep, UINT* argErr) override;
  // IDTExtensibility2
  HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* Application, ext_ConnectMode ConnectMode,
                                         IDispatch* AddInInst, SAFEARRAY** custom) override;
  HRESULT STDMETHODCALLTYPE OnDisconnection(ext_DisconnectMode RemoveMode, SAFEARRAY** custom) override;
  HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) override;
  HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) override;
  HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) override;
  // IRibbonExtensibility
  HRESULT STDMETHODCALLTYPE GetCustomUI(BSTR RibbonID, BSTR* RibbonXml) override;

 private:
  ~Connect();  // AddinInstance_Terminate: the last reference is gone
  void AddinInstance_OnConnection(IDispatch* addInInst);

  std::atomic<ULONG> refs_{1};
  // ctrl2..ctrl5: "Get All", "Get Ayat", "Get Terjemah", "About"; then "Cari Ayat".
  std::array<ButtonConnection, kMenuButtonCount> ctrl_;
};

}  // namespace pelvaron::addin
