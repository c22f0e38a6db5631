#include "cli/dialog_script.hpp"

#include <array>
#include <charconv>
#include <optional>
#include <vector>

#include "forms/about_box.hpp"
#include "forms/verse_dialog.hpp"
#include "insert/trace_sink.hpp"
#include "module/trace_format.hpp"

namespace pelvaron::cli {
namespace {

// The script's user on the headless runtime: its simulated keyboard and mouse, its output.
class HeadlessUser : public forms::ScriptedUser {
 public:
  explicit HeadlessUser(forms::HeadlessRuntime& runtime) : runtime_(runtime) {}
  void PressEnter(forms::Form& form, std::string_view control) override {
    runtime_.UserPressEnter(form, control);
  }
  void Click(forms::Form& form, std::string_view control) override { runtime_.UserClick(form, control); }
  void Write(const std::string& line) override { runtime_.Write(line); }

 private:
  forms::HeadlessRuntime& runtime_;
};

// The first word of `line` and what follows the blank after it.
std::pair<std::string_view, std::string_view> SplitWord(std::string_view line) {
  const std::size_t blank = line.find(' ');
  if (blank == std::string_view::npos) return {line, {}};
  return {line.substr(0, blank), line.substr(blank + 1)};
}

std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
  return value;
}

int RequireNumber(std::string_view text, std::string_view what) {
  const auto value = WholeNumber(text);
  if (!value)
    throw ScriptError(std::string(what) + " takes a whole number, not \"" + std::string(text) + "\"");
  return *value;
}

std::vector<std::string> Entries(const forms::ComboBox& combo) {
  std::vector<std::string> entries;
  for (int i = 0; i < combo.ListCount(); ++i) entries.push_back(combo.List(i));
  return entries;
}

}  // namespace

std::string CompactList(const std::vector<std::string>& entries) {
  if (entries.size() >= 2) {
    bool consecutive = true;
    std::optional<int> previous;
    for (const std::string& entry : entries) {
      const auto value = WholeNumber(entry);
      if (!value || (previous && *value != *previous + 1)) {
        consecutive = false;
        break;
      }
      previous = value;
    }
    if (consecutive) return entries.front() + ".." + entries.back();
  }
  std::string joined;
  for (const std::string& entry : entries) joined += (joined.empty() ? "" : ",") + entry;
  return joined;
}

std::string VerseDialogState(forms::Form& dialog) {
  if (!dialog.Loaded()) return R"(State loaded=0 surah="" from="" to="" from.list= to.list= check=0)";
  forms::ComboBox& surat = dialog.Combo("cbSurat");
  forms::ComboBox& from = dialog.Combo("cbFrom");
  forms::ComboBox& to = dialog.Combo("cbTo");
  return "State loaded=1 surah=" + QuoteTraceString(surat.Text()) + " from=" + QuoteTraceString(from.Text()) +
         " to=" + QuoteTraceString(to.Text()) + " from.list=" + CompactList(Entries(from)) +
         " to.list=" + CompactList(Entries(to)) + " check=" + std::to_string(dialog.Check("Check1").Value());
}

DialogScript::DialogScript(forms::FormsApp& app, forms::HeadlessRuntime& runtime, int16_t showMode)
    : app_(app), runtime_(runtime), showMode_(showMode) {}

void DialogScript::ClickMenuButton(int16_t mode) {
  switch (mode) {
    case 1:
      return app_.OnGetAllClicked();
    case 2:
      return app_.OnGetAyatClicked();
    case 3:
      return app_.OnGetTerjemahClicked();
    default:
      throw ScriptError("mode " + std::to_string(mode) + " has no menu button (modes are 1, 2, 3)");
  }
}

forms::Form& DialogScript::LoadedVerseDialog() {
  forms::Form& dialog = app_.VerseForm().form();
  if (!dialog.Loaded()) throw ScriptError("the dialog is not open (\"show\" opens it)");
  return dialog;
}

void DialogScript::RunCombo(const std::string& combo, std::string_view rest) {
  const auto [action, argument] = SplitWord(rest);
  forms::ComboBox& box = LoadedVerseDialog().Combo(combo);
  if (action == "select") {
    const int index = RequireNumber(argument, "select");
    if (index < -1 || index >= box.ListCount())
      throw ScriptError(combo + " has no entry " + std::to_string(index) + " (its list has " +
                        std::to_string(box.ListCount()) + ")");
    box.SetListIndex(index);
  } else if (action == "text") {
    box.SetText(std::string(argument));
  } else {
    throw ScriptError("\"" + std::string(action) + "\": a box is changed by \"select N\" or \"text T\"");
  }
}

void DialogScript::RunAbout(std::string_view rest) {
  const auto [action, argument] = SplitWord(rest);
  if (action == "show" && argument.empty()) return app_.OnAboutClicked();
  if (action != "click") throw ScriptError("about takes \"show\" or \"click NAME\"");
  static constexpr std::array<std::string_view, 11> kTargets{"form",   "Label1", "Label2", "Label3",
                                                             "Label4", "Label5", "Label6", "Label7",
                                                             "Label8", "Label9", "Shape1"};
  bool known = false;
  for (std::string_view target : kTargets) known = known || target == argument;
  if (!known) throw ScriptError("the About box has nothing called \"" + std::string(argument) + "\"");
  forms::Form& about = app_.AboutForm().form();
  if (!about.Loaded()) throw ScriptError("the About box is not open (\"about show\" opens it)");
  runtime_.UserClick(about, argument == "form" ? std::string_view() : argument);
}

void DialogScript::Run(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.empty() || line.front() == '#') return;
  const auto [command, rest] = SplitWord(line);
  if (command == "show" && rest.empty()) return ClickMenuButton(showMode_);
  if (command == "mode") return ClickMenuButton(static_cast<int16_t>(RequireNumber(rest, "mode")));
  if (command == "surah") return RunCombo("cbSurat", rest);
  if (command == "from") return RunCombo("cbFrom", rest);
  if (command == "to") return RunCombo("cbTo", rest);
  if (command == "check") {
    const int value = RequireNumber(rest, "check");
    if (value != 0 && value != 1) throw ScriptError("check takes 0 or 1");
    return LoadedVerseDialog().Check("Check1").SetValue(value);
  }
  if (command == "ok" && rest.empty()) return runtime_.UserClick(LoadedVerseDialog(), "Command1");
  if (command == "close" && rest.empty()) return LoadedVerseDialog().Unload();
  if (command == "state" && rest.empty()) return runtime_.Write(VerseDialogState(app_.VerseForm().form()));
  if (command == "about") return RunAbout(rest);
  if (command == "search") {
    HeadlessUser user(runtime_);
    return forms::RunSearchLine(app_, user, rest);
  }
  throw ScriptError("\"" + std::string(line) + "\" is no command of the dialog script");
}

void RunDialogScript(std::istream& script, DialogScript& runner) {
  std::string line;
  for (int number = 1; std::getline(script, line); ++number) {
    try {
      runner.Run(line);
    } catch (const ScriptError& e) {
      throw ScriptError("script line " + std::to_string(number) + ": " + e.what());
    }
  }
}

}  // namespace pelvaron::cli
