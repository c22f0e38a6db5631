#include "tests/wine/host/ribbon_driver.hpp"

#include <regex>

#include "addin/com_ptr.hpp"
#include "addin/extensibility.hpp"
#include "tests/wine/host/word_model.hpp"

namespace pelvaron::wine_host {

std::wstring AskRibbonXml(IUnknown* addIn, HRESULT& hr) {
  ComPtr<addin::IRibbonExtensibility> ribbon;
  hr = addIn->QueryInterface(addin::IID_IRibbonExtensibility, ribbon.put_void());
  if (FAILED(hr)) return L"";
  BSTR id = SysAllocString(L"Microsoft.Word.Document");
  BSTR xml = nullptr;
  hr = ribbon->GetCustomUI(id, &xml);
  SysFreeString(id);
  std::wstring out = xml ? std::wstring(xml, SysStringLen(xml)) : L"";
  SysFreeString(xml);
  return out;
}

std::vector<RibbonButton> RibbonButtons(const std::wstring& xml) {
  std::vector<RibbonButton> buttons;
  const std::wregex element(L"<button\\s[^>]*>");
  const std::wregex id(L"\\sid=\"([^\"]*)\""), onAction(L"\\sonAction=\"([^\"]*)\"");
  for (std::wsregex_iterator it(xml.begin(), xml.end(), element), end; it != end; ++it) {
    const std::wstring text = it->str();
    std::wsmatch m;
    RibbonButton b;
    if (std::regex_search(text, m, id)) b.id = m[1];
    if (std::regex_search(text, m, onAction)) b.onAction = m[1];
    buttons.push_back(b);
  }
  return buttons;
}

HRESULT InvokeRibbonCallback(IUnknown* addIn, const std::wstring& name, const std::wstring& controlId,
                             const std::vector<VARIANT>& more, VARIANT* result) {
  ComPtr<IDispatch> dispatch;
  HRESULT hr = addIn->QueryInterface(IID_IDispatch, dispatch.put_void());
  if (FAILED(hr)) return hr;
  DISPID dispid = DISPID_UNKNOWN;
  LPOLESTR member = const_cast<LPOLESTR>(name.c_str());
  hr = dispatch->GetIDsOfNames(IID_NULL, &member, 1, LOCALE_USER_DEFAULT, &dispid);
  if (FAILED(hr)) return hr;
  ComPtr<IDispatch> control = MakeRibbonControl(controlId);
  // IDispatch takes the arguments last first.
  std::vector<VARIANT> args(more.rbegin(), more.rend());
  VARIANT first;
  first.vt = VT_DISPATCH;
  first.pdispVal = control.get();
  args.push_back(first);
  DISPPARAMS params{args.data(), nullptr, static_cast<UINT>(args.size()), 0};
  EXCEPINFO excep{};
  hr = dispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result, &excep,
                        nullptr);
  SysFreeString(excep.bstrSource);
  SysFreeString(excep.bstrDescription);
  SysFreeString(excep.bstrHelpFile);
  return hr;
}

HRESULT FireRibbonAction(IUnknown* addIn, const RibbonButton& button) {
  return InvokeRibbonCallback(addIn, button.onAction, button.id, {}, nullptr);
}

RibbonDropDown RibbonDropDownOf(const std::wstring& xml) {
  RibbonDropDown dropDown;
  std::wsmatch m;
  if (!std::regex_search(xml, m, std::wregex(L"<dropDown\\s[^>]*>([\\s\\S]*?)</dropDown>"))) return dropDown;
  const std::wstring element = m[0], items = m[1];
  for (auto [attribute, field] :
       {std::pair{L"id", &dropDown.id}, std::pair{L"getSelectedItemIndex", &dropDown.getSelectedItemIndex},
        std::pair{L"onAction", &dropDown.onAction}}) {
    std::wsmatch value;
    if (std::regex_search(element, value,
                          std::wregex(std::wstring(L"<dropDown[^>]*?\\s") + attribute + L"=\"([^\"]*)\"")))
      *field = value[1];
  }
  const std::wregex item(L"<item\\s[^>]*?id=\"([^\"]*)\"");
  for (std::wsregex_iterator it(items.begin(), items.end(), item), end; it != end; ++it)
    dropDown.items.push_back((*it)[1]);
  return dropDown;
}

}  // namespace pelvaron::wine_host
