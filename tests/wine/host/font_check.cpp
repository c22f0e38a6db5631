#include "tests/wine/host/font_check.hpp"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "addin/windows_api.hpp"
#include "tests/wine/host/screenshot.hpp"

namespace pelvaron::wine_host {
namespace {

int CALLBACK FoundFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one is enough
}

bool GdiHasFamily(const std::wstring& family) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  family.copy(wanted.lfFaceName, LF_FACESIZE - 1);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &wanted, FoundFamily, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

std::wstring ReadUtf8(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), {}};
  const int n = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
  return text;
}

void PumpFor(DWORD milliseconds) {
  const DWORD until = GetTickCount() + milliseconds;
  MSG msg;
  while (GetTickCount() < until) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(10);
  }
}

}  // namespace

int CheckInstalledFont(Checks& check, const std::wstring& family, const std::wstring& textFile,
                       const std::wstring& screenshot) {
  const int before = check.failed();
  check(GdiHasFamily(family), "GDI finds the font family \"" + std::string(family.begin(), family.end()) + "\"");
  const std::wstring text = ReadUtf8(textFile);
  if (!check(!text.empty(), "a verse to draw")) return check.failed() - before;

  HWND window = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE | WS_BORDER, 0, 0, 1000, 150,
                                nullptr, nullptr, nullptr, nullptr);
  HWND label = CreateWindowExW(WS_EX_RTLREADING, L"STATIC", text.c_str(), WS_CHILD | WS_VISIBLE | SS_RIGHT, 10, 10,
                               980, 130, window, nullptr, nullptr, nullptr);
  HFONT font = CreateFontW(-34, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, family.c_str());
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  // The face GDI really chose: a fallback would show as another name.
  wchar_t chosen[LF_FACESIZE] = {};
  HDC dc = GetDC(label);
  HGDIOBJ old = SelectObject(dc, font);
  GetTextFaceW(dc, LF_FACESIZE, chosen);
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  check(family == chosen, "the window's font is \"" + std::string(family.begin(), family.end()) + "\" itself");
  // Painting has no completion signal under Xvfb: give the window a moment of messages.
  PumpFor(500);
  check(SaveWindowPng(window, screenshot), "a screenshot of the verse in the font");
  DestroyWindow(window);
  DeleteObject(font);
  return check.failed() - before;
}

}  // namespace pelvaron::wine_host
