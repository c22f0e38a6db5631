#include "forms/headless/headless_form.hpp"

#include <algorithm>

#include "module/error.hpp"

namespace pelvaron::forms {
namespace {

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return "label";
    case ControlKind::ComboBox:
      return "combo box";
    case ControlKind::CheckBox:
      return "check box";
    case ControlKind::Button:
      return "button";
    case ControlKind::Shape:
      return "shape";
  }
  return "control";
}

}  // namespace

HeadlessForm::HeadlessForm(HeadlessRuntime& runtime, FormLayout layout, FormEvents& events, intptr_t window)
    : runtime_(runtime), layout_(std::move(layout)), events_(events), window_(window) {}

HeadlessForm::~HeadlessForm() { runtime_.Forget(window_); }

void HeadlessForm::Show() {
  if (!loaded_) Load();
  // The load handler may have closed the form again.
  if (loaded_) visible_ = true;
}

void HeadlessForm::Load() {
  runtime_.Write("Load " + layout_.name);
  left_ = 0;
  top_ = 0;
  for (const ControlLayout& control : layout_.controls) {
    Slot slot{control.kind, nullptr, nullptr, nullptr};
    const std::string where = layout_.name + "." + control.name;
    if (control.kind == ControlKind::ComboBox)
      slot.combo = std::make_shared<HeadlessCombo>(control.name, where, events_);
    if (control.kind == ControlKind::CheckBox) slot.check = std::make_shared<HeadlessCheck>(where);
    if (control.kind == ControlKind::Label) slot.label = std::make_shared<HeadlessLabel>(control.caption);
    controls_.emplace(control.name, std::move(slot));
  }
  loaded_ = true;
  try {
    events_.Form_Load();
  } catch (...) {
    Unload();
    throw;
  }
}

void HeadlessForm::Unload() {
  if (!loaded_) return;
  runtime_.Write("Unload " + layout_.name);
  loaded_ = false;
  visible_ = false;
  controls_.clear();
}

void HeadlessForm::RequireLoaded(std::string_view what) const {
  if (!loaded_)
    throw Error(ErrorKind::HostCall,
                layout_.name + " is not loaded: its " + std::string(what) + " cannot be reached");
}

intptr_t HeadlessForm::WindowHandle() const {
  RequireLoaded("window");
  return window_;
}

float HeadlessForm::Left() const {
  RequireLoaded("position");
  return left_;
}

float HeadlessForm::Top() const {
  RequireLoaded("position");
  return top_;
}

float HeadlessForm::Width() const {
  RequireLoaded("size");
  return layout_.clientWidth;
}

float HeadlessForm::Height() const {
  RequireLoaded("size");
  return layout_.clientHeight;
}

void HeadlessForm::SetLeft(float twips) {
  RequireLoaded("position");
  left_ = twips;
}

void HeadlessForm::SetTop(float twips) {
  RequireLoaded("position");
  top_ = twips;
}

HeadlessForm::Slot& HeadlessForm::Find(std::string_view name, ControlKind kind) {
  RequireLoaded("control " + std::string(name));
  const auto found = controls_.find(name);
  if (found == controls_.end())
    throw Error(ErrorKind::HostCall, layout_.name + " has no control " + std::string(name));
  if (found->second.kind != kind)
    throw Error(ErrorKind::HostCall, layout_.name + "." + std::string(name) + " is a " +
                                         KindName(found->second.kind) + ", not a " + KindName(kind));
  return found->second;
}

ComboBox& HeadlessForm::Combo(std::string_view name) { return *Find(name, ControlKind::ComboBox).combo; }
CheckBox& HeadlessForm::Check(std::string_view name) { return *Find(name, ControlKind::CheckBox).check; }
Label& HeadlessForm::LabelNamed(std::string_view name) { return *Find(name, ControlKind::Label).label; }

void HeadlessForm::UserClick(std::string_view control) {
  RequireLoaded("surface");
  if (control.empty()) return events_.Click("");
  const auto found = controls_.find(control);
  if (found == controls_.end())
    throw Error(ErrorKind::HostCall, layout_.name + " has no control " + std::string(control));
  const Slot& slot = found->second;
  switch (slot.kind) {
    case ControlKind::Shape:
      return events_.Click("");
    case ControlKind::CheckBox:
      return slot.check->SetValue(1 - slot.check->Value());
    case ControlKind::ComboBox:
      throw Error(ErrorKind::HostCall, layout_.name + "." + std::string(control) +
                                           " is a combo box: its entries are selected, not clicked");
    case ControlKind::Label:
    case ControlKind::Button:
      break;
  }
  // A copy: the handler may unload the form and with it the control's name.
  const std::string name(control);
  events_.Click(name);
}

void HeadlessForm::RequireCombo(std::string_view name, std::string_view what) {
  RequireLoaded(what);
  const auto found = controls_.find(name);
  if (found == controls_.end() || found->second.kind != ControlKind::ComboBox)
    throw Error(ErrorKind::HostCall, layout_.name + " has no combo box " + std::string(name));
}

void HeadlessForm::UserDoubleClick(std::string_view combo) {
  RequireCombo(combo, "lists");
  const auto layout = std::find_if(layout_.controls.begin(), layout_.controls.end(),
                                   [combo](const ControlLayout& c) { return c.name == combo; });
  if (layout == layout_.controls.end() || !layout->listOpen)
    throw Error(ErrorKind::HostCall, layout_.name + "." + std::string(combo) +
                                         " drops its list down: a double-click never reaches it");
  if (Combo(combo).ListIndex() < 0)
    throw Error(ErrorKind::HostCall,
                layout_.name + "." + std::string(combo) + " has no entry selected to double-click");
  events_.DoubleClick(std::string(combo));
}

void HeadlessForm::UserPressEnter(std::string_view combo) {
  RequireCombo(combo, "edit fields");
  events_.EnterPressed(std::string(combo));
}

}  // namespace pelvaron::forms
