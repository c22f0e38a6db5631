#pragma once
// The controls of a Win32 form: combo boxes and check boxes as child windows, labels drawn by
// their form.

#include <string>

#include "addin/windows_api.hpp"
#include "forms/forms_runtime.hpp"

namespace pelvaron::addin {

class Win32Form;

class Win32Control {
 public:
  virtual ~Win32Control() = default;
  virtual forms::ComboBox* AsCombo() { return nullptr; }
  virtual forms::CheckBox* AsCheck() { return nullptr; }
  virtual forms::Label* AsLabel() { return nullptr; }
};

// A child window control without an interface of its own (the OK button).
class Win32ChildControl : public Win32Control {};

class Win32Combo : public Win32Control, public forms::ComboBox {
 public:
  Win32Combo(HWND window, std::string name, Win32Form& form)
      : window_(window), name_(std::move(name)), form_(form) {}
  forms::ComboBox* AsCombo() override { return this; }

  void Clear() override;
  void AddItem(const std::string& text) override;
  int ListCount() const override;
  std::string List(int index) const override;
  int ListIndex() const override;
  void SetListIndex(int index) override;
  std::string Text() const override;
  void SetText(const std::string& text) override;

  // CBN_SELCHANGE from the user: the edit text follows the selection before the click runs.
  void OnSelectionChanged();

 private:
  HWND window_;
  std::string name_;
  Win32Form& form_;
};

class Win32Check : public Win32Control, public forms::CheckBox {
 public:
  Win32Check(HWND window, std::string name) : window_(window), name_(std::move(name)) {}
  forms::CheckBox* AsCheck() override { return this; }
  int Value() const override;
  void SetValue(int value) override;

 private:
  HWND window_;
  std::string name_;
};

class Win32Label : public Win32Control, public forms::Label {
 public:
  Win32Label(std::string caption, Win32Form& form) : caption_(std::move(caption)), form_(form) {}
  forms::Label* AsLabel() override { return this; }
  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& text) override;

 private:
  std::string caption_;  // the form paints it
  Win32Form& form_;
};

}  // namespace pelvaron::addin
