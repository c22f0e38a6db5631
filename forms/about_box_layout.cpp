#include <string>

#include "forms/about_box.hpp"

namespace pelvaron::forms {
namespace {

constexpr Rgb kYellow{192, 192, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kRed{255, 0, 0};

ControlLayout AboutLabel(std::string name, std::string text, float left, float top, float width, float height,
                         FontStyle font, Rgb colour, Alignment alignment,
                         Pointer pointer = Pointer::Default) {
  ControlLayout label;
  label.name = std::move(name);
  label.kind = ControlKind::Label;
  label.caption = std::move(text);
  label.left = left;
  label.top = top;
  label.width = width;
  label.height = height;
  label.font = std::move(font);
  label.foreColor = colour;
  label.transparent = true;
  label.alignment = alignment;
  label.pointer = pointer;
  label.shrinkToFit = true;
  return label;
}

// The box around the product name's letters.
ControlLayout AboutFrame() {
  ControlLayout frame;
  frame.name = "Shape1";
  frame.kind = ControlKind::Shape;
  frame.left = 360;
  frame.top = 825;
  frame.width = 1635;
  frame.height = 660;
  frame.foreColor = kYellow;  // outline only, in the labels' colour
  return frame;
}

}  // namespace

FormLayout AboutBoxLayout(const AboutIdentity& identity) {
  const FontStyle arial{"Arial", 8.25f, true, false, kWesternCharset};
  const FontStyle arialLink{"Arial", 8.25f, true, true, kWesternCharset};
  const FontStyle tahomaLarge{"Tahoma", 26.25f, true, false, kWesternCharset};
  const FontStyle tahomaSmall{"Tahoma", 8.25f, true, false, kWesternCharset};
  const std::string shortName(identity.shortName);
  const std::string lastLetter = shortName.empty() ? "" : shortName.substr(shortName.size() - 1);
  const std::string rest = shortName.empty() ? "" : shortName.substr(0, shortName.size() - 1);

  FormLayout layout;
  layout.name = "frmabout";
  layout.caption = "               About";
  layout.clientWidth = 2430;
  layout.clientHeight = 1980;
  layout.backColor = Rgb{0, 0, 0};
  layout.controls = {
      AboutLabel("Label1", "Ostrevan Ver 1.0.0", 135, 0, 2130, 240, arial, kYellow, Alignment::Centre),
      AboutLabel("Label2", "Created by  " + std::string(identity.author), 0, 225, 2445, 240, arial, kYellow,
                 Alignment::Centre),
      AboutLabel("Label9", std::string(identity.firstContact), 135, 540, 2175, 240, arialLink, kYellow,
                 Alignment::Centre, Pointer::Hand),
      AboutLabel("Label8", lastLetter, 840, 720, 330, 795, tahomaLarge, kBlue, Alignment::Left),
      AboutLabel("Label7", "p", 1140, 720, 330, 720, tahomaLarge, kRed, Alignment::Left),
      // The small parts end where the large letters begin and begin where they end: no
      // runtime then has to draw text over text.
      AboutLabel("Label5", rest, 135, 1185, 705, 210, tahomaSmall, kBlue, Alignment::Right),
      AboutLabel("Label6", "roduct", 1470, 1185, 495, 225, tahomaSmall, kRed, Alignment::Left),
      AboutFrame(),
      AboutLabel("Label3", std::string(identity.secondContact), 135, 1485, 2175, 240, arialLink, kYellow,
                 Alignment::Centre, Pointer::Hand),
      AboutLabel("Label4", "ym id : " + std::string(identity.messengerId), 0, 1665, 2445, 240, arial, kYellow,
                 Alignment::Centre),
  };
  return layout;
}

}  // namespace pelvaron::forms
