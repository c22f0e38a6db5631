#pragma once
// The controls of a headless form: plain values, and the combo's click routed to the form's
// controller.

#include <memory>
#include <string>
#include <vector>

#include "forms/forms_runtime.hpp"

namespace pelvaron::forms {

class HeadlessCombo : public ComboBox, public std::enable_shared_from_this<HeadlessCombo> {
 public:
  // `where` names the control in errors ("frmPilih.cbSurat").
  HeadlessCombo(std::string name, std::string where, FormEvents& events)
      : name_(std::move(name)), where_(std::move(where)), events_(events) {}

  void Clear() override;
  void AddItem(const std::string& text) override;
  int ListCount() const override { return static_cast<int>(list_.size()); }
  std::string List(int index) const override;
  int ListIndex() const override { return listIndex_; }
  void SetListIndex(int index) override;
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override;

 private:
  std::string name_;
  std::string where_;
  FormEvents& events_;
  std::vector<std::string> list_;
  int listIndex_ = -1;
  std::string text_;
};

class HeadlessCheck : public CheckBox {
 public:
  explicit HeadlessCheck(std::string where) : where_(std::move(where)) {}
  int Value() const override { return value_; }
  void SetValue(int value) override;

 private:
  std::string where_;
  int value_ = 0;
};

class HeadlessLabel : public Label {
 public:
  explicit HeadlessLabel(std::string caption) : caption_(std::move(caption)) {}
  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& text) override { caption_ = text; }

 private:
  std::string caption_;
};

}  // namespace pelvaron::forms
