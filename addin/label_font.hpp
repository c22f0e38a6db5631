#pragma once
// GDI fonts for the forms' styles, and the size a shrink-to-fit label draws its caption at,
// measured with GDI's own text metrics. The stand-in Word measures the About box with it.

#include <string>

#include "addin/windows_api.hpp"
#include "forms/form_layout.hpp"

namespace pelvaron::addin {

// `style` at `points` on the screen (a negative height: the character height, as VB sizes
// fonts); null when GDI refuses.
HFONT CreateStyleFont(const forms::FontStyle& style, float points);

// The width in pixels of `text` in `font`, by GetTextExtentPoint32W on the screen.
int TextWidthPixels(HFONT font, const std::wstring& text);

// The points `label` draws its caption at: its font's size, or for shrinkToFit the largest
// that fits its box, `boxPixels` wide (forms::FittedPoints).
float LabelPoints(const forms::ControlLayout& label, const forms::FontStyle& style, int boxPixels);

}  // namespace pelvaron::addin
