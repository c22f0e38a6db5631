#include "addin/com_error.hpp"

#include <cstdio>
#include <new>

#include "addin/com_ptr.hpp"
#include "addin/wide_text.hpp"
#include "module/error.hpp"

namespace pelvaron::addin {
namespace {

void SetErrorMessage(const std::wstring& message) noexcept {
  ComPtr<ICreateErrorInfo> create;
  if (FAILED(CreateErrorInfo(create.put()))) return;
  create->SetSource(const_cast<LPOLESTR>(L"Pelvaron.Connect"));
  create->SetDescription(const_cast<LPOLESTR>(message.c_str()));
  ComPtr<IErrorInfo> info;
  if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, info.put_void()))) SetErrorInfo(0, info.get());
}

}  // namespace

std::wstring MessageFromCaught() noexcept {
  try {
    throw;
  } catch (const std::exception& e) {
    try {
      return Widen(e.what());
    } catch (...) {
      return L"out of memory";
    }
  } catch (...) {
    return L"unknown failure";
  }
}

HRESULT HResultFromCaught() noexcept {
  HRESULT hr = E_FAIL;
  try {
    throw;
  } catch (const std::bad_alloc&) {
    hr = E_OUTOFMEMORY;
  } catch (...) {
  }
  try {
    SetErrorMessage(MessageFromCaught());
  } catch (...) {
  }
  return hr;
}

HRESULT ExcepInfoFromCaught(EXCEPINFO* excep) noexcept {
  const HRESULT hr = HResultFromCaught();
  if (!excep) return hr;
  *excep = EXCEPINFO{};
  excep->scode = hr;
  excep->bstrSource = SysAllocString(L"Pelvaron.Connect");
  excep->bstrDescription = SysAllocString(MessageFromCaught().c_str());
  return DISP_E_EXCEPTION;
}

void CheckHr(HRESULT hr, const std::string& what) {
  if (SUCCEEDED(hr)) return;
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));
  std::string message = what + " failed (" + code + ")";
  ComPtr<IErrorInfo> info;
  if (GetErrorInfo(0, info.put()) == S_OK && info) {
    Bstr description;
    if (SUCCEEDED(info->GetDescription(description.put())) && description.get())
      message += ": " + Narrow(description.str());
  }
  throw Error(ErrorKind::HostCall, message);
}

}  // namespace pelvaron::addin
