#pragma once
// One of the fields ctrl2..ctrl5: a host button with its Click event connected to a
// handler. Assigning a new button moves the connection to it.

#include <functional>

#include "addin/com_ptr.hpp"
#include "addin/windows_api.hpp"

namespace pelvaron::addin {

class ButtonConnection {
 public:
  ButtonConnection() = default;
  ButtonConnection(const ButtonConnection&) = delete;
  ButtonConnection& operator=(const ButtonConnection&) = delete;
  ~ButtonConnection() { Reset(); }

  // Disconnects the old button, then advises a sink on `button` that calls `onClick`.
  void Connect(const ComPtr<IDispatch>& button, std::function<void()> onClick);
  void Reset() noexcept;

 private:
  ComPtr<IDispatch> button_;
  ComPtr<IConnectionPoint> point_;
  DWORD cookie_ = 0;
};

}  // namespace pelvaron::addin
