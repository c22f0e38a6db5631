#include "forms/headless/headless_controls.hpp"

#include "module/error.hpp"

namespace pelvaron::forms {

void HeadlessCombo::Clear() {
  list_.clear();
  listIndex_ = -1;
  text_.clear();
}

void HeadlessCombo::AddItem(const std::string& text) { list_.push_back(text); }

std::string HeadlessCombo::List(int index) const {
  if (index < 0 || index >= ListCount())
    throw Error(ErrorKind::Index, where_ + ": list entry " + std::to_string(index) +
                                      " does not exist (the list has " + std::to_string(ListCount()) + ")");
  return list_[static_cast<std::size_t>(index)];
}

void HeadlessCombo::SetListIndex(int index) {
  if (index < -1 || index >= ListCount())
    throw Error(ErrorKind::Index, where_ + ": list index " + std::to_string(index) + " is outside -1.." +
                                      std::to_string(ListCount() - 1));
  listIndex_ = index;
  if (index < 0) return;
  text_ = list_[static_cast<std::size_t>(index)];
  // The handler may unload the form, and with it this control.
  const auto keepAlive = shared_from_this();
  events_.Click(name_);
}

void HeadlessCombo::SetText(const std::string& text) {
  text_ = text;
  listIndex_ = -1;
  for (std::size_t i = 0; i < list_.size(); ++i) {
    if (list_[i] == text) {
      listIndex_ = static_cast<int>(i);
      break;
    }
  }
}

void HeadlessCheck::SetValue(int value) {
  if (value != 0 && value != 1)
    throw Error(ErrorKind::Input, where_ + ": value " + std::to_string(value) + " is neither 0 nor 1");
  value_ = value;
}

}  // namespace pelvaron::forms
