#include "tests/wine/host/scenarios.hpp"

#include <filesystem>
#include <fstream>

#include "tests/wine/host/add_in_loader.hpp"
#include "tests/wine/host/dialog_driver.hpp"
#include "tests/wine/host/ribbon_driver.hpp"
#include "tests/wine/host/screenshot.hpp"

namespace pelvaron::wine_host {
namespace {

std::wstring g_perUserFolder;

}  // namespace

Checks check;

std::string Narrow(const std::wstring& text) { return Utf8(text.data(), text.size()); }

void SetPerUserFolder(const std::wstring& folder) { g_perUserFolder = folder; }

ComPtr<IDTExtensibility2> CreateAddIn() { return LoadAddIn(check, g_perUserFolder); }

void AddWordMenus() {
  for (const wchar_t* caption : {L"&File", L"&Edit", L"&Help"}) {
    auto menu = ComPtr<ControlObject>::Attach(new ControlObject(10, false, &Model().menuBar));
    menu->SetCaption(caption);
    Model().menuBar.items.push_back(menu);
  }
}

ComPtr<IDTExtensibility2> ConnectAddIn() {
  ComPtr<IDTExtensibility2> addIn = CreateAddIn();
  if (!check(addIn && Connect(addIn.get(), addin::ext_cm_Startup) == S_OK, "the add-in connects")) return {};
  return addIn;
}

ComPtr<ControlObject> QuranPopup() {
  for (const auto& c : Model().menuBar.items)
    if (c->caption() == L"Al-Quran") return c;
  return {};
}

ComPtr<ControlObject> Button(int index) {
  ComPtr<ControlObject> popup = QuranPopup();
  if (!popup || popup->children().items.size() < static_cast<std::size_t>(index)) return {};
  return popup->children().items.at(static_cast<std::size_t>(index - 1));
}

HRESULT Press(IDTExtensibility2* addIn, const Options& o, int index) {
  if (!o.Has(L"--ribbon")) {
    ComPtr<ControlObject> button = Button(index);
    return button ? button->FireClick() : E_FAIL;
  }
  HRESULT hr = S_OK;
  const std::vector<RibbonButton> buttons = RibbonButtons(AskRibbonXml(addIn, hr));
  if (FAILED(hr) || buttons.size() < static_cast<std::size_t>(index)) return E_FAIL;
  return FireRibbonAction(addIn, buttons[static_cast<std::size_t>(index - 1)]);
}

DialogControls FindControls(HWND dialog) {
  DialogControls c;
  std::vector<HWND> combos, buttons;
  for (HWND child : Children(dialog)) {
    const std::wstring cls = ClassOf(child);
    if (lstrcmpiW(cls.c_str(), L"ComboBox") == 0) combos.push_back(child);
    if (lstrcmpiW(cls.c_str(), L"Button") == 0) buttons.push_back(child);
  }
  if (combos.size() == 3) c = {combos[0], combos[1], combos[2]};
  for (HWND b : buttons) {
    if (TextOf(b) == L"Ganti Baris") c.check = b;
    if (TextOf(b) == L"OK") c.ok = b;
  }
  return c;
}

std::vector<std::wstring> BoxesDuring(const std::function<void()>& action) {
  MessageBoxWatcher watcher;
  action();
  return watcher.Seen();
}

void CheckClientArea(HWND form, int width, int height, const std::string& twips, const Options& o,
                     const std::string& name) {
  RECT client;
  GetClientRect(form, &client);
  check(client.right == width && client.bottom == height,
        "client area " + std::to_string(width) + " x " + std::to_string(height) + " pixels (" + twips +
            " twips): " + std::to_string(client.right) + " x " + std::to_string(client.bottom));
  if (o.Has(L"--screenshot"))
    check(SaveWindowPng(form, o.Get(L"--screenshot")), "screenshot of " + name + " saved");
}

void WriteTrace(const std::wstring& path, const std::string& text) {
  std::ofstream(std::filesystem::path(path), std::ios::binary) << text;
}

}  // namespace pelvaron::wine_host
