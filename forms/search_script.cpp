#include "forms/search_script.hpp"

#include <charconv>

#include "forms/search_dialog.hpp"
#include "module/trace_format.hpp"

namespace pelvaron::forms {
namespace {

constexpr const char* kCiteNames[] = {"none", "qs", "short", "arabic"};

template <std::size_t N>
int IndexOf(const char* const (&names)[N], std::string_view name, std::string_view what) {
  for (std::size_t i = 0; i < N; ++i)
    if (name == names[i]) return static_cast<int>(i);
  std::string known;
  for (const char* n : names) known += (known.empty() ? "" : ", ") + std::string(n);
  throw ScriptError(std::string(what) + " \"" + std::string(name) + "\" is none of " + known);
}

int ModeIndex(std::string_view name) {
  std::string known;
  for (std::size_t i = 0; i < std::size(kInsertChoices); ++i) {
    if (name == kInsertChoices[i].name) return static_cast<int>(i);
    known += (known.empty() ? "" : ", ") + std::string(kInsertChoices[i].name);
  }
  throw ScriptError("mode \"" + std::string(name) + "\" is none of " + known);
}

Form& LoadedSearchForm(FormsApp& app) {
  Form& form = app.SearchForm().form();
  if (!form.Loaded()) throw ScriptError("the search form is not open (\"search show\" opens it)");
  return form;
}

}  // namespace

std::string SearchDialogState(FormsApp& app) {
  Form& form = app.SearchForm().form();
  if (!form.Loaded()) return "State loaded=0";
  const int cite = form.Combo("cbKutip").ListIndex();
  const int mode = form.Combo("cbJenis").ListIndex();
  const auto& results = app.SearchForm().results();
  std::string state = "State loaded=1 query=" + QuoteTraceString(form.Combo("txtCari").Text()) +
                      " cite=" + (cite >= 0 ? kCiteNames[cite] : "?") +
                      " mode=" + (mode >= 0 ? forms::kInsertChoices[mode].name : "?") +
                      " picked=" + std::to_string(form.Combo("cbHasil").ListIndex()) +
                      " results=" + std::to_string(results.size());
  for (std::size_t i = 0; i < results.size(); ++i)
    state += "\nResult " + std::to_string(i) + " " + QuoteTraceString(SearchResultEntry(results[i]));
  return state;
}

void RunSearchLine(FormsApp& app, ScriptedUser& user, std::string_view rest) {
  const std::size_t blank = rest.find(' ');
  const std::string_view action = rest.substr(0, blank);
  const std::string_view argument =
      blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
  const auto noArgument = [&] {
    if (!argument.empty()) throw ScriptError("search " + std::string(action) + " takes nothing after it");
  };
  if (action == "show") {
    noArgument();
    return app.OnSearchClicked();
  }
  if (action == "state") {
    noArgument();
    return user.Write(SearchDialogState(app));
  }
  Form& form = LoadedSearchForm(app);
  if (action == "query") {
    form.Combo("txtCari").SetText(std::string(argument));
    return user.PressEnter(form, "txtCari");
  }
  if (action == "pick") {
    int index = -2;
    const auto [end, ec] = std::from_chars(argument.data(), argument.data() + argument.size(), index);
    ComboBox& list = form.Combo("cbHasil");
    if (ec != std::errc() || end != argument.data() + argument.size() || index < 0 ||
        index >= list.ListCount())
      throw ScriptError("search pick takes a result number from 0 to " +
                        std::to_string(list.ListCount() - 1) + ", not \"" + std::string(argument) + "\"");
    return list.SetListIndex(index);
  }
  if (action == "cite")
    return form.Combo("cbKutip").SetListIndex(IndexOf(kCiteNames, argument, "citation style"));
  if (action == "mode") return form.Combo("cbJenis").SetListIndex(ModeIndex(argument));
  noArgument();
  if (action == "insert") return user.Click(form, "cmdSisipkan");
  if (action == "close") return form.Unload();
  throw ScriptError("\"search " + std::string(rest) +
                    "\": search takes show, query, pick, cite, mode, insert, close, state");
}

}  // namespace pelvaron::forms
