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
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
    text.pop_back();
  return text;
}

struct VerseWindow {
  std::wstring text;
  HFONT font;
};

// Right-aligned and in right-to-left reading order, as a Word paragraph of Arabic is.
LRESULT CALLBACK PaintVerse(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE)
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  if (message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  const auto* verse = reinterpret_cast<const VerseWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT area;
  GetClientRect(window, &area);
  InflateRect(&area, -12, -12);
  HGDIOBJ old = SelectObject(dc, verse->font);
  SetTextAlign(dc, TA_RIGHT | TA_TOP | TA_RTLREADING);
  ExtTextOutW(dc, area.right, area.top, ETO_RTLREADING | ETO_CLIPPED, &area, verse->text.c_str(),
              static_cast<UINT>(verse->text.size()), nullptr);
  SelectObject(dc, old);
  EndPaint(window, &paint);
  return 0;
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
  check(GdiHasFamily(family),
        "GDI finds the font family \"" + std::string(family.begin(), family.end()) + "\"");
  const std::wstring text = ReadUtf8(textFile);
  if (!check(!text.empty(), "a verse to draw")) return check.failed() - before;

  VerseWindow verse{
      text, CreateFontW(-30, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, family.c_str())};
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = PaintVerse;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = L"PelvaronVerseWindow";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"", WS_POPUP | WS_BORDER, 0, 0,
                                1000, 200, nullptr, nullptr, windowClass.hInstance, &verse);
  ShowWindow(window, SW_SHOW);
  // The face GDI really chose: a fallback would show as another name.
  wchar_t chosen[LF_FACESIZE] = {};
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, verse.font);
  GetTextFaceW(dc, LF_FACESIZE, chosen);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  check(family == chosen,
        "the window's font is \"" + std::string(family.begin(), family.end()) + "\" itself");
  // Painting has no completion signal under Xvfb: give the window a moment of messages.
  PumpFor(500);
  check(SaveWindowPng(window, screenshot), "a screenshot of the verse in the font");
  DestroyWindow(window);
  DeleteObject(verse.font);
  return check.failed() - before;
}

}  // namespace pelvaron::wine_host
