#pragma once
// A loaded data pack, the headless runtime writing its lines into `lines`, the document
// trace in `document`, and the forms app over them.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "forms/forms_app.hpp"
#include "forms/headless/headless_runtime.hpp"
#include "forms/verse_dialog.hpp"
#include "insert/trace_sink.hpp"
#include "module/state.hpp"
#include "tests/support/data_writer.hpp"
#include "tests/support/temp_dir.hpp"

namespace pelvaron::testing {

// Verse counts of the pack's first surahs; surah 13 onwards has none.
inline const std::vector<int> kPackVerseCounts{7, 286, 200, 176, 120, 165, 206, 75, 129, 109, 123, 111};

class DialogTest : public ::testing::Test {
 protected:
  explicit DialogTest(forms::HeadlessScreen screen = {});

  forms::VerseDialog& dialog() { return app.VerseForm(); }
  forms::Form& form() { return app.VerseForm().form(); }
  forms::ComboBox& combo(const char* name) { return form().Combo(name); }
  // The user presses OK.
  void PressOk() { runtime.UserClick(form(), "Command1"); }
  // Takes the lines written so far.
  std::vector<std::string> TakeLines();
  std::string TakeDocument();

  // What the insertions type for these arguments, on a sink of their own.
  std::string Expected(const std::function<void(DocumentOps&)>& insertions) const;
  std::string ExpectedArabic(int16_t surah, int16_t first, int16_t last, bool runOn = true) const;
  std::string ExpectedTranslation(int16_t surah, int16_t first, int16_t last) const;

  TempDir temp;
  ModuleState state;
  std::vector<std::string> lines;
  std::ostringstream document;
  std::shared_ptr<TraceSink> sink;
  forms::HeadlessRuntime runtime;
  forms::FormsApp app{state, runtime};
};

}  // namespace pelvaron::testing
