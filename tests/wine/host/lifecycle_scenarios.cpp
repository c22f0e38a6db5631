// Connection and disconnection as Word does them: the menu added and removed, the library's
// lifetime, and a start without the data folder.
#include <iterator>

#include "tests/wine/host/add_in_loader.hpp"
#include "tests/wine/host/scenarios.hpp"

namespace pelvaron::wine_host {
namespace {

using addin::ext_cm_AfterStartup;
using addin::ext_cm_Startup;
using addin::ext_dm_HostShutdown;
using addin::ext_dm_UserClosed;

int CountCaption(const std::wstring& caption) {
  int n = 0;
  for (const auto& c : Model().menuBar.items) n += c->caption() == caption;
  return n;
}

HRESULT CanUnloadNow() {
  HMODULE dll = GetModuleHandleW(L"Ostrevan2003.dll");
  if (!dll) return E_FAIL;
  auto canUnload = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
      reinterpret_cast<void*>(GetProcAddress(dll, "DllCanUnloadNow")));
  return canUnload ? canUnload() : E_FAIL;
}

// The version block's FileVersion text of a loaded library.
std::string FileVersionOf(HMODULE module) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(module, path, MAX_PATH);
  DWORD ignored = 0;
  std::vector<char> block(GetFileVersionInfoSizeW(path, &ignored));
  void* text = nullptr;
  UINT length = 0;
  if (block.empty() || !GetFileVersionInfoW(path, 0, static_cast<DWORD>(block.size()), block.data()) ||
      !VerQueryValueW(block.data(), L"\\StringFileInfo\\040904b0\\FileVersion", &text, &length) ||
      length == 0)
    return "";
  return Narrow(static_cast<const wchar_t*>(text));
}

std::wstring ErrorMessage() {
  ComPtr<IErrorInfo> info;
  if (GetErrorInfo(0, info.put()) != S_OK || !info) return L"";
  BSTR text = nullptr;
  info->GetDescription(&text);
  std::wstring out = text ? text : L"";
  SysFreeString(text);
  return out;
}

struct ExpectedButton {
  const wchar_t* caption;
  const wchar_t* tooltip;
  const wchar_t* tag;
};

constexpr ExpectedButton kExpectedButtons[] = {
    {L"Get All", L"Get Ayat, terjemah & Note ", L"Pelvaron.GetAll"},
    {L"Get Ayat", L"Get Ayat", L"Pelvaron.GetAyat"},
    {L"Get Terjemah", L"Get Terjemah", L"Pelvaron.GetTerjemah"},
    {L"About", L"About", L"Pelvaron.About"},
    {L"Cari Ayat", L"Cari ayat dari kata, nama surat atau rujukan", L"Pelvaron.CariAyat"}};

void CheckMenuButton(const ControlObject& b, const ExpectedButton& expected) {
  const std::string name = Narrow(expected.caption);
  check(b.type() == 1 && !b.temporary(), name + ": a button, added with Type only");
  check(b.caption() == expected.caption, name + ": caption in menu order");
  check(b.tooltip() == expected.tooltip, name + ": tooltip \"" + Narrow(b.tooltip()) + "\"");
  check(b.onAction() == L"!<Pelvaron.Connect>", name + ": OnAction \"" + Narrow(b.onAction()) + "\"");
  check(b.tag() == expected.tag, name + ": Tag \"" + Narrow(b.tag()) + "\", unique to the button");
  check(b.sinkCount() == 1, name + ": one Click sink connected");
}

void CheckMenu() {
  const auto& bar = Model().menuBar.items;
  check(bar.size() == 4, "connection adds exactly one control to the menu bar");
  if (bar.size() != 4) return;
  ControlObject& popup = *bar.back();
  check(popup.type() == 10 && popup.temporary() && popup.caption() == L"Al-Quran",
        "the last control is a temporary popup captioned \"Al-Quran\"");
  auto& buttons = popup.children().items;
  check(buttons.size() == std::size(kExpectedButtons), "the popup holds five controls");
  for (std::size_t i = 0; i < buttons.size() && i < std::size(kExpectedButtons); ++i)
    CheckMenuButton(*buttons[i], kExpectedButtons[i]);
}

// What connecting at start-up leaves: the menu, NormalTemplate untouched, the library's version.
void CheckConnected() {
  CheckMenu();
  check(Model().normalSaved && Model().commandBarChanges > 0,
        "building the menu leaves NormalTemplate.Saved true (" + std::to_string(Model().commandBarChanges) +
            " command-bar changes would have cleared it)");
  const std::string version = FileVersionOf(GetModuleHandleW(L"Ostrevan2003.dll"));
  check(version == PELVARON_PROJECT_VERSION, "the DLL's FileVersion \"" + version + "\" is project(VERSION)");
  check(CanUnloadNow() == S_FALSE, "DllCanUnloadNow: no while an instance lives");
}

// Connected at start-up, then closed by the user; false when the add-in cannot be created.
bool ConnectThenUserCloses() {
  ComPtr<IDTExtensibility2> addIn = CreateAddIn();
  if (!check(bool(addIn), "Word creates Pelvaron.Connect from its ProgID")) return false;
  check(Connect(addIn.get(), ext_cm_Startup) == S_OK, "OnConnection at start-up succeeds");
  CheckConnected();
  ComPtr<ControlObject> firstButton = QuranPopup() ? QuranPopup()->children().items.at(0) : nullptr;

  check(Disconnect(addIn.get(), ext_dm_UserClosed) == S_OK, "OnDisconnection by the user succeeds");
  check(CountCaption(L"Al-Quran") == 0 && Model().removals == 1, "disconnection removes the menu");
  check(Model().normalSaved, "removing the menu leaves NormalTemplate.Saved true");
  addIn.reset();
  check(Model().removals == 1, "the end of the instance finds nothing more to remove");
  check(!firstButton || firstButton->sinkCount() == 0, "the end of the instance disconnects its Click sinks");
  return true;
}

void ReconnectThenHostShutsDown() {
  ComPtr<IDTExtensibility2> addIn = CreateAddIn();
  check(Connect(addIn.get(), ext_cm_AfterStartup) == S_OK, "a new instance connects again");
  check(CountCaption(L"Al-Quran") == 1, "after reconnecting there is exactly one \"Al-Quran\" menu");
  const long before = Model().removals, lookupsBefore = Model().lookups;
  const HRESULT shutdown = BeginShutdown(addIn.get());
  const HRESULT disconnect = Disconnect(addIn.get(), ext_dm_HostShutdown);
  addIn.reset();
  check(shutdown == S_OK && disconnect == S_OK, "OnBeginShutdown then OnDisconnection succeed");
  check(Model().lookups - lookupsBefore == 3, "shutdown, disconnection and release: three removals");
  check(Model().removals - before == 1 && CountCaption(L"Al-Quran") == 0,
        "the first removal deletes the menu, the other two find nothing");
}

void DisconnectBesideForeignMenu() {
  ComPtr<IDTExtensibility2> addIn = CreateAddIn();
  Connect(addIn.get(), ext_cm_AfterStartup);
  auto foreign = ComPtr<ControlObject>::Attach(new ControlObject(10, false, &Model().menuBar));
  foreign->SetCaption(L"Al-Quran");
  Model().menuBar.items.push_back(foreign);
  Disconnect(addIn.get(), ext_dm_UserClosed);
  check(CountCaption(L"Al-Quran") == 1 && QuranPopup().get() == foreign.get(),
        "two \"Al-Quran\" controls: one removal deletes the first only");
}

}  // namespace

int Lifecycle() {
  AddWordMenus();
  if (!ConnectThenUserCloses()) return 1;
  ReconnectThenHostShutsDown();
  DisconnectBesideForeignMenu();
  check(CanUnloadNow() == S_OK, "DllCanUnloadNow: yes once every instance is gone");
  return check.failed();
}

int NoData() {
  AddWordMenus();
  ComPtr<IDTExtensibility2> addIn = CreateAddIn();
  if (!check(bool(addIn), "the add-in loads without its data folder")) return 1;
  const HRESULT hr = Connect(addIn.get(), ext_cm_Startup);
  const std::wstring message = ErrorMessage();
  check(FAILED(hr), "OnConnection fails without DataQuran");
  check(message.find(L"surahindex.mtf") != std::wstring::npos,
        "the failure's IErrorInfo names surahindex.mtf: \"" + Narrow(message) + "\"");
  check(Model().menuBar.items.size() == 3, "no menu is added");
  check(Disconnect(addIn.get(), ext_dm_UserClosed) == S_OK, "a later OnDisconnection succeeds");
  check(BeginShutdown(addIn.get()) == S_OK, "a later OnBeginShutdown succeeds");
  return check.failed();
}

}  // namespace pelvaron::wine_host
