#include "forms/about_box.hpp"

#include <array>

#include "forms/make_form_topmost.hpp"

namespace pelvaron::forms {

AboutBox::AboutBox(FormsRuntime& runtime)
    : runtime_(runtime), form_(runtime.CreateForm(AboutBoxLayout(), *this)) {}

void AboutBox::Form_Load() {
  form_->SetLeft((runtime_.ScreenWidth() - form_->Width()) / 2);
  form_->SetTop((runtime_.ScreenHeight() - form_->Height()) / 2);
  MakeFormTopmost(runtime_, *form_, -1);
}

void AboutBox::Click(std::string_view control) {
  // Label4 (the messenger id) has no click handler; none of the clicks opens anything.
  static constexpr std::array<std::string_view, 9> kClosers{"",       "Label1", "Label2", "Label3", "Label5",
                                                            "Label6", "Label7", "Label8", "Label9"};
  for (std::string_view closer : kClosers)
    if (control == closer) return form_->Unload();
}

}  // namespace pelvaron::forms
