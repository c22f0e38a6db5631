#pragma once
// Word's side of the ribbon: asks the add-in's IRibbonExtensibility for its customUI XML and
// fires a button's onAction the way Word does, by name through the add-in's IDispatch with
// an IRibbonControl argument.

#include <string>
#include <vector>

#include "addin/windows_api.hpp"

namespace pelvaron::wine_host {

struct RibbonButton {
  std::wstring id;
  std::wstring onAction;
};

// The XML for Word's document ribbon; `hr` is GetCustomUI's result (E_NOINTERFACE when the
// add-in has no ribbon).
std::wstring AskRibbonXml(IUnknown* addIn, HRESULT& hr);
// Every <button> of the XML, in document order.
std::vector<RibbonButton> RibbonButtons(const std::wstring& xml);
HRESULT FireRibbonAction(IUnknown* addIn, const RibbonButton& button);

struct RibbonDropDown {
  std::wstring id;
  std::wstring getSelectedItemIndex;
  std::wstring onAction;
  std::vector<std::wstring> items;  // the ids of its <item>s
};
// The first <dropDown> of the XML; an empty id when there is none.
RibbonDropDown RibbonDropDownOf(const std::wstring& xml);

// Calls callback `name` by name through the add-in's IDispatch with the IRibbonControl of
// `controlId`, then `more` in the callback's order; `result` (may be null) takes its value.
HRESULT InvokeRibbonCallback(IUnknown* addIn, const std::wstring& name, const std::wstring& controlId,
                             const std::vector<VARIANT>& more, VARIANT* result);

}  // namespace pelvaron::wine_host
