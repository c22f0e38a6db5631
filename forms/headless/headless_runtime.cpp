#include "forms/headless/headless_runtime.hpp"

#include "forms/headless/headless_form.hpp"
#include "module/error.hpp"
#include "module/trace_format.hpp"

namespace pelvaron::forms {
namespace {

HeadlessForm& AsHeadless(Form& form) {
  auto* headless = dynamic_cast<HeadlessForm*>(&form);
  if (headless == nullptr)
    throw Error(ErrorKind::HostCall, form.Name() + " is not a form of the headless runtime");
  return *headless;
}

}  // namespace

HeadlessRuntime::HeadlessRuntime(LineWriter writer, HeadlessScreen screen)
    : writer_(std::move(writer)), screen_(screen) {}

std::unique_ptr<Form> HeadlessRuntime::CreateForm(const FormLayout& layout, FormEvents& events) {
  const intptr_t window = nextWindow_++;
  windows_[window] = layout.name;
  return std::make_unique<HeadlessForm>(*this, layout, events, window);
}

void HeadlessRuntime::SetWindowPos(intptr_t window, int32_t insertAfter, int32_t x, int32_t y, int32_t cx,
                                   int32_t cy, uint32_t flags) {
  const auto found = windows_.find(window);
  // Like the real call, a bad handle is no failure the caller hears of.
  std::string line = "SetWindowPos ";
  // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict) on "literal" + string.
  if (found != windows_.end()) {
    line += found->second;
  } else {
    line += '?';
    line += std::to_string(window);
  }
  for (const int64_t value :
       {int64_t{insertAfter}, int64_t{x}, int64_t{y}, int64_t{cx}, int64_t{cy}, int64_t{flags}}) {
    line += ' ';
    line += std::to_string(value);
  }
  Write(line);
}

void HeadlessRuntime::MsgBox(const std::string& text, int32_t style) {
  Write("MsgBox " + QuoteTraceString(text) + " " + std::to_string(style));
}

void HeadlessRuntime::UserClick(Form& form, std::string_view control) { AsHeadless(form).UserClick(control); }
void HeadlessRuntime::UserDoubleClick(Form& form, std::string_view combo) {
  AsHeadless(form).UserDoubleClick(combo);
}
void HeadlessRuntime::UserPressEnter(Form& form, std::string_view combo) {
  AsHeadless(form).UserPressEnter(combo);
}

bool HeadlessRuntime::Visible(const Form& form) const {
  auto* headless = dynamic_cast<const HeadlessForm*>(&form);
  return headless != nullptr && headless->visible();
}

void HeadlessRuntime::Write(std::string_view line) const {
  if (writer_) writer_(line);
}

}  // namespace pelvaron::forms
