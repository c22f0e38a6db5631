#include "addin/label_font.hpp"

#include "addin/wide_text.hpp"
#include "forms/fit_text.hpp"

namespace pelvaron::addin {

HFONT CreateStyleFont(const forms::FontStyle& style, float points) {
  HDC screen = GetDC(nullptr);
  const int height =
      -MulDiv(static_cast<int>(points * 100.0f + 0.5f), GetDeviceCaps(screen, LOGPIXELSY), 7200);
  ReleaseDC(nullptr, screen);
  return CreateFontW(height, 0, 0, 0, style.bold ? FW_BOLD : FW_NORMAL, FALSE, style.underline, FALSE,
                     static_cast<BYTE>(style.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Widen(style.name).c_str());
}

int TextWidthPixels(HFONT font, const std::wstring& text) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font);
  SIZE size{};
  GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return size.cx;
}

float LabelPoints(const forms::ControlLayout& label, const forms::FontStyle& style, int boxPixels) {
  if (!label.shrinkToFit) return style.points;
  const std::wstring text = Widen(label.caption);
  return forms::FittedPoints(style.points, static_cast<float>(boxPixels), [&](float points) {
    HFONT font = CreateStyleFont(style, points);
    if (!font) return 0.0f;  // nothing to measure with: the size stays
    const int width = TextWidthPixels(font, text);
    DeleteObject(font);
    return static_cast<float>(width);
  });
}

}  // namespace pelvaron::addin
