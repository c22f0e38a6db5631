#include "addin/button_sink.hpp"

#include <atomic>

#include "addin/com_error.hpp"
#include "addin/extensibility.hpp"
#include "addin/module_lock.hpp"

namespace pelvaron::addin {
namespace {

// The sink the host calls: Click(Ctrl, CancelDefault) is DISPID 1. Holds nothing of the
// button, so button and sink never keep each other alive.
class ClickSink final : public IDispatch {
 public:
  explicit ClickSink(std::function<void()> onClick) : onClick_(std::move(onClick)) { AddModuleRef(); }
  ClickSink(const ClickSink&) = delete;
  ClickSink& operator=(const ClickSink&) = delete;
  virtual ~ClickSink() { ReleaseModuleRef(); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == DIID_CommandBarButtonEvents) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    if (!names || !ids) return E_POINTER;
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i) {
      const bool click = i == 0 && lstrcmpiW(names[i], L"Click") == 0;
      ids[i] = click ? kDispidClick : DISPID_UNKNOWN;
      if (!click) hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                   EXCEPINFO* excep, UINT*) override {
    if (id != kDispidClick) return DISP_E_MEMBERNOTFOUND;
    if (!params || params->cArgs != 2) return DISP_E_BADPARAMCOUNT;
    // Ctrl is held by the caller for the call; CancelDefault is left as it is.
    try {
      onClick_();
      return S_OK;
    } catch (...) {
      return ExcepInfoFromCaught(excep);
    }
  }

 private:
  std::atomic<ULONG> refs_{1};
  std::function<void()> onClick_;
};

}  // namespace

void ButtonConnection::Connect(const ComPtr<IDispatch>& button, std::function<void()> onClick) {
  Reset();
  ComPtr<IConnectionPointContainer> container;
  CheckHr(button->QueryInterface(IID_IConnectionPointContainer, container.put_void()),
          "CommandBarButton: asking for its events");
  ComPtr<IConnectionPoint> point;
  CheckHr(container->FindConnectionPoint(DIID_CommandBarButtonEvents, point.put()),
          "CommandBarButton: finding its Click events");
  auto sink = ComPtr<IDispatch>::Attach(new ClickSink(std::move(onClick)));
  DWORD cookie = 0;
  CheckHr(point->Advise(sink.get(), &cookie), "CommandBarButton: connecting its Click event");
  button_ = button;
  point_ = std::move(point);
  cookie_ = cookie;
}

void ButtonConnection::Reset() noexcept {
  if (point_) point_->Unadvise(cookie_);  // a host already gone simply fails here
  point_.reset();
  button_.reset();
  cookie_ = 0;
}

}  // namespace pelvaron::addin
