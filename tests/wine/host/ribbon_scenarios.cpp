// Word's ribbon driving the add-in: its XML, its buttons in the menu's places, the Rujukan
// drop-down and the two toggle buttons, each kept across a new connection.
#include <iterator>

#include "tests/wine/host/add_in_loader.hpp"
#include "tests/wine/host/dialog_driver.hpp"
#include "tests/wine/host/ribbon_driver.hpp"
#include "tests/wine/host/scenarios.hpp"

namespace pelvaron::wine_host {
namespace {

using addin::ext_dm_HostShutdown;

void CheckOtherRibbonGetsNothing(IDTExtensibility2* addIn) {
  HRESULT otherHr = E_FAIL;
  ComPtr<addin::IRibbonExtensibility> ribbon;
  addIn->QueryInterface(addin::IID_IRibbonExtensibility, ribbon.put_void());
  BSTR otherId = SysAllocString(L"Microsoft.Outlook.Mail.Read"), otherXml = nullptr;
  if (ribbon) otherHr = ribbon->GetCustomUI(otherId, &otherXml);
  check(otherHr == S_OK && SysStringLen(otherXml) == 0, "another ribbon gets no XML");
  SysFreeString(otherId);
  SysFreeString(otherXml);
}

// Each button shows what the menu button in its place shows.
void CheckRibbonButtons(IDTExtensibility2* addIn, const std::vector<RibbonButton>& buttons) {
  // In the menu's order: the three insertions, About, Cari Ayat.
  constexpr const wchar_t* kCaptions[] = {kDialogCaption, kDialogCaption, kDialogCaption, kAboutCaption,
                                          kSearchCaption};
  check(buttons.size() == std::size(kCaptions),
        "the XML holds five buttons: " + std::to_string(buttons.size()));
  for (std::size_t i = 0; i < buttons.size() && i < std::size(kCaptions); ++i) {
    const RibbonButton& b = buttons[i];
    const std::string name = Narrow(b.id) + " (" + Narrow(b.onAction) + ")";
    check(FireRibbonAction(addIn, b) == S_OK, name + ": the callback succeeds through IDispatch");
    const wchar_t* caption = kCaptions[i];
    HWND window = FindOwnWindow(caption);
    check(window != nullptr,
          name + ": shows \"" + Narrow(caption) + "\", as the menu button in its place does");
    if (window) SendMessageW(window, WM_CLOSE, 0, 0);
  }
}

void ChooseRujukan(IDTExtensibility2* addIn, const RibbonDropDown& dropDown, int choice) {
  VARIANT id, index;
  id.vt = VT_BSTR;
  id.bstrVal = SysAllocString(dropDown.items[static_cast<std::size_t>(choice)].c_str());
  index.vt = VT_I4;
  index.lVal = choice;
  check(InvokeRibbonCallback(addIn, dropDown.onAction, dropDown.id, {id, index}, nullptr) == S_OK,
        "Rujukan: onAction(control, id, " + std::to_string(choice) + ") succeeds");
  SysFreeString(id.bstrVal);
}

void CheckSelectedRujukan(IDTExtensibility2* addIn, const RibbonDropDown& dropDown, int choice,
                          int connection) {
  VARIANT selected;
  VariantInit(&selected);
  const HRESULT hr = InvokeRibbonCallback(addIn, dropDown.getSelectedItemIndex, dropDown.id, {}, &selected);
  check(hr == S_OK && selected.vt == VT_I4 && selected.lVal == choice,
        std::string(connection == 1 ? "getSelectedItemIndex gives the chosen entry "
                                    : "after a new connection getSelectedItemIndex still gives ") +
            std::to_string(choice) + ": " + std::to_string(selected.lVal));
}

// One connection's look at the drop-down; the first also chooses entry `choice`. False when
// the add-in or its drop-down is missing.
bool RujukanConnection(int connection, int choice) {
  ComPtr<IDTExtensibility2> addIn = ConnectAddIn();
  if (!addIn) return false;
  HRESULT hr = E_FAIL;
  const RibbonDropDown dropDown = RibbonDropDownOf(AskRibbonXml(addIn.get(), hr));
  if (!check(dropDown.id == L"PelvaronRujukan" && dropDown.items.size() == 4,
             "the ribbon has the Rujukan drop-down with four entries"))
    return false;
  if (connection == 1) ChooseRujukan(addIn.get(), dropDown, choice);
  CheckSelectedRujukan(addIn.get(), dropDown, choice, connection);
  Disconnect(addIn.get(), ext_dm_HostShutdown);
  return true;
}

// The value of attribute `name` of the ribbon element whose id is `id`; empty when there is none.
std::wstring AttributeOf(const std::wstring& xml, const std::wstring& id, const std::wstring& name) {
  const std::size_t at = xml.find(L"id=\"" + id + L"\"");
  if (at == std::wstring::npos) return L"";
  const std::size_t end = xml.find(L'>', at);
  const std::size_t value = xml.find(L" " + name + L"=\"", at);
  if (value == std::wstring::npos || value > end) return L"";
  const std::size_t from = value + name.size() + 3;
  return xml.substr(from, xml.find(L'"', from) - from);
}

// Toggle `id`: the first connection sets it to `on`, each reads it back. False when the
// ribbon has no such toggle.
bool CheckToggle(IDTExtensibility2* addIn, const std::wstring& xml, const std::wstring& id, bool on,
                 int connection) {
  const std::wstring getPressed = AttributeOf(xml, id, L"getPressed"),
                     onAction = AttributeOf(xml, id, L"onAction");
  if (!check(!getPressed.empty() && !onAction.empty(), "the ribbon has the toggle button " + Narrow(id)))
    return false;
  if (connection == 1) {
    VARIANT pressed;
    pressed.vt = VT_BOOL;
    pressed.boolVal = on ? VARIANT_TRUE : VARIANT_FALSE;
    check(InvokeRibbonCallback(addIn, onAction, id, {pressed}, nullptr) == S_OK,
          Narrow(id) + ": onAction(control, " + (on ? "true" : "false") + ") succeeds");
  }
  VARIANT state;
  VariantInit(&state);
  const HRESULT hr = InvokeRibbonCallback(addIn, getPressed, id, {}, &state);
  check(hr == S_OK && state.vt == VT_BOOL && (state.boolVal != VARIANT_FALSE) == on,
        Narrow(id) + (connection == 1 ? ": getPressed gives the state chosen"
                                      : ": after a new connection getPressed still gives it"));
  return true;
}

bool ToggleConnection(int connection, bool on) {
  ComPtr<IDTExtensibility2> addIn = ConnectAddIn();
  if (!addIn) return false;
  HRESULT hr = E_FAIL;
  const std::wstring xml = AskRibbonXml(addIn.get(), hr);
  for (const std::wstring id : {L"PelvaronLatin", L"PelvaronPerAyat"})
    if (!CheckToggle(addIn.get(), xml, id, on, connection)) return false;
  Disconnect(addIn.get(), ext_dm_HostShutdown);
  return true;
}

}  // namespace

int Ribbon(const Options& o) {
  AddWordMenus();
  ComPtr<IDTExtensibility2> addIn = ConnectAddIn();
  if (!addIn) return 1;
  HRESULT hr = E_FAIL;
  const std::wstring xml = AskRibbonXml(addIn.get(), hr);
  if (!check(hr == S_OK && !xml.empty(),
             "IRibbonExtensibility.GetCustomUI(\"Microsoft.Word.Document\") gives XML"))
    return 1;
  WriteTrace(o.Get(L"--xml"), Narrow(xml));
  CheckOtherRibbonGetsNothing(addIn.get());
  const std::vector<RibbonButton> buttons = RibbonButtons(xml);
  CheckRibbonButtons(addIn.get(), buttons);
  check(FAILED(FireRibbonAction(addIn.get(),
                                {L"SomeoneElsesButton", buttons.empty() ? L"" : buttons[0].onAction})),
        "a control that is not Pelvaron's is refused");
  Disconnect(addIn.get(), ext_dm_HostShutdown);
  return check.failed();
}

// The ribbon's Rujukan drop-down as Word drives it: the stored entry read through
// getSelectedItemIndex, entry N chosen through onAction, and read again by a new connection.
int Rujukan(const Options& o) {
  AddWordMenus();
  const int choice = o.Number(L"--cite");
  for (int connection = 1; connection <= 2; ++connection)
    if (!RujukanConnection(connection, choice)) return 1;
  return check.failed();
}

// The ribbon's "Latin" and "Per ayat" toggle buttons: set by onAction(control, pressed), read
// back by getPressed, kept across a new connection.
int Toggles(const Options& o) {
  AddWordMenus();
  const bool on = o.Number(L"--on") != 0;
  for (int connection = 1; connection <= 2; ++connection)
    if (!ToggleConnection(connection, on)) return 1;
  return check.failed();
}

}  // namespace pelvaron::wine_host
