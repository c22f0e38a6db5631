#include "addin/ribbon.hpp"

#include <array>
#include <string_view>

#include "addin/late_binding.hpp"
#include "addin/module_lock.hpp"
#include "addin/resource_ids.h"
#include "addin/wide_text.hpp"
#include "module/error.hpp"

namespace pelvaron::addin {

std::wstring RibbonXml() {
  const auto module = static_cast<HMODULE>(ModuleHandle());
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(IDR_RIBBON_XML), MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) throw Error(ErrorKind::HostCall, "the ribbon's XML resource is missing from the library");
  return Widen(std::string_view(static_cast<const char*>(bytes), SizeofResource(module, found)));
}

int RibbonButtonIndex(const std::wstring& controlId) {
  // In the order of the menu's buttons, whose handlers they share.
  static constexpr std::array<const wchar_t*, 5> kIds = {
      L"PelvaronGetAll", L"PelvaronGetAyat", L"PelvaronGetTerjemah", L"PelvaronAbout", L"PelvaronCariAyat"};
  for (std::size_t i = 0; i < kIds.size(); ++i)
    if (controlId == kIds[i]) return static_cast<int>(i);
  return -1;
}

std::wstring RibbonControlId(const DISPPARAMS* params) {
  // A button's onAction, getSelectedItemIndex and getPressed pass the control alone, a
  // drop-down's onAction the selected item's id and index after it, a toggle's whether it is
  // pressed.
  if (!params || params->cArgs < 1 || params->cArgs > 3)
    throw Error(ErrorKind::HostCall,
                "a ribbon callback: expected the control and at most two values after it");
  const VARIANT& arg = params->rgvarg[params->cArgs - 1];
  IDispatch* control = arg.vt == VT_DISPATCH                ? arg.pdispVal
                       : arg.vt == (VT_DISPATCH | VT_BYREF) ? *arg.ppdispVal
                                                            : nullptr;
  if (!control) throw Error(ErrorKind::HostCall, "OnRibbonAction: the argument is no IRibbonControl");
  ObjectKind kind(L"IRibbonControl");
  return kind.GetString(control, L"Id");
}

int RibbonSelectedIndex(const DISPPARAMS* params) {
  if (!params || params->cArgs != 3)
    throw Error(ErrorKind::HostCall, "a drop-down's onAction: expected three arguments");
  VARIANT index;
  VariantInit(&index);
  if (FAILED(VariantChangeType(&index, &params->rgvarg[0], 0, VT_I4)))
    throw Error(ErrorKind::HostCall, "a drop-down's onAction: the selected index is no number");
  return index.lVal;
}

bool RibbonPressed(const DISPPARAMS* params) {
  if (!params || params->cArgs != 2)
    throw Error(ErrorKind::HostCall, "a toggle button's onAction: expected two arguments");
  VARIANT pressed;
  VariantInit(&pressed);
  if (FAILED(VariantChangeType(&pressed, &params->rgvarg[0], 0, VT_BOOL)))
    throw Error(ErrorKind::HostCall, "a toggle button's onAction: pressed is no truth value");
  return pressed.boolVal != VARIANT_FALSE;
}

}  // namespace pelvaron::addin
