#pragma once
// frmabout: the product's name and version and whom to write to. Centred, topmost, gone
// at the first click on it.

#include <memory>
#include <string_view>

#include "forms/forms_runtime.hpp"

namespace pelvaron::forms {

// Whom the About box names.
struct AboutIdentity {
  std::string_view author;     // "Created by  " + this
  std::string_view shortName;  // the word-mark: shortName + "product"
  std::string_view firstContact;
  std::string_view secondContact;
  std::string_view messengerId;  // "ym id : " + this
};

// As the build was configured: the PELVARON_ABOUT_* cache variables (forms/CMakeLists.txt).
extern const AboutIdentity kBuildIdentity;

// Every label shrinks its font until its text fits its width (shrinkToFit).
FormLayout AboutBoxLayout(const AboutIdentity& identity = kBuildIdentity);

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
