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

HRESULT FireRibbonAction(IUnknown* addIn, const RibbonButton& button) {
  ComPtr<IDispatch> dispatch;
  HRESULT hr = addIn->QueryInterface(IID_IDispatch, dispatch.put_void());
  if (FAILED(hr)) return hr;
  DISPID dispid = DISPID_UNKNOWN;
  LPOLESTR name = const_cast<LPOLESTR>(button.onAction.c_str());
  hr = dispatch->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &dispid);
  if (FAILED(hr)) return hr;
  ComPtr<IDispatch> control = MakeRibbonControl(button.id);
  VARIANT arg;
  arg.vt = VT_DISPATCH;
  arg.pdispVal = control.get();
  DISPPARAMS params{&arg, nullptr, 1, 0};
  EXCEPINFO excep{};
  hr = dispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, &excep, nullptr);
  SysFreeString(excep.bstrSource);
  SysFreeString(excep.bstrDescription);
  SysFreeString(excep.bstrHelpFile);
  return hr;
}

}  // namespace pelvaron::wine_host
