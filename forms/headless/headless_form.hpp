#pragma once

#include <map>
#include <memory>
#include <string>

#include "forms/headless/headless_controls.hpp"
#include "forms/headless/headless_runtime.hpp"

namespace pelvaron::forms {

class HeadlessForm : public Form {
 public:
  HeadlessForm(HeadlessRuntime& runtime, FormLayout layout, FormEvents& events, intptr_t window);
  ~HeadlessForm() override;

  const std::string& Name() const override { return layout_.name; }
  bool Loaded() const override { return loaded_; }
  void Show() override;
  void Unload() override;

  intptr_t WindowHandle() const override;
  // A headless window has no frame: its outer size is its client size.
  float Left() const override;
  float Top() const override;
  float Width() const override;
  float Height() const override;
  void SetLeft(float twips) override;
  void SetTop(float twips) override;

  ComboBox& Combo(std::string_view name) override;
  CheckBox& Check(std::string_view name) override;
  Label& LabelNamed(std::string_view name) override;

  bool visible() const { return visible_; }
  // See HeadlessRuntime::UserClick.
  void UserClick(std::string_view control);
  // See HeadlessRuntime::UserDoubleClick and UserPressEnter.
  void UserDoubleClick(std::string_view combo);
  void UserPressEnter(std::string_view combo);

 private:
  // The combo box `name`, for an event of the user's; anything else throws.
  void RequireCombo(std::string_view name, std::string_view what);

  struct Slot {
    ControlKind kind;
    std::shared_ptr<HeadlessCombo> combo;
    std::shared_ptr<HeadlessCheck> check;
    std::shared_ptr<HeadlessLabel> label;
  };

  void Load();
  void RequireLoaded(std::string_view what) const;
  Slot& Find(std::string_view name, ControlKind kind);

  HeadlessRuntime& runtime_;
  FormLayout layout_;
  FormEvents& events_;
  intptr_t window_;
  bool loaded_ = false;
  bool visible_ = false;
  float left_ = 0;
  float top_ = 0;
  std::map<std::string, Slot, std::less<>> controls_;
};

}  // namespace pelvaron::forms
