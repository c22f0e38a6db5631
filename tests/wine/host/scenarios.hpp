#pragma once
// The stand-in Word's scenarios, one a run (see host_main.cpp for their options), and what
// they share: the checks, the options, the add-in connected behind Word's menu.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "addin/windows_api.hpp"

#include "addin/extensibility.hpp"
#include "tests/wine/host/checks.hpp"
#include "tests/wine/host/word_model.hpp"

namespace pelvaron::wine_host {

// Every scenario's PASS and FAIL lines; its failures are the run's.
extern Checks check;

inline constexpr const wchar_t* kDialogCaption = L"Pilih Surat & Ayat";
inline constexpr const wchar_t* kAboutCaption = L"               About";
inline constexpr const wchar_t* kSearchCaption = L"Cari Ayat";

struct Options {
  std::map<std::wstring, std::wstring> values;
  bool Has(const std::wstring& name) const { return values.count(name) != 0; }
  std::wstring Get(const std::wstring& name) const {
    const auto found = values.find(name);
    return found == values.end() ? std::wstring() : found->second;
  }
  int Number(const std::wstring& name) const { return _wtoi(Get(name).c_str()); }
};

std::string Narrow(const std::wstring& text);

// Set by --per-user FOLDER: the add-in comes from the current user's registration and must
// lie in FOLDER.
void SetPerUserFolder(const std::wstring& folder);
ComPtr<addin::IDTExtensibility2> CreateAddIn();
// Word's own menus (&File, &Edit, &Help) on the menu bar, before any add-in comes.
void AddWordMenus();
// The add-in created and connected at start-up; null (checked) when it does not connect.
ComPtr<addin::IDTExtensibility2> ConnectAddIn();

ComPtr<ControlObject> QuranPopup();
// Button `index` (1..5) of the "Al-Quran" popup; null when there is none.
ComPtr<ControlObject> Button(int index);
// A menu button (1..5) clicked, or with --ribbon the ribbon button in the same place pressed.
HRESULT Press(addin::IDTExtensibility2* addIn, const Options& o, int index);

// The "Pilih Surat & Ayat" dialog's controls; null where one is missing.
struct DialogControls {
  HWND surah = nullptr, from = nullptr, to = nullptr, check = nullptr, ok = nullptr;
};
DialogControls FindControls(HWND dialog);

// Runs `action` watching for message boxes: each is answered with OK. Returns their texts.
std::vector<std::wstring> BoxesDuring(const std::function<void()>& action);
void WriteTrace(const std::wstring& path, const std::string& text);
// A form's client area against the pixels its layout's twips give (`twips`: "W x H"), and its
// screenshot when --screenshot names a file (`name`: "the dialog").
void CheckClientArea(HWND form, int width, int height, const std::string& twips, const Options& o,
                     const std::string& name);

int Lifecycle();
int NoData();
int Ribbon(const Options& o);
int Rujukan(const Options& o);
int Toggles(const Options& o);
int Insert(const Options& o);
int About(const Options& o);
int Search(const Options& o);
int Soak(const Options& o);

}  // namespace pelvaron::wine_host
