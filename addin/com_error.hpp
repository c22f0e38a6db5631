#pragma once
// The exception barrier of every COM method, event handler and window procedure: nothing
// ever propagates into Word as an exception.

#include "addin/windows_api.hpp"

#include <string>

namespace pelvaron::addin {

// The exception in flight as an HRESULT; its message goes into the thread's IErrorInfo so
// the caller can show it. Call only inside a catch block.
HRESULT HResultFromCaught() noexcept;

// The exception in flight as text, for a message box. Call only inside a catch block.
std::wstring MessageFromCaught() noexcept;

// The exception in flight as an IDispatch::Invoke result: DISP_E_EXCEPTION with `excep`
// filled (source and message), or the bare HRESULT when the caller gave no EXCEPINFO. Call
// only inside a catch block.
HRESULT ExcepInfoFromCaught(EXCEPINFO* excep) noexcept;

// Raises a HostCall error naming `what` and the HRESULT when `hr` failed.
void CheckHr(HRESULT hr, const std::string& what);

}  // namespace pelvaron::addin

// Body of a COM method that returns HRESULT: try { ... } PELVARON_CATCH_RETURN
#define PELVARON_CATCH_RETURN                      \
  catch (...) {                                    \
    return ::pelvaron::addin::HResultFromCaught(); \
  }
