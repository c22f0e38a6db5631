#pragma once
// One rule for every forms runtime: how far a label's font shrinks so that its text fits.

#include <functional>

namespace pelvaron::forms {

// Below this a label's text is no longer read; a text that does not fit even here is cut.
inline constexpr float kSmallestFittedPoints = 5.0f;

// The largest size from `points` down, in quarter points, at which `widthAt(size)` (the
// text's width as the runtime measures it with its font at that size) is at most `boxWidth`
// (in the same unit, the runtime's pixels); kSmallestFittedPoints when none is.
float FittedPoints(float points, float boxWidth, const std::function<float(float)>& widthAt);

}  // namespace pelvaron::forms
