#pragma once
// frmabout: the product's name and version and whom to write to. Centred, topmost, gone
// at the first click on it.

#include <memory>
#include <string_view>

#include "forms/forms_runtime.hpp"

namespace pelvaron::forms {

// Who the About box names: the project itself, not a person.
struct AboutIdentity {
  std::string_view author;     // "Created by  " + this
  std::string_view shortName;  // the word-mark: shortName + "product"
  std::string_view firstMail;
  std::string_view secondMail;
  std::string_view messengerId;  // "ym id : " + this
};

inline constexpr AboutIdentity kProjectIdentity{
    "Pelvaron Project", "Pelvaron", "maintainers@users.noreply.c-seed-86236142.example",
    "maintainers@users.noreply.c-seed-86236142.example", "-"};

FormLayout AboutBoxLayout(const AboutIdentity& identity = kProjectIdentity);

class AboutBox : public FormEvents {
 public:
  explicit AboutBox(FormsRuntime& runtime);

  Form& form() { return *form_; }

  void Form_Load() override;
  // The form's surface and every label but Label4 unload the box.
  void Click(std::string_view control) override;

 private:
  FormsRuntime& runtime_;
  std::unique_ptr<Form> form_;
};

}  // namespace pelvaron::forms
