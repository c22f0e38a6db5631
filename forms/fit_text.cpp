#include "forms/fit_text.hpp"

namespace pelvaron::forms {

float FittedPoints(float points, float boxWidth, const std::function<float(float)>& widthAt) {
  constexpr float kStep = 0.25f;
  while (points - kStep >= kSmallestFittedPoints && widthAt(points) > boxWidth) points -= kStep;
  return points;
}

}  // namespace pelvaron::forms
