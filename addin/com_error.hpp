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

// Raises a HostCall error naming `what` and the HRESULT when `hr` failed.
void CheckHr(HRESULT hr, const std::string& what);

}  // namespace pelvaron::addin

// Body of a COM method that returns HRESULT: try { ... } PELVARON_CATCH_RETURN
#define PELVARON_CATCH_RETURN                     \
  catch (...) {                                   \
    return ::pelvaron::addin::HResultFromCaught(); \
  }
